// Persistent settings in registry form: keys holding named values.
//
// A key "Software\Org\App" of HKEY_CURRENT_USER is the settings file
// $XDG_CONFIG_HOME/Org/App.conf (~/.config when the variable is unset); one of
// HKEY_LOCAL_MACHINE lies under /etc/xdg. Deeper keys are groups in that file.
// A key exists when its file does. The functions return an error number
// (ERROR_SUCCESS on success) and leave the last error alone.
#pragma once

#include "platform/wintypes.h"

using HKEY = struct HKEY__*;
using PHKEY = HKEY*;
using LSTATUS = LONG;

inline HKEY const HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000u));
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u));
inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u));
inline HKEY const HKEY_USERS = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000003u));

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_DWORD_LITTLE_ENDIAN = 4;
constexpr DWORD REG_DWORD_BIG_ENDIAN = 5;
constexpr DWORD REG_LINK = 6;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_RESOURCE_LIST = 8;

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_EXECUTE = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;
constexpr LSTATUS ERROR_MORE_DATA = 234;

// Opens an existing key; ERROR_FILE_NOT_FOUND when it does not exist,
// ERROR_ACCESS_DENIED when the rights asked for cannot be had.
LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);

// Opens a key, creating it first when it does not exist.
LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions,
                        REGSAM samDesired, void* lpSecurityAttributes, PHKEY phkResult, LPDWORD lpdwDisposition);

// Reads a value: its type to *lpType, its bytes to lpData (at most *lpcbData;
// ERROR_MORE_DATA when they do not fit), their count to *lpcbData.
LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, BYTE* lpData,
                         LPDWORD lpcbData);

LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                       DWORD cbData);

LSTATUS RegCloseKey(HKEY hKey);
