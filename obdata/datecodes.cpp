#include "obdata/datecodes.h"

#include "obdata/generation.h"

#include <array>
#include <cstdio>

namespace quorvant {
namespace {

struct BW1Month {
    int month;
    int year;
    std::uint8_t code;
};

constexpr std::array<BW1Month, kBW1DateCount> MakeBW1Table() {
    std::array<BW1Month, kBW1DateCount> table{};
    int i = 0;
    for (int year = 39; year <= 45; ++year) {
        for (int month = (year == 39 ? 9 : 1); month <= 12; ++month) {
            table[i] = {month, year, static_cast<std::uint8_t>(month * 10 + year % 10)};
            ++i;
        }
    }
    table[0].code = 0;                  //  9/39 would collide with 99
    table[kBW1DateCount - 1].code = 99; // 12/45 would be 125
    return table;
}

constexpr std::array<BW1Month, kBW1DateCount> kBW1Table = MakeBW1Table();

std::string MonthName(const BW1Month& m) {
    char text[8];
    std::snprintf(text, sizeof text, "%2d/%02d", m.month, m.year);
    return text;
}

int FirstYearCode(int generation) {
    return generation == kBW2 ? 50 : 39;
}
int YearCount(int generation) {
    return generation == kBW2 ? 50 : 61;
}

} // namespace

std::vector<std::string> BuildDateList(int generation) {
    std::vector<std::string> list;
    if (generation == kBW1) {
        for (const auto& m : kBW1Table) list.push_back(MonthName(m));
        return list;
    }
    int first = FirstYearCode(generation);
    for (int i = 0; i < YearCount(generation); ++i) {
        int code = first + i;
        list.push_back(generation == kBW2 ? std::to_string(1900 + code) : std::to_string(code));
    }
    return list;
}

std::optional<std::uint8_t> DatePositionToCode(int generation, int position) {
    if (generation == kBW1) {
        if (position < 0 || position >= kBW1DateCount) return std::nullopt;
        return kBW1Table[static_cast<std::size_t>(position)].code;
    }
    if (position < 0 || position >= YearCount(generation)) return std::nullopt;
    return static_cast<std::uint8_t>(position + FirstYearCode(generation));
}

std::optional<int> DateCodeToPosition(int generation, std::uint8_t code) {
    if (generation == kBW1) {
        for (int i = 0; i < kBW1DateCount; ++i)
            if (kBW1Table[static_cast<std::size_t>(i)].code == code) return i;
        return std::nullopt;
    }
    if (code == 0) return 0;
    int position = code - FirstYearCode(generation);
    if (position < 0 || position >= YearCount(generation)) return std::nullopt;
    return position;
}

std::optional<std::string> BW1DateName(std::uint8_t code) {
    auto position = DateCodeToPosition(kBW1, code);
    if (!position) return std::nullopt;
    return MonthName(kBW1Table[static_cast<std::size_t>(*position)]);
}

std::string ListDateText(int generation, std::uint8_t code, std::uint8_t month) {
    if (generation == kBW1) return BW1DateName(code).value_or(std::to_string(code));
    if (generation == kBW3 && month != 0) return std::to_string(month) + "/" + std::to_string(code);
    return std::to_string(code);
}

} // namespace quorvant
