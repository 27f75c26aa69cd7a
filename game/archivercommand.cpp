#include "game/archivercommand.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvant {

std::string LookupArchiverCommand() {
#ifdef _WIN32
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "WinZip\\shell\\open\\command", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    char name[256];
    DWORD nameLength = sizeof name;
    BYTE data[2048];
    DWORD dataLength = sizeof data;
    DWORD type = 0;
    std::string command;
    if (RegEnumValueA(key, 0, name, &nameLength, nullptr, &type, data, &dataLength) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::string text(reinterpret_cast<const char*>(data), dataLength);
        command = text.substr(0, text.find('\0'));
    }
    RegCloseKey(key);
    return command;
#else
    return {};
#endif
}

} // namespace quorvant
