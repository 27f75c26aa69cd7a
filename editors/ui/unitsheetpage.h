#pragma once

#include <QWidget>

namespace quorvant {
struct UnitEditContext;
}

namespace quorvant::ui {

// A page of the unit sheet: it edits the context's current unit in place.
class CUnitSheetPage : public QWidget {
    Q_OBJECT
  public:
    CUnitSheetPage(UnitEditContext& context, const QString& title, int dialogId);

    QString Title() const { return title_; }
    // The page becomes the one shown: it loads the current unit.
    virtual void OnSetActive() = 0;
    // The page stops being shown: it stores into the current unit. False refuses, after telling
    // the user why.
    virtual bool OnKillActive() = 0;
    // After a refusal: the focus goes back to the field that was refused.
    virtual void FocusInvalid() {}

  signals:
    // What the page did beyond editing the unit (a file it wrote), for the status bar.
    void statusMessage(const QString& text);

  protected:
    UnitEditContext& context_;

  private:
    QString title_;
};

} // namespace quorvant::ui
