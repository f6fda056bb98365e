#pragma once

#include <QSettings>
#include <QString>

#include <cstdint>
#include <optional>

// The player's configuration file "AppConfig.dat": one getter per key, one
// setter per key the player writes. A missing file reads as all defaults and
// is created by the first sync; a value that cannot be read gives its key's
// default.
class AppConfig {
public:
    explicit AppConfig(const QString &filePath);

    bool fullscreen() const;
    void setFullscreen(bool on);
    // Absent or unreadable: the window keeps its current left/top.
    std::optional<int> x() const;
    std::optional<int> y() const;
    void setPosition(int x, int y);

    QString title() const;
    bool showDebugData() const;
    void setShowDebugData(bool on);
    bool isShowTcpStatus() const;
    void setIsShowTcpStatus(bool on);
    bool isStretchFullScreen() const;
    void setIsStretchFullScreen(bool on);
    bool isUserIP() const;
    void setIsUserIP(bool on);
    bool isUserPort() const;
    void setIsUserPort(bool on);
    QString userServerIP() const;
    void setUserServerIP(const QString &address);
    QString userServerPort() const;
    void setUserServerPort(const QString &port);

    // Connection mode 0..3; anything else reads as 1 (direct link only).
    int mode() const;
    void setMode(int mode);

    uint32_t statusColor() const;
    void setStatusColor(uint32_t argb);
    int angle() const;
    void setAngle(int degrees);

    QString imUsername() const;
    void setImUsername(const QString &name);
    QString imPassword() const;
    void setImPassword(const QString &password);
    QString imDeviceID() const;
    void setImDeviceID(const QString &id);
    QString imServer() const;
    void setImServer(const QString &server);

    // Writes pending changes, replacing the file whole. The first failure
    // stays reported by every later sync.
    bool sync();
    QString errorString() const;

private:
    bool readBool(QLatin1StringView key, bool fallback) const;
    std::optional<int32_t> readInteger(QLatin1StringView key) const;
    QString readText(QLatin1StringView key, const QString &fallback) const;
    void writeBool(QLatin1StringView key, bool on);

    QSettings m_settings;
    QString m_error;
};
