#include "gamemgr/archiver.h"

#include "platform/fileio.h"
#include "platform/pathresolve.h"

#include <zip.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

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

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

bool SyncAndClose(std::unique_ptr<std::FILE, FileCloser>& file) {
    bool ok = std::fflush(file.get()) == 0;
#ifndef _WIN32
    ok = ok && ::fsync(fileno(file.get())) == 0;
#endif
    return std::fclose(file.release()) == 0 && ok;
}

bool SyncFile(const fs::path& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.string().c_str(), "rb+"));
    return file && SyncAndClose(file);
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
    int code = 0;
    ZipPtr zip(zip_open(archive.string().c_str(), ZIP_CREATE | ZIP_EXCL, &code));
    if (!zip) {
        error = archive.string() + " cannot be created: " + ZipErrorText(code);
        return false;
    }
    for (const PackFile* file : {&description, &data}) {
        zip_source_t* source = zip_source_file(zip.get(), file->file.string().c_str(), 0, -1);
        if (!source) {
            error = file->file.string() + " cannot be packed: " + zip_strerror(zip.get());
            return false;
        }
        zip_int64_t index = zip_file_add(zip.get(), file->entryName.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            error = file->file.string() + " cannot be packed: " + zip_strerror(zip.get());
            return false;
        }
        // Fast deflate: saved games are packed while the player waits.
        zip_set_file_compression(zip.get(), static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1);
    }
    if (zip_close(zip.get()) != 0) {
        error = archive.string() + " cannot be written: " + zip_strerror(zip.get());
        std::error_code ec;
        fs::remove(archive, ec);
        return false;
    }
    zip.release();
    if (!SyncFile(archive)) {
        error = archive.string() + " cannot be written to disk: " + std::strerror(errno);
        return false;
    }
    return true;
}

bool BuiltinArchiver::Unpack(const fs::path& archive, const fs::path& folder, std::string& error) {
    ZipPtr zip = OpenForReading(archive, error);
    if (!zip) return false;
    std::vector<ArchiveEntryInfo> entries;
    if (!ListEntries(zip.get(), entries, error) || !CheckArchiveEntries(entries, error)) {
        error = archive.string() + ": " + error;
        return false;
    }
    // Every file is written to its temporary first; only when all are complete do the renames run.
    struct Written {
        fs::path temporary;
        fs::path target;
    };
    std::vector<Written> written;
    auto removeTemporaries = [&] {
        std::error_code ec;
        for (const Written& w : written) fs::remove(w.temporary, ec);
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].IsFolder()) continue;
        std::string bare(BareEntryName(entries[i].name));
        Written w{TemporaryPathBeside(folder / bare), ResolveCaseInsensitive(folder, bare)};
        std::unique_ptr<std::FILE, FileCloser> out(std::fopen(w.temporary.string().c_str(), "wbx"));
        if (!out) {
            removeTemporaries();
            error = (folder / bare).string() + " cannot be written: " + std::strerror(errno);
            return false;
        }
        written.push_back(w);
        bool ok = ReadEntryData(
            zip.get(), i, entries[i],
            [&](const char* bytes, std::size_t n) { return std::fwrite(bytes, 1, n, out.get()) == n; },
            error);
        if (!ok) {
            error = archive.string() + ": " + error;
        } else if (!SyncAndClose(out)) {
            error = (folder / bare).string() + " cannot be written: " + std::strerror(errno);
            ok = false;
        }
        if (!ok) {
            out.reset();
            removeTemporaries();
            return false;
        }
    }
    for (std::size_t i = 0; i < written.size(); ++i) {
        std::error_code ec;
        fs::rename(written[i].temporary, written[i].target, ec);
        if (ec) {
            error = written[i].target.string() + " cannot be replaced: " + ec.message();
            for (std::size_t j = i; j < written.size(); ++j) fs::remove(written[j].temporary, ec);
            return false;
        }
    }
    return true;
}

} // namespace quorvant
