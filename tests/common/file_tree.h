// A real folder tree for a test, removed with everything in it afterwards.
#pragma once

#include <QTemporaryDir>

#include <string>
#include <string_view>

class FileTree {
public:
    FileTree();

    // The full path of a relative one inside the tree.
    std::string Path(std::string_view relative = {}) const;
    // Writes a file (creating its folders) and returns its full path.
    std::string Write(std::string_view relative, std::string_view content) const;
    std::string MakeFolder(std::string_view relative) const;
    // A listening-socket file, as a running program leaves one.
    std::string MakeSocket(std::string_view relative) const;

private:
    QTemporaryDir root;
};

// Runs body in a child process, as an unprivileged user when this process is
// root (permission bits do not stop root), and returns the child's exit code.
int RunUnprivileged(int (*body)(const std::string&), const std::string& argument);
