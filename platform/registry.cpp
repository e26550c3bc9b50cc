#include "platform/registry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <cstdlib>
#include <cstring>
#include <memory>

struct HKEY__ {
    std::unique_ptr<QSettings> settings;
    QString group;
    REGSAM access = 0;
};

namespace {

QString ConfigBase(HKEY root)
{
    if (root == HKEY_LOCAL_MACHINE)
        return QStringLiteral("/etc/xdg");
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    if (configured != nullptr && configured[0] == '/')
        return QString::fromLocal8Bit(configured);
    return QDir::homePath() + QStringLiteral("/.config");
}

// Where a key lives: its settings file and its group inside the file.
struct KeyPlace {
    QString file;
    QString group;
};

bool PlaceOf(HKEY root, LPCSTR subKey, KeyPlace& place)
{
    if ((root != HKEY_CURRENT_USER && root != HKEY_LOCAL_MACHINE) || subKey == nullptr)
        return false;
    const QStringList parts = QString::fromLocal8Bit(subKey).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (parts.size() < 3 || parts[0].compare(QStringLiteral("Software"), Qt::CaseInsensitive) != 0)
        return false;
    place.file = ConfigBase(root) + QLatin1Char('/') + parts[1] + QLatin1Char('/') + parts[2] + QStringLiteral(".conf");
    place.group = parts.mid(3).join(QLatin1Char('/'));
    return true;
}

bool KeyExists(const KeyPlace& place)
{
    if (!QFileInfo(place.file).isFile())
        return false;
    if (place.group.isEmpty())
        return true;
    QSettings settings(place.file, QSettings::IniFormat);
    settings.beginGroup(place.group);
    return !settings.allKeys().isEmpty();
}

bool AllowsWriting(REGSAM access)
{
    return access & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY);
}

HKEY MakeKey(const KeyPlace& place, REGSAM access)
{
    auto* key = new HKEY__;
    key->settings = std::make_unique<QSettings>(place.file, QSettings::IniFormat);
    key->group = place.group;
    key->access = access;
    return key;
}

QString ValueKey(const HKEY__& key, LPCSTR name)
{
    const QString valueName = (name == nullptr || *name == '\0') ? QStringLiteral("@") : QString::fromLocal8Bit(name);
    return key.group.isEmpty() ? valueName : key.group + QLatin1Char('/') + valueName;
}

// Values are kept as text in the style of registry export files:
// "dword:0000002a", "hex(3):01,02", or the plain text of a string value.
QString EncodeValue(DWORD type, const BYTE* data, DWORD size)
{
    if (type == REG_DWORD && size == 4) {
        DWORD value;
        std::memcpy(&value, data, 4);
        return QStringLiteral("dword:%1").arg(value, 8, 16, QLatin1Char('0'));
    }
    if (type == REG_SZ) {
        const auto* text = reinterpret_cast<const char*>(data);
        return QString::fromLocal8Bit(text, static_cast<qsizetype>(::strnlen(text, size)));
    }
    QStringList bytes;
    for (DWORD i = 0; i < size; ++i)
        bytes << QStringLiteral("%1").arg(static_cast<uint>(data[i]), 2, 16, QLatin1Char('0'));
    return QStringLiteral("hex(%1):").arg(type) + bytes.join(QLatin1Char(','));
}

QByteArray DecodeValue(const QString& text, DWORD& type)
{
    if (text.startsWith(QStringLiteral("dword:"))) {
        bool ok = false;
        const DWORD value = text.mid(6).toUInt(&ok, 16);
        if (ok) {
            type = REG_DWORD;
            return QByteArray(reinterpret_cast<const char*>(&value), 4);
        }
    }
    if (text.startsWith(QStringLiteral("hex("))) {
        const qsizetype close = text.indexOf(QStringLiteral("):"));
        bool ok = false;
        const DWORD declared = text.mid(4, close - 4).toUInt(&ok);
        if (close > 4 && ok) {
            QByteArray bytes;
            for (const QString& byte : text.mid(close + 2).split(QLatin1Char(','), Qt::SkipEmptyParts))
                bytes.append(static_cast<char>(byte.toUInt(nullptr, 16)));
            type = declared;
            return bytes;
        }
    }
    type = REG_SZ;
    QByteArray bytes = text.toLocal8Bit();
    bytes.append('\0');
    return bytes;
}

}  // namespace

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult)
{
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    KeyPlace place;
    if (!PlaceOf(hKey, lpSubKey, place) || !KeyExists(place))
        return ERROR_FILE_NOT_FOUND;
    const QFileInfo file(place.file);
    if (!file.isReadable() || (AllowsWriting(samDesired) && !file.isWritable()))
        return ERROR_ACCESS_DENIED;
    *phkResult = MakeKey(place, samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired, void*,
                        PHKEY phkResult, LPDWORD lpdwDisposition)
{
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    KeyPlace place;
    if (!PlaceOf(hKey, lpSubKey, place))
        return ERROR_ACCESS_DENIED;
    const bool existed = QFileInfo(place.file).isFile();
    if (!existed) {
        QFile file(place.file);
        if (!QDir().mkpath(QFileInfo(place.file).absolutePath()) || !file.open(QIODevice::WriteOnly))
            return ERROR_ACCESS_DENIED;
    }
    if (lpdwDisposition != nullptr)
        *lpdwDisposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *phkResult = MakeKey(place, samDesired);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, BYTE* lpData, LPDWORD lpcbData)
{
    if (hKey == nullptr)
        return ERROR_INVALID_HANDLE;
    if (!(hKey->access & KEY_QUERY_VALUE))
        return ERROR_ACCESS_DENIED;
    const QString key = ValueKey(*hKey, lpValueName);
    if (!hKey->settings->contains(key))
        return ERROR_FILE_NOT_FOUND;
    DWORD type = REG_NONE;
    const QByteArray bytes = DecodeValue(hKey->settings->value(key).toString(), type);
    if (lpType != nullptr)
        *lpType = type;
    const auto size = static_cast<DWORD>(bytes.size());
    if (lpcbData == nullptr)
        return lpData == nullptr ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
    const DWORD room = *lpcbData;
    *lpcbData = size;
    if (lpData == nullptr)
        return ERROR_SUCCESS;
    if (room < size)
        return ERROR_MORE_DATA;
    std::memcpy(lpData, bytes.constData(), size);
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData)
{
    if (hKey == nullptr)
        return ERROR_INVALID_HANDLE;
    if (!(hKey->access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    if (lpData == nullptr && cbData != 0)
        return ERROR_INVALID_PARAMETER;
    hKey->settings->setValue(ValueKey(*hKey, lpValueName), EncodeValue(dwType, lpData, cbData));
    hKey->settings->sync();
    return hKey->settings->status() == QSettings::NoError ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LSTATUS RegCloseKey(HKEY hKey)
{
    if (hKey == nullptr || hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE || hKey == HKEY_CLASSES_ROOT
        || hKey == HKEY_USERS)
        return ERROR_INVALID_HANDLE;
    delete hKey;
    return ERROR_SUCCESS;
}
