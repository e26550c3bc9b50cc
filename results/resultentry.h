// One entry of a results list, and the rules that read it: ordering and
// row colour.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <cstdint>

struct ResultEntry {
    // The file's path as the scan found it, byte for byte: every command uses
    // these bytes; only the display decodes them.
    QByteArray path;
    // "File Size" column: the short-form size text.
    QString sizeText;
    // "Group Id" column: the group number when the entry was added. Never
    // rewritten, so after renumbering it may differ from group.
    QString groupIdText;
    std::uint64_t size = 0;
    // Entries of one group carry equal numbers and stand next to each other.
    std::uint32_t group = 0;
    bool checked = false;
};

// The identical-files order: larger files first; among equal sizes, higher
// group numbers first. Negative when first goes before second, positive when
// after, zero for entries of one group (equal size and number), which a stable
// sort keeps in their order.
int lstResultsCCompare(const ResultEntry& first, const ResultEntry& second);

// Row colour of the identical-files list: white for an odd group number,
// light green for an even one. Only the lowest bit decides, so neighbouring
// groups alternate.
QColor GroupRowColour(std::uint32_t group);
