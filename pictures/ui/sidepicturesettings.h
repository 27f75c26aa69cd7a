#pragma once

namespace quorvant {
struct AppSettings;
}

namespace quorvant::ui {

// The settings whose install folders lead the unit sheet's Side Graphic page to the pictures. The
// main frame sets them for its life; without them (a sheet made on its own) the page is left out.
void SetSidePictureSettings(const AppSettings* settings);
const AppSettings* SidePictureSettings();

} // namespace quorvant::ui
