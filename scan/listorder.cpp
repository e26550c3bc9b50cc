#include "scan/listorder.h"

std::uint32_t GroupNumberAfter(std::uint32_t previous, bool sameGroup)
{
    if (previous == 0)
        return 1;
    return previous + (sameGroup ? 0u : 1u);
}

int CompareInListOrder(std::uint64_t firstSize, std::uint32_t firstGroup, std::uint64_t secondSize,
                       std::uint32_t secondGroup)
{
    if (firstSize != secondSize)
        return firstSize < secondSize ? 1 : -1;
    if (firstGroup != secondGroup)
        return firstGroup < secondGroup ? 1 : -1;
    return 0;
}
