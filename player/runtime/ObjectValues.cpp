#include "ObjectValues.h"

#include "MediaObject.h"
#include "PageObject.h"
#include "TmyImage.h"
#include "TrichRect.h"
#include "TrichSwitch.h"
#include "WebObject.h"
#include "project/ProjectPaths.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QGraphicsProxyWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMediaPlayer>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QUrl>

namespace object_values {

namespace {

QString shortDateFormat() {
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

// Opacity follows a percentage only within 0 to 100; other numbers leave it.
void setPercentOpacity(QGraphicsItem *item, int alpha) {
    if (alpha >= 0 && alpha <= 100)
        item->setOpacity(alpha / 100.0);
}

void playMedia(MediaObject *media, const QString &value, int alpha,
               const QString &uiStoredRootPath) {
    media->show();
    if (alpha <= 0) {
        media->stop();
        return;
    }
    if (value.isEmpty())
        return;
    media->stop();
    const QString path = project::mediaPath(uiStoredRootPath, value);
    if (!value.contains(u':')) {
        if (!project::fileExists(path))
            return;
        if (media->player()->source() != QUrl::fromLocalFile(path))
            media->setSource(path);
    } else {
        media->setSource(path);
    }
    media->play();
}

void setWidgetValue(QWidget *widget, ObjectKind kind, const QString &value, int alpha) {
    switch (kind) {
    case ObjectKind::TSwitch:
    case ObjectKind::TCheckBox:
        static_cast<QAbstractButton *>(widget)->setChecked(alpha != 0);
        break;
    case ObjectKind::TTrackBar:
        if (alpha >= 0)
            static_cast<QSlider *>(widget)->setValue(alpha);
        break;
    case ObjectKind::TProgressBar:
        if (alpha >= 0)
            static_cast<QProgressBar *>(widget)->setValue(alpha);
        break;
    case ObjectKind::TEdit:
        static_cast<QLineEdit *>(widget)->setText(value);
        break;
    case ObjectKind::TListBox:
        static_cast<QListWidget *>(widget)->addItem(value);
        break;
    case ObjectKind::TSpinBox:
        static_cast<QSpinBox *>(widget)->setValue(value.trimmed().toInt());
        break;
    case ObjectKind::TCalendarEdit: {
        const QDate date = readDate(value);
        static_cast<QDateEdit *>(widget)->setDate(date.isValid() ? date : QDate::currentDate());
        break;
    }
    default:
        break;
    }
}

QString widgetValue(const QWidget *widget, ObjectKind kind) {
    switch (kind) {
    case ObjectKind::TSwitch:
    case ObjectKind::TCheckBox:
        return static_cast<const QAbstractButton *>(widget)->isChecked() ? QStringLiteral("1")
                                                                         : QStringLiteral("0");
    case ObjectKind::TTrackBar:
        return QString::number(static_cast<const QSlider *>(widget)->value());
    case ObjectKind::TEdit:
        return static_cast<const QLineEdit *>(widget)->text();
    case ObjectKind::TListBox: {
        const auto *list = static_cast<const QListWidget *>(widget);
        const QListWidgetItem *item = list->currentItem();
        if (!item)
            return QString();
        return QStringLiteral("TheID:") + QString::number(list->currentRow()) +
               QStringLiteral("TheCatpion:") + item->text();
    }
    case ObjectKind::TSpinBox:
        return QString::number(static_cast<const QSpinBox *>(widget)->value());
    case ObjectKind::TCalendarEdit:
        return dateTimeText(static_cast<const QDateEdit *>(widget)->dateTime());
    default:
        return QString();
    }
}

} // namespace

void SetObjectValue(QGraphicsObject *sender, const QString &value, int alpha,
                    const QString &uiStoredRootPath) {
    if (auto *proxy = qobject_cast<QGraphicsProxyWidget *>(sender)) {
        if (proxy->widget())
            setWidgetValue(proxy->widget(), objectKind(proxy), value, alpha);
    } else if (auto *web = qobject_cast<WebObject *>(sender)) {
        web->setUrl(value);
    } else if (auto *media = qobject_cast<MediaObject *>(sender)) {
        playMedia(media, value, alpha, uiStoredRootPath);
    } else if (auto *rect = qobject_cast<TrichRect *>(sender)) {
        if (!value.isEmpty())
            rect->setText(value);
        setPercentOpacity(rect, alpha);
    } else if (auto *toggle = qobject_cast<TrichSwitch *>(sender)) {
        if (value.contains(u'|'))
            toggle->setText(value);
        toggle->setIsPressed(alpha != 0);
    }
}

QString GetObjectValue(const QGraphicsObject *sender) {
    if (auto *proxy = qobject_cast<const QGraphicsProxyWidget *>(sender))
        return proxy->widget() ? widgetValue(proxy->widget(), objectKind(proxy)) : QString();
    if (auto *image = qobject_cast<const TmyImage *>(sender))
        return image->ButtonType > 0 ? QString::number(image->Percent) : QString();
    if (auto *toggle = qobject_cast<const TrichSwitch *>(sender))
        return toggle->switch_is_on() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto *rect = qobject_cast<const TrichRect *>(sender))
        return rect->text();
    return QString();
}

QString dateText(const QDate &date) {
    return QLocale::system().toString(date, shortDateFormat());
}

QString dateTimeText(const QDateTime &dateTime) {
    const QString date = dateText(dateTime.date());
    if (dateTime.time() == QTime(0, 0))
        return date;
    return date + u' ' + QLocale::system().toString(dateTime.time(), QLocale::ShortFormat);
}

QDate readDate(const QString &text) {
    return QLocale::system().toDate(text.trimmed(), shortDateFormat());
}

} // namespace object_values
