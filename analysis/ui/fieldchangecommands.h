#pragma once

// Edit > Change Field... and View > Select Filtered: they act on the selected rows, or the rows shown,
// of the active document's list.

namespace quorvant::ui {

class Workspace;

void InstallFieldChangeCommands(Workspace& workspace);

} // namespace quorvant::ui
