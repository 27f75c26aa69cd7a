#pragma once

#include "game/appsettings.h"

class QAction;
class QString;
class QWidget;

namespace quorvant::ui {

class CUnitView;

// What a feature may ask of the window it works in: the settings, the documents' views, the commands
// and the status bar. The main frame is one; a feature's tests can use a small fake instead.
class Workspace {
  public:
    virtual ~Workspace() = default;

    virtual const AppSettings& Settings() const = 0;
    // The window dialogs are parented to, and that outlives what a feature connects to it.
    virtual QWidget* Window() = 0;
    // The view of the active document; null while none is open.
    virtual CUnitView* ActiveView() const = 0;
    // Opens path as a document, or brings forward the window already showing it, and returns its
    // view; null when the file could not be opened (the user was told why).
    virtual CUnitView* OpenDocument(const QString& path) = 0;
    // The view of the document read from the file at path (however spelled), if it is open.
    virtual CUnitView* OpenView(const QString& path) const = 0;
    // Makes view's document the active one.
    virtual void Activate(CUnitView* view) = 0;
    // The command numbered command; null when there is none.
    virtual QAction* Command(int command) const = 0;
    // Says what a command did in the status bar, and keeps it in the session's messages.
    virtual void ShowStatusMessage(const QString& text) = 0;
    // The commands' enabled and checked states, after anything that may change them.
    virtual void UpdateCommandStates() = 0;
};

} // namespace quorvant::ui
