#include "project/ProjectPaths.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace project;

namespace {

QString native(const char *path) {
    return QDir::toNativeSeparators(QString::fromUtf8(path));
}

} // namespace

TEST(ProjectPathsTest, PathsAreRootPlusNativeName) {
    const QString root = native("/proj/");
    const QString mediaWithDrive = QStringLiteral("D:\\clips\\a.mp4");
    const QString mediaAddress = QStringLiteral("http://127.0.0.1/a.mp3");
    const struct {
        const char *what;
        QString actual;
        QString expected;
    } cases[] = {
        {"stored name", toNativeName(QStringLiteral("sub\\page2.ui")), native("sub/page2.ui")},
        {"page in a sub-folder", pagePath(root, QStringLiteral("sub\\page2.ui")),
         native("/proj/sub/page2.ui")},
        {"entry page", entryPagePath(root), native("/proj/index.ui")},
        {"picture", picturePath(root, QStringLiteral("bg.png")), native("/proj/res/bg.png")},
        {"picture in a sub-folder", picturePath(root, QStringLiteral("icons\\on.png")),
         native("/proj/res/icons/on.png")},
        {"plain media", mediaPath(root, QStringLiteral("a.mp4")), native("/proj/media/a.mp4")},
        {"media with a drive", mediaPath(root, mediaWithDrive), mediaWithDrive},
        {"media address", mediaPath(root, mediaAddress), mediaAddress},
        {"app root", appStoredRootPath(QStringLiteral("/a/b")), native("/a/b/")},
        {"app root with delimiter", appStoredRootPath(QStringLiteral("/a/b/")), native("/a/b/")},
        {"default project root", defaultUIStoredRootPath(QStringLiteral("/a/b")),
         native("/a/b/sdata/")},
        {"root of a page", uiRootOfPage(QStringLiteral("/proj/pages/p1.ui")),
         native("/proj/pages/")},
        {"pictures of a page's root",
         picturePath(uiRootOfPage(QStringLiteral("/proj/pages/p1.ui")), QStringLiteral("x.png")),
         native("/proj/pages/res/x.png")},
        {"root of a relative page", uiRootOfPage(QStringLiteral("pages/p1.ui")),
         QDir::toNativeSeparators(QDir::currentPath() + QStringLiteral("/pages/"))},
        {"not-allowed page", notAllowPagePath(QStringLiteral("/home/u/Documents")),
         native("/home/u/Documents/NotAllow.ui")},
        {"not-allowed page, folder with delimiter",
         notAllowPagePath(QStringLiteral("/home/u/Documents/")),
         native("/home/u/Documents/NotAllow.ui")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.actual.toStdString(), c.expected.toStdString()) << c.what;
}
