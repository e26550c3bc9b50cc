#include "tests/common/file_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <grp.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

FileTree::FileTree()
{
    if (!root.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

std::string FileTree::Path(std::string_view relative) const
{
    std::string path = QFile::encodeName(root.path()).toStdString();
    if (!relative.empty()) {
        path += '/';
        path += relative;
    }
    return path;
}

std::string FileTree::Write(std::string_view relative, std::string_view content) const
{
    const std::string path = Path(relative);
    const QString name = QFile::decodeName(path.c_str());
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(content.data(), static_cast<qint64>(content.size())) != static_cast<qint64>(content.size()))
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string FileTree::MakeFolder(std::string_view relative) const
{
    const std::string path = Path(relative);
    if (!QDir().mkpath(QFile::decodeName(path.c_str())))
        throw std::runtime_error("cannot create " + path);
    return path;
}

std::string FileTree::MakeSocket(std::string_view relative) const
{
    const std::string path = Path(relative);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        throw std::runtime_error("socket path too long: " + path);
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!bound)
        throw std::runtime_error("cannot create the socket " + path);
    return path;
}

int RunUnprivileged(int (*body)(const std::string&), const std::string& argument)
{
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
            ::_exit(255);
        ::_exit(body(argument));
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
