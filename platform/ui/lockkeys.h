#pragma once

#include <optional>

namespace quorvant::ui {

enum class LockKey { Caps, Num, Scroll };

// Whether a lock key is on; nothing where the system does not tell (no keyboard lights to read).
std::optional<bool> LockKeyState(LockKey key);

} // namespace quorvant::ui
