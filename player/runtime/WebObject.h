#pragma once

#include <QGraphicsObject>
#include <QPointer>
#include <QString>

class QGraphicsView;
class QWidget;

// A web page on the page surface. The browser cannot paint inside a graphics
// scene, so this item only reserves its place; a real browser view is laid
// over the graphics view at the item's rectangle. Without a browser in the
// build the item paints its address instead.
class WebObject : public QGraphicsObject {
    Q_OBJECT
public:
    enum class Align { None, Top, Bottom, Center, Client };

    explicit WebObject(QGraphicsItem *parent = nullptr);
    ~WebObject() override;

    static bool browserAvailable();
    // What the status line says once when pages can only show addresses; empty with a browser.
    static QString fallbackNotice();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // Position in the parent and size; an aligned object takes its aligned place instead.
    void setBounds(const QRectF &bounds);
    QSizeF size() const { return m_size; }

    // Loads the address only when it has a ":" after its first character.
    void setUrl(const QString &url);
    QString url() const { return m_url; }

    // "Center", "Bottom", "Top", "Client" (fills the parent) or empty (none);
    // any other text keeps the current alignment.
    void setAlign(const QString &align);
    Align align() const { return m_align; }

    // The graphics view the browser is laid over.
    void attachTo(QGraphicsView *view);
    // Puts the browser over the item again, after the page was moved or scaled.
    void syncGeometry();
    bool hasBrowserView() const { return m_browser != nullptr; }

    // The clearing step between pages: an empty page, hidden, untagged, unrotated.
    void clear();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    void setSize(const QSizeF &size);
    void applyAlign();
    void ensureBrowser();
    void loadIntoBrowser();

    QSizeF m_size;
    QString m_url;
    Align m_align = Align::None;
    QPointer<QGraphicsView> m_view;
    QPointer<QWidget> m_browser;
};
