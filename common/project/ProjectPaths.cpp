#include "project/ProjectPaths.h"

#include <QDir>
#include <QFileInfo>

namespace project {

namespace {

const QString entryPageName = QStringLiteral("index.ui");
const QString notAllowPageName = QStringLiteral("NotAllow.ui");
const QString pictureFolder = QStringLiteral("res");
const QString mediaFolder = QStringLiteral("media");
const QString defaultProjectFolder = QStringLiteral("sdata");

// A native folder ending with exactly one delimiter, whatever it came with.
QString withOneDelimiter(const QString &folder) {
    QString native = QDir::toNativeSeparators(folder);
    while (native.endsWith(QDir::separator()))
        native.chop(1);
    return native + QDir::separator();
}

} // namespace

QString toNativeName(const QString &storedName) {
    return QDir::toNativeSeparators(QString(storedName).replace(u'\\', u'/'));
}

QString appStoredRootPath(const QString &executableDir) {
    return withOneDelimiter(executableDir);
}

QString defaultUIStoredRootPath(const QString &executableDir) {
    return appStoredRootPath(executableDir) + defaultProjectFolder + QDir::separator();
}

QString uiRootOfPage(const QString &pageFilePath) {
    return withOneDelimiter(QFileInfo(pageFilePath).absolutePath());
}

QString pagePath(const QString &uiRoot, const QString &storedPageName) {
    return uiRoot + toNativeName(storedPageName);
}

QString entryPagePath(const QString &uiRoot) {
    return uiRoot + entryPageName;
}

QString picturePath(const QString &uiRoot, const QString &storedPictureName) {
    return uiRoot + pictureFolder + QDir::separator() + toNativeName(storedPictureName);
}

QString mediaPath(const QString &uiRoot, const QString &storedMediaName) {
    if (storedMediaName.contains(u':'))
        return storedMediaName;
    return uiRoot + mediaFolder + QDir::separator() + toNativeName(storedMediaName);
}

QString notAllowPagePath(const QString &documentsDir) {
    return QDir::toNativeSeparators(QDir(documentsDir).filePath(notAllowPageName));
}

bool fileExists(const QString &path) { return QFileInfo(path).isFile(); }

} // namespace project
