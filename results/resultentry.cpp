#include "results/resultentry.h"

int lstResultsCCompare(const ResultEntry& first, const ResultEntry& second)
{
    if (first.size != second.size)
        return first.size < second.size ? 1 : -1;
    if (first.group != second.group)
        return first.group < second.group ? 1 : -1;
    return 0;
}

QColor GroupRowColour(std::uint32_t group)
{
    return (group & 1u) != 0 ? QColor(255, 255, 255) : QColor(189, 255, 187);
}
