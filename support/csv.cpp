#include "support/csv.h"

#include "support/numbertext.h"

std::string CsvLine(std::initializer_list<std::string_view> fields)
{
    std::string line;
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            line += ',';
        first = false;
        line += '"';
        for (char c : field) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    line += "\r\n";
    return line;
}

std::string CsvHeaderLine()
{
    return CsvLine({"File Path", "File Size", "Group Id"});
}

std::string CsvEntryLine(std::string_view path, std::string_view sizeText, int groupId)
{
    return CsvLine({path, sizeText, IntToText(groupId).Data()});
}
