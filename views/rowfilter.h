#pragma once

// Expressions over a record list's columns that choose rows: "Cost > 100 and Class = "Main Battle
// Tank"", "Available < 1960 or not Name ~ HQ". A comparison is a field (a heading or an export name,
// ignoring case), an operator (= != < <= > >= ~ for "holds") and a value; comparisons join with and,
// or, not and parentheses, not binding closest, then and, then or. Quoted or other text compares
// with the text the cell shows, ignoring case, and orders as the column sorts; a number compares
// with the stored value, and with the year of a date (a two-digit year counts as 19xx). Only
// named records ever match.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvant {

class CQuorvantDoc;

struct FilterProblem {
    std::string reason;
    std::size_t position = 0; // of the character where the expression goes wrong, from 0

    // The reason with the character it points at, counted from 1.
    std::string describe() const;
};

// Whether text is meant as an expression rather than a piece of a name: it holds an operator.
bool LooksLikeExpression(std::string_view text);

class RowFilter {
  public:
    // The expression over the columns of the table as the generation lists them; nothing, with the
    // reason and where, when it cannot be read.
    static std::optional<RowFilter> Parse(std::string_view text, int table, int generation,
                                          FilterProblem* problem = nullptr);

    // Whether the row (slot - 1) shows a named record the expression holds for.
    bool Matches(const CQuorvantDoc& doc, int row) const;

    enum class Op { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, Holds };
    struct Node {
        enum Kind { Compare, And, Or, Not } kind = Compare;
        int left = -1;
        int right = -1;
        int column = -1;
        Op op = Op::Equal;
        std::optional<double> number;
        std::string text; // the value as written, or its text when it is a number
    };

  private:
    bool Holds(const CQuorvantDoc& doc, int row, int node) const;
    bool Compares(const CQuorvantDoc& doc, int row, const Node& node) const;

    int table_ = 0;
    int generation_ = 0;
    std::vector<Node> nodes_;
    int root_ = -1;
};

} // namespace quorvant
