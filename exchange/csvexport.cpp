#include "exchange/csvcolumns.h"
#include "exchange/csvexchange.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"

#include <charconv>

namespace quorvant {
namespace {

// A name the import could not split back out (a comma, a quote or a line end in it) is quoted;
// every other name goes out exactly as held.
bool NeedsQuotes(std::string_view name) {
    return name.find_first_of(",\"\r\n") != std::string_view::npos;
}

void AppendName(std::string& out, std::string_view name) {
    if (!NeedsQuotes(name)) {
        out.append(name);
        return;
    }
    out.push_back('"');
    for (char c : name) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

void AppendNumber(std::string& out, unsigned value) {
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

template <class R> class LineWriter {
  public:
    LineWriter(std::string& out, const R& record, int slot) : out_(out), record_(record), slot_(slot) {}

    void slot() { AppendNumber(out_, static_cast<unsigned>(slot_)); }
    void name() {
        out_.push_back(',');
        AppendName(out_, record_.Name.view());
    }
    template <class A> void field(A access) {
        out_.push_back(',');
        AppendNumber(out_, access(record_));
    }
    template <class A> void unread(A access) { field(access); }

  private:
    std::string& out_;
    const R& record_;
    int slot_;
};

} // namespace

std::string ExportCsv(const CQuorvantDoc& doc, CsvSection section) {
    std::string out = csv::Heading(section, doc.Generation);
    out += "\r\n";
    csv::WithCsvTable(doc, section, [&out](const auto& table, auto visitColumns) {
        out.reserve(out.size() + table.size() * 256);
        for (std::size_t slot = 0; slot < table.size(); ++slot) {
            LineWriter writer(out, table[slot], static_cast<int>(slot));
            visitColumns(writer);
            out += "\r\n";
        }
    });
    return out;
}

bool ExportCsvFile(const CQuorvantDoc& doc, CsvSection section, const std::filesystem::path& path,
                   std::string& error) {
    if (path.empty()) {
        error = "no file to write to";
        return false;
    }
    return WriteFileAtomically(path, ExportCsv(doc, section), error);
}

} // namespace quorvant
