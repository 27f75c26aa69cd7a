#pragma once

// Pasting a weapon or unit block onto a slot of a document. A unit's carried weapons are matched to
// identical weapons of the document or given free weapon slots there, so it fights with the same
// guns.

#include "exchange/recordblocks.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

// How one carried weapon found its slot in the target document.
enum class WeaponMatch {
    SameSlot, // the slot the unit named holds an equal weapon
    Found,    // an equal weapon at another slot
    FreeSlot, // copied into the first free slot
    NoRoom,   // no free slot: the unit keeps the slot number it came with
};

struct ResolvedWeapon {
    int carriedSlot = 0;
    int slot = 0;
    WeaponMatch match = WeaponMatch::SameSlot;
    std::string name; // the carried weapon's name less its trailing blanks
};

// A document's weapon slot equals a carried weapon when its name and every field agree and the
// block held nothing past the fields.
bool WeaponEquals(const CWeaponRecord& slot, const CarriedWeapon& carried);

// The target slot for a weapon a unit carried as its slot `slot`: that slot when it is equal, else
// the first equal slot from 0 to 248, else the first slot from 1 to 247 whose name is empty or begins
// with a blank, which is replaced by a copy of the weapon, else `slot` itself.
ResolvedWeapon ResolveWeapon(int slot, const CarriedWeapon& weapon, CQuorvantDoc& doc);

struct PasteReport {
    TransferKind kind = TransferKind::Units;
    int slot = 0;
    std::string name;                    // the pasted record's name less its trailing blanks
    std::vector<ResolvedWeapon> weapons; // a unit's four, in entry order
    // A unit takes the target file's nation; the names when that changed it.
    std::string nation, carriedNation;

    // The weapon slots the paste replaced: the pasted weapon's own, or the free slots a unit took.
    std::vector<int> changedWeaponSlots() const;
    // One line for the status bar and the command line.
    std::string text() const;
    // What the editor adds to it when the unit took this file's nation; empty otherwise.
    std::string nationNote() const;
};

// Whether pasting onto the slot replaces a named record (a name of blanks counts as named), and the
// name to ask about, less its trailing blanks; nothing when the slot is empty or outside the table.
std::optional<std::string> NamedSlotName(const CQuorvantDoc& doc, TransferKind kind, int slot);

// "Replace %s?" with the slot's name: a weapon's as held, a unit's less its trailing blanks.
std::string ReplacePromptText(const CQuorvantDoc& doc, TransferKind kind, int slot);

// Pastes a block onto the slot as one step of the document's history, named verb and what went
// where ("Paste Weapon onto Slot 12"); the snapshot tables stay as they were. Nothing changes, and
// nothing is returned, for a block of the wrong size or a slot outside the table. A unit takes the
// nationality of the document's unit slot 1.
std::optional<PasteReport> PasteBlock(CQuorvantDoc& doc, TransferKind kind, int slot,
                                      std::span<const std::uint8_t> block, const std::string& verb = "Paste");

} // namespace quorvant
