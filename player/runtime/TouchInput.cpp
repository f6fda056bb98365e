#include "TouchInput.h"

#include "ActionDispatcher.h"
#include "PageLoader.h"
#include "PageObject.h"
#include "SystemChange.h"
#include "TextObject.h"
#include "TmyImage.h"
#include "TrichRect.h"
#include "TrichSwitch.h"
#include "page/PageNames.h"
#include "project/ProjectPaths.h"
#include "script/KeyValueStore.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGraphicsProxyWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace {

const QString StylePrefix = QStringLiteral("_ENG=2; require(\"style\");");
const QString SenderName = QStringLiteral("@SenderName");

QString shortest(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

TouchInput::TouchInput(PageLoader &pages, ActionDispatcher &dispatcher, KeyValueStore &store,
                       SystemChange &systemChange, QObject *parent)
    : QObject(parent), m_pages(pages), m_dispatcher(dispatcher), m_store(store),
      m_systemChange(systemChange) {}

void TouchInput::setValueReader(std::function<QString(QGraphicsObject *)> GetObjectValue) {
    m_valueOf = std::move(GetObjectValue);
}

QString TouchInput::nameOf(const QGraphicsObject *object) const {
    return m_pages.GetValueFromXML(objectTag(object), page::names::attr::Name);
}

QString TouchInput::twoStateKey(const QGraphicsObject *object) const {
    return QString::number(m_pages.settings().tag) + QString::number(objectTag(object));
}

void TouchInput::attach(QGraphicsObject *object) {
    if (auto *image = qobject_cast<TmyImage *>(object)) {
        connect(image, &PointerItem::pointerDown, this,
                [this, image](QPointF pos) { onImageMouseDown(image, pos); });
        connect(image, &PointerItem::pointerMove, this, &TouchInput::onImageMousemove);
        connect(image, &PointerItem::pointerUp, this, &TouchInput::onImageMouseUP);
        connect(image, &PointerItem::pointerLeave, this, &TouchInput::onImageMouseLeave);
    } else if (auto *label = qobject_cast<TextObject *>(object)) {
        connect(label, &PointerItem::pointerDown, this,
                [this, label](QPointF pos) { onLabelMouseDown(label, pos); });
        connect(label, &PointerItem::pointerUp, this, &TouchInput::onImageMouseUP);
        connect(label, &PointerItem::pointerLeave, this, &TouchInput::onImageMouseLeave);
    } else if (qobject_cast<TrichRect *>(object) || qobject_cast<TrichSwitch *>(object)) {
        auto *item = static_cast<PointerItem *>(object);
        // A drawn control keeps the press wherever the finger goes, until release.
        item->setReportsLeave(false);
        connect(item, &PointerItem::pointerDown, this,
                [this, object] { OnStandarObjectMouseDown(object); });
        connect(item, &PointerItem::pointerUp, this,
                [this, object] { OnStandarObjectMouseUp(object); });
    } else if (auto *proxy = qobject_cast<QGraphicsProxyWidget *>(object)) {
        QWidget *widget = proxy->widget();
        auto click = [this, object] { onStarndObjClick(object); };
        if (auto *list = qobject_cast<QListWidget *>(widget))
            connect(list, &QListWidget::itemClicked, this, click);
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            connect(button, button->isCheckable() ? &QPushButton::toggled : &QPushButton::clicked,
                    this, click);
        else if (auto *box = qobject_cast<QCheckBox *>(widget))
            connect(box, &QCheckBox::toggled, this, click);
        else if (auto *slider = qobject_cast<QSlider *>(widget))
            connect(slider, &QSlider::valueChanged, this, click);
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            connect(edit, &QLineEdit::editingFinished, this, click);
        else if (auto *spin = qobject_cast<QSpinBox *>(widget))
            connect(spin, &QSpinBox::valueChanged, this, click);
        else if (auto *date = qobject_cast<QDateEdit *>(widget))
            connect(date, &QDateEdit::dateChanged, this, click);
    }
}

void TouchInput::runPressActions(TmyImage *img, bool forEveryKind) {
    if (!img->isMutiTask)
        return;
    if (img->onDownTask.length() > 2 && (forEveryKind || img->ButtonType != 2))
        m_dispatcher.DoButtonAction(img->onDownTask, QString());
    if (img->FlashSytle.length() > 2)
        m_dispatcher.DoButtonAction(StylePrefix + img->FlashSytle, img->objectName());
}

void TouchInput::onImageMouseDown(TmyImage *img, QPointF pos) {
    m_state.currentIMG = img;
    if (!img->isButton)
        return;
    m_buttons.DemoButtonDown(img, pos.x(), pos.y());
    runPressActions(img, false);
}

void TouchInput::onLabelMouseDown(TextObject *label, QPointF pos) {
    auto *img = qobject_cast<TmyImage *>(label->parentObject());
    if (!img)
        return;
    m_state.currentIMG = img;
    if (!img->isButton)
        return;
    m_buttons.DemoButtonDown(img, pos.x(), pos.y());
    runPressActions(img, true);
}

void TouchInput::onImageMousemove(QPointF pos) {
    TmyImage *img = m_state.currentIMG;
    if (!img)
        return;
    const int value = m_buttons.DemoButtonMove(img, pos.x(), pos.y());
    const int kind = img->ButtonType;
    const bool movesValue = kind == 3 || kind == 4 || kind == 6;
    if (movesValue && value != m_state.RotaLastPercent && !img->onMoveTask.isEmpty()) {
        m_dispatcher.DoButtonAction(QLatin1Char('\r') + img->onMoveTask,
                                    GetMovePara(img, value, nameOf(img)));
    }
    m_state.RotaLastPercent = movesValue ? value : 0;
}

void TouchInput::onImageMouseUP(QPointF pos) {
    TmyImage *img = m_state.currentIMG;
    if (!img)
        return;
    int kind = 0;
    if (img->isButton) {
        QString task = QString(img->Task).replace(SenderName, img->objectName());
        QString localPara = task;
        m_buttons.DemoButtonUP(img, pos.x(), pos.y());
        const QString para = GetButtonPara(img, nameOf(img));
        if (img->ButtonType == 2) {
            const bool on = para.contains(QLatin1String("1&bt="));
            m_store.setValue(twoStateKey(img), on ? QStringLiteral("1") : QStringLiteral("0"));
            localPara = on ? QStringLiteral("1") : QStringLiteral("0");
            if (on)
                task = QString(img->onDownTask).replace(SenderName, img->objectName());
        }
        // Read everything before acting: a page switch reuses this object.
        const bool multi = img->isMutiTask;
        const QString locTask = img->LocTask;
        const QString nextUI = img->NextUI;
        const QString ownTask = img->Task;
        kind = img->ButtonType;
        m_state.currentIMG = nullptr;
        if (locTask.length() > 8)
            m_dispatcher.DoButtonAction(locTask, localPara);
        if (!multi || ownTask.length() > 1)
            m_dispatcher.DoButtonAction(task, para);
        if (multi && nextUI.length() > 1)
            m_dispatcher.DoButtonAction(nextUI, QString());
    } else {
        const QList<QGraphicsItem *> children = img->childItems();
        auto *thumb = children.isEmpty()
                          ? nullptr
                          : qobject_cast<TmyImage *>(children.first()->toGraphicsObject());
        if (thumb && thumb->ButtonType == 4) {
            SetSliderPercent(thumb, -1, pos.x(), pos.y(), QString());
            m_dispatcher.DoButtonAction(thumb->Task, GetButtonPara(thumb, nameOf(thumb)));
        }
    }
    if (m_pages.builder().isButtonSound() && kind > 0)
        emit PlayAudio(project::mediaPath(m_uiRoot, QStringLiteral("ButtonClick.wav")));
}

void TouchInput::onImageMouseLeave() {
    TmyImage *img = m_state.currentIMG;
    if (!img || !img->isButton)
        return;
    m_buttons.DemoButtonUP(img, -1, -1);
    m_state.currentIMG = nullptr;
    if (img->ButtonType > 2)
        m_dispatcher.DoButtonAction(img->Task, GetButtonPara(img, nameOf(img)));
}

void TouchInput::OnStandarObjectMouseDown(QGraphicsObject *sender) {
    auto *rect = qobject_cast<TrichRect *>(sender);
    if (!rect || rect->ButtonType < 0)
        return;
    rect->setPressedLook(true);
    if (!rect->onDownTask.isEmpty())
        m_dispatcher.DoButtonAction(rect->onDownTask, QString());
    if (rect->FlashSytle.length() > 2)
        m_dispatcher.DoButtonAction(StylePrefix + rect->FlashSytle, rect->objectName());
}

void TouchInput::OnStandarObjectMouseUp(QGraphicsObject *sender) {
    if (auto *rect = qobject_cast<TrichRect *>(sender)) {
        if (rect->ButtonType < 0)
            return;
        rect->setPressedLook(false);
        const QString para = rect->objectName();
        const QString locTask = rect->LocTask;
        const QString task = rect->Task;
        const QString nextUI = rect->NextUI;
        if (rect->isMutiTask) {
            if (locTask.length() > 2)
                m_dispatcher.DoButtonAction(locTask, para);
            if (task.length() > 1)
                m_dispatcher.DoButtonAction(task, para);
            if (nextUI.length() > 1)
                m_dispatcher.DoButtonAction(nextUI, QString());
        } else {
            if (locTask.length() > 8)
                m_dispatcher.DoButtonAction(locTask, para);
            m_dispatcher.DoButtonAction(task, para);
        }
        return;
    }
    auto *toggle = qobject_cast<TrichSwitch *>(sender);
    if (!toggle)
        return;
    toggle->setIsPressed(!toggle->switch_is_on());
    const bool on = toggle->switch_is_on();
    const QString task = on ? toggle->onDownTask : toggle->Task;
    const QString value = on ? QStringLiteral("1") : QStringLiteral("0");
    m_store.setValue(twoStateKey(toggle), value);
    const QString para = toggle->GetRichSwitchPara(nameOf(toggle));
    const QString locTask = toggle->LocTask;
    const QString nextUI = toggle->NextUI;
    if (toggle->isMutiTask) {
        if (task.length() > 2)
            m_dispatcher.DoButtonAction(task, para);
        if (locTask.length() > 2)
            m_dispatcher.DoButtonAction(locTask, value);
        if (nextUI.length() > 1)
            m_dispatcher.DoButtonAction(nextUI, QString());
    } else {
        if (locTask.length() > 2)
            m_dispatcher.DoButtonAction(locTask, value);
        if (task.length() > 2)
            m_dispatcher.DoButtonAction(task, para);
    }
}

void TouchInput::onStarndObjClick(QGraphicsObject *sender) {
    if (m_systemChange.isSystemChange())
        return;
    QString task = m_pages.GetValueFromXML(objectTag(sender), page::names::attr::Task);
    if (task.isEmpty())
        return;
    const QString value = m_valueOf ? m_valueOf(sender) : QString();
    task.replace(SenderName, sender->objectName());
    m_dispatcher.DoButtonAction(task, value);
}

void TouchInput::MainWorkAreaMouseDown(QPointF pos) {
    for (const TUserObjectNameList &entry : m_pages.pool().AllObjNameID()) {
        if (entry.UserName.compare(QLatin1String("app.bg"), Qt::CaseInsensitive) != 0)
            continue;
        auto *background = qobject_cast<TmyImage *>(m_pages.pool().find(entry.objectName));
        if (!background)
            return;
        const QString code = background->onDownTask;
        if (code.length() > 2 && code.contains(QLatin1Char(')'))) {
            m_dispatcher.DoButtonAction(StylePrefix + QStringLiteral(" mouse_x=") +
                                            shortest(pos.x()) + QStringLiteral("; mouse_y=") +
                                            shortest(pos.y()) + QLatin1Char(';') + code,
                                        background->objectName());
        }
        return;
    }
}
