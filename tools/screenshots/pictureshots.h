#pragma once

#include <QDir>

namespace quorvant {
struct AppSettings;
}

namespace quorvant::ui {

class CMainFrame;

// The cross reference after a scan, for each family, and the side graphic page; false when a picture could
// not be saved.
bool SavePictureScreenshots(CMainFrame* frame, AppSettings& settings, const QDir& folder);

} // namespace quorvant::ui
