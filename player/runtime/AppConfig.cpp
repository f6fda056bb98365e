#include "AppConfig.h"

#include "page/ValueForms.h"

#include <QDir>
#include <QIODevice>
#include <QStringDecoder>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QLatin1StringView kFullscreen = "position/fullscreen"_L1;
constexpr QLatin1StringView kPositionX = "position/x"_L1;
constexpr QLatin1StringView kPositionY = "position/y"_L1;
constexpr QLatin1StringView kTitle = "System/Title"_L1;
constexpr QLatin1StringView kShowDebugData = "System/ShowDebugData"_L1;
constexpr QLatin1StringView kShowTcpStatus = "System/isShowTcpStatus"_L1;
constexpr QLatin1StringView kStretchFullScreen = "System/isStretchFullScreen"_L1;
constexpr QLatin1StringView kUserIP = "System/isUserIP"_L1;
constexpr QLatin1StringView kUserPort = "System/isUserPort"_L1;
constexpr QLatin1StringView kUserServerIP = "System/UserServerIP"_L1;
constexpr QLatin1StringView kUserServerPort = "System/UserServerPort"_L1;
constexpr QLatin1StringView kMode = "control/mode"_L1;
constexpr QLatin1StringView kStatusColor = "UI/StatusColor"_L1;
constexpr QLatin1StringView kAngle = "UI/Angle"_L1;
constexpr QLatin1StringView kImUsername = "im/username"_L1;
constexpr QLatin1StringView kImPassword = "im/password"_L1;
constexpr QLatin1StringView kImDeviceID = "im/DeviceID"_L1;
constexpr QLatin1StringView kImServer = "im/Server"_L1;

constexpr int kDirectLinkMode = 1;
constexpr uint32_t kCrimson = 0xFFDC143C;

bool isQuoted(const QString &value) {
    return value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"');
}

// A value is stored verbatim; quotes are added only where the reader would
// otherwise lose blanks at the ends or a pair of quotes of the value itself.
// A line break, which an INI line cannot hold, becomes a blank.
QString storedForm(const QVariant &value) {
    QString text = value.toString();
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    if (text != text.trimmed() || isQuoted(text))
        return u'"' + text + u'"';
    return text;
}

bool readIni(QIODevice &device, QSettings::SettingsMap &map) {
    QStringDecoder decodeUtf8(QStringDecoder::Utf8);
    const QString contents = decodeUtf8(device.readAll());
    QString section;
    for (const QString &rawLine : contents.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        QString value = line.mid(equals + 1).trimmed();
        if (isQuoted(value))
            value = value.mid(1, value.size() - 2);
        map.insert(section.isEmpty() ? key : section + u'/' + key, value);
    }
    return true;
}

bool writeIni(QIODevice &device, const QSettings::SettingsMap &map) {
    QString text;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (!it.key().contains(u'/'))
            text += it.key() + u'=' + storedForm(it.value()) + u'\n';
    }
    // The map is sorted, so the keys of one section follow each other.
    QString section;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        if (slash < 0)
            continue;
        const QString keySection = it.key().left(slash);
        if (keySection != section) {
            section = keySection;
            if (!text.isEmpty())
                text += u'\n';
            text += u'[' + section + u"]\n"_s;
        }
        text += it.key().mid(slash + 1) + u'=' + storedForm(it.value()) + u'\n';
    }
    const QByteArray bytes = text.toUtf8();
    return device.write(bytes) == bytes.size();
}

// Plain INI read and written by us: QSettings' own IniFormat splits values at
// commas and decodes backslash escapes, but a hand-edited value such as a
// title "A, B" must come back exactly. QSettings still does the atomic save.
QSettings::Format appConfigFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(u"dat"_s, readIni, writeIni, Qt::CaseSensitive);
    return format;
}

} // namespace

AppConfig::AppConfig(const QString &filePath) : m_settings(filePath, appConfigFormat()) {
    // Never fall back to rewriting the file in place: an interrupted write
    // would leave half a configuration.
    m_settings.setAtomicSyncRequired(true);
}

bool AppConfig::fullscreen() const {
    return readBool(kFullscreen, true);
}
void AppConfig::setFullscreen(bool on) {
    writeBool(kFullscreen, on);
}
std::optional<int> AppConfig::x() const {
    return readInteger(kPositionX);
}
std::optional<int> AppConfig::y() const {
    return readInteger(kPositionY);
}
void AppConfig::setPosition(int x, int y) {
    m_settings.setValue(kPositionX, x);
    m_settings.setValue(kPositionY, y);
}

QString AppConfig::title() const {
    return readText(kTitle, u"Varnex Control Systems"_s);
}
bool AppConfig::showDebugData() const {
    return readBool(kShowDebugData, false);
}
void AppConfig::setShowDebugData(bool on) {
    writeBool(kShowDebugData, on);
}
bool AppConfig::isShowTcpStatus() const {
    return readBool(kShowTcpStatus, true);
}
void AppConfig::setIsShowTcpStatus(bool on) {
    writeBool(kShowTcpStatus, on);
}
bool AppConfig::isStretchFullScreen() const {
    return readBool(kStretchFullScreen, false);
}
void AppConfig::setIsStretchFullScreen(bool on) {
    writeBool(kStretchFullScreen, on);
}
bool AppConfig::isUserIP() const {
    return readBool(kUserIP, true);
}
void AppConfig::setIsUserIP(bool on) {
    writeBool(kUserIP, on);
}
bool AppConfig::isUserPort() const {
    return readBool(kUserPort, true);
}
void AppConfig::setIsUserPort(bool on) {
    writeBool(kUserPort, on);
}
QString AppConfig::userServerIP() const {
    return readText(kUserServerIP, u"192.168.20.1"_s);
}
void AppConfig::setUserServerIP(const QString &address) {
    m_settings.setValue(kUserServerIP, address);
}
QString AppConfig::userServerPort() const {
    return readText(kUserServerPort, u"8800"_s);
}
void AppConfig::setUserServerPort(const QString &port) {
    m_settings.setValue(kUserServerPort, port);
}

int AppConfig::mode() const {
    const std::optional<int32_t> mode = readInteger(kMode);
    return mode && *mode >= 0 && *mode <= 3 ? *mode : kDirectLinkMode;
}
void AppConfig::setMode(int mode) {
    m_settings.setValue(kMode, mode);
}

uint32_t AppConfig::statusColor() const {
    const std::optional<int32_t> colour = readInteger(kStatusColor);
    return colour ? static_cast<uint32_t>(*colour) : kCrimson;
}
// Signed decimal, as an INI integer writer stores a 32-bit ARGB value.
void AppConfig::setStatusColor(uint32_t argb) {
    m_settings.setValue(kStatusColor, static_cast<int32_t>(argb));
}
int AppConfig::angle() const {
    return readInteger(kAngle).value_or(0);
}
void AppConfig::setAngle(int degrees) {
    m_settings.setValue(kAngle, degrees);
}

QString AppConfig::imUsername() const {
    return readText(kImUsername, QString());
}
void AppConfig::setImUsername(const QString &name) {
    m_settings.setValue(kImUsername, name);
}
QString AppConfig::imPassword() const {
    return readText(kImPassword, QString());
}
void AppConfig::setImPassword(const QString &password) {
    m_settings.setValue(kImPassword, password);
}
QString AppConfig::imDeviceID() const {
    return readText(kImDeviceID, QString());
}
void AppConfig::setImDeviceID(const QString &id) {
    m_settings.setValue(kImDeviceID, id);
}
QString AppConfig::imServer() const {
    return readText(kImServer, QString());
}
void AppConfig::setImServer(const QString &server) {
    m_settings.setValue(kImServer, server);
}

bool AppConfig::sync() {
    m_settings.sync();
    if (m_settings.status() == QSettings::NoError)
        return true;
    m_error = u"Cannot write the configuration file %1"_s.arg(
        QDir::toNativeSeparators(m_settings.fileName()));
    return false;
}

QString AppConfig::errorString() const {
    return m_error;
}

bool AppConfig::readBool(QLatin1StringView key, bool fallback) const {
    const QString text = readText(key, QString());
    if (text == u"1" || text.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (text == u"0" || text.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    return fallback;
}

std::optional<int32_t> AppConfig::readInteger(QLatin1StringView key) const {
    const QVariant value = m_settings.value(key);
    if (!value.isValid())
        return std::nullopt;
    return page::parseInteger(value.toString());
}

QString AppConfig::readText(QLatin1StringView key, const QString &fallback) const {
    const QVariant value = m_settings.value(key);
    return value.isValid() ? value.toString() : fallback;
}

void AppConfig::writeBool(QLatin1StringView key, bool on) {
    m_settings.setValue(key, on ? u"1"_s : u"0"_s);
}
