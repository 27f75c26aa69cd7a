#include "gamemgr/archiver.h"

#include "platform/childprocess.h"
#include "platform/fileio.h"
#include "platform/filesystem.h"

#include <system_error>

namespace fs = std::filesystem;

namespace quorvant {

fs::path ArchiverProgramPath(std::string_view command) {
    if (!command.empty() && command.front() == '"') command.remove_prefix(1);
    std::size_t dot = command.find('.');
    std::string program(dot == std::string_view::npos ? std::string_view() : command.substr(0, dot));
    return fs::path(program + ".exe");
}

std::vector<std::string> PackArguments(const fs::path& archive, const fs::path& description,
                                       const fs::path& data) {
    return {"-min", "-a", archive.string(), description.string(), data.string()};
}

std::vector<std::string> UnpackArguments(const fs::path& archive, const fs::path& folder) {
    return {"-min", "-e", "-o", "-j", archive.string(), folder.string()};
}

std::unique_ptr<Archiver> MakeArchiver(const std::string& command) {
    if (command.empty()) return std::make_unique<BuiltinArchiver>();
    return std::make_unique<ExternalArchiver>(ArchiverProgramPath(command));
}

bool ExternalArchiver::Run(const std::vector<std::string>& arguments, std::string& error) const {
    ChildResult result = RunChildAndWait(program_, arguments);
    if (!result.started) {
        error = "The archiver could not be started: " + program_.string() + ": " + result.error;
        return false;
    }
    if (!result.error.empty() || result.exitCode != 0) {
        error = "The archiver " + program_.string() + " failed: " +
                (result.error.empty() ? "exit code " + std::to_string(result.exitCode) : result.error);
        if (!result.output.empty()) error += " (" + result.output + ")";
        return false;
    }
    return true;
}

bool ExternalArchiver::Pack(const fs::path& archive, const PackFile& description, const PackFile& data,
                            std::string& error) {
    // An outside archiver names entries after the files it is given; files whose spelling on disk
    // differs from their entry names are handed over as copies under those names.
    bool asNamed =
        description.file.filename() == description.entryName && data.file.filename() == data.entryName;
    if (asNamed) return Run(PackArguments(archive, description.file, data.file), error);
    fs::path staging = TemporaryPathBeside(archive);
    FileSystem& files = Files();
    std::string why;
    if (!files.CreateFolder(staging, why)) {
        error = staging.string() + " cannot be created: " + why;
        return false;
    }
    bool ok = true;
    for (const PackFile* file : {&description, &data}) {
        if (!files.CopyFile(file->file, staging / file->entryName, why)) {
            error = file->file.string() + " cannot be copied for packing: " + why;
            ok = false;
            break;
        }
    }
    ok = ok && Run(PackArguments(archive, staging / description.entryName, staging / data.entryName), error);
    if (!files.RemoveAll(staging, why) && ok) {
        error = "the packing folder " + staging.string() + " could not be removed: " + why;
        ok = false;
    }
    return ok;
}

bool ExternalArchiver::Unpack(const fs::path& archive, const fs::path& folder, std::string& error) {
    return Run(UnpackArguments(archive, folder), error);
}

} // namespace quorvant
