#pragma once

#include "gamemgr/slotfiles.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvant {

// Every operation works on whole slots and either does all of its work or leaves the disk as it
// was; on failure it returns false with the file and the reason in error.

// A slot that can be copied from: its description and data files exist, each under one spelling.
bool CheckSourceSlot(const SlotFiles& source, std::string& error);
// A slot that can be written to: none of its files exists under two spellings, and nothing but a
// regular file stands at either name.
bool CheckTargetSlot(const SlotFiles& target, std::string& error);
// True when both name the same files (copying a slot onto itself does nothing).
bool SameSlot(const SlotFiles& a, const SlotFiles& b);

// Copies both files, each written in full beside its destination before either destination is
// replaced; an existing destination is replaced under its own spelling.
bool CopySlot(const SlotFiles& source, const SlotFiles& target, std::string& error);
// Copies and removes the source as one: a failure leaves both slots as they were.
bool MoveSlot(const SlotFiles& source, const SlotFiles& target, std::string& error);
// Moves both files aside before removing either, so a failed delete removes nothing.
bool DeleteSlot(const SlotFiles& slot, std::string& error);
// Replaces the description file with text exactly, no line end added.
bool WriteSlotDescription(const SlotFiles& slot, std::string_view text, std::string& error);

// E-mail slot k of an e-mail slot folder: Set backs the live slot up into "Quorvant.Bak" (when it
// is occupied; the backup folder must exist) and copies source over it; Save copies it into slot
// target; Restore copies the backup back over it.
bool EmailSet(const std::filesystem::path& slotFolder, int k, const SlotFiles& source, std::string& error);
bool EmailSave(const std::filesystem::path& slotFolder, int k, const SlotFiles& target, std::string& error);
bool EmailRestore(const std::filesystem::path& slotFolder, int k, std::string& error);
// The backup folder, found ignoring case; empty when there is none.
std::filesystem::path FindBackupFolder(const std::filesystem::path& slotFolder);

} // namespace quorvant
