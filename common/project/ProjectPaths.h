#pragma once

#include <QString>

// Where the player finds the files of a project. Names stored in page files,
// actions and scripts keep "\" as their delimiter; roots are native folders
// that end with exactly one delimiter.
namespace project {

// A stored project-relative name as a native relative path.
QString toNativeName(const QString &storedName);

// Folder of the executable plus one delimiter.
QString appStoredRootPath(const QString &executableDir);
// Folder of the executable + "sdata" plus one delimiter.
QString defaultUIStoredRootPath(const QString &executableDir);
// The folder of a page file given on the command line, with its delimiter.
QString uiRootOfPage(const QString &pageFilePath);

QString pagePath(const QString &uiRoot, const QString &storedPageName);
QString entryPagePath(const QString &uiRoot);
QString picturePath(const QString &uiRoot, const QString &storedPictureName);
// A name containing ":" is a full path or address and is used unchanged.
QString mediaPath(const QString &uiRoot, const QString &storedMediaName);
QString notAllowPagePath(const QString &documentsDir);

// A project file is there: a folder of that name does not count, so that an
// empty stored name (which names the folder itself) means "no file".
bool fileExists(const QString &path);

} // namespace project
