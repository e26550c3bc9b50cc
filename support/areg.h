// AReg: one open registry key. Failures are silent: no box, no log record;
// the caller sees only the result.
#pragma once

#include "platform/registry.h"
#include "support/errorhandler.h"

// The program's own key under HKEY_CURRENT_USER.
constexpr const char* SettingsKeyPath = "Software\\Korvath\\Samefold";

class AReg : public ABaseClass {
public:
    static inline HKEY const HKEY_CLASSES_ROOT = ::HKEY_CLASSES_ROOT;
    static inline HKEY const HKEY_CURRENT_USER = ::HKEY_CURRENT_USER;
    static inline HKEY const HKEY_LOCAL_MACHINE = ::HKEY_LOCAL_MACHINE;
    static inline HKEY const HKEY_USERS = ::HKEY_USERS;

    static constexpr DWORD REG_NONE = ::REG_NONE;
    static constexpr DWORD REG_SZ = ::REG_SZ;
    static constexpr DWORD REG_EXPAND_SZ = ::REG_EXPAND_SZ;
    static constexpr DWORD REG_BINARY = ::REG_BINARY;
    static constexpr DWORD REG_DWORD = ::REG_DWORD;
    static constexpr DWORD REG_DWORD_LITTLE_ENDIAN = ::REG_DWORD_LITTLE_ENDIAN;
    static constexpr DWORD REG_DWORD_BIG_ENDIAN = ::REG_DWORD_BIG_ENDIAN;
    static constexpr DWORD REG_LINK = ::REG_LINK;
    static constexpr DWORD REG_MULTI_SZ = ::REG_MULTI_SZ;
    static constexpr DWORD REG_RESOURCE_LIST = ::REG_RESOURCE_LIST;

    static constexpr REGSAM KEY_ALL_ACCESS = ::KEY_ALL_ACCESS;
    static constexpr REGSAM KEY_CREATE_LINK = ::KEY_CREATE_LINK;
    static constexpr REGSAM KEY_CREATE_SUB_KEY = ::KEY_CREATE_SUB_KEY;
    static constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = ::KEY_ENUMERATE_SUB_KEYS;
    static constexpr REGSAM KEY_EXECUTE = ::KEY_EXECUTE;
    static constexpr REGSAM KEY_NOTIFY = ::KEY_NOTIFY;
    static constexpr REGSAM KEY_QUERY_VALUE = ::KEY_QUERY_VALUE;
    static constexpr REGSAM KEY_READ = ::KEY_READ;
    static constexpr REGSAM KEY_SET_VALUE = ::KEY_SET_VALUE;
    static constexpr REGSAM KEY_WRITE = ::KEY_WRITE;

    AReg();
    ~AReg() override;
    AReg(const AReg&) = delete;
    AReg& operator=(const AReg&) = delete;

    // Opens an existing key (never creates one).
    bool OpenKey(HKEY root, const char* path, REGSAM access);
    // value is 0 unless the read succeeds; the stored type is not examined.
    bool ReadDword(const char* name, DWORD& value);
    bool WriteDword(const char* name, DWORD value);
    // True at once when already closed.
    bool Close();

    HKEY hKey;
    REGSAM Access;
    bool Closed;
};
