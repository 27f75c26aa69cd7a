#pragma once

// Archives written entry by entry, and a stand-in for an outside archiver that records how it was
// started.

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace quorvant::testing {

using ZipEntries = std::vector<std::pair<std::string, std::string>>; // name, bytes

// A zip archive holding exactly the entries given, under the names given (hostile ones included).
inline bool MakeZip(const std::filesystem::path& path, const ZipEntries& entries) {
    int code = 0;
    zip_t* zip = zip_open(path.string().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!zip) return false;
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
        if (!source || zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_RAW) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            return false;
        }
    }
    return zip_close(zip) == 0;
}

// The entry names and bytes of an archive, in order.
inline ZipEntries ReadZip(const std::filesystem::path& path) {
    ZipEntries entries;
    int code = 0;
    zip_t* zip = zip_open(path.string().c_str(), ZIP_RDONLY, &code);
    if (!zip) return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &stat);
        std::string bytes(stat.size, '\0');
        zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
        if (file) {
            zip_fread(file, bytes.data(), bytes.size());
            zip_fclose(file);
        }
        entries.emplace_back(stat.name, bytes);
    }
    zip_discard(zip);
    return entries;
}

// A shell script named "standin.exe" in folder that appends each of its arguments as a line to
// folder/"calls.txt" (and a blank line after each call), then for "-a" copies packResult to the
// archive path and for "-e" copies the files of unpackFiles into the destination folder, then
// exits with exitCode. The folder's path must hold no ".", as the program path is cut there.
inline std::filesystem::path WriteStandInArchiver(const std::filesystem::path& folder,
                                                  const std::filesystem::path& packResult,
                                                  const std::filesystem::path& unpackFiles,
                                                  int exitCode = 0) {
    std::filesystem::path script = folder / "standin.exe";
    std::ofstream(script) << "#!/bin/sh\n"
                          << "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '"
                          << (folder / "calls.txt").string() << "'; done\n"
                          << "echo >> '" << (folder / "calls.txt").string() << "'\n"
                          << "if [ \"$2\" = -a ]; then cp '" << packResult.string()
                          << "' \"$3\" || exit 3; fi\n"
                          << "if [ \"$2\" = -e ]; then cp '" << unpackFiles.string()
                          << "'/* \"$6\" || exit 3; fi\n"
                          << "echo 'stand-in done' >&2\n"
                          << "exit " << exitCode << "\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script;
}

} // namespace quorvant::testing
