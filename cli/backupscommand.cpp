#include "backups/backuplisting.h"
#include "backups/profilefolder.h"
#include "cli/commands.h"
#include "cli/obfileaccess.h"
#include "obdata/quorvantdoc.h"

#include <system_error>

namespace fs = std::filesystem;

namespace quorvant::cli {

int RunBackups(const CommandLine& line, std::ostream& out, std::ostream& err) {
    std::optional<std::string> given = line.option("profile");
    if (given && given->empty()) {
        err << "obtool backups: --profile takes a folder\nusage: obtool " << kBackupsUsage << '\n';
        return kExitUsage;
    }
    // The generation names the backup folder, so the file is read as the editor reads it.
    const fs::path file = ResolveInputPath(line.positionals[0]);
    CQuorvantDoc doc;
    if (!LoadOBFile(file, doc, err)) return kExitFailure;
    const fs::path profile = ProfileFolder(given);
    if (profile.empty()) {
        err << "obtool backups: no profile folder is known (HOME is not set); give --profile DIR\n";
        return kExitFailure;
    }
    std::error_code ec;
    const fs::path root = fs::absolute(BackupRoot(profile), ec).lexically_normal();
    for (const BackupEntry& backup : ListBackups(root, doc.Generation, file.filename().string()))
        out << backup.date() << '\t' << backup.size << '\t' << backup.path.string() << '\n';
    return 0;
}

} // namespace quorvant::cli
