#pragma once

// Splits CSV text into lines and fields the way the import reads them. The second field of a line
// is the record's name and may be quoted (inner quotes doubled, line ends allowed inside); every
// other field is taken bare, up to the next comma or the line end.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvant::csv {

struct CsvLine {
    std::string_view first; // the slot-number field
    std::string name;       // the second field, unquoted; empty when the line has none
    std::string_view rest;  // the fields after the name, without the line end
    bool hasRest = false;   // false when the line ends at or before the name
};

class CsvLineReader {
  public:
    explicit CsvLineReader(std::string_view text) : text_(text) {}
    // Reads the next line into line; false once the text is used up. A line ends at LF, with a CR
    // before it dropped; the last line needs no line end.
    bool next(CsvLine& line);

  private:
    // Reads a quoted name starting at the opening quote; returns where the field ends (at the
    // comma, the line end or the end of the text).
    std::size_t readQuotedName(std::size_t quote, std::string& name) const;
    // The end of the line's content from from: before the LF (and a CR just before it).
    std::size_t contentEnd(std::size_t from, std::size_t& nextLine) const;

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Hands out the fields after the name one by one; once the line is used up every further field
// reads as empty, so a short line fills the remaining fields with 0.
class CsvFieldCursor {
  public:
    CsvFieldCursor(std::string_view rest, bool present) : rest_(rest), present_(present) {}
    std::string_view next();

  private:
    std::string_view rest_;
    bool present_;
};

// A decimal number as the import reads it: leading white space, an optional sign, then digits up
// to the first other character; no digits gives 0. The result wraps modulo 2^32, so storing it into
// a narrower field keeps its low bits ("-1" -> 255 and "300" -> 44 in a byte).
std::uint32_t ParseCsvNumber(std::string_view field);

} // namespace quorvant::csv
