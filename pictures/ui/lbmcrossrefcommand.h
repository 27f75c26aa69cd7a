#pragma once

#include <QString>

namespace quorvant {
struct AppSettings;
}

namespace quorvant::ui {

class CMainFrame;
class CLbmCrossRefDlg;

// "View LBM Cross Reference": shows the dialog, made on first use and kept with the program's
// cache of unit references; a double-clicked unit opens its OB file in frame at that unit.
CLbmCrossRefDlg* RunLbmCrossReference(CMainFrame* frame, const AppSettings& settings);

// Opens (or brings forward) the OB file at path in frame with the unit of file slot slot selected and
// its unit sheet open.
void ShowUnitOfFile(CMainFrame* frame, const QString& path, int slot);

} // namespace quorvant::ui
