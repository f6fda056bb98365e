#include "runtime/StyleImages.h"
#include "runtime/ObjectGeometry.h"
#include "runtime/ObjectOperations.h"
#include "runtime/PageLoader.h"
#include "runtime/PageSurface.h"
#include "runtime/SystemChange.h"
#include "runtime/TmyImage.h"

#include "TempFolder.h"

#include <QDir>
#include <QGraphicsScene>

#include <gtest/gtest.h>

namespace {

// A page with one picture to clone, and pictures in the project's res folder.
class StyleImagesTest : public ::testing::Test {
protected:
    StyleImagesTest() : loader(area), ops(loader.pool(), systemChange, area), styles(ops) {
        scene.addItem(area);
        area->setSize(QSizeF(1280, 720));
        const QString root = project.path() + QLatin1Char('/');
        loader.setProjectRoot(root);
        ops.setProjectRoot(root);
        QDir().mkpath(project.path(QStringLiteral("res")));
        QImage image(QSize(30, 20), QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        image.save(project.path(QStringLiteral("res/dot.png")));
        loader.LoadUI(project.write(
            QStringLiteral("a.ui"),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<data><setting/>"
            "<Button src=\"dot.png\" Name=\"Lamp\" type=\"2\" X=\"7\" Y=\"8\" Width=\"60\" "
            "Height=\"40\" iAngle=\"30\"/><Label Name=\"Title\" Text=\"t\"/></data>"));
    }

    TmyImage *style(const QString &name) {
        for (TmyImage *image : styles.images()) {
            if (image->objectName() == name)
                return image;
        }
        return nullptr;
    }

    TempFolder project;
    QGraphicsScene scene;
    WorkAreaItem *area = new WorkAreaItem;
    SystemChange systemChange;
    PageLoader loader;
    ObjectOperations ops;
    StyleImages styles;
};

TEST_F(StyleImagesTest, ANewPictureLiesUntouchableOnTopOfThePage) {
    const QString name = styles.Style_NewIMG(QStringLiteral("dot.png"), 15, 25);
    EXPECT_EQ(name, QStringLiteral("StyBTN_0"));
    TmyImage *image = style(name);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->parentItem(), area);
    EXPECT_TRUE(image->isVisible());
    EXPECT_EQ(image->pos(), QPointF(15, 25));
    EXPECT_EQ(image->size(), QSizeF(30, 20));
    EXPECT_EQ(image->acceptedMouseButtons(), Qt::NoButton);
    EXPECT_EQ(area->childItems().constLast(), image);
}

TEST_F(StyleImagesTest, SlotsRunOutAfterFortyEightAndFreedOnesAreReused) {
    for (int i = 0; i < StyleImages::MaxStyleImages; ++i)
        EXPECT_EQ(styles.Style_NewIMG(QStringLiteral("dot.png"), 0, 0),
                  QStringLiteral("StyBTN_") + QString::number(i));
    EXPECT_EQ(styles.Style_NewIMG(QStringLiteral("dot.png"), 0, 0), QString());
    EXPECT_EQ(styles.Style_CloneIMG(QStringLiteral("Lamp")), QString());

    ops.ChangeObjRotationAngle(QStringLiteral("StyBTN_5"), 45);
    EXPECT_TRUE(styles.Style_FreeIMG(QStringLiteral("StyBTN_5")));
    EXPECT_FALSE(style(QStringLiteral("StyBTN_5"))->isVisible());
    EXPECT_DOUBLE_EQ(style(QStringLiteral("StyBTN_5"))->rotation(), 0);
    EXPECT_EQ(styles.Style_NewIMG(QStringLiteral("dot.png"), 0, 0), QStringLiteral("StyBTN_5"));
    EXPECT_FALSE(styles.Style_FreeIMG(QStringLiteral("Lamp")));
}

TEST_F(StyleImagesTest, AClonePaintsTheSourcesPictureAtItsPlace) {
    ops.ChangeOBJscal(QStringLiteral("Lamp"), 3, 3);
    const QString first = styles.Style_CloneIMG(QStringLiteral("lamp"));
    const QString second = styles.Style_CloneIMG(QStringLiteral("IMG_1"));
    auto *source = qobject_cast<TmyImage *>(ops.namedObject(QStringLiteral("Lamp")));
    for (const QString &name : {first, second}) {
        TmyImage *clone = style(name);
        ASSERT_TRUE(clone) << name.toStdString();
        EXPECT_EQ(clone->picture(), source->picture());
        EXPECT_EQ(clone->pos(), QPointF(7, 8));
        EXPECT_EQ(clone->size(), QSizeF(60, 40));
        EXPECT_EQ(clone->ButtonType, 2);
        EXPECT_TRUE(clone->isButton);
        EXPECT_TRUE(clone->transform().isIdentity()) << "a clone starts unscaled";
    }
    EXPECT_DOUBLE_EQ(style(first)->rotation(), 0) << "the very first slot keeps its own turn";
    EXPECT_DOUBLE_EQ(style(second)->rotation(), 30);
    EXPECT_EQ(styles.Style_CloneIMG(QStringLiteral("Title")), QString());
    EXPECT_EQ(styles.Style_CloneIMG(QStringLiteral("Nobody")), QString());
}

TEST_F(StyleImagesTest, ClearingFreesEverySlotAndEmptiesItsPicture) {
    styles.Style_NewIMG(QStringLiteral("dot.png"), 0, 0);
    styles.Style_NewIMG(QStringLiteral("dot.png"), 0, 0);
    styles.Style_ClearALL();
    for (const TmyImage *image : styles.images()) {
        EXPECT_FALSE(image->isVisible());
        EXPECT_TRUE(image->picture().isNull());
        EXPECT_LT(image->ButtonType, 0);
    }
    EXPECT_EQ(styles.Style_NewIMG(QStringLiteral("missing.png"), 0, 0), QStringLiteral("StyBTN_0"));
    EXPECT_TRUE(style(QStringLiteral("StyBTN_0"))->picture().isNull());
}

} // namespace
