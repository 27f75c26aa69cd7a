#include "exchange/csvlinereader.h"

namespace quorvant::csv {
namespace {

constexpr auto npos = std::string_view::npos;

bool IsCsvSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::size_t CsvLineReader::contentEnd(std::size_t from, std::size_t& nextLine) const {
    std::size_t lf = text_.find('\n', from);
    std::size_t end = lf == npos ? text_.size() : lf;
    nextLine = lf == npos ? text_.size() : lf + 1;
    if (end > from && text_[end - 1] == '\r') --end;
    return end;
}

std::size_t CsvLineReader::readQuotedName(std::size_t quote, std::string& name) const {
    std::size_t i = quote + 1;
    for (;;) {
        std::size_t close = text_.find('"', i);
        if (close == npos) {
            // Never closed: like any CSV reader, the field runs to the end of the text.
            name.append(text_.substr(i));
            return text_.size();
        }
        name.append(text_.substr(i, close - i));
        i = close + 1;
        if (i < text_.size() && text_[i] == '"') {
            name.push_back('"');
            ++i;
            continue;
        }
        break;
    }
    // Text between the closing quote and the field's end is kept, as spreadsheets do.
    std::size_t next = 0;
    std::size_t lineEnd = contentEnd(i, next);
    std::size_t comma = text_.substr(0, lineEnd).find(',', i);
    std::size_t end = comma == npos ? lineEnd : comma;
    name.append(text_.substr(i, end - i));
    return end;
}

bool CsvLineReader::next(CsvLine& line) {
    if (pos_ >= text_.size()) return false;
    line.first = {};
    line.name.clear();
    line.rest = {};
    line.hasRest = false;

    std::size_t nextLine = 0;
    std::size_t end = contentEnd(pos_, nextLine);
    std::string_view content = text_.substr(pos_, end - pos_);
    std::size_t comma = content.find(',');
    if (comma == npos) {
        line.first = content;
        pos_ = nextLine;
        return true;
    }
    line.first = content.substr(0, comma);

    std::size_t nameStart = pos_ + comma + 1;
    std::size_t nameEnd = 0;
    if (nameStart < end && text_[nameStart] == '"') {
        nameEnd = readQuotedName(nameStart, line.name);
        // A quoted name may have carried the line past its first line end.
        end = contentEnd(nameEnd, nextLine);
    } else {
        std::size_t nameComma = content.find(',', comma + 1);
        nameEnd = nameComma == npos ? end : pos_ + nameComma;
        line.name.assign(text_.substr(nameStart, nameEnd - nameStart));
    }
    if (nameEnd < end) {
        line.hasRest = true;
        line.rest = text_.substr(nameEnd + 1, end - nameEnd - 1);
    }
    pos_ = nextLine;
    return true;
}

std::string_view CsvFieldCursor::next() {
    if (!present_) return {};
    std::size_t comma = rest_.find(',');
    if (comma == npos) {
        present_ = false;
        return rest_;
    }
    std::string_view field = rest_.substr(0, comma);
    rest_.remove_prefix(comma + 1);
    return field;
}

std::uint32_t ParseCsvNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && IsCsvSpace(field[i])) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    std::uint32_t value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        value = value * 10u + static_cast<std::uint32_t>(field[i] - '0');
    return negative ? 0u - value : value;
}

} // namespace quorvant::csv
