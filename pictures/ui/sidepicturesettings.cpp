#include "pictures/ui/sidepicturesettings.h"

namespace quorvant::ui {
namespace {

const AppSettings* g_settings = nullptr;

} // namespace

void SetSidePictureSettings(const AppSettings* settings) {
    g_settings = settings;
}

const AppSettings* SidePictureSettings() {
    return g_settings;
}

} // namespace quorvant::ui
