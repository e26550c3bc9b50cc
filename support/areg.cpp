#include "support/areg.h"

AReg::AReg() : hKey(nullptr), Access(0), Closed(false)
{
    ErrorHandler.ClassName.Assign("AReg");
}

AReg::~AReg()
{
    if (!Closed)
        Close();
}

bool AReg::OpenKey(HKEY root, const char* path, REGSAM access)
{
    Access = access;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, path, 0, access, &opened) != ERROR_SUCCESS)
        return false;
    hKey = opened;
    Closed = false;
    return true;
}

bool AReg::ReadDword(const char* name, DWORD& value)
{
    BYTE bytes[4] = {0, 0, 0, 0};
    DWORD size = sizeof bytes;
    const bool ok = RegQueryValueExA(hKey, name, nullptr, nullptr, bytes, &size) == ERROR_SUCCESS;
    value = static_cast<DWORD>(bytes[0]) | static_cast<DWORD>(bytes[1]) << 8 | static_cast<DWORD>(bytes[2]) << 16
        | static_cast<DWORD>(bytes[3]) << 24;
    return ok;
}

bool AReg::WriteDword(const char* name, DWORD value)
{
    const BYTE bytes[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), static_cast<BYTE>(value >> 16),
                           static_cast<BYTE>(value >> 24)};
    return RegSetValueExA(hKey, name, 0, REG_DWORD, bytes, sizeof bytes) == ERROR_SUCCESS;
}

bool AReg::Close()
{
    if (Closed)
        return true;
    Closed = true;
    return RegCloseKey(hKey) == ERROR_SUCCESS;
}
