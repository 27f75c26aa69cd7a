#pragma once

#include <string>

namespace quorvant {

// The open command the outside archiver registered for its files: read from the Windows registry
// (classes root, "WinZip\shell\open\command", first value, at most 2048 bytes). Empty when it is not
// registered and on every other system, where the built-in archiver serves.
std::string LookupArchiverCommand();

} // namespace quorvant
