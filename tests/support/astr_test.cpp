#include "support/astr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

TEST(AStr, KeepsNoSpareRoom)
{
    AStr text;
    EXPECT_STREQ(text.Data(), "");
    EXPECT_EQ(text.Capacity(), 1);
    text.Append("abc");
    EXPECT_EQ(text.Capacity(), 4);
    text.Append("");
    EXPECT_STREQ(text.Data(), "abc");
    EXPECT_EQ(text.Capacity(), 4);
    text.Assign("longer text");
    EXPECT_EQ(text.Capacity(), 12);
    text.RemoveChar('e');
    EXPECT_STREQ(text.Data(), "longr txt");
    EXPECT_EQ(text.Capacity(), 10);
}

TEST(AStr, FindStaysInsideTheText)
{
    const AStr text("abcabc");
    EXPECT_EQ(text.Find("bc", 0), 1);
    EXPECT_EQ(text.Find("bc", 2), 4);
    EXPECT_EQ(text.Find("bc", 5), -1);
    EXPECT_EQ(text.Find("a", 6), -1);
    EXPECT_EQ(text.Find("a", 100), -1);
    EXPECT_EQ(text.Find("abcabcd", 0), -1);
    EXPECT_EQ(text.Find("cab", 0), 2);
    EXPECT_EQ(AStr("").Find("a", 0), -1);
}

TEST(AStr, ReplaceRangeCutsACountPastTheEnd)
{
    AStr text("hello world");
    text.ReplaceRange(5, 100, "!");
    EXPECT_STREQ(text.Data(), "hello!");
    text.ReplaceRange(0, 1, "J");
    EXPECT_STREQ(text.Data(), "Jello!");
    text.ReplaceRange(1, 4, "");
    EXPECT_STREQ(text.Data(), "J!");
    text.Insert(1, "ay");
    EXPECT_STREQ(text.Data(), "Jay!");
    text.Insert(50, "?");
    EXPECT_STREQ(text.Data(), "Jay!?");
}

TEST(AStr, ReplaceAllNeverReplacesWhatItInserted)
{
    AStr message("File %f wasn't deleted because of system failure.");
    EXPECT_EQ(message.ReplaceAll("%f", "/data/100%f.txt"), 1);
    EXPECT_STREQ(message.Data(), "File /data/100%f.txt wasn't deleted because of system failure.");

    AStr twice("%f and %f");
    EXPECT_EQ(twice.ReplaceAll("%f", "x"), 2);
    EXPECT_STREQ(twice.Data(), "x and x");

    AStr none("nothing here");
    EXPECT_EQ(none.ReplaceAll("%f", "x"), 0);
    EXPECT_STREQ(none.Data(), "nothing here");
}

TEST(AStr, EqualsIsCaseSensitiveAndConcatLeavesTheOriginal)
{
    const AStr extension(".csv");
    EXPECT_TRUE(extension.Equals(".csv"));
    EXPECT_FALSE(extension.Equals(".CSV"));
    const AStr joined = extension.Concat(".bak");
    EXPECT_STREQ(joined.Data(), ".csv.bak");
    EXPECT_STREQ(extension.Data(), ".csv");
    EXPECT_STREQ(AStr(-12).Data(), "-12");
}

TEST(AStr, TextFromItsOwnBufferIsCopiedFirst)
{
    AStr text("abc");
    text.Append(text.Data());
    EXPECT_STREQ(text.Data(), "abcabc");
    text.Assign(text.Data() + 3);
    EXPECT_STREQ(text.Data(), "abc");
    text.Insert(1, text.Data());
    EXPECT_STREQ(text.Data(), "aabcbc");
}

// A failed reallocation shows its box and leaves the text as it was. The
// child limits its address space so that growing by a large text must fail.
TEST(AStrDeathTest, FailedGrowthShowsTheBoxAndKeepsTheText)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            constexpr std::size_t big = 512u << 20;
            auto* huge = static_cast<char*>(::mmap(nullptr, big + 1, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
            std::memset(huge, 'x', big);
            huge[big] = '\0';
            AStr text("kept");
            rlimit limit{};
            ::getrlimit(RLIMIT_AS, &limit);
            long pages = 0;
            FILE* statm = std::fopen("/proc/self/statm", "r");
            if (statm == nullptr || std::fscanf(statm, "%ld", &pages) != 1)
                ::_exit(3);
            limit.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (64u << 20);
            ::setrlimit(RLIMIT_AS, &limit);
            text.Append(huge);
            ::_exit(text.Capacity() == 0 && std::strcmp(text.Data(), "kept") == 0 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "Error: The memory for the class AStr was not reallocated\\.");
}

}  // namespace
