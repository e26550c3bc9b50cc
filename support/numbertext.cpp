#include "support/numbertext.h"

#include <cstdio>

AStr IntToText(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return AStr(text);
}

AStr SizeText(std::uint64_t size, bool shortForm)
{
    constexpr std::uint64_t kilo = 1024;
    constexpr std::uint64_t mega = 1024 * 1024;
    AStr text;
    if (size < kilo) {
        char digits[24];
        std::snprintf(digits, sizeof digits, "%llu", static_cast<unsigned long long>(size));
        text.Append(digits);
        if (!shortForm)
            text.Append(" bytes");
    } else if (size < mega) {
        text.AppendReal(static_cast<double>(size) / kilo, 2);
        text.Append(" Kb");
    } else {
        text.AppendReal(static_cast<double>(size) / mega, 2);
        text.Append(" Mb");
    }
    return text;
}
