// Process state that a test changes for its own length only.
#pragma once

#include <optional>
#include <string>

// Sets (or, with nullopt, unsets) an environment variable; restores it after.
class ScopedEnv {
public:
    ScopedEnv(std::string name, std::optional<std::string> value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name;
    std::optional<std::string> saved;
};

// Makes folder the current directory; goes back after.
class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::string& folder);
    ~ScopedCurrentDirectory();
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    std::string saved;
};
