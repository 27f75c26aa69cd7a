#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quorvant::ui {

class CMainFrame;

// Pictures of every page of the unit sheet, on a unit of the first open document of each
// generation; save writes one picture and says whether it could.
bool ShootUnitSheets(CMainFrame& frame, const std::function<bool(QWidget*, const QString&)>& save);

} // namespace quorvant::ui
