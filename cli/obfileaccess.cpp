#include "cli/obfileaccess.h"

#include "game/gamefolderfiles.h"
#include "obdata/filecompleteness.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "platform/pathresolve.h"

#include <system_error>

namespace fs = std::filesystem;

namespace quorvant::cli {

fs::path ResolveInputPath(const fs::path& path) {
    if (path.empty()) return path;
    if (path.is_absolute()) return ResolvePath(path.root_path(), path.relative_path());
    return ResolvePath(".", path).lexically_relative(".");
}

bool IsFolder(const fs::path& folder, std::ostream& err) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    err << "obtool: " << folder.string() << ": no such folder\n";
    return false;
}

bool HoldsOBFiles(const fs::path& folder, const std::vector<fs::path>& files, std::string_view label,
                  std::ostream& err) {
    std::error_code ec;
    for (const fs::path& file : files)
        if (fs::is_regular_file(file, ec)) return true;
    err << "obtool: no " << label << " OB files in " << folder.string() << '\n';
    return false;
}

bool IsGameFolder(const fs::path& folder, int generation, std::ostream& err) {
    if (!IsFolder(folder, err)) return false;
    std::vector<fs::path> files;
    for (const GameFolderFile& file : GameFolderFiles(folder, generation)) files.push_back(file.path);
    return HoldsOBFiles(folder, files, GenerationLabel(generation), err);
}

bool LoadOBFile(const fs::path& path, CQuorvantDoc& doc, std::ostream& err) {
    if (path.empty()) {
        err << "obtool: no file named\n";
        return false;
    }
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        err << "obtool: " << path.string() << ": no such file\n";
        return false;
    }
    if (fs::is_directory(status)) {
        err << "obtool: " << path.string() << ": is a folder, not an OB file\n";
        return false;
    }
    if (!fs::is_regular_file(status)) {
        err << "obtool: " << path.string() << ": not a regular file\n";
        return false;
    }
    if (!doc.OnOpenDocument(path)) {
        err << "obtool: " << doc.LastErrorDetail() << '\n';
        return false;
    }
    return true;
}

bool LoadFilePair(const CommandLine& line, CQuorvantDoc& a, CQuorvantDoc& b, std::string_view tail,
                  std::ostream& err) {
    if (!LoadOBFile(ResolveInputPath(line.positionals[0]), a, err)) return false;
    if (!LoadOBFile(ResolveInputPath(line.positionals[1]), b, err)) return false;
    if (a.Generation == b.Generation) return true;
    err << "obtool: " << line.positionals[0] << " is a " << GenerationLabel(a.Generation) << " file and "
        << line.positionals[1] << " a " << GenerationLabel(b.Generation) << " file; " << tail << '\n';
    return false;
}

bool MayRewrite(const CQuorvantDoc& doc, const fs::path& path, bool yes, std::ostream& err) {
    if (yes || doc.IsFileComplete()) return true;
    err << "obtool: " << path.string() << " is " << doc.FileSize() << " bytes, not a complete OB file "
        << IncompleteFileRemark(doc.Generation)
        << "; give --yes to rewrite it as a complete one; nothing written\n";
    return false;
}

bool SaveOBFile(CQuorvantDoc& doc, const fs::path& path, std::ostream& err) {
    std::string error;
    if (doc.OnSaveDocument(path, error)) return true;
    err << "obtool: " << error << "; nothing written\n";
    return false;
}

} // namespace quorvant::cli
