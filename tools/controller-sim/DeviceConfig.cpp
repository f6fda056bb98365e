#include "DeviceConfig.h"

#include <map>

namespace {

const QString kReceived = QStringLiteral("_Info#RCV");
const QString kDone = QStringLiteral("_Info#DON");
const QString kRefused = QStringLiteral("_Info#ERR");

// The request's parameters as sent: the tool does not percent-encode them.
std::map<QString, QString> parameters(QStringView query) {
    std::map<QString, QString> values;
    for (const QStringView pair : query.split(u'&')) {
        const qsizetype equals = pair.indexOf(u'=');
        if (equals > 0)
            values[pair.left(equals).toString()] = pair.mid(equals + 1).toString();
    }
    return values;
}

QString valueOf(const std::map<QString, QString> &values, const char *key) {
    const auto found = values.find(QString::fromLatin1(key));
    return found == values.end() ? QString() : found->second;
}

bool isIPv4(const QString &text) {
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        bool ok = false;
        const int number = part.toInt(&ok);
        if (part.isEmpty() || part.size() > 3 || !ok || number < 0 || number > 255 ||
            part.startsWith(u'+') || part.startsWith(u'-'))
            return false;
    }
    return true;
}

QString normalisedMac(QString mac) {
    mac.remove(u' ');
    mac.remove(u':');
    mac.remove(u'-');
    return mac.toUpper();
}

} // namespace

QString DeviceConfig::record(const QString &currentIp) const {
    const Settings &s = m_settings;
    return QStringList{s.mac,    currentIp, s.dhcp ? QStringLiteral("1") : QStringLiteral("0"),
                       s.ipaddr, s.netmask, s.gateway,
                       s.dns,    s.name,    QString::number(s.port)}
        .join(u'|');
}

QStringList DeviceConfig::answer(const QString &request, const QString &currentIp) {
    if (!request.startsWith(kRequestPrefix))
        return {};
    const auto values = parameters(QStringView(request).mid(kRequestPrefix.size()));
    const QString action = valueOf(values, "a");
    if (action == QLatin1String("0"))
        return {record(currentIp)};
    if (!isForThisDevice(valueOf(values, "m")))
        return {};
    if (action == QLatin1String("2")) {
        m_settings.dhcp = true;
        return {kReceived, kDone};
    }
    if (action != QLatin1String("1"))
        return {kRefused};
    const QString address = valueOf(values, "i");
    const QString netmask = valueOf(values, "n");
    const QString gateway = valueOf(values, "g");
    if (!isIPv4(address) || !isIPv4(netmask) || (!gateway.isEmpty() && !isIPv4(gateway)))
        return {kReceived, kRefused};
    m_settings.dhcp = false;
    m_settings.ipaddr = address;
    m_settings.netmask = netmask;
    m_settings.gateway = gateway;
    const QString dns2 = valueOf(values, "d2");
    m_settings.dns =
        dns2.isEmpty() ? valueOf(values, "d") : valueOf(values, "d") + QLatin1Char(' ') + dns2;
    return {kReceived, kDone};
}

bool DeviceConfig::isForThisDevice(const QString &mac) const {
    return !mac.isEmpty() && normalisedMac(mac) == normalisedMac(m_settings.mac);
}
