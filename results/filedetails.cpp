#include "results/filedetails.h"

#include "platform/filetime.h"
#include "support/afile.h"
#include "support/shellhelpers.h"

#include <QDateTime>

QString FileTimeText(const FILETIME& time)
{
    SYSTEMTIME utc{};
    if ((time.dwLowDateTime == 0 && time.dwHighDateTime == 0) || !FileTimeToSystemTime(&time, &utc))
        return QStringLiteral("-");
    const QDateTime moment(QDate(utc.wYear, utc.wMonth, utc.wDay), QTime(utc.wHour, utc.wMinute, utc.wSecond),
                           Qt::UTC);
    return moment.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

FileDetails ReadFileDetails(const QByteArray& path)
{
    FileDetails details;
    details.icon = FileIcon(path.constData(), false);
    details.typeName = QString::fromLocal8Bit(FileTypeName(path.constData()).Data());

    AFile file;
    file.AccessMode = AFile::GENERIC_READ;
    if (!file.Open(path.constData()))
        return details;
    details.opened = true;
    FILETIME created{}, accessed{}, written{};
    if (GetFileTime(file.hFile, &created, &accessed, &written)) {
        details.created = FileTimeText(created);
        details.changed = FileTimeText(written);
        details.accessed = FileTimeText(accessed);
    }
    // The whole size; a failure is reported and reads as 0.
    std::uint64_t size = 0;
    details.size = file.GetFileSize64(size) ? size : 0;
    file.Close();
    return details;
}
