#include "platform/attributes.h"

#include "platform/tempfiles.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <linux/magic.h>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::array virtualTypeNames = {
    "proc",   "sysfs",    "devtmpfs", "devpts", "cgroup",  "cgroup2",   "debugfs",   "tracefs",    "securityfs",
    "pstore", "bpf",      "configfs", "fusectl", "mqueue", "hugetlbfs", "autofs",    "binfmt_misc",
};

// The same file systems by their magic numbers, for when the mount table
// cannot be read. devtmpfs cannot be told from tmpfs this way.
constexpr std::array<unsigned long, 16> virtualMagics = {
    PROC_SUPER_MAGIC,  SYSFS_MAGIC,     DEVPTS_SUPER_MAGIC, CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC,
    DEBUGFS_MAGIC,     TRACEFS_MAGIC,   SECURITYFS_MAGIC,   PSTOREFS_MAGIC,     BPF_FS_MAGIC,
    0x62656570ul /* configfs */,        0x65735543ul /* fusectl */,             0x19800202ul /* mqueue */,
    HUGETLBFS_MAGIC,   AUTOFS_SUPER_MAGIC, BINFMTFS_MAGIC,
};

bool IsVirtualTypeName(const std::string& type)
{
    for (const char* name : virtualTypeNames) {
        if (type == name)
            return true;
    }
    return false;
}

// The file system type that the mount table gives for the device, or "" when
// the device is not in it (or the table cannot be read).
std::string MountedTypeOf(dev_t device)
{
    std::ifstream table("/proc/self/mountinfo");
    char wanted[32];
    std::snprintf(wanted, sizeof wanted, "%u:%u", ::major(device), ::minor(device));
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string mountId, parentId, numbers;
        fields >> mountId >> parentId >> numbers;
        if (numbers != wanted)
            continue;
        const std::string::size_type separator = line.find(" - ");
        if (separator == std::string::npos)
            continue;
        std::istringstream rest(line.substr(separator + 3));
        std::string type;
        rest >> type;
        return type;
    }
    return {};
}

bool HasVirtualMagic(const char* path)
{
    struct statfs info;
    if (::statfs(path, &info) != 0)
        return false;
    for (unsigned long magic : virtualMagics) {
        if (static_cast<unsigned long>(info.f_type) == magic)
            return true;
    }
    return false;
}

bool IsVirtualDevice(dev_t device, const char* path)
{
    const std::string type = MountedTypeOf(device);
    return type.empty() ? HasVirtualMagic(path) : IsVirtualTypeName(type);
}

bool EndsWith(std::string_view text, std::string_view ending, bool ignoreCase)
{
    if (text.size() < ending.size())
        return false;
    const std::string_view tail = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char a = tail[i], b = ending[i];
        if (ignoreCase && a >= 'A' && a <= 'Z')
            a = static_cast<char>(a - 'A' + 'a');
        if (a != b)
            return false;
    }
    return true;
}

bool IsTemporary(std::string_view path, std::string_view name)
{
    const std::string tempFolder = TempFolder();
    return path.substr(0, tempFolder.size()) == tempFolder || path.substr(0, 9) == "/var/tmp/"
        || EndsWith(name, "~", false) || EndsWith(name, ".tmp", true) || EndsWith(name, ".swp", true);
}

// Whether the permission bits that apply to this process deny writing.
bool LacksWritePermission(const struct statx& stx)
{
    const uid_t user = ::geteuid();
    if (user == 0)
        return (stx.stx_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (stx.stx_uid == user)
        return (stx.stx_mode & S_IWUSR) == 0;
    if (stx.stx_gid == ::getegid())
        return (stx.stx_mode & S_IWGRP) == 0;
    return (stx.stx_mode & S_IWOTH) == 0;
}

// A file mounted over another name, like a link, is the same file as the
// one at its source.
bool IsMountedOver(const struct statx& stx)
{
    return (stx.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (stx.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}

}  // namespace

bool IsVirtualFileSystem(dev_t device, const char* path)
{
    static std::mutex guard;
    static std::map<dev_t, bool> known;
    {
        const std::lock_guard<std::mutex> lock(guard);
        const auto found = known.find(device);
        if (found != known.end())
            return found->second;
    }
    const bool isVirtual = IsVirtualDevice(device, path);
    const std::lock_guard<std::mutex> lock(guard);
    known.emplace(device, isVirtual);
    return isVirtual;
}

DWORD AttributesOf(std::string_view path, std::string_view name, const struct statx& stx)
{
    DWORD attributes = 0;
    const mode_t mode = stx.stx_mode;
    if (S_ISDIR(mode)) {
        attributes = FILE_ATTRIBUTE_DIRECTORY;
        const std::string folder(path);
        if (IsVirtualFileSystem(::makedev(stx.stx_dev_major, stx.stx_dev_minor), folder.c_str()))
            attributes |= FILE_ATTRIBUTE_SYSTEM;
    } else if (S_ISREG(mode) && !IsMountedOver(stx)) {
        attributes = FILE_ATTRIBUTE_NORMAL;
    } else {
        attributes = FILE_ATTRIBUTE_SYSTEM;
    }
    if (!name.empty() && name.front() == '.' && name != "." && name != "..")
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    if (LacksWritePermission(stx))
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (IsTemporary(path, name))
        attributes |= FILE_ATTRIBUTE_TEMPORARY;
    return attributes;
}

}  // namespace platform
