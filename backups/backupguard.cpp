#include "backups/backupguard.h"

#include <utility>

namespace quorvant {
namespace {

std::filesystem::path Normal(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? path : absolute).lexically_normal();
}

} // namespace

BackupGuard::BackupGuard(BackupStore& store, std::function<int()> keep)
    : store_(store), keep_(std::move(keep)) {}

bool BackupGuard::BeforeOverwrite(const std::filesystem::path& path, int generation, std::string& error) {
    const std::filesystem::path file = Normal(path);
    refused_.clear();
    if (allowed_.erase(file) > 0) return true;
    const int keep = keep_ ? keep_() : 0;
    if (keep <= 0 || store_.KeepBackup(generation, file, keep, error)) return true;
    refused_ = file;
    return false;
}

bool BackupGuard::Refused(const std::filesystem::path& path) const {
    return !refused_.empty() && refused_ == Normal(path);
}

void BackupGuard::AllowOnceWithout(const std::filesystem::path& path) {
    allowed_.insert(Normal(path));
}

} // namespace quorvant
