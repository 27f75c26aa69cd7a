#include "gamemgr/slotdragpayload.h"

#include "gamemgr/gamemode.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace quorvant {
namespace {

// A whole decimal integer, nothing before or after it, within what an int holds.
std::optional<int> WholeInteger(std::string_view text, bool allowSign) {
    if (text.empty() || (!allowSign && text.front() == '-') || text.front() == '+') return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The text before the last tab and the integer after it.
std::optional<std::pair<std::string_view, int>> SplitLastInteger(std::string_view text, bool allowSign) {
    std::size_t tab = text.rfind('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    std::optional<int> value = WholeInteger(text.substr(tab + 1), allowSign);
    if (!value) return std::nullopt;
    return std::pair{text.substr(0, tab), *value};
}

std::optional<EmailSlotDrop> EmailSlotFrom(std::string_view text) {
    auto id = SplitLastInteger(text, false);
    if (!id || (id->second != kEmailBox1 && id->second != kEmailBox2)) return std::nullopt;
    return EmailSlotDrop{std::string(id->first), id->second == kEmailBox1 ? 1 : 2, 0, 0};
}

} // namespace

std::vector<std::uint8_t> MakePayloadBlock(std::string_view text) {
    std::vector<std::uint8_t> block(kPayloadBlockSize, 0);
    text = text.substr(0, std::min(text.size(), kPayloadBlockSize - 1));
    std::copy(text.begin(), text.end(), block.begin());
    return block;
}

std::optional<std::string> PayloadText(const std::uint8_t* bytes, std::size_t size) {
    if (!bytes || size == 0) return std::nullopt;
    std::size_t limit = std::min(size, kPayloadBlockSize);
    const void* nul = std::memchr(bytes, 0, limit);
    if (!nul) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<const std::uint8_t*>(nul) - bytes);
}

std::string WithDropPoint(std::string_view text, int x, int y) {
    return std::string(text) + '\t' + std::to_string(x) + '\t' + std::to_string(y);
}

std::string SlotSourcePayload(const std::filesystem::path& slotFolder) {
    std::u8string text = slotFolder.u8string();
    return std::string(text.begin(), text.end());
}

std::optional<std::filesystem::path> ParseSlotSourcePayload(std::string_view text) {
    if (text.empty() || text.find('\0') != std::string_view::npos) return std::nullopt;
    std::filesystem::path folder(std::u8string(text.begin(), text.end()));
    if (!folder.is_absolute()) return std::nullopt;
    return folder;
}

std::string SlotRowPayload(int row) {
    return std::to_string(row);
}

std::optional<int> ParseSlotRowPayload(std::string_view text, int rowCount) {
    std::size_t tab = text.find('\t');
    if (tab != std::string_view::npos) {
        // Only a well-formed drop point may follow the row.
        auto y = SplitLastInteger(text, true);
        if (!y) return std::nullopt;
        auto x = SplitLastInteger(y->first, true);
        if (!x || x->first.size() != tab) return std::nullopt;
    }
    std::optional<int> row = WholeInteger(text.substr(0, tab), false);
    if (!row || *row >= rowCount) return std::nullopt;
    return row;
}

std::optional<std::string> ParseArchivePayload(std::string_view text) {
    if (auto y = SplitLastInteger(text, true)) {
        if (auto x = SplitLastInteger(y->first, true)) text = x->first;
    }
    if (text.empty() || text.find(kEmptySlotText) != std::string_view::npos) return std::nullopt;
    return std::string(text);
}

std::string EmailSlotPayload(std::string_view boxText, int boxId) {
    return std::string(boxText) + '\t' + std::to_string(boxId);
}

std::optional<EmailSlotDrop> ParseEmailSlotPayload(std::string_view text) {
    return EmailSlotFrom(text);
}

std::optional<EmailSlotDrop> ParseEmailSlotDrop(std::string_view text) {
    auto y = SplitLastInteger(text, true);
    if (!y) return std::nullopt;
    auto x = SplitLastInteger(y->first, true);
    if (!x) return std::nullopt;
    std::optional<EmailSlotDrop> drop = EmailSlotFrom(x->first);
    if (!drop) return std::nullopt;
    drop->x = x->second;
    drop->y = y->second;
    return drop;
}

} // namespace quorvant
