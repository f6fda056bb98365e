#include "DeviceConfig.h"

#include <gtest/gtest.h>

namespace {

const QString kMac = QStringLiteral("02 56 58 00 00 01");

DeviceConfig device() {
    DeviceConfig::Settings settings;
    settings.mac = kMac;
    return DeviceConfig(settings);
}

struct RequestCase {
    const char *request;
    QStringList answers;
    // The record asked for afterwards.
    const char *record;
};

class ConfigRequests : public testing::TestWithParam<RequestCase> {};

TEST_P(ConfigRequests, AnswerAndChangeTheSettings) {
    DeviceConfig config = device();
    EXPECT_EQ(config.answer(QString::fromUtf8(GetParam().request), QStringLiteral("10.0.0.9")),
              GetParam().answers);
    EXPECT_EQ(config.record(QStringLiteral("10.0.0.9")), QString::fromUtf8(GetParam().record));
}

const char *const kUnchanged = "02 56 58 00 00 01|10.0.0.9|1|192.168.20.1|255.255.255.0|"
                               "192.168.20.254|8.8.8.8|controller-sim|9600";
const QStringList kApplied = {QStringLiteral("_Info#RCV"), QStringLiteral("_Info#DON")};
const QStringList kRefused = {QStringLiteral("_Info#RCV"), QStringLiteral("_Info#ERR")};

INSTANTIATE_TEST_SUITE_P(
    DeviceConfig, ConfigRequests,
    testing::Values(
        RequestCase{"_0Ip?a=0&port=9930&gw=", {QString::fromUtf8(kUnchanged)}, kUnchanged},
        RequestCase{"_0Ip?a=1&m=02 56 58 00 00 01&i=10.0.0.5&n=255.0.0.0&g=10.0.0.1&d=1.1.1.1",
                    kApplied,
                    "02 56 58 00 00 01|10.0.0.9|0|10.0.0.5|255.0.0.0|10.0.0.1|1.1.1.1|"
                    "controller-sim|9600"},
        RequestCase{"_0Ip?a=1&m=02:56:58:00:00:01&i=10.0.0.5&n=255.0.0.0&g=&d=1.1.1.1&d2=8.8.4.4",
                    kApplied,
                    "02 56 58 00 00 01|10.0.0.9|0|10.0.0.5|255.0.0.0||1.1.1.1 8.8.4.4|"
                    "controller-sim|9600"},
        RequestCase{"_0Ip?a=1&m=02 56 58 00 00 01&i=10.0.0.256&n=255.0.0.0&g=&d=", kRefused,
                    kUnchanged},
        RequestCase{"_0Ip?a=1&m=02 56 58 00 00 01&i=10.0.0.5&n=&g=&d=", kRefused, kUnchanged},
        RequestCase{"_0Ip?a=1&m=02 56 58 00 00 02&i=10.0.0.5&n=255.0.0.0&g=&d=", {}, kUnchanged},
        RequestCase{"_0Ip?a=2&m=02 56 58 00 00 01", kApplied, kUnchanged},
        RequestCase{"_0Ip?a=7&m=02 56 58 00 00 01", {QStringLiteral("_Info#ERR")}, kUnchanged},
        RequestCase{"lamp1_on.tsk?val=1", {}, kUnchanged}));

TEST(DeviceConfig, SwitchingBackToDhcpKeepsTheFixedAddress) {
    DeviceConfig config = device();
    config.answer(QStringLiteral("_0Ip?a=1&m=%1&i=10.0.0.5&n=255.0.0.0&g=&d=").arg(kMac), {});
    EXPECT_EQ(config.answer(QStringLiteral("_0Ip?a=2&m=") + kMac, {}), kApplied);
    EXPECT_TRUE(config.settings().dhcp);
    EXPECT_EQ(config.settings().ipaddr, QStringLiteral("10.0.0.5"));
}

} // namespace
