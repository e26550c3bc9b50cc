#include "tests/common/scoped.h"

#include <climits>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

ScopedEnv::ScopedEnv(std::string variable, std::optional<std::string> value) : name(std::move(variable))
{
    if (const char* current = std::getenv(name.c_str()))
        saved = current;
    if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
    else
        ::unsetenv(name.c_str());
}

ScopedEnv::~ScopedEnv()
{
    if (saved)
        ::setenv(name.c_str(), saved->c_str(), 1);
    else
        ::unsetenv(name.c_str());
}

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::string& folder)
{
    char current[PATH_MAX];
    if (::getcwd(current, sizeof current) == nullptr || ::chdir(folder.c_str()) != 0)
        throw std::runtime_error("cannot change to " + folder);
    saved = current;
}

ScopedCurrentDirectory::~ScopedCurrentDirectory()
{
    if (::chdir(saved.c_str()) != 0)
        std::abort();
}
