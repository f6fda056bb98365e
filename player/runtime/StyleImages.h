#pragma once

#include <QObject>
#include <QString>

#include <vector>

class ObjectOperations;
class TmyImage;

// Pictures that scripts put on the page, on top of its objects and never
// touchable. Slots are reused: a slot whose ButtonType is below 0 is free.
class StyleImages : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxStyleImages = 48;

    // Pictures come from the project of `operations`; clones find their
    // source through it.
    explicit StyleImages(ObjectOperations &operations, QObject *parent = nullptr);

    // The style image's name, or empty when all slots are in use.
    QString Style_NewIMG(const QString &url, double imgx, double imgy);
    // A copy of the named image object; empty when the name is not one or
    // all slots are in use.
    QString Style_CloneIMG(const QString &sourceName);
    bool Style_FreeIMG(const QString &styleName);
    void Style_ClearALL();

    const std::vector<TmyImage *> &images() const { return m_images; }

private:
    // A free slot, marked used, or a new one; nullptr when all are in use.
    TmyImage *takeSlot(bool *appended);
    void showAt(TmyImage *image, const QPointF &pos);

    ObjectOperations &m_operations;
    std::vector<TmyImage *> m_images;
};
