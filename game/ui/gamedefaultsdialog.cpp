#include "game/ui/gamedefaultsdialog.h"

#include "platform/ui/dialogbuttons.h"

#include "game/gamedefaultsrules.h"
#include "obdata/generation.h"
#include "platform/currentfolder.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorvant::ui {
namespace {

QRadioButton* AddButton(QButtonGroup* group, int id, const QString& text, QWidget* parent, QLayout* layout) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::number(id));
    group->addButton(button, id);
    layout->addWidget(button);
    return button;
}

} // namespace

CGameDefaultsDlg::CGameDefaultsDlg(AppSettings& settings, Profile& profile, QWidget* parent)
    : QDialog(parent), settings_(settings), profile_(profile), generations_(new QButtonGroup(this)),
      gameManager_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("460"));
    setWindowTitle(QStringLiteral("Game Defaults"));
    auto* intro =
        new QLabel(QStringLiteral("Please select the Brass Wolves version to start Quorvant with\nand "
                                  "the default type of game files for the Game Manager."),
                   this);

    auto* startBox = new QGroupBox(QStringLiteral("Start Quorvant with:"), this);
    startBox->setWhatsThis(
        QStringLiteral("The generation whose folder File > Open starts in. Only generations "
                       "whose install folder is known can be chosen."));
    auto* startLayout = new QVBoxLayout(startBox);
    static const char* const kGenerationTexts[] = {"BW1", "BW2", "BW3"};
    for (int generation : {kBW1, kBW2, kBW3}) {
        QRadioButton* b = AddButton(generations_, GenerationButton(generation),
                                    QString::fromLatin1(kGenerationTexts[generation]), startBox, startLayout);
        connect(b, &QRadioButton::clicked, this, [this, generation] { OnGenerationButton(generation); });
    }
    startLayout->addStretch();

    auto* managerBox = new QGroupBox(QStringLiteral("Start Game Manager with:"), this);
    managerBox->setWhatsThis(QStringLiteral("The saved games or e-mail games the Game Manager lists first."));
    auto* managerLayout = new QVBoxLayout(managerBox);
    auto* pairs = new QHBoxLayout;
    for (int pair = 0; pair < 2; ++pair) {
        auto* box = new QGroupBox(pair == 0 ? QStringLiteral("BW 1") : QStringLiteral("BW 2"), managerBox);
        auto* boxLayout = new QVBoxLayout(box);
        AddButton(gameManager_, 1162 + pair * 2, QStringLiteral("Save"), box, boxLayout);
        AddButton(gameManager_, 1163 + pair * 2, QStringLiteral("Email"), box, boxLayout);
        pairs->addWidget(box);
    }
    managerLayout->addLayout(pairs);
    AddButton(gameManager_, 1166, QStringLiteral("BW &3"), managerBox, managerLayout);

    for (QButtonGroup* group : {generations_, gameManager_})
        for (QAbstractButton* b : group->buttons())
            b->setEnabled(GameDefaultsOffers(group->id(b), settings_));
    // Exclusive groups cannot be emptied again; with no stored choice nothing starts checked.
    if (std::optional<int> generation = PreselectedGeneration(settings_))
        generations_->button(GenerationButton(*generation))->setChecked(true);
    if (QAbstractButton* b = gameManager_->button(settings_.SaveDefault); b && b->isEnabled())
        b->setChecked(true);

    QDialogButtonBox* buttons = AddDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* groups = new QHBoxLayout;
    groups->addWidget(startBox);
    groups->addWidget(managerBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(groups);
    layout->addWidget(buttons);
}

QRadioButton* CGameDefaultsDlg::button(int id) const {
    if (QAbstractButton* b = generations_->button(id)) return qobject_cast<QRadioButton*>(b);
    return qobject_cast<QRadioButton*>(gameManager_->button(id));
}

void CGameDefaultsDlg::OnGenerationButton(int generation) {
    if (settings_.HasInstallFolder(generation)) ChangeCurrentFolder(settings_.InstallFolder(generation));
    if (QAbstractButton* b = gameManager_->button(GameManagerButtonFor(generation))) b->setChecked(true);
}

void CGameDefaultsDlg::accept() {
    std::optional<int> generation;
    for (int g : {kBW1, kBW2, kBW3})
        if (generations_->checkedId() == GenerationButton(g)) generation = g;
    int checked = gameManager_->checkedId();
    ApplyGameDefaults(generation, IsGameManagerButton(checked) ? std::optional<int>(checked) : std::nullopt,
                      settings_, profile_);
    QDialog::accept();
}

} // namespace quorvant::ui
