#include "editors/ui/unitweponspage.h"

#include "editors/ui/pagecontrols.h"
#include "editors/uniteditcontext.h"
#include "obdata/quorvantdoc.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QStringListModel>

namespace quorvant::ui {
namespace {

constexpr int kLastWeaponSlot = kWeaponSlots - 1;

} // namespace

CUnitWeponsPage::CUnitWeponsPage(UnitEditContext& context)
    : CUnitSheetPage(context, QStringLiteral("Unit Weapons"), 200) {
    // One list of names serves the four type lists.
    weaponNames_ = new QStringListModel(RecordNames(context_.document->Weapons), this);
    auto* grid = new QGridLayout(this);
    for (int w = 0; w < kWeapons; ++w) {
        const int base = 1100 + 4 * w;
        const QString which = QStringLiteral("weapon %1").arg(w + 1);
        auto* box = new QGroupBox(QStringLiteral("Weapon %1").arg(w + 1));
        QFormLayout* form = FieldForm();
        box->setLayout(form);

        QComboBox* type = ListBox(base, QStringLiteral("The unit's %1, chosen from this file's weapons. The "
                                                       "first entry means no weapon: choosing it clears the "
                                                       "weapon's rounds.")
                                            .arg(which));
        type->setModel(weaponNames_);
        type->setMinimumContentsLength(kNameLength + 2);
        type->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        AddRow(form, QStringLiteral("Type "), type);
        types_[static_cast<std::size_t>(w)] = type;

        QLineEdit* number = NumberEdit(
            base + 1, 3,
            QStringLiteral("The slot number of the %1 in this file's weapon list, 0 to %2; 0 means "
                           "no weapon. Typing a number picks the weapon in the list above.")
                .arg(which)
                .arg(kLastWeaponSlot));
        number->setMaxLength(3);
        AddRow(form, QStringLiteral("Number "), number);
        numberEdits_[static_cast<std::size_t>(w)] = number;
        exchange_.Add(number, numbers_[static_cast<std::size_t>(w)], RangeField(0, kLastWeaponSlot));

        static const char* const kRounds[] = {"high-explosive", "armour-piercing"};
        static const char* const kLabels[] = {"HE ", "AP "};
        for (int r = 0; r < 2; ++r) {
            const std::size_t slot = static_cast<std::size_t>(2 * w + r);
            QLineEdit* rounds = NumberEdit(base + 2 + r, 3,
                                           QStringLiteral("How many %1 rounds the unit carries for its %2.")
                                               .arg(QString::fromLatin1(kRounds[r]), which));
            AddRow(form, QString::fromLatin1(kLabels[r]), rounds);
            ammoEdits_[slot] = rounds;
            exchange_.Add(rounds, ammo_[slot]);
            // The fourth weapon's rounds are left to the commit, which marks any change.
            if (w < kWeapons - 1)
                connect(rounds, &QLineEdit::textEdited, this,
                        [this] { context_.document->SetModifiedFlag(true); });
        }
        connect(type, &QComboBox::activated, this, [this, w](int entry) { OnTypeChosen(w, entry); });
        connect(number, &QLineEdit::textEdited, this,
                [this, w](const QString& text) { OnNumberTyped(w, text); });
        grid->addWidget(box, w / 2, w % 2);
    }
    grid->setRowStretch(2, 1);
}

void CUnitWeponsPage::OnSetActive() {
    const CUnitRecord& unit = context_.record();
    for (std::size_t w = 0; w < kWeapons; ++w) {
        QSignalBlocker block(types_[w]);
        // A slot the weapon list lacks shows no selection.
        types_[w]->setCurrentIndex(unit.Wpn[w] < types_[w]->count() ? unit.Wpn[w] : -1);
        numbers_[w] = unit.Wpn[w];
    }
    ammo_ = unit.Ammo;
    exchange_.Show();
}

bool CUnitWeponsPage::OnKillActive() {
    if (!exchange_.Read(window())) return false;
    CUnitRecord& unit = context_.record();
    for (std::size_t w = 0; w < kWeapons; ++w) {
        // No selection leaves the record's slot as it is.
        int selected = types_[w]->currentIndex();
        if (selected >= 0) unit.Wpn[w] = static_cast<std::uint8_t>(selected);
    }
    unit.Ammo = ammo_;
    return true;
}

void CUnitWeponsPage::OnTypeChosen(int weapon, int entry) {
    if (entry < 0 || entry > kLastWeaponSlot) return;
    const std::size_t w = static_cast<std::size_t>(weapon);
    CUnitRecord& unit = context_.record();
    unit.Wpn[w] = static_cast<std::uint8_t>(entry);
    numbers_[w] = static_cast<std::uint8_t>(entry);
    exchange_.Show(numberEdits_[w]);
    if (entry == 0) {
        for (std::size_t r = 2 * w; r < 2 * w + 2; ++r) {
            ammo_[r] = 0;
            unit.Ammo[r] = 0;
            exchange_.Show(ammoEdits_[r]);
        }
    }
    context_.document->SetModifiedFlag(true);
}

void CUnitWeponsPage::OnNumberTyped(int weapon, const QString& text) {
    context_.document->SetModifiedFlag(true);
    std::optional<long long> value = ParseInteger(text.toStdString());
    if (!value) return;
    QComboBox* type = types_[static_cast<std::size_t>(weapon)];
    QSignalBlocker block(type);
    type->setCurrentIndex(TypedListSelection(*value, type->count()));
}

} // namespace quorvant::ui
