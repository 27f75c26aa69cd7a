#include "game/ui/setpathsdialog.h"

#include "platform/ui/dialogbuttons.h"

#include "game/setpathsrules.h"
#include "obdata/generation.h"
#include "platform/currentfolder.h"
#include "platform/ui/filechooser.h"
#include "platform/ui/promptservice.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvant::ui {

int CSetPathsDlg::FieldControl(int generation) {
    static const int kControls[] = {1380, 1381, 1167};
    return kControls[IsValidGeneration(generation) ? generation : kBW1];
}

CSetPathsDlg::CSetPathsDlg(AppSettings& settings, Profile& profile, QWidget* parent)
    : QDialog(parent), settings_(settings), profile_(profile) {
    setObjectName(QStringLiteral("420"));
    setWindowTitle(QStringLiteral("Set Paths"));
    static const char* const kLabels[] = {"Full Path for Brass Wolves ", "Full Path for Brass Wolves II",
                                          "Full Path for Brass Wolves III"};

    auto* intro =
        new QLabel(QStringLiteral("For proper operation of the Save Game Utility, Quorvant needs to "
                                  "know where your Brass Wolves directories are. "),
                   this);
    intro->setWordWrap(true);

    auto* grid = new QGridLayout;
    std::filesystem::path current = CurrentFolder();
    for (int generation : {kBW1, kBW2, kBW3}) {
        auto* label = new QLabel(QString::fromLatin1(kLabels[generation]), this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::number(FieldControl(generation)));
        edit->setMinimumWidth(320);
        edit->setText(QString::fromStdString(InitialInstallField(generation, settings_, current)));
        label->setBuddy(edit);
        edit->setWhatsThis(QStringLiteral("The folder %1 is installed in: the one holding %2. Leave it empty "
                                          "when you do not have this game.")
                               .arg(QString::fromLatin1(kLabels[generation]).mid(14).trimmed(),
                                    QString::fromLatin1(GameExecutableName(generation))));
        auto* browse = new QPushButton(tr("Browse..."), this);
        browse->setObjectName(QString::number(FieldControl(generation)) + QStringLiteral("Browse"));
        browse->setAutoDefault(false);
        connect(browse, &QPushButton::clicked, this, [this, generation] { Browse(generation); });
        grid->addWidget(label, generation * 2, 0, 1, 2);
        grid->addWidget(edit, generation * 2 + 1, 0);
        grid->addWidget(browse, generation * 2 + 1, 1);
        fields_[generation] = edit;
    }

    QDialogButtonBox* buttons = AddDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
}

void CSetPathsDlg::Browse(int generation) {
    QString folder =
        FileChooser::current().folder(this, QStringLiteral("Set Paths"), fields_[generation]->text());
    if (!folder.isEmpty()) fields_[generation]->setText(QDir::toNativeSeparators(folder));
}

// A folder without its game is named before the dialog closes, so a typing slip can be mended.
void CSetPathsDlg::accept() {
    std::array<std::string, 3> texts;
    for (int generation : {kBW1, kBW2, kBW3}) texts[generation] = fields_[generation]->text().toStdString();
    SetPathsProblems problems = FindSetPathsProblems(texts);
    if (!problems.generations.empty()) {
        QString question =
            QString::fromStdString(problems.text) + (problems.generations.size() == 1
                                                         ? QStringLiteral("\n\nCorrect the folder now?")
                                                         : QStringLiteral("\n\nCorrect the folders now?"));
        if (Prompt(PromptKind::YesNo, question, this, windowTitle()) == PromptAnswer::Yes) {
            QLineEdit* first = fields_[problems.generations.front()];
            first->setFocus();
            first->selectAll();
            return;
        }
    }
    ApplySetPaths(texts, settings_, profile_);
    QDialog::accept();
}

} // namespace quorvant::ui
