#pragma once

namespace quorvant {

// The program's version, as the build's project version gives it ("0.1").
const char* ProgramVersion();

} // namespace quorvant
