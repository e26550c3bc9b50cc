// Lines of the exported list of results.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Every field in double quotes, a quote inside a field doubled, fields
// separated by commas, the line ended by CR LF. Bytes pass unchanged.
std::string CsvLine(std::initializer_list<std::string_view> fields);

// "File Path","File Size","Group Id" and CR LF.
std::string CsvHeaderLine();

// One entry: its path, its size as the list shows it, its group number.
std::string CsvEntryLine(std::string_view path, std::string_view sizeText, int groupId);
