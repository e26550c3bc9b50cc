// The command line of samefold-scan.
#pragma once

#include "scan/scansettings.h"

#include <string>
#include <vector>

struct CommandLine {
    ScanSettings Settings;
    bool EmptyList = false;  // write the empty-files list instead of the groups
    std::string Output;  // empty: standard output
    std::vector<std::string> Folders;
};

enum class Parsed { Run, Help, Wrong };

// Reads the arguments after the program's name; for Wrong, problem says why.
Parsed ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line, std::string& problem);

const char* UsageText();
