#pragma once

#include <QString>

namespace quorvant::ui {

class Workspace;
class CLbmCrossRefDlg;

// "View LBM Cross Reference": shows the dialog, made on first use and kept with the program's
// cache of unit references; a double-clicked unit opens its OB file in the workspace at that unit.
CLbmCrossRefDlg* RunLbmCrossReference(Workspace& workspace);

// Opens (or brings forward) the OB file at path with the unit of file slot slot selected and
// its unit sheet open.
void ShowUnitOfFile(Workspace& workspace, const QString& path, int slot);

} // namespace quorvant::ui
