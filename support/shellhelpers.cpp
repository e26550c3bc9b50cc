#include "support/shellhelpers.h"

#include "platform/findfile.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>

namespace {

// The shell answers only for what exists: it is not asked to work from the
// name alone.
bool Exists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool BrowseForFolder(HWND owner, const char* title, bool allowNewFolder, UINT flags, AStr& path)
{
    if (!allowNewFolder)
        flags |= BIF_NONEWFOLDERBUTTON;
    const std::optional<std::string> chosen = ShowFolderBrowser(owner, title, flags);
    path.Assign(chosen ? chosen->c_str() : "");
    return chosen && !chosen->empty();
}

QIcon FileIcon(const char* path, bool small)
{
    if (!Exists(path))
        return QIcon();
    const QIcon icon = QFileIconProvider().icon(QFileInfo(QFile::decodeName(path)));
    const int side = small ? 16 : 32;
    return QIcon(icon.pixmap(side, side));
}

AStr FileTypeName(const char* path)
{
    if (!Exists(path))
        return AStr();
    return AStr(QMimeDatabase().mimeTypeForFile(QFile::decodeName(path)).comment().toLocal8Bit().constData());
}

void OpenWithShell(const char* path)
{
    // Built from the bytes, so that a name which is not valid text still
    // reaches the opener unchanged.
    QDesktopServices::openUrl(QUrl::fromEncoded("file://" + QByteArray(path).toPercentEncoding("/")));
}

bool IsExistingFile(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
