#include "WebObject.h"

#include "PageObject.h"

#include <QGraphicsView>
#include <QPainter>
#include <QUrl>

#ifdef PANELO_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

namespace {

const QString BlankPage = QStringLiteral("about:blank");

// A page address names a scheme or a drive; a leading ":" does not count.
bool isAddress(const QString &url) {
    return url.indexOf(QLatin1Char(':'), 1) > 0;
}

} // namespace

WebObject::WebObject(QGraphicsItem *parent) : QGraphicsObject(parent) {
    setObjectKind(this, ObjectKind::TWebBrowser);
    setFlag(ItemSendsScenePositionChanges);
}

WebObject::~WebObject() {
    delete m_browser;
}

bool WebObject::browserAvailable() {
#ifdef PANELO_HAVE_WEBENGINE
    return true;
#else
    return false;
#endif
}

QString WebObject::fallbackNotice() {
    if (browserAvailable())
        return QString();
    return QStringLiteral("Web pages are not available in this build; web objects show their "
                          "address.");
}

QRectF WebObject::boundingRect() const {
    return QRectF(QPointF(0, 0), m_size);
}

void WebObject::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
    const QRectF rect = boundingRect();
    painter->fillRect(rect, Qt::white);
    painter->setPen(Qt::darkGray);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->drawText(rect.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWrapAnywhere, m_url);
}

void WebObject::setBounds(const QRectF &bounds) {
    setPos(bounds.topLeft());
    setSize(bounds.size());
    applyAlign();
}

void WebObject::setSize(const QSizeF &size) {
    if (size == m_size)
        return;
    prepareGeometryChange();
    m_size = size;
    setTransformOriginPoint(size.width() / 2, size.height() / 2);
    syncGeometry();
}

void WebObject::setUrl(const QString &url) {
    if (!isAddress(url))
        return;
    m_url = url;
    update();
    loadIntoBrowser();
}

void WebObject::setAlign(const QString &align) {
    if (align.isEmpty())
        m_align = Align::None;
    else if (align == QLatin1String("Center"))
        m_align = Align::Center;
    else if (align == QLatin1String("Bottom"))
        m_align = Align::Bottom;
    else if (align == QLatin1String("Top"))
        m_align = Align::Top;
    else if (align == QLatin1String("Client"))
        m_align = Align::Client;
    applyAlign();
}

void WebObject::applyAlign() {
    const QGraphicsItem *parent = parentItem();
    if (m_align == Align::None || !parent)
        return;
    const QSizeF area = parent->boundingRect().size();
    switch (m_align) {
    case Align::Top:
        setPos(0, 0);
        setSize(QSizeF(area.width(), m_size.height()));
        break;
    case Align::Bottom:
        setPos(0, area.height() - m_size.height());
        setSize(QSizeF(area.width(), m_size.height()));
        break;
    case Align::Center:
        setPos((area.width() - m_size.width()) / 2, (area.height() - m_size.height()) / 2);
        break;
    case Align::Client:
        setPos(0, 0);
        setSize(area);
        break;
    case Align::None:
        break;
    }
}

void WebObject::attachTo(QGraphicsView *view) {
    if (view == m_view)
        return;
    delete m_browser;
    m_view = view;
    loadIntoBrowser();
}

void WebObject::ensureBrowser() {
#ifdef PANELO_HAVE_WEBENGINE
    if (!m_browser && m_view)
        m_browser = new QWebEngineView(m_view->viewport());
#endif
}

// The browser is made only once there is a real page to show in a view:
// starting the engine is costly and needs a GPU-capable platform.
void WebObject::loadIntoBrowser() {
    if (!isAddress(m_url) || (m_url == BlankPage && !m_browser))
        return;
    ensureBrowser();
#ifdef PANELO_HAVE_WEBENGINE
    if (auto *browser = qobject_cast<QWebEngineView *>(m_browser))
        browser->setUrl(QUrl::fromUserInput(m_url));
#endif
    syncGeometry();
}

void WebObject::syncGeometry() {
    if (!m_browser || !m_view)
        return;
    const QPolygonF viewArea = m_view->viewportTransform().map(mapToScene(boundingRect()));
    m_browser->setGeometry(viewArea.boundingRect().toRect());
    m_browser->setVisible(isVisible());
}

void WebObject::clear() {
    m_url = BlankPage;
    loadIntoBrowser();
    hide();
    setObjectTag(this, -1);
    setRotation(0);
}

QVariant WebObject::itemChange(GraphicsItemChange change, const QVariant &value) {
    if (change == ItemVisibleHasChanged || change == ItemScenePositionHasChanged)
        syncGeometry();
    return QGraphicsObject::itemChange(change, value);
}
