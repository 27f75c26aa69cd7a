#include "cli/commands.h"
#include "cli/obfileaccess.h"
#include "gamemgr/archivenames.h"
#include "gamemgr/archiveoperations.h"
#include "gamemgr/gamemode.h"
#include "gamemgr/slotdescription.h"
#include "gamemgr/slotlisting.h"
#include "gamemgr/slotoperations.h"
#include "obdata/generation.h"
#include "obdata/latin1text.h"

#include <memory>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant::cli {
namespace {

const char* const kUsage =
    "usage: obtool slots GAMEFOLDER --game bw1|bw2|bw3 [--kind save|email] [--yes] [--archiver CMD]\n"
    "                    [OPERATION ARGS]\n"
    "  operations: copy N M | move N M | delete N | rename N TEXT | email-set K N | email-save K N |\n"
    "              email-restore K | archives | zip N | unzip N | update | zip-delete N\n";

int Usage(std::ostream& err, const std::string& text) {
    err << "obtool slots: " << text << '\n' << kUsage;
    return kExitUsage;
}

int Failure(std::ostream& err, const std::string& text) {
    err << "obtool slots: " << text << '\n';
    return kExitFailure;
}

// A game folder that is not there is named as given; one without its slot folder has empty slots.
bool IsGameFolder(const std::string& given, const fs::path& folder, std::ostream& err) {
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    err << "obtool: " << given << ": no such folder\n";
    return false;
}

// Digits only; a number too long for an int is out of every range.
std::optional<int> SlotNumber(const std::string& word) {
    if (word.empty() || word.size() > 9) {
        if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos) return 1'000'000'000;
        return std::nullopt;
    }
    if (word.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return std::stoi(word);
}

struct Operation {
    const char* name;
    std::size_t arguments;
    bool email; // BW1 and BW2 e-mail modes only
};

const Operation kOperations[] = {
    {"copy", 2, false},     {"move", 2, false},      {"delete", 1, false},       {"rename", 2, false},
    {"email-set", 2, true}, {"email-save", 2, true}, {"email-restore", 1, true}, {"archives", 0, false},
    {"zip", 1, false},      {"unzip", 1, false},     {"update", 0, false},       {"zip-delete", 1, false},
};

class SlotsCommand {
  public:
    SlotsCommand(const fs::path& folder, GameMode mode, bool yes, std::ostream& out, std::ostream& err)
        : slotFolder_(mode.SlotFolder(folder)), mode_(mode), yes_(yes), out_(out), err_(err) {}

    int RunArchive(const std::string& operation, const std::vector<int>& numbers, Archiver& archiver) {
        std::string error;
        if (operation == "archives" || operation == "update") {
            if (FindZipFolder(slotFolder_).empty())
                return Failure(err_, (slotFolder_ / kZipFolderName).string() + " is missing");
            if (operation == "archives") {
                for (const ArchiveEntry& row : ListArchives(slotFolder_, mode_))
                    out_ << row.number << '\t' << row.Name() << '\t' << Latin1ToUtf8(row.description) << '\n';
                return 0;
            }
            UpdateResult result;
            if (!UpdateArchiveCopies(slotFolder_, mode_, archiver, result, error))
                return Failure(err_, error);
            for (int number : result.recovered)
                out_ << mode_.DescriptionFileName(number) << " recovered from "
                     << ArchiveFileName(mode_, number) << '\n';
            if (result.recovered.empty() && result.refused.empty())
                out_ << "every archive has its description copy\n";
            for (const std::string& why : result.refused) err_ << "obtool slots: " << why << '\n';
            return result.refused.empty() ? 0 : kExitFailure;
        }
        int number = numbers[0];
        // A zip makes the "ZipFiles" folder it packs into; the others need one to act on.
        std::string refusal = operation == "zip" ? ArchiveNumberRefusal(mode_, number)
                                                 : ArchiveCommandRefusal(slotFolder_, mode_, number);
        if (!refusal.empty()) return Failure(err_, refusal);
        fs::path zipFolder = FindZipFolder(slotFolder_);
        SlotFiles archive =
            FindArchiveFiles(zipFolder.empty() ? slotFolder_ / kZipFolderName : zipFolder, mode_, number);
        SlotFiles slot = Slot(number);
        const std::string name = ArchiveFileName(mode_, number);
        if (operation == "zip") {
            if (!CheckSourceSlot(slot, error) || !CheckTargetSlot(archive, error))
                return Failure(err_, error);
            if (archive.data.exists() || archive.description.exists()) {
                if (!ConfirmedArchive(archive, "replace")) return kExitFailure;
            }
            if (!ZipSlot(slotFolder_, mode_, number, archiver, error)) return Failure(err_, error);
            return Done("slot " + Number(slot) + " packed into " + archive.data.path.filename().string());
        }
        if (operation == "unzip") {
            if (!archive.data.exists())
                return Failure(err_, "slot " + Number(slot) + " has no archive (" +
                                         archive.data.path.string() + " is missing)");
            if (!CheckTargetSlot(slot, error)) return Failure(err_, error);
            if (Holds(slot) && !Confirmed(slot, "replace")) return kExitFailure;
            if (!UnzipSlot(slotFolder_, mode_, number, archiver, error)) return Failure(err_, error);
            return Done(archive.data.path.filename().string() + " unpacked into slot " + Number(slot));
        }
        if (!archive.data.exists() && !archive.description.exists())
            return Failure(err_, "slot " + Number(slot) + " has no archive (neither " + name + " nor " +
                                     mode_.DescriptionFileName(number) + " exists)");
        if (!ConfirmedArchive(archive, "delete")) return kExitFailure;
        if (!DeleteArchive(slotFolder_, mode_, number, error)) return Failure(err_, error);
        return Done("archive of slot " + Number(slot) + " deleted");
    }

    int List() {
        for (const SlotEntry& slot : ListSlots(slotFolder_, mode_))
            out_ << slot.number << '\t' << Latin1ToUtf8(slot.Text()) << '\n';
        return 0;
    }

    int Run(const std::string& operation, const std::vector<int>& numbers, const std::string& text) {
        std::string error;
        if (operation == "copy" || operation == "move") {
            if (!InRowRange(numbers[0]) || !InRowRange(numbers[1])) return OutOfRange();
            SlotFiles source = Slot(numbers[0]);
            SlotFiles target = Slot(numbers[1]);
            if (!CheckSourceSlot(source, error) || !CheckTargetSlot(target, error))
                return Failure(err_, error);
            if (SameSlot(source, target)) return Done("slot " + Number(source) + " left as it is");
            if (target.occupied() && !Confirmed(target, "overwrite")) return kExitFailure;
            bool ok = operation == "copy" ? CopySlot(source, target, error) : MoveSlot(source, target, error);
            if (!ok) return Failure(err_, error);
            return Done("slot " + Number(source) +
                        (operation == "copy" ? " copied to slot " : " moved to slot ") + Number(target));
        }
        if (operation == "delete" || operation == "rename") {
            if (!InRowRange(numbers[0])) return OutOfRange();
            SlotFiles slot = Slot(numbers[0]);
            if (!CheckTargetSlot(slot, error)) return Failure(err_, error);
            if (!slot.occupied()) return Failure(err_, "slot " + Number(slot) + " is empty");
            if (operation == "rename") {
                std::optional<std::string> latin1 = Utf8ToLatin1(text, &error);
                if (!latin1 || !WriteSlotDescription(slot, *latin1, error)) return Failure(err_, error);
                return Done("slot " + Number(slot) + " renamed");
            }
            if (!Confirmed(slot, "delete")) return kExitFailure;
            if (!DeleteSlot(slot, error)) return Failure(err_, error);
            return Done("slot " + Number(slot) + " deleted");
        }
        int k = numbers[0];
        SlotFiles live = FindEmailSlotFiles(slotFolder_, k);
        if (operation == "email-restore") {
            fs::path backupFolder = FindBackupFolder(slotFolder_);
            if (backupFolder.empty() || !FindBackupFiles(backupFolder, k).occupied()) {
                EmailRestore(slotFolder_, k, error);
                return Failure(err_, error);
            }
            if (Holds(live) && !Confirmed(live, "restore its backup over")) return kExitFailure;
            if (!EmailRestore(slotFolder_, k, error)) return Failure(err_, error);
            return Done("e-mail slot " + std::to_string(k) + " restored from its backup");
        }
        if (!InRowRange(numbers[1])) return OutOfRange();
        SlotFiles slot = Slot(numbers[1]);
        if (operation == "email-set") {
            if (!CheckSourceSlot(slot, error) || !CheckTargetSlot(live, error)) return Failure(err_, error);
            if (live.occupied() && FindBackupFolder(slotFolder_).empty()) {
                EmailSet(slotFolder_, k, slot, error);
                return Failure(err_, error);
            }
            if (Holds(live) && !Confirmed(live, "replace")) return kExitFailure;
            if (!EmailSet(slotFolder_, k, slot, error)) return Failure(err_, error);
            return Done("slot " + Number(slot) + " set as e-mail slot " + std::to_string(k));
        }
        if (!CheckSourceSlot(live, error) || !CheckTargetSlot(slot, error)) return Failure(err_, error);
        if (Holds(slot) && !Confirmed(slot, "overwrite")) return kExitFailure;
        if (!EmailSave(slotFolder_, k, slot, error)) return Failure(err_, error);
        return Done("e-mail slot " + std::to_string(k) + " saved to slot " + Number(slot));
    }

  private:
    bool InRowRange(int number) const { return mode_.IsRowSlot(number); }
    int OutOfRange() const {
        return Failure(err_, "slot numbers run from " + std::to_string(mode_.FirstRowSlot()) + " to " +
                                 std::to_string(mode_.LastRowSlot()) + " (e-mail slots 1 and 2 through K)");
    }
    SlotFiles Slot(int number) const { return FindSlotFiles(slotFolder_, mode_, number); }
    // A slot with either file has something an overwrite would lose.
    static bool Holds(const SlotFiles& slot) { return slot.description.exists() || slot.data.exists(); }
    static std::string Number(const SlotFiles& slot) { return std::to_string(slot.number); }
    int Done(const std::string& text) const {
        out_ << text << '\n';
        return 0;
    }
    // Where the editor would ask, the command line needs --yes.
    bool Confirmed(const SlotFiles& slot, const std::string& verb) const {
        if (yes_) return true;
        std::string name = (mode_.IsEmail() && slot.number <= 2 ? "e-mail slot " : "slot ") + Number(slot);
        err_ << "obtool slots: " << name << " holds ";
        if (slot.occupied())
            err_ << '"' << Latin1ToUtf8(ReadDescription(slot.description.path)) << '"';
        else
            err_ << kEmptySlotText;
        err_ << "; add --yes to " << verb << " it\n";
        return false;
    }
    bool ConfirmedArchive(const SlotFiles& archive, const std::string& verb) const {
        if (yes_) return true;
        const SlotFile& named = archive.data.exists() ? archive.data : archive.description;
        err_ << "obtool slots: the archive of slot " << Number(archive) << " exists ("
             << named.path.filename().string();
        if (archive.description.exists())
            err_ << ", \"" << Latin1ToUtf8(ReadDescription(archive.description.path)) << '"';
        err_ << "); add --yes to " << verb << " it\n";
        return false;
    }

    fs::path slotFolder_;
    GameMode mode_;
    bool yes_;
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace

int RunSlots(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::vector<std::string>& words = line.positionals;
    if (words.empty()) return Usage(err, "missing GAMEFOLDER");
    GameMode mode;
    std::optional<std::string> game = line.option("game");
    if (!game) return Usage(err, "missing --game");
    if (*game == "bw1")
        mode.generation = kBW1;
    else if (*game == "bw2")
        mode.generation = kBW2;
    else if (*game == "bw3")
        mode.generation = kBW3;
    else
        return Usage(err, "--game takes bw1, bw2 or bw3");
    std::string kind = line.option("kind").value_or("save");
    if (kind != "save" && kind != "email") return Usage(err, "--kind takes save or email");
    mode.saveGames = kind == "save";
    if (!mode.saveGames && mode.generation == kBW3) return Usage(err, "bw3 has no e-mail games");

    const fs::path folder = ResolveInputPath(words[0]);
    SlotsCommand command(folder, mode, line.has("yes"), out, err);
    if (words.size() == 1) return IsGameFolder(words[0], folder, err) ? command.List() : kExitFailure;

    const std::string& name = words[1];
    const Operation* operation = nullptr;
    for (const Operation& o : kOperations)
        if (name == o.name) operation = &o;
    if (!operation) return Usage(err, "unknown operation " + name);
    if (words.size() != 2 + operation->arguments)
        return Usage(err, name + ": " + (words.size() < 2 + operation->arguments ? "missing" : "too many") +
                              " arguments");
    if (operation->email && !mode.IsEmail())
        return Usage(err, name + " works on e-mail games only (--kind email)");
    std::size_t numberCount = name == "rename" ? 1 : operation->arguments;
    std::vector<int> numbers;
    for (std::size_t i = 0; i < numberCount; ++i) {
        std::optional<int> number = SlotNumber(words[2 + i]);
        if (!number) return Usage(err, words[2 + i] + " is not a slot number");
        numbers.push_back(*number);
    }
    if (operation->email && numbers[0] != 1 && numbers[0] != 2) return Usage(err, "K is 1 or 2");
    if (!IsGameFolder(words[0], folder, err)) return kExitFailure;
    if (name == "archives" || name == "update" || name.find("zip") != std::string::npos) {
        std::unique_ptr<Archiver> archiver = MakeArchiver(line.option("archiver").value_or(""));
        return command.RunArchive(name, numbers, *archiver);
    }
    return command.Run(name, numbers, name == "rename" ? words[3] : std::string());
}

} // namespace quorvant::cli
