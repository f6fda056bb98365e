#pragma once

#include <QWidget>

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;

// What the basic-settings page shows and edits.
struct BasicSettings {
    bool stretchFullScreen = false;
    bool showDebugData = false;
    bool showTcpStatus = true;
    int mode = 1;
    uint32_t statusColour = 0xFFDC143C;
    bool userIP = true;
    bool userPort = true;
    QString serverIP;
    QString serverPort;
    QString chatUser;
    QString chatPassword;
    QString chatDeviceID;
    QString chatServer;
};

// The settings panel `LayoutConfig`: three pages behind a row of dots
// (download, remote control, basic settings). It only shows and collects
// values; the window decides what they mean.
class SettingsPanel : public QWidget {
    Q_OBJECT
public:
    enum Page { DownloadPage = 0, RemotePage = 1, BasicPage = 2 };

    explicit SettingsPanel(QWidget *parent = nullptr);

    int currentPage() const;
    void setCurrentPage(int page);

    void setBasicSettings(const BasicSettings &settings);
    BasicSettings basicSettings() const;
    // Boxes shown instead of the stored custom values while their tick is off.
    void setServerIPText(const QString &text);
    void setServerPortText(const QString &text);

    QString downloadAddress() const;
    void setDownloadAddress(const QString &address);
    void setStartDownloadEnabled(bool enabled);
    bool isStartDownloadEnabled() const;
    void setDownloadProgress(int percent);
    void setBusy(bool busy);
    void setDownloadFileName(const QString &name);
    QString token() const;

    // Controls by role, for the window's wiring and for tests.
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QCheckBox *customIPBox() const { return m_userIP; }
    QCheckBox *customPortBox() const { return m_userPort; }
    QLineEdit *serverIPEdit() const { return m_serverIP; }
    QLineEdit *serverPortEdit() const { return m_serverPort; }
    QLineEdit *addressEdit() const { return m_address; }
    QPushButton *startDownloadButton() const { return m_startDownload; }

signals:
    void okClicked();
    void cancelClicked();
    void backToSystemClicked();
    void startDownloadRequested();
    void searchClicked();
    void saveTokenClicked();
    void pageChanged(int page);

private:
    QWidget *buildDownloadPage();
    QWidget *buildRemotePage();
    QWidget *buildBasicPage();
    QWidget *buildDots();
    void startDownload();
    int colourIndex(uint32_t argb);

    QStackedWidget *m_pages = nullptr;
    QButtonGroup *m_dots = nullptr;

    QLineEdit *m_address = nullptr;
    QPushButton *m_startDownload = nullptr;
    QProgressBar *m_progress = nullptr;
    QProgressBar *m_busy = nullptr;
    QLabel *m_fileName = nullptr;

    QLineEdit *m_token = nullptr;

    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QCheckBox *m_stretch = nullptr;
    QCheckBox *m_debug = nullptr;
    QCheckBox *m_tcpStatus = nullptr;
    QComboBox *m_mode = nullptr;
    QComboBox *m_colour = nullptr;
    QCheckBox *m_userIP = nullptr;
    QCheckBox *m_userPort = nullptr;
    QLineEdit *m_serverIP = nullptr;
    QLineEdit *m_serverPort = nullptr;
    QLineEdit *m_chatUser = nullptr;
    QLineEdit *m_chatPassword = nullptr;
    QLineEdit *m_chatDeviceID = nullptr;
    QLineEdit *m_chatServer = nullptr;
};
