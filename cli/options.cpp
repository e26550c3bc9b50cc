#include "cli/options.h"

#include <charconv>

namespace {

bool ParseSize(const std::string& text, std::uint64_t& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
}

// "--name=value" or "--name value": the value, or false when it is missing.
bool TakeValue(const std::vector<std::string>& arguments, std::size_t& i, const std::string& name, std::string& value)
{
    const std::string& argument = arguments[i];
    if (argument.size() > name.size() && argument.compare(0, name.size() + 1, name + "=") == 0) {
        value = argument.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= arguments.size())
        return false;
    value = arguments[++i];
    return true;
}

bool Names(const std::string& argument, const std::string& name)
{
    return argument == name || argument.compare(0, name.size() + 1, name + "=") == 0;
}

}  // namespace

const char* UsageText()
{
    return "Usage: samefold-scan [OPTION]... FOLDER...\n"
           "Finds identical files in the FOLDERs and writes them as CSV: the groups of\n"
           "identical files, largest first (or, with --empty, the empty files).\n"
           "\n"
           "  --min-size N      take only files of at least N bytes (default 0)\n"
           "  --max-size N      take only files of at most N bytes (default 0: no limit)\n"
           "  --exclude-system  do not enter the system's folders directly under /\n"
           "  --exclude-temp    skip temporary files\n"
           "  --no-empty        compare empty files like any other instead of listing them apart\n"
           "  --empty           write the list of empty files instead of the groups\n"
           "  -o FILE           write to FILE instead of standard output\n"
           "  --help            show this text\n"
           "\n"
           "Exit status: 0 done, 1 a folder could not be read or the output not written,\n"
           "2 wrong usage.\n";
}

Parsed ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line, std::string& problem)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            line.Folders.push_back(argument);
            continue;
        }
        std::string value;
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            return Parsed::Help;
        } else if (argument == "--exclude-system") {
            line.Settings.ExcludeSystem = true;
        } else if (argument == "--exclude-temp") {
            line.Settings.ExcludeTemp = true;
        } else if (argument == "--no-empty") {
            line.Settings.ProcessEmpty = false;
        } else if (argument == "--empty") {
            line.EmptyList = true;
        } else if (Names(argument, "--min-size") || Names(argument, "--max-size")) {
            const bool minimum = Names(argument, "--min-size");
            std::uint64_t& bound = minimum ? line.Settings.MinSize : line.Settings.MaxSize;
            if (!TakeValue(arguments, i, minimum ? "--min-size" : "--max-size", value) || !ParseSize(value, bound)) {
                problem = std::string(minimum ? "--min-size" : "--max-size") + " needs a number of bytes";
                return Parsed::Wrong;
            }
        } else if (argument == "-o" || Names(argument, "--output")) {
            if (!TakeValue(arguments, i, argument == "-o" ? "-o" : "--output", value) || value.empty()) {
                problem = "-o needs a file name";
                return Parsed::Wrong;
            }
            line.Output = value;
        } else {
            problem = "unknown option " + argument;
            return Parsed::Wrong;
        }
    }
    if (line.Folders.empty()) {
        problem = "no folder given";
        return Parsed::Wrong;
    }
    return Parsed::Run;
}
