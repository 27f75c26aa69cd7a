#pragma once

class QPushButton;

namespace quorvant::ui {

// The buttons both picture windows step through a picture folder with ("<<", "<", ">", ">>") and the
// Load button of their number field, with their control numbers and help.
struct PictureBrowseButtons {
    QPushButton* first = nullptr;
    QPushButton* previous = nullptr;
    QPushButton* next = nullptr;
    QPushButton* last = nullptr;
    QPushButton* load = nullptr;
};
PictureBrowseButtons MakePictureBrowseButtons();

} // namespace quorvant::ui
