#include "results/resultentry.h"

#include "scan/listorder.h"

int lstResultsCCompare(const ResultEntry& first, const ResultEntry& second)
{
    return CompareInListOrder(first.size, first.group, second.size, second.group);
}

QColor GroupRowColour(std::uint32_t group)
{
    return (group & 1u) != 0 ? QColor(255, 255, 255) : QColor(189, 255, 187);
}
