#include "StandardObjects.h"

#include <QCheckBox>
#include <QColor>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace {

constexpr int MinFontSize = 8;
constexpr int SmallFontReplacement = 11;

// The toolkit's switch: a two-state button that looks like a sliding switch.
QPushButton *createSwitch() {
    auto *button = new QPushButton;
    button->setCheckable(true);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid #8a8a8a; border-radius: 10px; background: #d0d0d0; }"
        "QPushButton:checked { background: #3a8ee6; border-color: #2b6cb0; }"));
    return button;
}

QWidget *createWidget(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::TButton:
        return new QPushButton;
    case ObjectKind::TSwitch:
        return createSwitch();
    case ObjectKind::TTrackBar:
        return new QSlider(Qt::Horizontal);
    case ObjectKind::TCheckBox:
        return new QCheckBox;
    case ObjectKind::TProgressBar:
        return new QProgressBar;
    case ObjectKind::TEdit:
        return new QLineEdit;
    case ObjectKind::TListBox:
        return new QListWidget;
    case ObjectKind::TSpinBox:
        return new QSpinBox;
    case ObjectKind::TCalendarEdit: {
        auto *edit = new QDateEdit(QDate::currentDate());
        edit->setCalendarPopup(true);
        return edit;
    }
    default:
        return nullptr;
    }
}

// Only the edit takes the element's colour; its transparent look drops the
// frame and background so the page shows through.
QString editStyleSheet(QRgb colour, bool noBG) {
    const QColor c = QColor::fromRgba(colour);
    QString sheet = QStringLiteral("QLineEdit { color: rgba(%1, %2, %3, %4);")
                        .arg(c.red())
                        .arg(c.green())
                        .arg(c.blue())
                        .arg(c.alpha());
    if (noBG)
        sheet += QStringLiteral(" background: transparent; border: none;");
    return sheet + QStringLiteral(" }");
}

void configureWidget(QWidget *widget, const StandardObjectSpec &spec) {
    switch (spec.kind) {
    case ObjectKind::TButton: {
        auto *button = static_cast<QPushButton *>(widget);
        button->setText(spec.title);
        button->setAutoRepeat(spec.repeatClick);
        break;
    }
    case ObjectKind::TTrackBar:
        static_cast<QSlider *>(widget)->setOrientation(spec.vertical ? Qt::Vertical
                                                                     : Qt::Horizontal);
        break;
    case ObjectKind::TCheckBox:
        static_cast<QCheckBox *>(widget)->setText(spec.title);
        break;
    case ObjectKind::TEdit: {
        auto *edit = static_cast<QLineEdit *>(widget);
        edit->setEchoMode(spec.isPassword ? QLineEdit::Password : QLineEdit::Normal);
        edit->setStyleSheet(editStyleSheet(spec.colour, spec.noBG));
        edit->setText(spec.title);
        break;
    }
    default:
        break;
    }
}

} // namespace

int standardFontSize(int size) {
    return size < MinFontSize ? SmallFontReplacement : size;
}

QGraphicsProxyWidget *createStandardObject(ObjectKind kind) {
    QWidget *widget = createWidget(kind);
    if (!widget)
        return nullptr;
    // Pages give controls any size, smaller than the toolkit would choose.
    widget->setMinimumSize(0, 0);
    auto *proxy = new QGraphicsProxyWidget;
    proxy->setWidget(widget);
    proxy->setMinimumSize(0, 0);
    setObjectKind(proxy, kind);
    return proxy;
}

void configureStandardObject(QGraphicsProxyWidget *proxy, const StandardObjectSpec &spec) {
    QWidget *widget = proxy->widget();
    QFont font = widget->font();
    font.setPixelSize(standardFontSize(spec.fontSize));
    widget->setFont(font);
    configureWidget(widget, spec);

    proxy->setPos(spec.bounds.topLeft());
    proxy->resize(spec.bounds.size());
    // Controls turn about their centre.
    proxy->setTransformOriginPoint(spec.bounds.width() / 2, spec.bounds.height() / 2);
    proxy->show();
}

void resetStandardObject(QGraphicsProxyWidget *proxy) {
    proxy->hide();
    setObjectTag(proxy, -1);
    proxy->setRotation(0);
}
