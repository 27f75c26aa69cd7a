#include "platform/filelock.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace quorvant {

#ifndef _WIN32

namespace {

int OpenForLock(const std::filesystem::path& path) {
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
}

// flock locks belong to one opening of the file, so two openings conflict within one program too.
bool Lock(int handle, int kind) {
    int result;
    do {
        result = ::flock(handle, kind | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

} // namespace

std::unique_ptr<HeldFileLock> HeldFileLock::Take(const std::filesystem::path& path) {
    const int handle = OpenForLock(path);
    if (handle < 0) return nullptr;
    if (!Lock(handle, LOCK_EX)) {
        ::close(handle);
        return nullptr;
    }
    return std::unique_ptr<HeldFileLock>(new HeldFileLock(handle));
}

HeldFileLock::~HeldFileLock() {
    ::close(handle_);
}

bool IsFileLockHeld(const std::filesystem::path& path) {
    const int handle = OpenForLock(path);
    if (handle < 0) return false;
    const bool free = Lock(handle, LOCK_SH);
    ::close(handle);
    return !free;
}

#else

// Without the lock, a second running copy offers the journals of the first as left by a crash.
std::unique_ptr<HeldFileLock> HeldFileLock::Take(const std::filesystem::path&) {
    return nullptr;
}

HeldFileLock::~HeldFileLock() = default;

bool IsFileLockHeld(const std::filesystem::path&) {
    return false;
}

#endif

} // namespace quorvant
