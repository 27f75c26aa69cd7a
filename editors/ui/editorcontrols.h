#pragma once

#include "workspace/ui/dialogcontrols.h"

#include "editors/uniteditcontext.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QDialog;
class QPushButton;
class QWidget;

namespace quorvant::ui {

// Pieces the formation and weapon editors share on top of the page controls.

QStringList ListEntries(const std::vector<std::string>& list);
QStringList ListEntries(std::span<const char* const> list);
// The entry a list shows for position, -1 when it has none.
int ShownPosition(const QComboBox* list, int position);
// Selects without telling the editor, as loading does.
void SelectQuietly(QComboBox* list, int position);
// Selects position quietly and returns the position shown (-1 when the list has none).
int SelectShown(QComboBox* list, int position);
// Whether the user chose another entry than the one loaded; a stored code the list cannot show
// stays as it is until the user picks something.
bool ChosenOtherThan(const QComboBox* list, int shown);
// The buttons of an editor that moves between records: "<<", "<", ">", ">>", Copy, Paste, OK,
// Cancel and Help. OK and Cancel close the dialog as accept and reject do.
struct EditorButtons {
    struct Texts {
        int copyId, pasteId;
        const char* record; // "formation", "weapon"
        const char* copyHelp;
        const char* pasteHelp;
        const char* cancelHelp;
    };
    EditorButtons(QDialog* dialog, const Texts& texts, std::function<void(UnitMove)> move);
    void Enable(const MoveButtons& enabled);
    // Adds the buttons to the end of a tab order.
    void AppendTo(std::vector<QWidget*>& tabOrder) const;

    std::array<QPushButton*, 4> moves{};
    QPushButton* copy = nullptr;
    QPushButton* paste = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr;
};

} // namespace quorvant::ui
