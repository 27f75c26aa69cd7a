#pragma once

#include "exchange/csvexchange.h"

#include <QDialog>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

class QCheckBox;

namespace quorvant::ui {

// "Select Sections": which of the three tables an export or import covers. The caller's caption
// ("Export" or "Import") becomes the window title.
class CSectionDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CSectionDialog(const QString& caption, QWidget* parent = nullptr);

    // The checked sections, in the order weapons, units, formations.
    std::vector<CsvSection> sections() const;
    void setSections(const std::vector<CsvSection>& sections);
    QCheckBox* checkBox(CsvSection section) const;

  private:
    QCheckBox* boxes_[3] = {};
};

using SectionChoice = std::optional<std::vector<CsvSection>>;

// Asks which sections to cover; nothing when the user cancels. Behind a service so tests can
// answer without a modal loop.
class SectionChooser {
  public:
    virtual ~SectionChooser() = default;
    virtual SectionChoice choose(QWidget* parent, const QString& caption) = 0;

    // The dialog unless a test installed its own.
    static SectionChooser& current();
    // Installs chooser (not owned); nullptr restores the dialog.
    static void install(SectionChooser* chooser);
};

// A chooser for tests: answers from a queue (cancelled when it runs out) and records the captions.
class ScriptedSectionChooser : public SectionChooser {
  public:
    ScriptedSectionChooser() { install(this); }
    ~ScriptedSectionChooser() override { install(nullptr); }
    SectionChoice choose(QWidget* parent, const QString& caption) override;

    std::deque<SectionChoice> answers;
    std::vector<QString> captions;
};

} // namespace quorvant::ui
