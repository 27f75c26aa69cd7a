#pragma once

#include "obdata/records.h"

#include <optional>
#include <string_view>

namespace quorvant {

class CQuorvantDoc;
struct AppSettings;

// What the pages of the unit sheet share: the document and the slot of the unit they edit. The
// record is looked up at each use, so it is always the table's entry at index.
struct UnitEditContext {
    CQuorvantDoc* document = nullptr;
    int index = 1;
    // Where the game's pictures are; none for a sheet made on its own.
    const AppSettings* settings = nullptr;

    CUnitRecord& record() const;
    int unitCount() const;
};

// The data page's moves between units.
enum class UnitMove { First, Previous, Next, Last };

// The slot a move goes to from index, or nothing when it does not move ("<" at slot 1, ">" at the
// last slot).
std::optional<int> MoveTarget(UnitMove move, int index, int unitCount);
// Stepping to a neighbour writes the current name into the name list; jumping to an end does not.
constexpr bool MoveRenamesListEntry(UnitMove move) {
    return move == UnitMove::Previous || move == UnitMove::Next;
}
// Slot 0 is never edited: choosing its name goes to slot 1.
constexpr int NameListTarget(int entry) {
    return entry <= 0 ? 1 : entry;
}
// The slot a typed unit number goes to, or nothing while the text names no editable unit.
std::optional<int> TypedUnitTarget(std::string_view text, int unitCount);

struct MoveButtons {
    bool first = false, previous = false, next = false, last = false;
};
// Which of "<<", "<", ">", ">>" are enabled at index.
MoveButtons MoveButtonsAt(int index);

// The entry a typed number selects in a list of listSize entries: over 250 the first entry, beyond
// the list none (-1).
int TypedListSelection(long long value, int listSize);

// Whether pasting over record asks "Replace Current Unit?" first.
bool PasteAsksFirst(const CUnitRecord& record);
// Puts a copy of record into the document's unit copy buffer.
void CopyUnit(CQuorvantDoc& doc, const CUnitRecord& record);
// Replaces the unit at index by the buffered one (named "RENAME ME" in BW1), keeps the document's
// name list in step and marks it modified. False when the buffer is empty or index is no slot.
bool PasteUnit(CQuorvantDoc& doc, int index);

} // namespace quorvant
