#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant {

// Drag formats of the game manager, registered under these names.
inline const char* const kGameSlotFormat = "Quorvant GameFMT";
inline const char* const kZipSlotFormat = "Quorvant ZipFMT";
inline const char* const kEmailSlotFormat = "Quorvant EmailSlot";
// Beside each of them a drag carries, under this format, the slot folder of the list it came from,
// so a drop from another instance of the program, showing another mode, is known for what it is;
// the three payloads keep their layout.
inline const char* const kSlotSourceFormat = "Quorvant SlotSource";

// A payload is a zero-filled block of 1024 bytes holding a NUL-terminated text.
constexpr std::size_t kPayloadBlockSize = 1024;
// The e-mail slot boxes' control numbers, carried in their payloads.
constexpr int kEmailBox1 = 1359;
constexpr int kEmailBox2 = 1360;

// The block for text, cut to 1023 bytes.
std::vector<std::uint8_t> MakePayloadBlock(std::string_view text);
// The text of a block from any program: the bytes before a NUL within its first 1024 bytes.
// Nothing for an empty block or one without that NUL.
std::optional<std::string> PayloadText(const std::uint8_t* bytes, std::size_t size);
// "%s\t%d\t%d": the text with the drop point appended, as a list rewrites a payload it accepts.
std::string WithDropPoint(std::string_view text, int x, int y);

// The source payload: the folder's path as UTF-8, without a NUL. Parsing gives nothing for a text
// that is empty, holds a NUL or is no absolute path.
std::string SlotSourcePayload(const std::filesystem::path& slotFolder);
std::optional<std::filesystem::path> ParseSlotSourcePayload(std::string_view text);

// "%d": a slot-list row index. The row is returned only when it is below rowCount; a drop point
// appended after it is allowed.
std::string SlotRowPayload(int row);
std::optional<int> ParseSlotRowPayload(std::string_view text, int rowCount);

// The archive list's payload: the row's column 0 text, a description copy's file name; nothing
// for an empty text or the "----" of an empty row. A drop point after it is dropped.
std::optional<std::string> ParseArchivePayload(std::string_view text);

// "%s\t%d": an e-mail slot box's text and control number, 1359 or 1360.
std::string EmailSlotPayload(std::string_view boxText, int boxId);
struct EmailSlotDrop {
    std::string boxText;
    int slot = 0; // e-mail slot 1 or 2
    int x = 0;
    int y = 0;
};
// The payload as rewritten by the slot list ("%s\t%d\t%d\t%d"), split from the right so the box
// text may hold tabs; nothing unless the box id is one of the two and the point is two integers.
std::optional<EmailSlotDrop> ParseEmailSlotDrop(std::string_view text);
// The payload as the e-mail slot box wrote it, without a drop point.
std::optional<EmailSlotDrop> ParseEmailSlotPayload(std::string_view text);

} // namespace quorvant
