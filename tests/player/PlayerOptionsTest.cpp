#include "runtime/PlayerOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerOptions, ThePageAndTheScreenshotAreTakenFromTheArguments) {
    QString error;
    const auto options = PlayerOptions::parse(
        {QStringLiteral("--screenshot"), QStringLiteral("/tmp/s.png"), QStringLiteral("/p/a.ui")},
        QStringLiteral("/opt/panelo"), &error);
    ASSERT_TRUE(options.has_value()) << error.toStdString();
    EXPECT_EQ(options->pageArgument, QStringLiteral("/p/a.ui"));
    EXPECT_EQ(options->screenshotPath, QStringLiteral("/tmp/s.png"));
    EXPECT_EQ(options->executableDir, QStringLiteral("/opt/panelo"));
}

TEST(PlayerOptions, NoArgumentsMeansTheEntryPage) {
    QString error;
    const auto options = PlayerOptions::parse({}, QStringLiteral("/opt"), &error);
    ASSERT_TRUE(options.has_value());
    EXPECT_TRUE(options->pageArgument.isEmpty());
}

TEST(PlayerOptions, BadOptionsAreExplained) {
    const QStringList bad[] = {{QStringLiteral("--screenshot")}, {QStringLiteral("--bogus")}};
    for (const QStringList &arguments : bad) {
        QString error;
        EXPECT_FALSE(PlayerOptions::parse(arguments, QStringLiteral("/opt"), &error).has_value());
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
