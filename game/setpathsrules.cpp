#include "game/setpathsrules.h"

#include "obdata/generation.h"
#include "platform/pathresolve.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {
namespace {

// The current folder is shown only when it fits the field's historical length.
constexpr std::size_t kMaxCurrentFolderLength = 256;

const char* GameFolderName(int generation) {
    static const char* const kNames[] = {"brass", "brass2", "brass3"};
    return IsValidGeneration(generation) ? kNames[generation] : "";
}

} // namespace

const char* GameExecutableName(int generation) {
    static const char* const kNames[] = {"brass.exe", "brass2.exe", "brass3.exe"};
    return IsValidGeneration(generation) ? kNames[generation] : "";
}

std::string ProposedInstallFolder(int generation) {
#ifdef _WIN32
    return std::string("c:\\") + GameFolderName(generation);
#else
    const char* home = std::getenv("HOME");
    fs::path base = home && *home ? fs::path(home) : fs::path("/");
    return (base / ".wine" / "drive_c" / GameFolderName(generation)).string();
#endif
}

bool HasGameExecutable(const fs::path& folder, int generation) {
    if (folder.empty() || !IsValidGeneration(generation)) return false;
    fs::path executable = ResolveCaseInsensitive(folder, GameExecutableName(generation));
    std::error_code ec;
    if (!fs::is_regular_file(executable, ec)) return false;
    std::ifstream file(executable, std::ios::binary);
    return file.is_open();
}

std::string InitialInstallField(int generation, const AppSettings& settings, const fs::path& currentFolder) {
    if (settings.HasInstallFolder(generation)) return settings.InstallFolder(generation);
    std::string current = currentFolder.string();
    if (!current.empty() && current.size() <= kMaxCurrentFolderLength &&
        HasGameExecutable(currentFolder, generation))
        return current;
    return ProposedInstallFolder(generation);
}

std::string StripTrailingWhitespace(std::string text) {
    std::size_t end = text.find_last_not_of(" \t\r\n\v\f");
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

std::optional<std::string> SetPathsFieldProblem(const std::string& field, int generation) {
    std::string folder = StripTrailingWhitespace(field);
    if (folder.empty() || HasGameExecutable(folder, generation)) return std::nullopt;
    return std::string("No ") + GameExecutableName(generation) + " in " + folder + "; " +
           GenerationLabel(generation) + " stays unset.";
}

SetPathsProblems FindSetPathsProblems(const std::array<std::string, 3>& fields) {
    SetPathsProblems problems;
    for (int generation : {kBW1, kBW2, kBW3}) {
        std::optional<std::string> problem = SetPathsFieldProblem(fields[generation], generation);
        if (!problem) continue;
        if (!problems.text.empty()) problems.text += '\n';
        problems.text += *problem;
        problems.generations.push_back(generation);
    }
    return problems;
}

void ApplySetPaths(const std::array<std::string, 3>& fields, AppSettings& settings, Profile& profile) {
    for (int generation : {kBW1, kBW2, kBW3}) {
        std::string folder = StripTrailingWhitespace(fields[generation]);
        settings.InstallFolders[generation] = HasGameExecutable(folder, generation) ? folder : std::string();
    }
    for (int generation : {kBW1, kBW2, kBW3}) {
        if (!settings.HasInstallFolder(generation)) continue;
        profile.WriteString(kSettingsSection, InstallPathValueName(generation),
                            settings.InstallFolder(generation));
        profile.WriteInt(kSettingsSection, kPathSetValue, kPathsKnown);
    }
}

} // namespace quorvant
