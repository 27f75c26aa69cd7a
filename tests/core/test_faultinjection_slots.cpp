#include "fault_sweep.h"
#include "gamemgr/gamemode.h"
#include "gamemgr/slotfiles.h"
#include "gamemgr/slotoperations.h"
#include "obdata/generation.h"

#include <unistd.h>

using namespace quorvant;
using namespace quorvant::testing;
namespace fs = std::filesystem;

namespace {

// A BW1 e-mail folder with two games, a live e-mail slot with its backup, and a saved-game folder.
void WriteSlots(const fs::path& root) {
    fs::create_directories(root / "Email" / "Quorvant.Bak");
    fs::create_directories(root / "save");
    WriteText(root / "Email" / "Email5.dat", std::string(3000, '\x05'));
    WriteText(root / "Email" / "Email5.cmt", "Hill defence");
    WriteText(root / "Email" / "Email7.dat", std::string(2000, '\x07'));
    WriteText(root / "Email" / "Email7.cmt", "Ridge");
    WriteText(root / "Email" / "Email1.dat", "live turn");
    WriteText(root / "Email" / "Email1.cmt", "Turn 4");
    WriteText(root / "Email" / "Quorvant.Bak" / "Email1.dat", "turn before");
    WriteText(root / "Email" / "Quorvant.Bak" / "Email1.cmt", "Turn 3");
    WriteText(root / "save" / "Save004.dat", std::string(4000, '\x04'));
    WriteText(root / "save" / "Save004.cmt", "Four");
}

const GameMode kEmail{kBW1, false};
const GameMode kSave{kBW1, true};

SlotFiles Email(const fs::path& root, int n) {
    return FindSlotFiles(root / "Email", kEmail, n);
}

SweptOperation Op(std::string name, std::function<bool(const fs::path&, std::string&)> run) {
    return {std::move(name), WriteSlots, std::move(run)};
}

} // namespace

TEST(FaultInjection, SlotOperationsKeepEveryByteOrFinish) {
    const fs::path root = fs::temp_directory_path() / ("quorvant-faults-slots-" + std::to_string(::getpid()));
    ExpectEveryFaultHandled(
        {Op("slot copy, into an empty slot",
            [](const fs::path& r, std::string& e) { return CopySlot(Email(r, 5), Email(r, 9), e); }),
         Op("slot copy, over a game",
            [](const fs::path& r, std::string& e) { return CopySlot(Email(r, 5), Email(r, 7), e); }),
         Op("slot copy, between folders",
            [](const fs::path& r, std::string& e) {
                return CopySlot(FindSlotFiles(r / "save", kSave, 4), Email(r, 9), e);
            }),
         Op("slot move, into an empty slot",
            [](const fs::path& r, std::string& e) { return MoveSlot(Email(r, 5), Email(r, 9), e); }),
         Op("slot move, over a game",
            [](const fs::path& r, std::string& e) { return MoveSlot(Email(r, 5), Email(r, 7), e); }),
         Op("slot delete", [](const fs::path& r, std::string& e) { return DeleteSlot(Email(r, 5), e); }),
         Op("slot rename", [](const fs::path& r,
                              std::string& e) { return WriteSlotDescription(Email(r, 5), "Renamed", e); }),
         Op("e-mail set",
            [](const fs::path& r, std::string& e) { return EmailSet(r / "Email", 1, Email(r, 5), e); }),
         Op("e-mail save",
            [](const fs::path& r, std::string& e) { return EmailSave(r / "Email", 1, Email(r, 9), e); }),
         Op("e-mail restore",
            [](const fs::path& r, std::string& e) { return EmailRestore(r / "Email", 1, e); })},
        root);
}
