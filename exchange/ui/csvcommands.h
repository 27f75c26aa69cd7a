#pragma once

// The document's File > Export and File > Import commands: the section dialog, then one CSV file
// per chosen table in the "Exports" folder of the install folder of the document's generation.

#include <filesystem>

class QWidget;

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {

// Writes each chosen table atomically, then says "Export Complete". A file that cannot be written is
// named in a message and the other tables still go out. The document does not change.
void ExportDocumentCsv(QWidget* parent, CQuorvantDoc& doc, const std::filesystem::path& installFolder);

// Reads each chosen table back into the document, then says "Import Complete" (with a note for each
// file that had fewer lines than its table has slots), rebuilds the table on show and marks the
// document modified. A file that cannot be read is named in a message and changes nothing.
void ImportDocumentCsv(QWidget* parent, CQuorvantDoc& doc, const std::filesystem::path& installFolder);

} // namespace quorvant::ui
