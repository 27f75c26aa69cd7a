#pragma once

#include "gamemgr/archiveentrycheck.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant {

// A file to pack and the name its entry gets.
struct PackFile {
    std::filesystem::path file;
    std::string entryName;
};

// What the game manager asks of an archiver. Pack creates archive (a path that does not exist yet)
// holding the description and the data file under their entry names; Unpack extracts every file
// of archive into folder, stored folder names dropped, existing files replaced. Both return false
// with the reason in error. The callers never know which archiver runs.
class Archiver {
  public:
    virtual ~Archiver() = default;
    virtual bool Pack(const std::filesystem::path& archive, const PackFile& description, const PackFile& data,
                      std::string& error) = 0;
    virtual bool Unpack(const std::filesystem::path& archive, const std::filesystem::path& folder,
                        std::string& error) = 0;
};

// The program's own archiver. Unpack refuses, before writing anything, an archive that does not
// pass CheckArchiveEntries, and writes each file through a temporary file and a rename.
class BuiltinArchiver : public Archiver {
  public:
    bool Pack(const std::filesystem::path& archive, const PackFile& description, const PackFile& data,
              std::string& error) override;
    bool Unpack(const std::filesystem::path& archive, const std::filesystem::path& folder,
                std::string& error) override;
};

// An outside archiver, started as a child process with the argument lists below and waited for.
// A non-zero exit is a failure.
class ExternalArchiver : public Archiver {
  public:
    explicit ExternalArchiver(std::filesystem::path program) : program_(std::move(program)) {}
    const std::filesystem::path& program() const { return program_; }

    bool Pack(const std::filesystem::path& archive, const PackFile& description, const PackFile& data,
              std::string& error) override;
    bool Unpack(const std::filesystem::path& archive, const std::filesystem::path& folder,
                std::string& error) override;

  private:
    bool Run(const std::vector<std::string>& arguments, std::string& error) const;
    std::filesystem::path program_;
};

// The registered open command cut before its first "." and followed by ".exe", a leading quote
// dropped first; a command without "." gives ".exe" alone.
std::filesystem::path ArchiverProgramPath(std::string_view command);
std::vector<std::string> PackArguments(const std::filesystem::path& archive,
                                       const std::filesystem::path& description,
                                       const std::filesystem::path& data);
std::vector<std::string> UnpackArguments(const std::filesystem::path& archive,
                                         const std::filesystem::path& folder);
// The built-in archiver for an empty command, else the outside one it names.
std::unique_ptr<Archiver> MakeArchiver(const std::string& command);

// An archive's directory, read with the built-in archiver's reader: false with the reason for a
// file that is not a readable zip archive (not a zip, truncated, inconsistent).
bool ReadArchiveEntries(const std::filesystem::path& archive, std::vector<ArchiveEntryInfo>& entries,
                        std::string& error);
// The whole unpack of an archive held in memory, without writing: the directory read and checked
// as an unpack checks it, then every file's data read and verified as it would be written.
bool VerifyArchiveBytes(const std::uint8_t* bytes, std::size_t size, std::string& error);

} // namespace quorvant
