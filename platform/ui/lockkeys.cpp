#include "platform/ui/lockkeys.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#endif

namespace quorvant::ui {

#ifdef _WIN32

std::optional<bool> LockKeyState(LockKey key) {
    int code = key == LockKey::Caps ? VK_CAPITAL : key == LockKey::Num ? VK_NUMLOCK : VK_SCROLL;
    return (GetKeyState(code) & 1) != 0;
}

#else

// Linux shows the keyboard lights as LED devices ("input3::capslock"); they follow the lock state
// whatever the display server, and every user may read them.
std::optional<bool> LockKeyState(LockKey key) {
    const std::string suffix = key == LockKey::Caps  ? "::capslock"
                               : key == LockKey::Num ? "::numlock"
                                                     : "::scrolllock";
    std::error_code ec;
    std::optional<bool> state;
    for (std::filesystem::directory_iterator it("/sys/class/leds", ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.size() < suffix.size() ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        std::ifstream brightness(it->path() / "brightness");
        int value = 0;
        if (!(brightness >> value)) continue;
        state = state.value_or(false) || value != 0;
    }
    return state;
}

#endif

} // namespace quorvant::ui
