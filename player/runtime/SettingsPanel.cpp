#include "SettingsPanel.h"

#include "Messages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

struct NamedColour {
    const char *name;
    uint32_t argb;
};

// Choices of the status line colour; the first is the default crimson.
constexpr NamedColour StatusColours[] = {
    {"Crimson", 0xFFDC143C},    {"DodgerBlue", 0xFF1E90FF}, {"SeaGreen", 0xFF2E8B57},
    {"DarkOrange", 0xFFFF8C00}, {"SlateGray", 0xFF708090},  {"Purple", 0xFF800080},
    {"Black", 0xFF000000},
};

QLabel *header(const char *utf8) {
    auto *label = new QLabel(text(utf8));
    label->setObjectName(QStringLiteral("header"));
    return label;
}

QIcon swatch(uint32_t argb) {
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor::fromRgba(argb));
    return QIcon(pixmap);
}

} // namespace

SettingsPanel::SettingsPanel(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LayoutConfig"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "#LayoutConfig { background: rgba(30, 34, 44, 235); border-radius: 8px; }"
        "QLabel, QCheckBox { color: white; }"
        "QLabel#title { font-size: 18px; font-weight: bold; }"
        "QLabel#header { color: #9fc3ff; font-weight: bold; padding-top: 6px; }"
        "QPushButton#dot { min-width: 12px; max-width: 12px; min-height: 12px; max-height: 12px;"
        " border-radius: 6px; background: #666; border: none; }"
        "QPushButton#dot:checked { background: white; }"));

    m_pages = new QStackedWidget;
    m_pages->addWidget(buildDownloadPage());
    m_pages->addWidget(buildRemotePage());
    m_pages->addWidget(buildBasicPage());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 8);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buildDots(), 0, Qt::AlignHCenter);
}

QWidget *SettingsPanel::buildDownloadPage() {
    auto *page = new QWidget;
    page->setAccessibleName(text(messages::DownloadPageName));
    auto *title = new QLabel(text(messages::DownloadTitle));
    title->setObjectName(QStringLiteral("title"));

    m_address = new QLineEdit(text(messages::DefaultDownloadAddress));
    auto *search = new QPushButton(QStringLiteral("..."));
    search->setToolTip(QStringLiteral("Search"));
    m_startDownload = new QPushButton(text(messages::StartDownload));
    auto *back = new QPushButton(text(messages::BackToSystem));
    m_progress = new QProgressBar;
    m_progress->setRange(0, 100);
    m_busy = new QProgressBar;
    m_busy->setRange(0, 0);
    m_busy->setMaximumHeight(6);
    m_busy->setTextVisible(false);
    m_busy->hide();
    m_fileName = new QLabel;

    auto *addressRow = new QHBoxLayout;
    addressRow->addWidget(new QLabel(text(messages::AddressLabel)));
    addressRow->addWidget(m_address, 1);
    addressRow->addWidget(search);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_startDownload);
    buttons->addWidget(back);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addLayout(addressRow);
    layout->addLayout(buttons);
    layout->addWidget(m_progress);
    layout->addWidget(m_busy);
    layout->addWidget(m_fileName);
    layout->addStretch(1);

    connect(search, &QPushButton::clicked, this, &SettingsPanel::searchClicked);
    connect(back, &QPushButton::clicked, this, &SettingsPanel::backToSystemClicked);
    connect(m_startDownload, &QPushButton::clicked, this, &SettingsPanel::startDownload);
    connect(m_address, &QLineEdit::textEdited, this, [this] { m_startDownload->setEnabled(true); });
    connect(m_address, &QLineEdit::returnPressed, this, [this] {
        m_startDownload->setEnabled(false);
        emit startDownloadRequested();
    });
    return page;
}

QWidget *SettingsPanel::buildRemotePage() {
    auto *page = new QWidget;
    auto *title = new QLabel(text(messages::RemoteTitle));
    title->setObjectName(QStringLiteral("title"));
    page->setAccessibleName(title->text());
    m_token = new QLineEdit;
    auto *save = new QPushButton(text(messages::SaveSettings));
    auto *back = new QPushButton(text(messages::BackToSystem));

    auto *tokenRow = new QHBoxLayout;
    tokenRow->addWidget(new QLabel(text(messages::TokenLabel)));
    tokenRow->addWidget(m_token, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(back);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addLayout(tokenRow);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(save, &QPushButton::clicked, this, &SettingsPanel::saveTokenClicked);
    connect(back, &QPushButton::clicked, this, &SettingsPanel::backToSystemClicked);
    connect(m_token, &QLineEdit::textEdited, this, [this] { m_startDownload->setEnabled(true); });
    return page;
}

QWidget *SettingsPanel::buildBasicPage() {
    auto *page = new QWidget;
    page->setAccessibleName(text(messages::BasicPageName));

    m_ok = new QPushButton(text(messages::Ok));
    m_cancel = new QPushButton(text(messages::Cancel));
    auto *bar = new QHBoxLayout;
    bar->addWidget(m_cancel);
    bar->addStretch(1);
    bar->addWidget(m_ok);

    m_stretch = new QCheckBox(text(messages::StretchFullScreen));
    m_debug = new QCheckBox(text(messages::DebugInfo));
    m_tcpStatus = new QCheckBox(text(messages::LinkStatus));
    m_mode = new QComboBox;
    for (const auto &name : messages::ModeNames)
        m_mode->addItem(text(name));
    m_colour = new QComboBox;
    for (const auto &colour : StatusColours)
        m_colour->addItem(swatch(colour.argb), text(colour.name), QVariant::fromValue(colour.argb));
    m_userIP = new QCheckBox(text(messages::CustomIP));
    m_userPort = new QCheckBox(text(messages::CustomPort));
    m_serverIP = new QLineEdit;
    m_serverPort = new QLineEdit;
    m_chatUser = new QLineEdit;
    m_chatPassword = new QLineEdit;
    m_chatPassword->setEchoMode(QLineEdit::Password);
    m_chatDeviceID = new QLineEdit;
    m_chatServer = new QLineEdit;

    auto *more = new QHBoxLayout;
    more->addWidget(m_stretch);
    more->addWidget(m_debug);
    more->addWidget(m_tcpStatus);
    auto withTick = [](QLineEdit *edit, QCheckBox *tick) {
        auto *row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(tick);
        return row;
    };

    auto *list = new QWidget;
    auto *form = new QFormLayout(list);
    form->addRow(header(messages::CommonOptions));
    form->addRow(text(messages::MoreParameters), more);
    form->addRow(text(messages::ConnectionMode), m_mode);
    form->addRow(text(messages::StatusColour), m_colour);
    form->addRow(header(messages::LocalGateway));
    form->addRow(text(messages::ServerIP), withTick(m_serverIP, m_userIP));
    form->addRow(text(messages::Port), withTick(m_serverPort, m_userPort));
    form->addRow(header(messages::RemoteControl));
    form->addRow(text(messages::UserName), m_chatUser);
    form->addRow(text(messages::Password), m_chatPassword);
    form->addRow(text(messages::ControlledID), m_chatDeviceID);
    form->addRow(text(messages::ChatServer), m_chatServer);
    form->addRow(new QLabel(text(messages::AboutUs)));
    form->addRow(new QLabel(text(messages::BuildLine)));
    for (int row = 0; row < form->rowCount(); ++row) {
        if (auto *item = form->itemAt(row, QFormLayout::LabelRole); item && item->widget())
            item->widget()->setStyleSheet(QStringLiteral("color: white;"));
    }

    auto *scroll = new QScrollArea;
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget "
                                         "{ background: transparent; }"));

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(scroll, 1);

    connect(m_ok, &QPushButton::clicked, this, &SettingsPanel::okClicked);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsPanel::cancelClicked);
    connect(m_userIP, &QCheckBox::toggled, m_serverIP, &QWidget::setEnabled);
    connect(m_userPort, &QCheckBox::toggled, m_serverPort, &QWidget::setEnabled);
    return page;
}

QWidget *SettingsPanel::buildDots() {
    auto *dots = new QWidget;
    auto *row = new QHBoxLayout(dots);
    row->setContentsMargins(0, 0, 0, 0);
    m_dots = new QButtonGroup(this);
    for (int i = 0; i < m_pages->count(); ++i) {
        auto *dot = new QPushButton;
        dot->setObjectName(QStringLiteral("dot"));
        dot->setCheckable(true);
        dot->setToolTip(m_pages->widget(i)->accessibleName());
        m_dots->addButton(dot, i);
        row->addWidget(dot);
    }
    m_dots->button(0)->setChecked(true);
    connect(m_dots, &QButtonGroup::idClicked, this, &SettingsPanel::setCurrentPage);
    return dots;
}

int SettingsPanel::currentPage() const {
    return m_pages->currentIndex();
}

void SettingsPanel::setCurrentPage(int page) {
    if (page < 0 || page >= m_pages->count())
        return;
    m_dots->button(page)->setChecked(true);
    if (page == m_pages->currentIndex())
        return;
    m_pages->setCurrentIndex(page);
    emit pageChanged(page);
}

int SettingsPanel::colourIndex(uint32_t argb) {
    int index = m_colour->findData(QVariant::fromValue(argb));
    if (index < 0) {
        // A colour set by hand in the file stays selectable as it is.
        m_colour->addItem(swatch(argb), QColor::fromRgba(argb).name(QColor::HexArgb),
                          QVariant::fromValue(argb));
        index = m_colour->count() - 1;
    }
    return index;
}

void SettingsPanel::setBasicSettings(const BasicSettings &s) {
    m_stretch->setChecked(s.stretchFullScreen);
    m_debug->setChecked(s.showDebugData);
    m_tcpStatus->setChecked(s.showTcpStatus);
    m_mode->setCurrentIndex(qBound(0, s.mode, m_mode->count() - 1));
    m_colour->setCurrentIndex(colourIndex(s.statusColour));
    m_userIP->setChecked(s.userIP);
    m_userPort->setChecked(s.userPort);
    m_serverIP->setEnabled(s.userIP);
    m_serverPort->setEnabled(s.userPort);
    m_serverIP->setText(s.serverIP);
    m_serverPort->setText(s.serverPort);
    m_chatUser->setText(s.chatUser);
    m_chatPassword->setText(s.chatPassword);
    m_chatDeviceID->setText(s.chatDeviceID);
    m_chatServer->setText(s.chatServer);
}

BasicSettings SettingsPanel::basicSettings() const {
    BasicSettings s;
    s.stretchFullScreen = m_stretch->isChecked();
    s.showDebugData = m_debug->isChecked();
    s.showTcpStatus = m_tcpStatus->isChecked();
    s.mode = m_mode->currentIndex();
    s.statusColour = m_colour->currentData().value<uint32_t>();
    s.userIP = m_userIP->isChecked();
    s.userPort = m_userPort->isChecked();
    s.serverIP = m_serverIP->text();
    s.serverPort = m_serverPort->text();
    s.chatUser = m_chatUser->text();
    s.chatPassword = m_chatPassword->text();
    s.chatDeviceID = m_chatDeviceID->text();
    s.chatServer = m_chatServer->text();
    return s;
}

void SettingsPanel::setServerIPText(const QString &value) {
    m_serverIP->setText(value);
}
void SettingsPanel::setServerPortText(const QString &value) {
    m_serverPort->setText(value);
}

QString SettingsPanel::downloadAddress() const {
    return m_address->text();
}
void SettingsPanel::setDownloadAddress(const QString &address) {
    m_address->setText(address);
}
void SettingsPanel::setStartDownloadEnabled(bool enabled) {
    m_startDownload->setEnabled(enabled);
}
bool SettingsPanel::isStartDownloadEnabled() const {
    return m_startDownload->isEnabled();
}
void SettingsPanel::setDownloadProgress(int percent) {
    m_progress->setValue(percent);
}
void SettingsPanel::setBusy(bool busy) {
    m_busy->setVisible(busy);
}
void SettingsPanel::setDownloadFileName(const QString &name) {
    m_fileName->setText(name);
}
QString SettingsPanel::token() const {
    return m_token->text();
}

void SettingsPanel::startDownload() {
    if (!m_startDownload->isEnabled())
        return;
    m_startDownload->setEnabled(false);
    setBusy(true);
    emit startDownloadRequested();
}
