#include "PageBuilder.h"

#include "ImageButtons.h"
#include "MediaObject.h"
#include "Messages.h"
#include "PageSurface.h"
#include "StandardObjects.h"
#include "TextObject.h"
#include "TmyImage.h"
#include "TrichRect.h"
#include "TrichSwitch.h"
#include "WebObject.h"
#include "page/ElementReader.h"
#include "page/PageDocument.h"
#include "page/PageNames.h"
#include "page/ValueForms.h"
#include "project/ProjectPaths.h"

#include <QFileInfo>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>

namespace attr = page::names::attr;

namespace {

// Sizes and positions beyond these are typing errors, not designs; they are
// held here so that one wrong value cannot exhaust memory.
constexpr int MaxSide = 16384;
constexpr int MaxOffset = 100000;

int side(int value) {
    return qBound(0, value, MaxSide);
}
int offset(int value) {
    return qBound(-MaxOffset, value, MaxOffset);
}

QString fromUtf8(const char *text) {
    return QString::fromUtf8(text);
}

// Element names of objects other than pictures and texts, by kind.
struct StandardElement {
    const char *element;
    ObjectKind kind;
    const char *prefix;
};
constexpr StandardElement StandardElements[] = {
    {page::names::OButton, ObjectKind::TButton, "OButton_"},
    {page::names::Switch, ObjectKind::TSwitch, "Switch_"},
    {page::names::TrackBar, ObjectKind::TTrackBar, "TrackBar_"},
    {page::names::CheckBox, ObjectKind::TCheckBox, "CheckBox_"},
    {page::names::ProgressBar, ObjectKind::TProgressBar, "ProgressBar_"},
    {page::names::Edit, ObjectKind::TEdit, "Edit_"},
    {page::names::ListBox, ObjectKind::TListBox, "ListBox_"},
    {page::names::SpinBox, ObjectKind::TSpinBox, "SpinBox_"},
    {page::names::CalendarEdit, ObjectKind::TCalendarEdit, "CalendarEdit_"},
    {page::names::Timer, ObjectKind::TTimer, ""},
    {page::names::Web, ObjectKind::TWebBrowser, "Web_"},
    {page::names::Event, ObjectKind::TTimer, ""},
    {page::names::Player, ObjectKind::TMediaPlayerControl, "Player_"},
    {page::names::richRect, ObjectKind::TrichRect, "RichRect"},
    {page::names::richSwitch, ObjectKind::TrichSwitch, "RichSwitch"},
};

const StandardElement *standardElement(const char *name) {
    for (const StandardElement &element : StandardElements) {
        if (qstrcmp(element.element, name) == 0)
            return &element;
    }
    return nullptr;
}

} // namespace

PageBuilder::PageBuilder(ObjectPool &pool, PageEvents &events, PageTimers &timers, QObject *parent)
    : QObject(parent), m_pool(pool), m_events(events), m_timers(timers) {}

void PageBuilder::setStateLookup(std::function<QString(const QString &)> lookup) {
    m_stateLookup = std::move(lookup);
}

QString PageBuilder::savedState(int xmlId) const {
    if (!m_stateLookup)
        return QString();
    return m_stateLookup(QString::number(m_settings.tag) + QString::number(xmlId));
}

template <class T, class Make>
T *PageBuilder::reuseOrCreate(ObjectKind kind, const QString &prefix, Make make) {
    const QString name = prefix + QString::number(m_pool.nextNumber(kind));
    if (auto *existing = qobject_cast<T *>(m_pool.find(name)))
        return existing;
    T *created = make();
    created->setObjectName(name);
    m_pool.append(created);
    emit objectCreated(created);
    return created;
}

template <class T> T *PageBuilder::reuseOrCreate(ObjectKind kind, const QString &prefix) {
    return reuseOrCreate<T>(kind, prefix, [] { return new T; });
}

void PageBuilder::bringToFront(QGraphicsItem *item) {
    item->setZValue(++m_nextZ);
}

void PageBuilder::OpenCurrentXMLPage(const page::PageDocument &doc, WorkAreaItem *target) {
    m_doc = &doc;
    m_timers.clear();
    m_pool.startPage();
    m_nextZ = 0;
    m_settings = page::PageSettings::read(doc);
    if (doc.childCount() == 0)
        return;

    const QString background = project::picturePath(m_uiRoot, m_settings.src);
    emit fitRequested(m_settings, background);
    emit pageBuilding();

    SetBackground(background, m_settings.flashStyle, m_settings.bgAlpha, target);

    for (int i = 1; i < doc.childCount(); ++i) {
        const QString element = doc.elementName(i);
        if (element == QLatin1String(page::names::Label))
            AddLabelFromXMLByID(i, target);
        else if (element == QLatin1String(page::names::Button))
            AddIMGFromXMLByID(i, target);
        else
            AddstandarObjectFromXML(i, target);
    }
}

void PageBuilder::ClearWorkArea(WorkAreaItem *target) {
    for (QGraphicsObject *object : m_pool.AllObjects()) {
        switch (objectKind(object)) {
        case ObjectKind::TmyImage: {
            auto *image = static_cast<TmyImage *>(object);
            if (image->parentItem() != target) {
                if (image->parentItem())
                    image->parentItem()->hide();
                image->setParentItem(target);
            }
            if (image->objectName() != QLatin1String("IMG_BGBG"))
                image->resetForReuse();
            break;
        }
        case ObjectKind::TLabel: {
            auto *text = static_cast<TextObject *>(object);
            text->hide();
            text->setText(QString());
            text->setAutoSize(false);
            text->setParentItem(target);
            setObjectTag(text, -1);
            text->setRotation(0);
            text->setOpacity(1);
            break;
        }
        case ObjectKind::TTimer:
            break;
        case ObjectKind::TButton:
        case ObjectKind::TSwitch:
        case ObjectKind::TTrackBar:
        case ObjectKind::TCheckBox:
        case ObjectKind::TProgressBar:
        case ObjectKind::TEdit:
        case ObjectKind::TListBox:
        case ObjectKind::TSpinBox:
        case ObjectKind::TCalendarEdit:
        case ObjectKind::TWebBrowser:
        case ObjectKind::TMediaPlayerControl:
        case ObjectKind::TrichRect:
        case ObjectKind::TrichSwitch:
            resetPageObject(object);
            break;
        }
    }
}

void PageBuilder::SetBackground(const QString &src, const QString &downTask, int bgAlpha,
                                WorkAreaItem *target) {
    auto *background = qobject_cast<TmyImage *>(m_pool.find(QStringLiteral("IMG_BGBG")));
    if (!background) {
        background = new TmyImage;
        background->setObjectName(QStringLiteral("IMG_BGBG"));
        m_pool.append(background);
    }
    background->setParentItem(target);
    background->hide();
    background->isButton = false;
    // Presses on the background belong to the page surface beneath it.
    background->setAcceptedMouseButtons(Qt::NoButton);

    if (!project::fileExists(src)) {
        background->LastURL.clear();
        background->clearPicture();
        SetBackgroundColor(target);
    } else if (background->LastURL != src) {
        if (!background->loadPicture(src)) {
            emit statusMessage(fromUtf8(messages::BackgroundError) + QFileInfo(src).fileName(), 5);
            m_pool.remove(background);
            delete background;
            return;
        }
        background->LastURL = src;
        background->setSize(background->picture().size());
    }
    m_pool.registerName(fromUtf8(messages::BackgroundName), 0, background->objectName());
    background->setOpacity(bgAlpha / 100.0);
    background->setPos(0, 0);
    background->setZValue(-1);
    background->onDownTask = downTask;
    background->show();
}

void PageBuilder::SetBackgroundColor(WorkAreaItem *target) {
    if (!m_settings.color)
        return;
    auto *rect = qobject_cast<TrichRect *>(m_pool.find(QStringLiteral("RichRect_BGBG")));
    if (!rect) {
        rect = new TrichRect;
        rect->setObjectName(QStringLiteral("RichRect_BGBG"));
        m_pool.append(rect);
    }
    rect->setParentItem(target);
    setObjectTag(rect, 0);
    rect->setText(QString());
    rect->SetRichRectBGcolor(m_settings);
    rect->ButtonType = -1;
    rect->setAcceptedMouseButtons(Qt::NoButton);
    rect->setPos(0, 0);
    rect->setSize(target->size());
    rect->setZValue(-2);
    rect->show();
}

void PageBuilder::AddIMGFromXMLByID(int itemID, WorkAreaItem *owner) {
    const page::ElementReader element(*m_doc, itemID);
    const QString name = element.text(attr::Name);

    QString captionText;
    int captionSize = 12;
    QRgb captionColour = 0;
    int captionPos = 1;
    TmyImage *background = nullptr;
    for (pugi::xml_node child = element.node().first_child(); child; child = child.next_sibling()) {
        const page::ElementReader part(child);
        if (qstrcmp(child.name(), page::names::Label) == 0) {
            captionText = part.text(attr::Text);
            captionSize = part.integer(attr::Size, 12);
            captionColour = part.colour(attr::Color, 0);
            captionPos = part.integer(attr::Pos, 1);
        } else if (qstrcmp(child.name(), page::names::BG) == 0) {
            const bool sized = part.has(attr::Width);
            const QString src = project::picturePath(m_uiRoot, part.text(attr::src));
            if (project::fileExists(src)) {
                background = CreatIMGButton(
                    src, part.integer(attr::X, 0), part.integer(attr::Y, 0),
                    sized ? part.integer(attr::Width, 0) : 0,
                    sized ? part.integer(attr::Height, 0) : 0, 100, 100, itemID, QString(), owner,
                    name.isEmpty() ? QString() : name + QStringLiteral(".BG"));
            }
        }
    }

    const QString src = project::picturePath(m_uiRoot, element.text(attr::src));
    if (!project::fileExists(src))
        return;

    const bool sized = element.has(attr::Width);
    const int alpha2 = element.integer(attr::Alpha2, 50);
    TmyImage *image = CreatIMGButton(
        src, element.integer(attr::X, 0), element.integer(attr::Y, 0),
        sized ? element.integer(attr::Width, 0) : 0, sized ? element.integer(attr::Height, 0) : 0,
        element.integer(attr::Alpha, 100), alpha2, itemID, element.text(attr::Task),
        background ? static_cast<QGraphicsItem *>(background) : owner, name);
    if (!image)
        return;

    if (!captionText.isEmpty()) {
        AddLable(captionText, captionSize, 0, 0, int(image->size().width()),
                 int(image->size().height()), captionPos, captionColour, image, itemID, QString());
    }

    const int type = element.integer(attr::type, 1);
    image->isRichEff = element.flagTrueAnyCase(attr::RichEfect);
    image->ButtonType = type;
    image->Alpha1 = image->opacity() * 100;
    image->Alpha2 = alpha2;
    image->setRotation(element.integer(attr::iAngle, 0));
    image->isButton = true;
    image->GroupTag = element.text(attr::Tag);
    image->isMutiTask = false;
    if (element.has(attr::LocTask))
        image->LocTask = element.text(attr::LocTask);

    if (type > 1) {
        const int maxAngle = element.integer(attr::MaxAngel, 300);
        image->MaxAngel = (maxAngle < 1 || maxAngle > 360) ? 300 : maxAngle;
        int value = element.has(attr::value) ? element.integer(attr::value, 100) : 0;
        image->Percent = qMax(0, value);
        SetButtonStatus(image, QString(), image->Percent);
        image->onMoveTask = element.text(attr::onChange);
        if (type == 2) {
            image->onDownTask = element.text(attr::onDown);
            if (savedState(itemID) == QLatin1String("1")) {
                image->isDown = true;
                image->setOpacity(alpha2 / 100.0);
            }
        }
    }
    if (element.has(attr::isMutiTask)) {
        image->isMutiTask = element.flagExactTrue(attr::isMutiTask);
        if (image->isMutiTask) {
            image->NextUI = element.text(attr::NextUI);
            image->onDownTask = element.text(attr::onDown);
            image->FlashSytle = element.text(attr::FlashSytle);
        }
    }
}

TmyImage *PageBuilder::CreatIMGButton(const QString &src, int x, int y, int w, int h, int alpha,
                                      int alpha2, int id, const QString &task,
                                      QGraphicsItem *target, const QString &objName) {
    auto *image = reuseOrCreate<TmyImage>(ObjectKind::TmyImage, QStringLiteral("IMG_"));
    image->setParentItem(target);
    image->hide();
    if (!image->loadPicture(src)) {
        emit statusMessage(fromUtf8(messages::PictureError) + QFileInfo(src).fileName(), 0);
        return nullptr;
    }
    image->LastURL = src;
    const QSize pictureSize = image->picture().size();
    image->setPos(offset(x), offset(y));
    image->setSize(w < 1 || h < 1 ? QSizeF(side(pictureSize.width()), side(pictureSize.height()))
                                  : QSizeF(side(w), side(h)));
    image->setOpacity(alpha / 100.0);
    image->Alpha1 = image->opacity();
    image->Alpha2 = alpha2 / 100.0;
    image->Task = task;
    setObjectTag(image, id);
    if (!objName.isEmpty())
        m_pool.registerName(objName, id, image->objectName());
    image->show();
    bringToFront(image);
    return image;
}

void PageBuilder::AddLabelFromXMLByID(int itemID, WorkAreaItem *owner) {
    const page::ElementReader element(*m_doc, itemID);
    const QString text = element.text(attr::Text);
    if (text.isEmpty())
        return;
    AddLable(text, element.integer(attr::Size, 12), element.integer(attr::X, 0),
             element.integer(attr::Y, 0), 0, 0, -1, element.colour(attr::Color, 0), owner, itemID,
             element.text(attr::Name));
}

bool PageBuilder::AddLable(const QString &text, int size, int x, int y, int w, int h, int posTag,
                           QRgb colour, QGraphicsItem *target, int myTag, const QString &objName) {
    if (text.isEmpty())
        return false;
    auto *label = reuseOrCreate<TextObject>(ObjectKind::TLabel, QStringLiteral("TEXT_"));
    label->setParentItem(target);
    label->setPos(offset(x), offset(y));
    setObjectTag(label, myTag);
    label->setColour(QColor::fromRgba(colour));
    label->setFontSize(size);
    label->setAlignment(Qt::AlignCenter);
    label->setText(text);
    if (w != 0) {
        label->setSize(QSizeF(side(w), side(h)));
        SetTxtPos(label, posTag, target);
    } else {
        label->setAutoSize(true);
    }
    if (!objName.isEmpty())
        m_pool.registerName(objName, myTag, label->objectName());
    label->show();
    bringToFront(label);
    return true;
}

void PageBuilder::SetTxtPos(TextObject *label, int posTag, QGraphicsItem *parentImage) {
    auto *image = qgraphicsitem_cast<QGraphicsItem *>(parentImage);
    const auto *picture = dynamic_cast<const TmyImage *>(image);
    if (!picture)
        return;
    const qreal pw = picture->size().width();
    const qreal ph = picture->size().height();
    const int th = label->GetTXTHeight();
    const int tw = label->GetTXTWidth();
    switch (posTag) {
    case 0:
        label->setAlignment(Qt::AlignCenter);
        label->setSize(QSizeF(pw, ph));
        label->setPos(0, 0);
        break;
    case 1:
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setSize(QSizeF(pw, th));
        label->setPos(0, ph);
        break;
    case 2:
        label->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
        label->setSize(QSizeF(tw + 2, th));
        label->setPos(pw, ph / 2 - th / 2.0);
        break;
    case 3:
        label->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
        label->setSize(QSizeF(tw, th));
        label->setPos(-tw, ph / 2 - th / 2.0);
        break;
    case 4:
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setSize(QSizeF(pw, th));
        label->setPos(0, -th);
        break;
    default:
        break;
    }
}

void PageBuilder::AddstandarObjectFromXML(int xmlID, WorkAreaItem *target) {
    const page::ElementReader element(*m_doc, xmlID);
    const StandardElement *kind = standardElement(element.node().name());
    if (!kind)
        return;
    const QString name = element.text(attr::Name);
    const QRectF bounds(offset(element.integer(attr::X, 0)), offset(element.integer(attr::Y, 0)),
                        side(element.integer(attr::Width, 25)),
                        side(element.integer(attr::Height, 25)));
    const QString title = element.text(attr::Text);

    if (qstrcmp(kind->element, page::names::Event) == 0) {
        m_events.SetEvenListItemByName(element.text(attr::Type), xmlID);
        return;
    }
    if (kind->kind == ObjectKind::TTimer) {
        m_timers.add(TTimeList{name, 0, element.integer(attr::Interval, 0), xmlID});
        emit timerAdded();
        return;
    }

    QGraphicsObject *object = nullptr;
    switch (kind->kind) {
    case ObjectKind::TrichRect: {
        auto *rect = reuseOrCreate<TrichRect>(kind->kind, QString::fromLatin1(kind->prefix));
        rect->setParentItem(target);
        setObjectTag(rect, xmlID);
        rect->ButtonType = 1;
        rect->setText(title);
        rect->SetRichRectAttr(*m_doc, xmlID);
        rect->setPos(bounds.topLeft());
        rect->setSize(bounds.size());
        object = rect;
        break;
    }
    case ObjectKind::TrichSwitch: {
        auto *toggle = reuseOrCreate<TrichSwitch>(kind->kind, QString::fromLatin1(kind->prefix));
        toggle->setParentItem(target);
        setObjectTag(toggle, xmlID);
        toggle->setText(title);
        toggle->SetRichSwitchAttr(*m_doc, xmlID);
        toggle->setPos(bounds.topLeft());
        toggle->setSize(bounds.size());
        toggle->refreshSize();
        toggle->setIsPressed(savedState(xmlID) == QLatin1String("1"));
        object = toggle;
        break;
    }
    default:
        object = buildStandardObject(kind->kind, QString::fromLatin1(kind->prefix), xmlID, bounds,
                                     title, target);
        break;
    }
    if (!object)
        return;
    setObjectTag(object, xmlID);
    if (!name.isEmpty())
        m_pool.registerName(name, xmlID, object->objectName());
    object->show();
    bringToFront(object);
}

QGraphicsObject *PageBuilder::buildStandardObject(ObjectKind kind, const QString &prefix, int xmlID,
                                                  const QRectF &bounds, const QString &title,
                                                  WorkAreaItem *target) {
    const page::ElementReader element(*m_doc, xmlID);
    if (kind == ObjectKind::TWebBrowser) {
        auto *web = reuseOrCreate<WebObject>(kind, prefix);
        web->setParentItem(target);
        if (QGraphicsScene *scene = target->scene(); scene && !scene->views().isEmpty())
            web->attachTo(scene->views().constFirst());
        web->setBounds(bounds);
        web->setAlign(element.text(attr::Align));
        web->setUrl(element.text(attr::url));
        if (!WebObject::browserAvailable() && !m_webNoticeShown) {
            m_webNoticeShown = true;
            emit statusMessage(WebObject::fallbackNotice(), 5);
        }
        return web;
    }
    if (kind == ObjectKind::TMediaPlayerControl) {
        auto *media = reuseOrCreate<MediaObject>(kind, prefix);
        media->setParentItem(target);
        media->setPos(bounds.topLeft());
        media->setSize(bounds.size());
        const QString url = element.text(attr::url);
        if (!url.isEmpty()) {
            const QString path = project::mediaPath(m_uiRoot, url);
            if (url.contains(u':') || project::fileExists(path)) {
                media->setSource(path);
                media->stop();
                if (element.flagTrueAnyCase(attr::AutoPlay))
                    media->play();
            }
        }
        return media;
    }

    auto *proxy = reuseOrCreate<QGraphicsProxyWidget>(
        kind, prefix, [kind] { return createStandardObject(kind); });
    proxy->setParentItem(target);
    StandardObjectSpec spec;
    spec.kind = kind;
    spec.title = title;
    spec.bounds = bounds;
    spec.fontSize = element.integer(attr::Size, 12);
    spec.colour = element.colour(attr::Color, 0xFF000000);
    const QString repeat = element.text(attr::RepeatClick);
    spec.repeatClick = repeat == QLatin1String("1") || page::readFlagTrueAnyCase(repeat);
    spec.vertical = element.text(attr::type) == QLatin1String("V");
    spec.isPassword = element.flagTrueAnyCase(attr::isPassword);
    spec.noBG = element.flagTrueAnyCase(attr::NoBG);
    configureStandardObject(proxy, spec);
    return proxy;
}

void PageBuilder::resetPageObject(QGraphicsObject *object) {
    if (auto *web = qobject_cast<WebObject *>(object)) {
        web->clear();
    } else if (auto *media = qobject_cast<MediaObject *>(object)) {
        media->clear();
    } else if (auto *proxy = qobject_cast<QGraphicsProxyWidget *>(object)) {
        resetStandardObject(proxy);
    } else {
        object->hide();
        setObjectTag(object, -1);
        object->setRotation(0);
    }
}
