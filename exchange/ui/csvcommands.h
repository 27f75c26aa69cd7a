#pragma once

// The document's File > Export and File > Import commands: the section dialog, then one CSV file
// per chosen table in the "Exports" folder of the install folder of the document's generation.

#include <QString>

#include <filesystem>

class QWidget;

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

// What an export or import did, for the status bar: empty when the user cancelled.
struct CsvCommandOutcome {
    bool ran = false;
    int files = 0;
    QString folder;
    // "Exported 3 files to /game/Exports".
    QString summary(const QString& verb, const QString& preposition) const;
};

// Writes each chosen table atomically, then says "Export Complete" with the files and folder as the
// message's detail. A file that cannot be written is
// named in a message and the other tables still go out. The document does not change.
CsvCommandOutcome ExportDocumentCsv(QWidget* parent, CQuorvantDoc& doc,
                                    const std::filesystem::path& installFolder);

// Reads each chosen table back into the document, then says "Import Complete" (with a note for each
// file that had fewer lines than its table has slots), rebuilds the table on show and makes the
// whole import one step of the document's history ("Import Units"). A file that cannot be read is named in a message and changes nothing.
CsvCommandOutcome ImportDocumentCsv(QWidget* parent, CQuorvantDoc& doc,
                                    const std::filesystem::path& installFolder);

} // namespace quorvant::ui
