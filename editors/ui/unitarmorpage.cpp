#include "editors/ui/unitarmorpage.h"

#include "editors/ui/pagecontrols.h"
#include "editors/uniteditcontext.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quorvant::ui {
namespace {

struct ArmorGroup {
    const char* title;
    std::array<std::uint8_t, kFacings> CUnitRecord::*field;
    int firstId;
    int firstLabelId;
    const char* help;
};

constexpr ArmorGroup kGroups[] = {
    {"AP Ratings", &CUnitRecord::ArmorAP, 1150, 0, "armour against armour-piercing shot"},
    {"HEAT Ratings", &CUnitRecord::ArmorHEAT, 1157, 0, "armour against HEAT (shaped-charge) warheads"},
    {"Reactive Ratings", &CUnitRecord::ArmorRA, 1164, 1067,
     "reactive armour, which breaks up HEAT warheads before they reach the main armour (BW2 and BW3)"},
};

constexpr const char* kFacingLabels[kFacings] = {"Front Hull ",   "Side Hull ",   "Rear Hull ",
                                                 "Front Turret ", "Side Turret ", "Rear Turret ",
                                                 "Top Turret "};
constexpr const char* kFacingNames[kFacings] = {
    "the front of the hull",   "the sides of the hull",  "the rear of the hull", "the front of the turret",
    "the sides of the turret", "the rear of the turret", "the top of the turret"};

} // namespace

CUnitArmorPage::CUnitArmorPage(UnitEditContext& context)
    : CUnitSheetPage(context, QStringLiteral("Unit Armor "), 240) {
    auto* groups = new QHBoxLayout;
    for (std::size_t g = 0; g < std::size(kGroups); ++g) {
        const ArmorGroup& group = kGroups[g];
        auto* box = new QGroupBox(QString::fromLatin1(group.title));
        QFormLayout* form = FieldForm();
        box->setLayout(form);
        for (int f = 0; f < kFacings; ++f) {
            QLineEdit* edit =
                NumberEdit(group.firstId + f, 3,
                           QStringLiteral("The unit's %1 on %2. Higher values stop more hits; "
                                          "0 is no armour.")
                               .arg(QString::fromLatin1(group.help), QString::fromLatin1(kFacingNames[f])));
            AddRow(form, QString::fromLatin1(kFacingLabels[f]), edit,
                   group.firstLabelId ? group.firstLabelId + f : 0);
            exchange_.Add(edit, values_[g][static_cast<std::size_t>(f)]);
            // Reactive armour changes are left to the commit, which marks any change.
            if (group.field != &CUnitRecord::ArmorRA)
                connect(edit, &QLineEdit::textEdited, this,
                        [this] { context_.document->SetModifiedFlag(true); });
        }
        if (group.field == &CUnitRecord::ArmorRA) {
            box->setObjectName(QStringLiteral("1074"));
            reactive_ = box;
        }
        groups->addWidget(box);
    }
    auto* note =
        new QLabel(QStringLiteral("Aircraft Durability = AP Front Hull, Aircraft Armor = AP Side Hull "));
    note->setWhatsThis(
        QStringLiteral("Aircraft have no hull or turret: the game reads their durability from AP "
                       "Front Hull and their armour from AP Side Hull."));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(note);
    layout->addStretch();
    // BW1 has no reactive armour; its values stay as the file holds them.
    if (context_.document->Generation == kBW1) reactive_->setEnabled(false);
}

void CUnitArmorPage::OnSetActive() {
    const CUnitRecord& unit = context_.record();
    for (std::size_t g = 0; g < std::size(kGroups); ++g) values_[g] = unit.*kGroups[g].field;
    exchange_.Show();
}

bool CUnitArmorPage::OnKillActive() {
    if (!exchange_.Read(window())) return false;
    CUnitRecord& unit = context_.record();
    for (std::size_t g = 0; g < std::size(kGroups); ++g) unit.*kGroups[g].field = values_[g];
    return true;
}

} // namespace quorvant::ui
