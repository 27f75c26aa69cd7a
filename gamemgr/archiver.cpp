#include "gamemgr/archiver.h"

#include "platform/fileio.h"
#include "platform/filereplacement.h"
#include "platform/pathresolve.h"

#include <zip.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <memory>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace quorvant {
namespace {

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::string ZipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

ZipPtr OpenForReading(const fs::path& archive, std::string& error) {
    int code = 0;
    ZipPtr zip(zip_open(archive.string().c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!zip) error = archive.string() + " cannot be read as a zip archive: " + ZipErrorText(code);
    return zip;
}

ZipPtr OpenFromMemory(const std::uint8_t* bytes, std::size_t size, std::string& error) {
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t* source = zip_source_buffer_create(bytes, size, 0, &zipError);
    ZipPtr zip;
    if (source) {
        zip.reset(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &zipError));
        if (!zip) zip_source_free(source);
    }
    if (!zip) error = std::string("not a readable zip archive: ") + zip_error_strerror(&zipError);
    zip_error_fini(&zipError);
    return zip;
}

bool ListEntries(zip_t* zip, std::vector<ArchiveEntryInfo>& entries, std::string& error) {
    zip_int64_t count = zip_get_num_entries(zip, 0);
    if (count < 0) {
        error = "the archive's directory cannot be read";
        return false;
    }
    // Checked before the directory is walked, so a huge count costs nothing.
    if (static_cast<std::uint64_t>(count) > kMaxArchiveEntries) {
        error = "the archive holds " + std::to_string(count) + " entries, more than " +
                std::to_string(kMaxArchiveEntries);
        return false;
    }
    entries.clear();
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(zip, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &stat) != 0 ||
            !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE)) {
            error = "the archive's entry " + std::to_string(i) + " cannot be read: " + zip_strerror(zip);
            return false;
        }
        ArchiveEntryInfo entry;
        entry.name = stat.name;
        entry.size = stat.size;
        entry.encrypted = (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE;
        entries.push_back(std::move(entry));
    }
    return true;
}

// Reads entry index in chunks; more bytes than it declares, or a failed check of its data, fail.
bool ReadEntryData(zip_t* zip, std::size_t index, const ArchiveEntryInfo& entry,
                   const std::function<bool(const char*, std::size_t)>& sink, std::string& error) {
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(zip, index, 0));
    if (!file) {
        error = "the archive's entry \"" + std::string(BareEntryName(entry.name)) +
                "\" cannot be opened: " + zip_strerror(zip);
        return false;
    }
    std::uint64_t total = 0;
    char chunk[64 * 1024];
    while (true) {
        zip_int64_t got = zip_fread(file.get(), chunk, sizeof chunk);
        if (got < 0) {
            error = "the archive's entry \"" + std::string(BareEntryName(entry.name)) +
                    "\" is damaged: " + zip_file_strerror(file.get());
            return false;
        }
        if (got == 0) break;
        total += static_cast<std::uint64_t>(got);
        if (total > entry.size) {
            error = "the archive's entry \"" + std::string(BareEntryName(entry.name)) +
                    "\" holds more than the size it declares";
            return false;
        }
        if (!sink(chunk, static_cast<std::size_t>(got))) return false;
    }
    if (total != entry.size) {
        error = "the archive's entry \"" + std::string(BareEntryName(entry.name)) +
                "\" holds less than the size it declares";
        return false;
    }
    return true;
}

// The whole archive built in memory, so that it reaches the disk through one atomic write.
struct PackedFile {
    std::string entryName;
    std::vector<std::uint8_t> bytes;
    std::time_t modified;
};

bool PackInMemory(const std::vector<PackedFile>& files, std::vector<std::uint8_t>& packed,
                  std::string& error) {
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &zipError);
    if (!buffer) {
        error = std::string("no archive could be made: ") + zip_error_strerror(&zipError);
        zip_error_fini(&zipError);
        return false;
    }
    zip_source_keep(buffer); // still read after zip_close
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> keep(buffer, &zip_source_free);
    ZipPtr zip(zip_open_from_source(buffer, ZIP_TRUNCATE, &zipError));
    if (!zip) {
        error = std::string("no archive could be made: ") + zip_error_strerror(&zipError);
        zip_error_fini(&zipError);
        return false;
    }
    zip_error_fini(&zipError);
    for (const PackedFile& file : files) {
        zip_source_t* source = zip_source_buffer(zip.get(), file.bytes.data(), file.bytes.size(), 0);
        zip_int64_t index =
            source ? zip_file_add(zip.get(), file.entryName.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (source) zip_source_free(source);
            error = file.entryName + " cannot be packed: " + zip_strerror(zip.get());
            return false;
        }
        // Fast deflate: saved games are packed while the player waits.
        zip_set_file_compression(zip.get(), static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1);
        // The entry carries the saved game's own time, as a packed file would.
        zip_file_set_mtime(zip.get(), static_cast<zip_uint64_t>(index), file.modified, 0);
        // A regular file readable by all and writable by its owner, as unpackers elsewhere expect;
        // without it they unpack the slot's files with no permissions at all.
        zip_file_set_external_attributes(zip.get(), static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                         static_cast<zip_uint32_t>(0100644) << 16);
    }
    if (zip_close(zip.get()) != 0) {
        error = std::string("the archive cannot be made: ") + zip_strerror(zip.get());
        return false;
    }
    zip.release();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(buffer, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        zip_source_open(buffer) != 0) {
        error = "the packed archive cannot be read back";
        return false;
    }
    packed.resize(static_cast<std::size_t>(stat.size));
    zip_int64_t got = zip_source_read(buffer, packed.data(), packed.size());
    zip_source_close(buffer);
    if (got != static_cast<zip_int64_t>(packed.size())) {
        error = "the packed archive cannot be read back";
        return false;
    }
    return true;
}

} // namespace

bool ReadArchiveEntries(const fs::path& archive, std::vector<ArchiveEntryInfo>& entries, std::string& error) {
    std::error_code ec;
    if (!fs::is_regular_file(archive, ec)) {
        error = archive.string() + " is not a file";
        return false;
    }
    ZipPtr zip = OpenForReading(archive, error);
    if (!zip) return false;
    if (ListEntries(zip.get(), entries, error)) return true;
    error = archive.string() + ": " + error;
    return false;
}

bool VerifyArchiveBytes(const std::uint8_t* bytes, std::size_t size, std::string& error) {
    ZipPtr zip = OpenFromMemory(bytes, size, error);
    if (!zip) return false;
    std::vector<ArchiveEntryInfo> entries;
    if (!ListEntries(zip.get(), entries, error) || !CheckArchiveEntries(entries, error)) return false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].IsFolder()) continue;
        if (!ReadEntryData(
                zip.get(), i, entries[i], [](const char*, std::size_t) { return true; }, error))
            return false;
    }
    return true;
}

bool BuiltinArchiver::Pack(const fs::path& archive, const PackFile& description, const PackFile& data,
                           std::string& error) {
    std::vector<PackedFile> files;
    for (const PackFile* file : {&description, &data}) {
        std::string why;
        auto bytes = ReadWholeFile(file->file, why);
        if (!bytes) {
            error = file->file.string() + " cannot be packed: " + why;
            return false;
        }
        std::error_code ec;
        fs::file_time_type modified = fs::last_write_time(file->file, ec);
        using namespace std::chrono;
        std::time_t seconds = ec ? std::time(nullptr)
                                 : system_clock::to_time_t(
                                       time_point_cast<system_clock::duration>(file_clock::to_sys(modified)));
        files.push_back({file->entryName, std::move(*bytes), seconds});
    }
    std::vector<std::uint8_t> packed;
    if (!PackInMemory(files, packed, error)) {
        error = archive.string() + ": " + error;
        return false;
    }
    std::string why;
    if (WriteFileAtomically(archive, packed, why)) return true;
    error = archive.string() + " cannot be written: " + why;
    return false;
}

bool BuiltinArchiver::Unpack(const fs::path& archive, const fs::path& folder, std::string& error) {
    ZipPtr zip = OpenForReading(archive, error);
    if (!zip) return false;
    std::vector<ArchiveEntryInfo> entries;
    if (!ListEntries(zip.get(), entries, error) || !CheckArchiveEntries(entries, error)) {
        error = archive.string() + ": " + error;
        return false;
    }
    // Every file is written in full first; only when all are complete do they replace anything.
    FileReplacement replacement;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].IsFolder()) continue;
        std::string bare(BareEntryName(entries[i].name));
        NewFile out;
        if (!out.Create(folder / bare, error)) return false;
        std::string writeError;
        bool ok = ReadEntryData(
            zip.get(), i, entries[i],
            [&](const char* bytes, std::size_t n) { return out.Write(bytes, n, writeError); }, error);
        if (!writeError.empty())
            error = writeError;
        else if (!ok)
            error = archive.string() + ": " + error;
        if (!ok || !out.Finish(error)) return false;
        replacement.StageFile(out.Release(), ResolveCaseInsensitive(folder, bare), true);
    }
    return replacement.Commit(error);
}

} // namespace quorvant
