#include "app/version.h"

// Set for this file alone, so a new version rebuilds one file.
#ifndef QUORVANT_VERSION
#error "QUORVANT_VERSION is set by the build"
#endif

namespace quorvant {

const char* ProgramVersion() {
    return QUORVANT_VERSION;
}

} // namespace quorvant
