#pragma once

// An advisory lock a running program holds on a file it keeps writing, so that another running copy
// can tell a file in use from one a crash left behind. The operating system lets go of it when the
// program ends, however it ends.

#include <filesystem>
#include <memory>

namespace quorvant {

class HeldFileLock {
  public:
    // The lock on the existing file path; null when it is missing or locked already (by another
    // program, or through another HeldFileLock of this one).
    static std::unique_ptr<HeldFileLock> Take(const std::filesystem::path& path);
    ~HeldFileLock();
    HeldFileLock(const HeldFileLock&) = delete;
    HeldFileLock& operator=(const HeldFileLock&) = delete;

  private:
    explicit HeldFileLock(int handle) : handle_(handle) {}
    int handle_;
};

// Whether a HeldFileLock holds path now, in this program or another. False for a missing file, and
// where the system has no such locks.
bool IsFileLockHeld(const std::filesystem::path& path);

} // namespace quorvant
