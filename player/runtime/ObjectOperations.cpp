#include "ObjectOperations.h"

#include "ImageButtons.h"
#include "ImageFunctions.h"
#include "ObjectGeometry.h"
#include "ObjectPool.h"
#include "ObjectValues.h"
#include "PageSurface.h"
#include "SystemChange.h"
#include "TextObject.h"
#include "TmyImage.h"
#include "TrichRect.h"
#include "project/ProjectPaths.h"

#include <QGraphicsProxyWidget>

using namespace object_geometry;

namespace {

// Image kinds whose value SetButtonStatus sets: two-state button, knob,
// slider, level display. The others only take an opacity.
bool hasButtonValue(int buttonType) {
    return buttonType == 2 || buttonType == 3 || buttonType == 4 || buttonType == 6;
}

bool isPercent(int alpha) {
    return alpha >= 0 && alpha <= 100;
}

// A state report turns a text by tenths of a full turn.
constexpr double DegreesPerPercentStep = 36;
// Shorter streams cannot hold a picture worth showing.
constexpr int MinPictureStreamSize = 256;

} // namespace

ObjectOperations::ObjectOperations(ObjectPool &pool, SystemChange &systemChange,
                                   WorkAreaItem *MainWorkArea, QObject *parent)
    : QObject(parent), m_pool(pool), m_systemChange(systemChange), m_workArea(MainWorkArea) {}

int ObjectOperations::GetNamedObjID(const QString &objNamestr) const {
    if (objNamestr.isEmpty())
        return -1;
    QString componentName;
    for (const TUserObjectNameList &entry : m_pool.AllObjNameID()) {
        if (entry.UserName.compare(objNamestr, Qt::CaseInsensitive) == 0) {
            componentName = entry.objectName;
            break;
        }
    }
    const std::vector<QGraphicsObject *> &objects = m_pool.AllObjects();
    for (int i = 0; i < int(objects.size()); ++i) {
        const QString name = objects[i] ? objects[i]->objectName() : QString();
        if ((!componentName.isEmpty() && name == componentName) || name == objNamestr)
            return i;
    }
    return -1;
}

int ObjectOperations::GetNamedObjIDByRealName(const QString &RealName) const {
    const std::vector<QGraphicsObject *> &objects = m_pool.AllObjects();
    for (int i = 0; i < int(objects.size()); ++i) {
        if (objects[i] && objects[i]->objectName() == RealName)
            return i;
    }
    return -1;
}

QGraphicsObject *ObjectOperations::namedObject(const QString &objNamestr) const {
    const int index = GetNamedObjID(objNamestr);
    return index < 0 ? nullptr : m_pool.AllObjects()[size_t(index)];
}

QGraphicsObject *ObjectOperations::findObject(const QString &objname) const {
    if (QGraphicsObject *object = namedObject(objname))
        return object;
    return m_fallback && !objname.isEmpty() ? m_fallback(objname) : nullptr;
}

TmyImage *ObjectOperations::findImage(const QString &objname) const {
    return qobject_cast<TmyImage *>(findObject(objname));
}

bool ObjectOperations::UpdateUI(const QString &objname, const QString &txt, int alpha,
                                int percent) {
    SystemChange::Guard changing(m_systemChange);
    QGraphicsObject *object = findObject(objname);
    if (!object)
        return false;
    if (auto *image = qobject_cast<TmyImage *>(object)) {
        updateImage(image, txt, alpha);
    } else if (auto *text = qobject_cast<TextObject *>(object)) {
        if (!txt.isEmpty())
            text->setText(txt);
        if (isPercent(alpha))
            text->setOpacity(alpha / 100.0);
        if (percent >= 0)
            text->setRotation(percent * DegreesPerPercentStep);
    } else {
        SetNamedObjValue(object, txt, alpha);
    }
    return true;
}

void ObjectOperations::updateImage(TmyImage *image, const QString &txt, int alpha) {
    TmyImage *target = image;
    const QList<QGraphicsItem *> children = image->childItems();
    if (image->isButton) {
        auto *caption = children.isEmpty() ? nullptr : dynamic_cast<TextObject *>(children[0]);
        if (caption && !txt.isEmpty())
            caption->setText(txt);
    } else {
        // A background picture passes the report on to the picture it holds.
        for (QGraphicsItem *child : children) {
            if (auto *caption = dynamic_cast<TextObject *>(child)) {
                caption->setText(txt);
            } else if (auto *inner = dynamic_cast<TmyImage *>(child)) {
                target = inner;
                break;
            }
        }
    }
    if (!isPercent(alpha))
        return;
    if (hasButtonValue(target->ButtonType))
        SetButtonStatus(target, txt, alpha);
    else
        target->setOpacity(alpha / 100.0);
}

void ObjectOperations::SetObjectValue(QGraphicsObject *Sender, const QString &value, int alpha) {
    object_values::SetObjectValue(Sender, value, alpha, m_uiRoot);
}

void ObjectOperations::SetNamedObjValue(QGraphicsObject *Obj, const QString &value, int alpha) {
    if (Obj)
        SetObjectValue(Obj, value, alpha);
}

QString ObjectOperations::GetObjectValue(const QGraphicsObject *Sender) const {
    return object_values::GetObjectValue(Sender);
}

QString ObjectOperations::GetNamedObjValue(const QString &objNamestr) const {
    const QGraphicsObject *object = namedObject(objNamestr);
    return object ? GetObjectValue(object) : QString();
}

void ObjectOperations::SetObjectvisible(const QString &objname, bool isVisible) {
    if (QGraphicsObject *object = namedObject(objname)) {
        object->setVisible(isVisible);
    } else if (QGraphicsObject *component = findObject(objname)) {
        component->setVisible(isVisible);
        component->update();
    }
}

bool ObjectOperations::GetObjectvisible(const QString &objname) const {
    const QGraphicsObject *object = namedObject(objname);
    return object && object->isVisible();
}

bool ObjectOperations::SetObjectEnabled(const QString &objname, bool h) {
    QGraphicsObject *object = findObject(objname);
    if (!object)
        return false;
    // An item that takes no buttons is skipped by the scene's hit test, so
    // the press reaches what lies under it.
    object->setAcceptedMouseButtons(h ? Qt::LeftButton : Qt::NoButton);
    object->setAcceptHoverEvents(h);
    if (auto *proxy = qobject_cast<QGraphicsProxyWidget *>(object); proxy && proxy->widget())
        proxy->widget()->setAttribute(Qt::WA_TransparentForMouseEvents, !h);
    return true;
}

bool ObjectOperations::ChangeObjZIdx(const QString &objname, int _zIndex) {
    QGraphicsObject *object = findObject(objname);
    if (!object)
        return false;
    moveToStackPosition(object, _zIndex);
    return true;
}

int ObjectOperations::GetObjZIdx(const QString &objname) const {
    const QGraphicsObject *object = findObject(objname);
    return object ? stackPosition(object) : 0;
}

bool ObjectOperations::ChangeOBJFront(const QString &objname, bool isFront) {
    QGraphicsObject *object = findObject(objname);
    if (!object)
        return false;
    if (isFront)
        bringToFront(object);
    return true;
}

bool ObjectOperations::ChangeObjPositionWH(const QString &objname, double x, double y, double w,
                                           double h, int ChangeID) {
    QGraphicsObject *object = findObject(objname);
    if (!object)
        return false;
    const QSizeF size = objectSize(object);
    switch (ChangeID) {
    case 1:
        object->setX(x);
        break;
    case 2:
        object->setY(y);
        break;
    case 3:
        if (w > 0)
            setObjectSize(object, QSizeF(w, size.height()));
        break;
    case 4:
        if (h > 0)
            setObjectSize(object, QSizeF(size.width(), h));
        break;
    case 5:
        object->setPos(x, y);
        break;
    case 6:
        setObjectSize(object, QSizeF(w > 0 ? w : size.width(), h > 0 ? h : size.height()));
        break;
    case 7:
        object->setPos(x, y);
        setObjectSize(object, QSizeF(w < 1 ? size.width() : w, h < 1 ? size.height() : h));
        break;
    default:
        break;
    }
    return true;
}

double ObjectOperations::GetObjPositionWH(const QString &objname, int ChangeID) const {
    const QGraphicsObject *object = findObject(objname);
    if (!object)
        return 0;
    const auto *image = qobject_cast<const TmyImage *>(object);
    switch (ChangeID) {
    case 1:
        return object->x();
    case 2:
        return object->y();
    case 3:
        return objectSize(object).width();
    case 4:
        return objectSize(object).height();
    case 5:
        return m_workArea->size().width();
    case 6:
        return m_workArea->size().height();
    case 7:
        return image ? image->rotation() : 0;
    case 8:
        return image ? image->picture().width() : 0;
    case 9:
        return image ? image->picture().height() : 0;
    default:
        return 0;
    }
}

bool ObjectOperations::ChangeOBJscal(const QString &objname, double x, double y) {
    TmyImage *image = findImage(objname);
    if (!image)
        return false;
    setObjectScale(image, x, y);
    return true;
}

bool ObjectOperations::ChangeObjRotationAngle(const QString &objname, double Angle) {
    QGraphicsObject *object = findObject(objname);
    if (!object)
        return false;
    object->setRotation(Angle);
    m_workArea->update();
    return true;
}

bool ObjectOperations::ImgChangeURL(const QString &objname, const QString &url) {
    TmyImage *image = findImage(objname);
    if (!image)
        return false;
    const QString path = url.size() < 2 ? image->LastURL : project::picturePath(m_uiRoot, url);
    return project::fileExists(path) && image->loadPicture(path);
}

bool ObjectOperations::LoadImgFromStream(const QString &objname, const QByteArray &myStream) {
    auto *image = qobject_cast<TmyImage *>(namedObject(objname));
    if (!image || myStream.size() <= MinPictureStreamSize)
        return false;
    image->clearPicture();
    const QImage picture = QImage::fromData(myStream);
    if (picture.isNull())
        return false;
    image->setPicture(picture);
    return true;
}

bool ObjectOperations::CutImgByAngle(const QString &objname, int Angle, bool reload) {
    SystemChange::Guard changing(m_systemChange);
    TmyImage *image = findImage(objname);
    if (!image)
        return false;
    if (!image->picture().isNull() && !image->CacheBitmap)
        image->CacheBitmap = image->picture().copy();
    QImage picture = reload && image->CacheBitmap ? *image->CacheBitmap : image->picture();
    Image_functions::ClearPolyByAngle(picture, Angle);
    image->setPicture(picture);
    return true;
}

bool ObjectOperations::ChangeRichRectByName(const QString &objname, int cType, uint32_t val1,
                                            uint32_t val2, int val3, uint32_t val4) {
    auto *rect = qobject_cast<TrichRect *>(findObject(objname));
    if (!rect)
        return false;
    rect->ChangeRichRectArrt(cType, val1, val2, val3, val4);
    m_workArea->update();
    return true;
}
