#include "StyleImages.h"

#include "ObjectGeometry.h"
#include "ObjectOperations.h"
#include "PageSurface.h"
#include "TmyImage.h"
#include "project/ProjectPaths.h"

#include <algorithm>

StyleImages::StyleImages(ObjectOperations &operations, QObject *parent)
    : QObject(parent), m_operations(operations) {}

TmyImage *StyleImages::takeSlot(bool *appended) {
    *appended = false;
    const auto free = std::find_if(m_images.begin(), m_images.end(),
                                   [](const TmyImage *image) { return image->ButtonType < 0; });
    if (free != m_images.end()) {
        (*free)->ButtonType = 1;
        return *free;
    }
    if (int(m_images.size()) >= MaxStyleImages)
        return nullptr;
    auto *image = new TmyImage(m_operations.MainWorkArea());
    image->setObjectName(QStringLiteral("StyBTN_") + QString::number(m_images.size()));
    image->ButtonType = 1;
    image->setAcceptedMouseButtons(Qt::NoButton);
    image->setAcceptHoverEvents(false);
    m_images.push_back(image);
    *appended = true;
    return image;
}

void StyleImages::showAt(TmyImage *image, const QPointF &pos) {
    image->setPos(pos);
    object_geometry::setObjectScale(image, 1, 1);
    object_geometry::bringToFront(image);
    image->show();
}

QString StyleImages::Style_NewIMG(const QString &url, double imgx, double imgy) {
    bool appended = false;
    TmyImage *image = takeSlot(&appended);
    if (!image)
        return QString();
    const QString path = project::picturePath(m_operations.projectRoot(), url);
    if (project::fileExists(path) && image->loadPicture(path))
        image->setSize(image->picture().size());
    showAt(image, QPointF(imgx, imgy));
    return image->objectName();
}

QString StyleImages::Style_CloneIMG(const QString &sourceName) {
    const auto *source = qobject_cast<const TmyImage *>(m_operations.namedObject(sourceName));
    if (!source)
        return QString();
    const bool hadImages = !m_images.empty();
    bool appended = false;
    TmyImage *image = takeSlot(&appended);
    if (!image)
        return QString();
    // Only a slot added beside earlier ones takes the source's turn; a
    // reused or very first slot keeps its own.
    if (appended && hadImages)
        image->setRotation(source->rotation());
    image->ButtonType = source->ButtonType;
    image->isButton = source->isButton;
    image->setPicture(source->picture());
    image->setSize(source->size());
    showAt(image, source->pos());
    return image->objectName();
}

bool StyleImages::Style_FreeIMG(const QString &styleName) {
    const auto found = std::find_if(m_images.begin(), m_images.end(), [&](const TmyImage *image) {
        return image->objectName() == styleName;
    });
    if (found == m_images.end())
        return false;
    (*found)->setRotation(0);
    (*found)->hide();
    (*found)->ButtonType = -1;
    return true;
}

void StyleImages::Style_ClearALL() {
    for (TmyImage *image : m_images) {
        image->clearPicture();
        image->hide();
        image->ButtonType = -1;
    }
}
