#pragma once

#include "game/appsettings.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvant {

// "brass.exe", "brass2.exe", "brass3.exe": the file whose presence proves an install folder.
const char* GameExecutableName(int generation);

// The folder the Set Paths dialog proposes when nothing better is known: the game's default folder
// on Windows, the same folder inside the default Wine prefix elsewhere.
std::string ProposedInstallFolder(int generation);

// Whether folder holds the generation's executable (any case) and it can be read.
bool HasGameExecutable(const std::filesystem::path& folder, int generation);

// What a Set Paths field shows at first: the known install folder, else the current folder when the
// executable sits there, else the proposal.
std::string InitialInstallField(int generation, const AppSettings& settings,
                                const std::filesystem::path& currentFolder);

std::string StripTrailingWhitespace(std::string text);

// The warning for a Set Paths field that names a folder without the generation's executable: "No
// brass.exe in /some/folder; BW1 stays unset." Nothing for a blank field or a proper folder.
std::optional<std::string> SetPathsFieldProblem(const std::string& field, int generation);

// The generations whose field names a folder without their game, in order, and one warning line for
// each: asked about once, so a first run with three proposed folders is not three questions.
struct SetPathsProblems {
    std::vector<int> generations;
    std::string text;
};
SetPathsProblems FindSetPathsProblems(const std::array<std::string, 3>& fields);

// Set Paths confirmed: every field that names a folder holding its executable becomes the install
// folder and is written with "PathSet" = 1; the others empty the application's folder and leave the
// profile's value as it was.
void ApplySetPaths(const std::array<std::string, 3>& fields, AppSettings& settings, Profile& profile);

} // namespace quorvant
