#include "runtime/WebObject.h"
#include "runtime/PageObject.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>

#include <gtest/gtest.h>

#include <string>

// These tests never give the object a real address while it is attached to
// a view, so no browser engine is started.
namespace {

struct UrlCase {
    QString url;
    bool loaded;
};

class WebObjectUrl : public ::testing::TestWithParam<UrlCase> {};

TEST_P(WebObjectUrl, LoadsOnlyAddressesWithAColonAfterTheFirstCharacter) {
    const UrlCase c = GetParam();
    WebObject web;
    web.setUrl(QStringLiteral("http://127.0.0.1/start"));
    web.setUrl(c.url);
    EXPECT_EQ(web.url(), c.loaded ? c.url : QStringLiteral("http://127.0.0.1/start"));
    EXPECT_FALSE(web.hasBrowserView());
}

INSTANTIATE_TEST_SUITE_P(WebObject, WebObjectUrl,
                         ::testing::Values(UrlCase{QStringLiteral("http://127.0.0.1/a"), true},
                                           UrlCase{QStringLiteral("c:\\pages\\a.html"), true},
                                           UrlCase{QStringLiteral("a:"), true},
                                           UrlCase{QStringLiteral(":a"), false},
                                           UrlCase{QStringLiteral("127.0.0.1/a"), false},
                                           UrlCase{QString(), false}));

struct AlignCase {
    std::string name;
    QString previous;
    QString align;
    WebObject::Align expected;
    QRectF rect;
};

class WebObjectAlign : public ::testing::TestWithParam<AlignCase> {};

TEST_P(WebObjectAlign, PlacesTheObjectInItsPage) {
    const AlignCase c = GetParam();
    QGraphicsRectItem page(0, 0, 800, 600);
    page.setPen(Qt::NoPen);
    auto *web = new WebObject(&page);
    web->setAlign(c.previous);
    web->setAlign(c.align);
    web->setBounds(QRectF(10, 20, 200, 100));
    EXPECT_EQ(web->align(), c.expected);
    EXPECT_EQ(QRectF(web->pos(), web->size()), c.rect);
}

INSTANTIATE_TEST_SUITE_P(
    WebObject, WebObjectAlign,
    ::testing::Values(
        AlignCase{"None", "", "", WebObject::Align::None, {10, 20, 200, 100}},
        AlignCase{"Center", "", "Center", WebObject::Align::Center, {300, 250, 200, 100}},
        AlignCase{"Top", "", "Top", WebObject::Align::Top, {0, 0, 800, 100}},
        AlignCase{"Bottom", "", "Bottom", WebObject::Align::Bottom, {0, 500, 800, 100}},
        AlignCase{"Client", "", "Client", WebObject::Align::Client, {0, 0, 800, 600}},
        AlignCase{"EmptyDropsAlignment", "Client", "", WebObject::Align::None, {10, 20, 200, 100}},
        AlignCase{
            "UnknownKeepsAlignment", "Client", "Left", WebObject::Align::Client, {0, 0, 800, 600}}),
    [](const ::testing::TestParamInfo<AlignCase> &info) { return info.param.name; });

TEST(WebObject, ClearShowsAnEmptyPageWithoutStartingTheBrowser) {
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    auto *web = new WebObject;
    scene.addItem(web);
    web->attachTo(&view);
    web->setUrl(QStringLiteral("not an address"));
    setObjectTag(web, 3);
    web->setRotation(45);

    web->clear();
    EXPECT_EQ(web->url(), QStringLiteral("about:blank"));
    EXPECT_FALSE(web->isVisible());
    EXPECT_EQ(objectTag(web), -1);
    EXPECT_EQ(web->rotation(), 0);
    EXPECT_FALSE(web->hasBrowserView());
    EXPECT_EQ(objectKind(web), ObjectKind::TWebBrowser);
}

} // namespace
