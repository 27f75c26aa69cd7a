#include "editors/ui/weaponeditor.h"

#include "editors/formationentries.h"
#include "editors/tablecommit.h"
#include "editors/ui/editorcontrols.h"
#include "editors/ui/pagecontrols.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/stringtable.h"
#include "obdata/ui/gametext.h"
#include "platform/ui/enterkey.h"
#include "platform/ui/promptservice.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvant::ui {
namespace {

struct WeaponField {
    int id;
    std::uint8_t CWeaponRecord::*field;
    int labelId;
    const char* labelBW1;
    const char* label;
    const char* help;
};

// In exchange order; the first column ends after Accuracy.
constexpr WeaponField kFields[] = {
    {1315, &CWeaponRecord::WepSound, 0, "Weapon Sound ", "Weapon Sound ",
     "The sound the game plays when the weapon fires."},
    {1294, &CWeaponRecord::WepSize, 0, "Weapon Size ", "Weapon Size ",
     "The size class of the weapon, from small arms upward; it decides how the shot looks and sounds."},
    {1295, &CWeaponRecord::Warhead, 1305, "Projectile Size ", "Warhead ",
     "BW1: the size of the projectile. BW2 and BW3: the kind of warhead the weapon fires."},
    {1296, &CWeaponRecord::Accuracy, 0, "Accuracy ", "Accuracy ",
     "How likely a shot is to hit; higher values hit more often."},
    {1297, &CWeaponRecord::MaxRange, 1308, "Range ", "Max Range ",
     "The farthest the weapon can fire, in the game's range units."},
    {1298, &CWeaponRecord::MinRange, 1309, "HVAP Range ", "Min Range ",
     "BW1: the range up to which HVAP rounds are fired. BW2 and BW3: the nearest target the weapon can "
     "engage."},
    {1299, &CWeaponRecord::HVAP, 1310, "HVAP Pen ", "HVAP ",
     "The armour the weapon's high-velocity (HVAP or sabot) rounds pierce."},
    {1300, &CWeaponRecord::HEAT, 1311, "HEAT Pen ", "HEAT Pen ",
     "The armour the weapon's HEAT (shaped-charge) rounds pierce; 0 when it has none."},
    {1301, &CWeaponRecord::HEPen, 0, "HE Pen ", "HE Pen ",
     "The armour the weapon's high-explosive rounds pierce."},
    {1302, &CWeaponRecord::APPen, 0, "AP Pen ", "AP Pen ",
     "The armour the weapon's armour-piercing rounds pierce."},
    {1303, &CWeaponRecord::HEKill, 1306, "HE Soft Attack ", "HE Kill ",
     "How deadly a high-explosive round is against men and soft targets."},
    {1304, &CWeaponRecord::APKill, 1307, "Ap Soft Attack ", "AP Kill ",
     "How deadly an armour-piercing round is against men and soft targets."},
};
constexpr std::size_t kFirstColumn = 4;

QStringList ClassEntries(int generation) {
    QStringList entries{QString()};
    const int first = generation == kBW1 ? 701 : 751;
    const int last = generation == kBW1 ? 711 : 768;
    for (int id = first; id <= last; ++id) {
        std::string_view text = LoadString(id);
        entries.push_back(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
    return entries;
}

} // namespace

CWeaponEditor::CWeaponEditor(CQuorvantDoc& doc, int slot) : CRecordEditor(doc, kWeaponTable), slot_(slot) {
    setObjectName(QStringLiteral("WeaponEditor"));
    setWindowTitle(QStringLiteral("Weapons"));
    BuildControls();
    Load();
    buttons_->paste->setEnabled(doc.Generation != kBW1 && doc.CopiedWeapon.has_value());
}

CWeaponEditor::~CWeaponEditor() = default;

CWeaponRecord& CWeaponEditor::record() const {
    return document().Weapons.at(static_cast<std::size_t>(slot_));
}

void CWeaponEditor::BuildControls() {
    const CQuorvantDoc& doc = document();
    // The labels follow the record the editor opens on.
    const std::size_t opened = static_cast<std::size_t>(slot_);
    const bool bw1Labels =
        opened < doc.Weapons.size() ? doc.Weapons[opened].Generation == kBW1 : doc.Generation == kBW1;
    std::vector<QWidget*> tabOrder;

    numberEdit_ =
        NumberEdit(1291, 3,
                   QStringLiteral("The slot number of the weapon shown. Type a number from 1 to 249 "
                                  "to go straight to that weapon; changes not yet stored on the "
                                  "weapon shown are dropped."));
    numberEdit_->setMaxLength(3);
    exchange_.Add(numberEdit_, number_, RangeField(0, kWeaponSlots - 1));
    tabOrder.push_back(numberEdit_);
    name_ =
        ListBox(1292,
                QStringLiteral("The weapon's name, up to 15 characters, as units' weapon lists show it. "
                               "Pick another name from the list to store this weapon and go to that one."),
                true);
    name_->addItems(RecordNames(doc.Weapons));
    name_->lineEdit()->setMaxLength(kNameLength);
    TakeGameTextOnly(name_->lineEdit());
    name_->setMinimumContentsLength(kNameLength + 2);
    name_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    tabOrder.push_back(name_);
    class_ = ListBox(1293, QStringLiteral("The kind of weapon (gun, howitzer, machine gun, missile ...). It "
                                          "decides which targets the game lets the weapon engage."));
    class_->addItems(ClassEntries(doc.Generation));
    tabOrder.push_back(class_);

    auto* columns = new QHBoxLayout;
    QFormLayout* form = FieldForm();
    columns->addLayout(form);
    AddRow(form, QStringLiteral("Class "), class_);
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        const WeaponField& field = kFields[i];
        if (i == kFirstColumn) {
            form = FieldForm();
            columns->addSpacing(12);
            columns->addLayout(form);
        }
        QLineEdit* edit = NumberEdit(field.id, 3, QString::fromLatin1(field.help));
        exchange_.Add(edit, values_.*field.field);
        AddRow(form, QString::fromLatin1(bw1Labels ? field.labelBW1 : field.label), edit, field.labelId);
        tabOrder.push_back(edit);
    }

    buttons_ = std::make_unique<EditorButtons>(
        this,
        EditorButtons::Texts{
            1312, 1313, "weapon",
            "Keeps a copy of this weapon as it was last stored, to paste over another slot "
            "of this file.",
            "Replaces this weapon by the one copied last. In BW1 the pasted weapon is named "
            "RENAME ME, so the copy is easy to find.",
            "Throws away every change made to the weapons since they were last kept with OK, "
            "pastes included, and closes the editor."},
        [this](UnitMove move) { Move(move); });
    buttons_->AppendTo(tabOrder);

    auto* top = new QHBoxLayout;
    auto* numberLabel = new QLabel(QStringLiteral("Weapon Number "));
    numberLabel->setBuddy(numberEdit_);
    top->addWidget(numberLabel);
    top->addWidget(numberEdit_);
    top->addSpacing(12);
    auto* nameLabel = new QLabel(QStringLiteral("Weapon Name "));
    nameLabel->setBuddy(name_);
    top->addWidget(nameLabel);
    top->addWidget(name_);
    top->addStretch();

    auto* navigation = new QHBoxLayout;
    for (QPushButton* move : buttons_->moves) navigation->addWidget(move);
    navigation->addStretch();
    navigation->addWidget(buttons_->copy);
    navigation->addWidget(buttons_->paste);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buttons_->help);
    bottom->addStretch();
    bottom->addWidget(buttons_->ok);
    bottom->addWidget(buttons_->cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(columns);
    layout->addSpacing(6);
    layout->addLayout(navigation);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetTabOrder(tabOrder);
    connect(buttons_->copy, &QPushButton::clicked, this, &CWeaponEditor::OnCopy);
    connect(buttons_->paste, &QPushButton::clicked, this, &CWeaponEditor::OnPaste);
    connect(name_, &QComboBox::activated, this, &CWeaponEditor::OnNameChosen);
    connect(name_->lineEdit(), &QLineEdit::textEdited, this, [this] { document().SetModifiedFlag(true); });
    connect(numberEdit_, &QLineEdit::textEdited, this, &CWeaponEditor::OnNumberTyped);
    RunOnEnter(numberEdit_, [this] {
        OnNumberTyped(numberEdit_->text());
        numberEdit_->setText(QString::number(slot_));
        numberEdit_->selectAll();
    });
}

void CWeaponEditor::RePoint(int slot) {
    slot_ = slot;
    Load();
}

void CWeaponEditor::Load() {
    const CWeaponRecord& weapon = record();
    values_ = weapon;
    number_ = slot_;
    SelectQuietly(name_, ShownPosition(name_, slot_));
    name_->setEditText(RecordNameText(weapon.Name));
    shownClass_ = SelectShown(class_, weapon.Class);
    buttons_->Enable(MoveButtonsAt(slot_));
    exchange_.Show();
}

bool CWeaponEditor::Store() {
    if (!exchange_.Read(this)) return false;
    CWeaponRecord& weapon = record();
    for (const WeaponField& field : kFields) weapon.*field.field = values_.*field.field;
    if (ChosenOtherThan(class_, shownClass_))
        weapon.Class = static_cast<std::uint8_t>(class_->currentIndex());
    shownClass_ = class_->currentIndex();
    if (auto name = GameTextFrom(name_->currentText())) weapon.Name.assign(*name);
    return true;
}

void CWeaponEditor::RenameListEntry() {
    if (slot_ >= name_->count()) return;
    QSignalBlocker block(name_);
    name_->setItemText(slot_, RecordNameText(record().Name));
}

void CWeaponEditor::Move(UnitMove move) {
    std::optional<int> target = MoveTarget(move, slot_, static_cast<int>(document().Weapons.size()));
    if (!Store() || !target) return;
    RenameListEntry();
    slot_ = *target;
    Load();
}

void CWeaponEditor::OnNameChosen(int entry) {
    if (!Store()) {
        SelectQuietly(name_, ShownPosition(name_, slot_));
        return;
    }
    RenameListEntry();
    slot_ = NameListTarget(entry);
    Load();
}

void CWeaponEditor::OnNumberTyped(const QString& text) {
    std::optional<int> target =
        TypedUnitTarget(text.toStdString(), static_cast<int>(document().Weapons.size()));
    if (!target) return;
    slot_ = *target;
    Load();
}

void CWeaponEditor::OnCopy() {
    document().CopiedWeapon = record();
    buttons_->paste->setEnabled(true);
}

void CWeaponEditor::OnPaste() {
    CQuorvantDoc& doc = document();
    if (!doc.CopiedWeapon) return;
    if (NameAsksBeforePaste(record().Name.str()) &&
        Prompt(PromptKind::YesNo, QStringLiteral("Replace Current Weapon?"), this) != PromptAnswer::Yes)
        return;
    CWeaponRecord& weapon = record();
    weapon = *doc.CopiedWeapon;
    if (doc.Generation == kBW1) weapon.Name.assign("RENAME ME");
    RenameListEntry();
    Load();
    doc.SetModifiedFlag(true);
}

} // namespace quorvant::ui
