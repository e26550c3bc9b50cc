// What the file system says about one file, read afresh for the details
// panel: icon, type name, size and the three time stamps.
#pragma once

#include "platform/wintypes.h"

#include <QByteArray>
#include <QIcon>
#include <QString>

#include <cstdint>

struct FileDetails {
    QIcon icon;
    QString typeName;
    // Whether the file could be opened; size and times are read only then.
    bool opened = false;
    std::uint64_t size = 0;
    QString created = QStringLiteral("-");
    QString changed = QStringLiteral("-");
    QString accessed = QStringLiteral("-");
};

// Reads the details of the file at path (its exact bytes). A file that
// cannot be opened is reported by AFile (error box, failure log) and gives
// only the icon and type name.
FileDetails ReadFileDetails(const QByteArray& path);

// A file time as local date and time; "-" for a zero time (one the file
// system does not record).
QString FileTimeText(const FILETIME& time);
