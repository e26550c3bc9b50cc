#include "support/numbertext.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace {

struct RealCase {
    double value;
    const char* text;
};

TEST(NumberText, AppendRealWritesTwoDecimalsWithPoint)
{
    const RealCase cases[] = {
        {1.5, "1.50"},    {0.05, "0.05"},   {1023.999, "1024.00"}, {0.0, "0.00"},
        {0.5, "0.50"},    {0.001, "0.00"},  {-1.5, "-1.50"},       {-0.05, "-0.05"},
        {12345.678, "12345.68"},
    };
    for (const RealCase& c : cases) {
        AStr text("x=");
        text.AppendReal(c.value, 2);
        EXPECT_STREQ(text.Data(), (std::string("x=") + c.text).c_str()) << c.value;
    }
}

struct SizeCase {
    std::uint64_t size;
    const char* longForm;
    const char* shortForm;
};

TEST(NumberText, SizeTextAtEveryUnitBoundary)
{
    constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;
    const SizeCase cases[] = {
        {0, "0 bytes", "0"},
        {512, "512 bytes", "512"},
        {1000, "1000 bytes", "1000"},
        {1023, "1023 bytes", "1023"},
        {1024, "1.00 Kb", "1.00 Kb"},
        {1536, "1.50 Kb", "1.50 Kb"},
        {1048575, "1024.00 Kb", "1024.00 Kb"},
        {1048576, "1.00 Mb", "1.00 Mb"},
        {1572864, "1.50 Mb", "1.50 Mb"},
        {4294967295ull, "4096.00 Mb", "4096.00 Mb"},
        {4 * GiB + 10, "4096.00 Mb", "4096.00 Mb"},
        {5 * GiB, "5120.00 Mb", "5120.00 Mb"},
    };
    for (const SizeCase& c : cases) {
        EXPECT_STREQ(SizeText(c.size, false).Data(), c.longForm) << c.size;
        EXPECT_STREQ(SizeText(c.size, true).Data(), c.shortForm) << c.size;
    }
}

TEST(NumberText, IntToTextHasOnlySignAndDigits)
{
    EXPECT_STREQ(IntToText(0).Data(), "0");
    EXPECT_STREQ(IntToText(42).Data(), "42");
    EXPECT_STREQ(IntToText(-7).Data(), "-7");
    const AStr lowest = IntToText(INT_MIN);
    EXPECT_STREQ(lowest.Data(), "-2147483648");
    EXPECT_EQ(lowest.Length(), 11);
}

}  // namespace
