#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quorvant::ui {

class CMainFrame;

// Pictures of the formation and weapon editors on the first open document of each generation; save
// writes one picture and says whether it could.
bool ShootFormationAndWeaponEditors(CMainFrame& frame,
                                    const std::function<bool(QWidget*, const QString&)>& save);

} // namespace quorvant::ui
