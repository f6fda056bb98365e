#include "runtime/StandardObjects.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct KindCase {
    ObjectKind kind;
    const char *widgetClass;
};

class StandardObjectKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(StandardObjectKinds, HoldsTheToolkitWidgetAndTakesAnyBounds) {
    const KindCase c = GetParam();
    std::unique_ptr<QGraphicsProxyWidget> proxy(createStandardObject(c.kind));
    ASSERT_NE(proxy, nullptr);
    EXPECT_TRUE(proxy->widget()->inherits(c.widgetClass))
        << proxy->widget()->metaObject()->className();
    EXPECT_EQ(objectKind(proxy.get()), c.kind);

    // The element's default size is smaller than most toolkit widgets want.
    StandardObjectSpec spec;
    spec.kind = c.kind;
    spec.bounds = QRectF(10, 20, 25, 25);
    configureStandardObject(proxy.get(), spec);
    EXPECT_EQ(proxy->pos(), QPointF(10, 20));
    EXPECT_EQ(proxy->size(), QSizeF(25, 25));
    EXPECT_EQ(proxy->widget()->size(), QSize(25, 25));
    EXPECT_TRUE(proxy->isVisible());
}

INSTANTIATE_TEST_SUITE_P(StandardObjects, StandardObjectKinds,
                         ::testing::Values(KindCase{ObjectKind::TButton, "QPushButton"},
                                           KindCase{ObjectKind::TSwitch, "QPushButton"},
                                           KindCase{ObjectKind::TTrackBar, "QSlider"},
                                           KindCase{ObjectKind::TCheckBox, "QCheckBox"},
                                           KindCase{ObjectKind::TProgressBar, "QProgressBar"},
                                           KindCase{ObjectKind::TEdit, "QLineEdit"},
                                           KindCase{ObjectKind::TListBox, "QListWidget"},
                                           KindCase{ObjectKind::TSpinBox, "QSpinBox"},
                                           KindCase{ObjectKind::TCalendarEdit, "QDateEdit"}),
                         [](const ::testing::TestParamInfo<KindCase> &info) {
                             return std::string(kindName(info.param.kind));
                         });

template <typename W> W *configured(QGraphicsProxyWidget *proxy, const StandardObjectSpec &spec) {
    configureStandardObject(proxy, spec);
    return qobject_cast<W *>(proxy->widget());
}

StandardObjectSpec specOf(ObjectKind kind) {
    StandardObjectSpec spec;
    spec.kind = kind;
    spec.bounds = QRectF(0, 0, 120, 30);
    return spec;
}

TEST(StandardObjects, OtherKindsAreNotStandardControls) {
    EXPECT_EQ(createStandardObject(ObjectKind::TLabel), nullptr);
    EXPECT_EQ(createStandardObject(ObjectKind::TWebBrowser), nullptr);
}

TEST(StandardObjects, FontsBelowEightBecomeEleven) {
    const struct { int size, expected; } cases[] = {{5, 11}, {7, 11}, {8, 8}, {12, 12}};
    std::unique_ptr<QGraphicsProxyWidget> proxy(createStandardObject(ObjectKind::TButton));
    for (const auto &c : cases) {
        StandardObjectSpec spec = specOf(ObjectKind::TButton);
        spec.fontSize = c.size;
        configureStandardObject(proxy.get(), spec);
        EXPECT_EQ(proxy->widget()->font().pixelSize(), c.expected) << c.size;
    }
}

TEST(StandardObjects, ButtonTakesCaptionAndRepeatsOnlyWhenAsked) {
    std::unique_ptr<QGraphicsProxyWidget> proxy(createStandardObject(ObjectKind::TButton));
    StandardObjectSpec spec = specOf(ObjectKind::TButton);
    spec.title = QStringLiteral("开始");
    spec.repeatClick = true;
    auto *button = configured<QPushButton>(proxy.get(), spec);
    EXPECT_EQ(button->text(), QStringLiteral("开始"));
    EXPECT_TRUE(button->autoRepeat());

    spec.repeatClick = false;
    configureStandardObject(proxy.get(), spec);
    EXPECT_FALSE(button->autoRepeat());
}

TEST(StandardObjects, SwitchHasTwoStates) {
    std::unique_ptr<QGraphicsProxyWidget> proxy(createStandardObject(ObjectKind::TSwitch));
    auto *button = configured<QPushButton>(proxy.get(), specOf(ObjectKind::TSwitch));
    EXPECT_TRUE(button->isCheckable());
}

TEST(StandardObjects, CheckBoxTakesCaption) {
    std::unique_ptr<QGraphicsProxyWidget> proxy(createStandardObject(ObjectKind::TCheckBox));
    StandardObjectSpec spec = specOf(ObjectKind::TCheckBox);
    spec.title = QStringLiteral("Mute");
    EXPECT_EQ(configured<QCheckBox>(proxy.get(), spec)->text(), QStringLiteral("Mute"));
}

TEST(StandardObjects, TrackBarFollowsItsDirection) {
    std::unique_ptr<QGraphicsProxyWidget> proxy(createStandardObject(ObjectKind::TTrackBar));
    StandardObjectSpec spec = specOf(ObjectKind::TTrackBar);
    spec.vertical = true;
    auto *slider = configured<QSlider>(proxy.get(), spec);
    EXPECT_EQ(slider->orientation(), Qt::Vertical);
    spec.vertical = false;
    configureStandardObject(proxy.get(), spec);
    EXPECT_EQ(slider->orientation(), Qt::Horizontal);
}

TEST(StandardObjects, CalendarEditOpensACalendar) {
    std::unique_ptr<QGraphicsProxyWidget> proxy(createStandardObject(ObjectKind::TCalendarEdit));
    EXPECT_TRUE(
        configured<QDateEdit>(proxy.get(), specOf(ObjectKind::TCalendarEdit))->calendarPopup());
}

// The colour under the edit's empty right-hand end once it is drawn over red.
QRgb backdropThroughEdit(QLineEdit *edit) {
    QImage image(edit->size(), QImage::Format_ARGB32);
    image.fill(Qt::red);
    edit->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image.pixel(edit->width() - 6, edit->height() / 2);
}

TEST(StandardObjects, EditMasksAndCanLetThePageShowThrough) {
    std::unique_ptr<QGraphicsProxyWidget> proxy(createStandardObject(ObjectKind::TEdit));
    StandardObjectSpec spec = specOf(ObjectKind::TEdit);
    spec.title = QStringLiteral("1234");
    spec.colour = qRgb(0, 0, 255);
    spec.isPassword = true;
    spec.noBG = true;
    auto *edit = configured<QLineEdit>(proxy.get(), spec);
    EXPECT_EQ(edit->text(), QStringLiteral("1234"));
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(backdropThroughEdit(edit), qRgb(255, 0, 0));
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(0, 0, 255));

    spec.isPassword = false;
    spec.noBG = false;
    configureStandardObject(proxy.get(), spec);
    EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
    EXPECT_NE(backdropThroughEdit(edit), qRgb(255, 0, 0));
}

TEST(StandardObjects, ResetHidesAndUntagsForTheNextPage) {
    std::unique_ptr<QGraphicsProxyWidget> proxy(createStandardObject(ObjectKind::TSpinBox));
    configureStandardObject(proxy.get(), specOf(ObjectKind::TSpinBox));
    setObjectTag(proxy.get(), 4);
    proxy->setRotation(90);

    resetStandardObject(proxy.get());
    EXPECT_FALSE(proxy->isVisible());
    EXPECT_EQ(objectTag(proxy.get()), -1);
    EXPECT_EQ(proxy->rotation(), 0);

    configureStandardObject(proxy.get(), specOf(ObjectKind::TSpinBox));
    EXPECT_TRUE(proxy->isVisible());
}

} // namespace
