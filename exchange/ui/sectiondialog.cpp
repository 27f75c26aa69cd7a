#include "exchange/ui/sectiondialog.h"

#include "exchange/csvcolumns.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace quorvant::ui {
namespace {

// The control numbers of the check boxes, by section.
constexpr int kBoxIds[3] = {1420, 1421, 1423};

// Each caption's dialog opens with the sections last confirmed under it in this session, so an
// export and the import that follows it need no ticking twice.
class DialogSectionChooser : public SectionChooser {
  public:
    SectionChoice choose(QWidget* parent, const QString& caption) override {
        CSectionDialog dialog(caption, parent);
        dialog.setSections(last_[caption]);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        last_[caption] = dialog.sections();
        return dialog.sections();
    }

  private:
    std::map<QString, std::vector<CsvSection>> last_;
};

SectionChooser* g_installed = nullptr;

} // namespace

CSectionDialog::CSectionDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("470"));
    setWindowTitle(caption);

    auto* group = new QGroupBox(QStringLiteral("Select Sections"), this);
    group->setObjectName(QStringLiteral("1424"));
    auto* groupLayout = new QVBoxLayout(group);
    for (CsvSection section : kCsvSections) {
        int i = static_cast<int>(section);
        boxes_[i] = new QCheckBox(QString::fromLatin1(CsvSectionName(section)), group);
        boxes_[i]->setObjectName(QString::number(kBoxIds[i]));
        groupLayout->addWidget(boxes_[i]);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
    // Nothing to do until a table is chosen.
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    for (QCheckBox* box : boxes_)
        connect(box, &QCheckBox::toggled, ok, [this, ok] { ok->setEnabled(!sections().empty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

std::vector<CsvSection> CSectionDialog::sections() const {
    std::vector<CsvSection> chosen;
    for (CsvSection section : kCsvSections)
        if (checkBox(section)->isChecked()) chosen.push_back(section);
    return chosen;
}

void CSectionDialog::setSections(const std::vector<CsvSection>& sections) {
    for (CsvSection section : kCsvSections)
        checkBox(section)->setChecked(std::find(sections.begin(), sections.end(), section) != sections.end());
}

QCheckBox* CSectionDialog::checkBox(CsvSection section) const {
    return boxes_[csv::SectionIndex(section)];
}

SectionChooser& SectionChooser::current() {
    static DialogSectionChooser dialog;
    return g_installed ? *g_installed : dialog;
}

void SectionChooser::install(SectionChooser* chooser) {
    g_installed = chooser;
}

SectionChoice ScriptedSectionChooser::choose(QWidget*, const QString& caption) {
    captions.push_back(caption);
    if (answers.empty()) return std::nullopt;
    SectionChoice answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace quorvant::ui
