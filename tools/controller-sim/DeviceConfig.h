#pragma once

#include <QString>
#include <QStringList>

// The controller's network settings as the device-configuration tool sees
// them, and its answers to that tool's requests. Settings are only kept in
// memory: the simulator never changes the computer's network.
class DeviceConfig {
public:
    struct Settings {
        // Blank-separated, as controllers report it.
        QString mac = QStringLiteral("02 56 58 00 00 01");
        bool dhcp = true;
        QString ipaddr = QStringLiteral("192.168.20.1");
        QString netmask = QStringLiteral("255.255.255.0");
        QString gateway = QStringLiteral("192.168.20.254");
        // One server, or two separated by a blank.
        QString dns = QStringLiteral("8.8.8.8");
        QString name = QStringLiteral("controller-sim");
        // Where the controller takes configuration requests.
        quint16 port = 9600;
    };

    static inline const QString kRequestPrefix = QStringLiteral("_0Ip?");

    explicit DeviceConfig(Settings settings) : m_settings(std::move(settings)) {}

    const Settings &settings() const { return m_settings; }

    // "MAC|CurrentIP|proto|ipaddr|netmask|gateway|DNS|DevName|PORT"; proto
    // is 1 for DHCP, 0 for a fixed address.
    QString record(const QString &currentIp) const;

    // The answers to one request, in order: a search gets the record; a
    // change addressed to this MAC gets "_Info#RCV" then "_Info#DON", or
    // then "_Info#ERR" when its addresses are not valid; an unknown action
    // gets "_Info#ERR". Requests for other devices get none.
    QStringList answer(const QString &request, const QString &currentIp);

private:
    bool isForThisDevice(const QString &mac) const;

    Settings m_settings;
};
