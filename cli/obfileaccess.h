#pragma once

#include "cli/cliargs.h"

#include <filesystem>
#include <ostream>
#include <string_view>
#include <vector>

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::cli {

// A path given on the command line, found the way game files and folders are: each element by its
// exact name first, else by the one entry of its folder that matches ignoring ASCII case.
std::filesystem::path ResolveInputPath(const std::filesystem::path& path);

// False, after saying "no such folder" on err, when folder is not one.
bool IsFolder(const std::filesystem::path& folder, std::ostream& err);

// False, after saying on err that folder holds no OB files of what label names ("BW1"), when none of
// files is there.
bool HoldsOBFiles(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& files,
                  std::string_view label, std::ostream& err);

// IsFolder, and HoldsOBFiles of the generation's menu files.
bool IsGameFolder(const std::filesystem::path& folder, int generation, std::ostream& err);

// Reads an OB file into doc. Only regular files are read (a device or a pipe could be endless); on
// failure says why on err and returns false.
bool LoadOBFile(const std::filesystem::path& path, CQuorvantDoc& doc, std::ostream& err);

// Reads the files the first two positionals name into a and b; false after saying why on err when
// one cannot be read or they are of two generations (tail ends that message).
bool LoadFilePair(const CommandLine& line, CQuorvantDoc& a, CQuorvantDoc& b, std::string_view tail,
                  std::ostream& err);

// A file that did not hold a whole OB file is rewritten as a complete one only when the command line
// says --yes (yes); otherwise says so on err and returns false.
bool MayRewrite(const CQuorvantDoc& doc, const std::filesystem::path& path, bool yes, std::ostream& err);

// Saves doc through the writer, atomically; on failure says why on err and returns false.
bool SaveOBFile(CQuorvantDoc& doc, const std::filesystem::path& path, std::ostream& err);

} // namespace quorvant::cli
