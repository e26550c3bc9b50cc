#include "support/csv.h"

#include <gtest/gtest.h>

namespace {

TEST(Csv, FieldsAreQuotedAndQuotesDoubled)
{
    EXPECT_EQ(CsvHeaderLine(), "\"File Path\",\"File Size\",\"Group Id\"\r\n");
    EXPECT_EQ(CsvEntryLine("/data/a.bin", "1.50 Kb", 12), "\"/data/a.bin\",\"1.50 Kb\",\"12\"\r\n");
    EXPECT_EQ(CsvEntryLine("/data/say \"hi\".txt", "512", 1), "\"/data/say \"\"hi\"\".txt\",\"512\",\"1\"\r\n");
    EXPECT_EQ(CsvEntryLine("/data/caf\xe9,x", "0", 3), "\"/data/caf\xe9,x\",\"0\",\"3\"\r\n") << "bytes pass unchanged";
    EXPECT_EQ(CsvLine({}), "\r\n");
}

}  // namespace
