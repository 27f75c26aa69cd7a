#include "editors/ui/formationeditor.h"

#include "editors/tablecommit.h"
#include "editors/ui/editorcontrols.h"
#include "editors/ui/pagecontrols.h"
#include "editors/unitdatafields.h"
#include "obdata/datecodes.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/ui/gametext.h"
#include "platform/ui/enterkey.h"
#include "platform/ui/promptservice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace quorvant::ui {
namespace {

constexpr const char* kCatagories[] = {"Default", "Armor",   "Artillery", "Infantry", "Misc.", "Unknown",
                                       "Unknown", "Unknown", "Unknown",   "Unknown",  "HQ."};
constexpr const char* kTypesBW1[] = {"0", "1", "2", "3", "4", "5"};
constexpr const char* kTypes[] = {"Unknown", "Platoon", "Company", "Unknown", "Amphib.", "HQ"};
constexpr int kLastFormationNumber = kFormationSlots - 1;

QLabel* Header(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return label;
}

} // namespace

CFormationEditor::CFormationEditor(CQuorvantDoc& doc, int slot)
    : CRecordEditor(doc, kFormationTable), slot_(slot), recordSlot_(slot) {
    setObjectName(QStringLiteral("FormationEditor"));
    setWindowTitle(QStringLiteral("Formations"));
    unitNames_ = new QStringListModel(RecordNames(doc.Units), this);
    formationNames_ = new QStringListModel(RecordNames(doc.Formations), this);
    BuildControls();
    ApplyGeneration();
    Load();
    buttons_->paste->setEnabled(false);
}

CFormationEditor::~CFormationEditor() = default;

CFormationRecord& CFormationEditor::record() const {
    return document().Formations.at(static_cast<std::size_t>(recordSlot_));
}

void CFormationEditor::BuildControls() {
    const CQuorvantDoc& doc = document();
    std::vector<QWidget*> tabOrder;

    numberEdit_ =
        NumberEdit(1230, 3,
                   QStringLiteral("The slot number of the formation shown. Typing a number from 0 to "
                                  "198 stores this formation and goes to that one."));
    numberEdit_->setMaxLength(3);
    exchange_.Add(numberEdit_, number_, RangeField(1, kLastFormationNumber));
    tabOrder.push_back(numberEdit_);
    name_ = ListBox(1231,
                    QStringLiteral("The formation's name, up to 15 characters; leaving the box stores it. "
                                   "Picking another name goes to that formation without storing this one."),
                    true);
    name_->setModel(formationNames_);
    name_->lineEdit()->setMaxLength(kNameLength);
    TakeGameTextOnly(name_->lineEdit());
    name_->setMinimumContentsLength(kNameLength + 2);
    name_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    name_->installEventFilter(this);
    name_->lineEdit()->installEventFilter(this);
    tabOrder.push_back(name_);

    auto list = [&](int id, const QStringList& entries, const char* help) {
        QComboBox* box = ListBox(id, QString::fromLatin1(help));
        box->addItems(entries);
        tabOrder.push_back(box);
        return box;
    };
    QFormLayout* form = FieldForm();
    nation_ = list(1232, ListEntries(doc.Lists.NationList),
                   "The nation the formation belongs to. Only BW1 keeps a nation per formation; a BW2 or BW3 "
                   "file belongs to one nation as a whole.");
    AddRow(form, QStringLiteral("Nationality "), nation_);
    month_ = list(1063, ListEntries(AvailMonthEntries()),
                  "The month of the available year from which the formation can be bought; empty for the "
                  "whole year.");
    bw3Only_.push_back(month_);
    bw3Only_.push_back(AddRow(form, QStringLiteral("Avail Month "), month_));
    avail_ =
        list(1042, ListEntries(doc.Lists.DateList), "The first date on which the formation can be bought.");
    AddRow(form, QStringLiteral("Available "), avail_);
    unAvail_ = list(1043, ListEntries(doc.Lists.DateList),
                    "The date from which the formation can no longer be bought.");
    AddRow(form, QStringLiteral("Unavailable "), unAvail_);
    catagory_ = list(1233, ListEntries(kCatagories),
                     "The purchase category the game files the formation under (armour, artillery, "
                     "infantry ...).");
    catagoryLabel_ = AddRow(form, QStringLiteral("Catagory "), catagory_);
    type_ = list(1234, ListEntries(kTypesBW1), "The formation's size or role: platoon, company, HQ ...");
    AddRow(form, QStringLiteral("Type "), type_);
    specialFlagEdit_ = NumberEdit(1280, 3,
                                  QStringLiteral("A code the game reads for formations with special rules; 0 "
                                                 "for an ordinary formation."));
    exchange_.Add(specialFlagEdit_, specialFlag_);
    tabOrder.push_back(specialFlagEdit_);
    bw3Only_.push_back(specialFlagEdit_);
    bw3Only_.push_back(AddRow(form, QStringLiteral("Special Flag "), specialFlagEdit_));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    const QFontMetrics metrics(font());
    const int namesWidth =
        metrics.horizontalAdvance(QStringLiteral("Formation 198: ") + QString(kNameLength, 'N'));
    for (int n = 0; n < kFormationEntries; ++n) {
        // Two blocks of five, each under its own headings.
        const int row = n + (n < 5 ? 1 : 2);
        if (n == 0 || n == 5) {
            QLabel* sub = Header(QStringLiteral("Sub\nFormation"));
            QLabel* strength = Header(QStringLiteral("Strength"));
            grid->addWidget(sub, row - 1, 3);
            grid->addWidget(strength, row - 1, 4);
            subFormationOnly_.push_back(sub);
            bw3Only_.push_back(strength);
        }
        EntryControls& entry = entries_[static_cast<std::size_t>(n)];
        const QString ordinal = QString::number(n + 1);
        entry.number = NumberEdit(1245 + n, 3,
                                  QStringLiteral("The slot number of what entry %1 names: a unit, or a "
                                                 "formation when Sub Formation is ticked. 0 is an empty "
                                                 "entry; units go up to 249, formations up to 198.")
                                      .arg(ordinal));
        entry.list = ListBox(1235 + n, QStringLiteral("Entry %1 by name: the units of this file, or its "
                                                      "formations when Sub Formation is ticked.")
                                           .arg(ordinal));
        entry.list->setModel(unitNames_);
        entry.list->setAccessibleName(QStringLiteral("Unit %1 by name").arg(ordinal));
        entry.list->setMinimumContentsLength(kNameLength);
        entry.list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        entry.strength = NumberEdit(n == 0 ? 1255 : 1270 + n, 3,
                                    QStringLiteral("The strength of entry %1 when the formation is "
                                                   "bought, 0 to 255. The game also reads the strengths "
                                                   "of formations 0 and 1 to tell a BW3 file from a "
                                                   "BW2 one, so keep one of them above 0.")
                                        .arg(ordinal));
        entry.strength->setAccessibleName(QStringLiteral("Strength %1").arg(ordinal));
        entry.names = new QLabel;
        entry.names->setObjectName(QStringLiteral("names%1").arg(n + 1));
        entry.names->setMinimumWidth(namesWidth);
        entry.names->setEnabled(false);
        entry.names->setWhatsThis(QStringLiteral("What entry %1 names, as it stands now.").arg(ordinal));
        auto* label = new QLabel(QStringLiteral("Unit %1 ").arg(ordinal));
        label->setBuddy(entry.number);
        grid->addWidget(label, row, 0, Qt::AlignRight);
        grid->addWidget(entry.number, row, 1);
        grid->addWidget(entry.list, row, 2);
        tabOrder.push_back(entry.number);
        tabOrder.push_back(entry.list);
        if (n > 0) {
            entry.box = new QCheckBox;
            entry.box->setObjectName(QString::number(1255 + n));
            entry.box->setWhatsThis(QStringLiteral("Ticked, entry %1 names a formation of this file (a "
                                                   "sub-formation) instead of a unit. Changing it clears "
                                                   "the entry.")
                                        .arg(ordinal));
            entry.box->setAccessibleName(QStringLiteral("Sub Formation %1").arg(ordinal));
            grid->addWidget(entry.box, row, 3, Qt::AlignHCenter);
            subFormationOnly_.push_back(entry.box);
            tabOrder.push_back(entry.box);
        }
        grid->addWidget(entry.strength, row, 4, Qt::AlignHCenter);
        grid->addWidget(entry.names, row, 5);
        bw3Only_.push_back(entry.strength);
        tabOrder.push_back(entry.strength);
        exchange_.Add(entry.number, numbers_[static_cast<std::size_t>(n)]);
        exchange_.Add(entry.strength, strengths_[static_cast<std::size_t>(n)]);

        connect(entry.number, &QLineEdit::textEdited, this,
                [this, n](const QString& t) { OnEntryTyped(n, t); });
        connect(entry.list, &QComboBox::activated, this, [this, n](int p) { OnEntryChosen(n, p); });
        if (entry.box)
            connect(entry.box, &QCheckBox::clicked, this, [this, n](bool t) { OnBoxToggled(n, t); });
    }
    grid->setColumnStretch(5, 1);

    buttons_ = std::make_unique<EditorButtons>(
        this,
        EditorButtons::Texts{
            1269, 1270, "formation",
            "Remembers this formation. Paste then copies it as it stands at that moment, "
            "later changes included.",
            "Replaces this formation by the one remembered with Copy. BW1 names the copy "
            "RENAME ME; BW2 and BW3 give it this file's nation.",
            "Throws away every change made to the formations since the editor opened, pastes "
            "included, and closes it."},
        [this](UnitMove move) { Move(move); });
    buttons_->AppendTo(tabOrder);

    auto* top = new QHBoxLayout;
    top->addWidget(buttons_->moves[0]);
    top->addWidget(buttons_->moves[1]);
    auto* numberLabel = new QLabel(QStringLiteral("Formation Number "));
    numberLabel->setBuddy(numberEdit_);
    top->addWidget(numberLabel);
    top->addWidget(numberEdit_);
    top->addWidget(buttons_->moves[2]);
    top->addWidget(buttons_->moves[3]);
    top->addSpacing(16);
    auto* nameLabel = new QLabel(QStringLiteral("Formation "));
    nameLabel->setBuddy(name_);
    top->addWidget(nameLabel);
    top->addWidget(name_);
    top->addStretch();

    auto* middle = new QHBoxLayout;
    auto* fields = new QVBoxLayout;
    fields->addLayout(form);
    fields->addStretch();
    middle->addLayout(fields);
    middle->addSpacing(16);
    middle->addLayout(grid);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buttons_->copy);
    bottom->addWidget(buttons_->paste);
    bottom->addStretch();
    bottom->addWidget(buttons_->help);
    bottom->addWidget(buttons_->ok);
    bottom->addWidget(buttons_->cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(middle);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetTabOrder(tabOrder);
    connect(buttons_->copy, &QPushButton::clicked, this, &CFormationEditor::OnCopy);
    connect(buttons_->paste, &QPushButton::clicked, this, &CFormationEditor::OnPaste);
    connect(name_, &QComboBox::activated, this, &CFormationEditor::OnNameChosen);
    connect(name_->lineEdit(), &QLineEdit::textEdited, this, &CFormationEditor::MarkModified);
    connect(numberEdit_, &QLineEdit::textEdited, this, &CFormationEditor::OnNumberTyped);
    RunOnEnter(numberEdit_, [this] {
        OnNumberTyped(numberEdit_->text());
        numberEdit_->setText(QString::number(slot_));
        numberEdit_->selectAll();
    });
    for (QComboBox* marks : {avail_, unAvail_})
        connect(marks, &QComboBox::activated, this, &CFormationEditor::MarkModified);
}

void CFormationEditor::ApplyGeneration() {
    const int gen = document().Generation;
    if (gen == kBW1) {
        catagory_->hide();
        catagoryLabel_->hide();
        for (QWidget* w : subFormationOnly_) w->hide();
    } else {
        nation_->setEnabled(false);
        type_->clear();
        type_->addItems(ListEntries(kTypes));
    }
    if (gen != kBW3)
        for (QWidget* w : bw3Only_) w->hide();
}

void CFormationEditor::RePoint(int slot) {
    slot_ = slot;
    Load();
}

void CFormationEditor::Load() {
    const CQuorvantDoc& doc = document();
    const int gen = doc.Generation;
    recordSlot_ = slot_;
    const CFormationRecord& formation = record();

    number_ = slot_;
    SelectQuietly(name_, ShownPosition(name_, slot_));
    name_->setEditText(RecordNameText(formation.Name));
    shownCatagory_ = SelectShown(catagory_, formation.Catagory);
    shownType_ = SelectShown(type_, formation.Type);
    shownAvail_ = SelectShown(avail_, DateCodeToPosition(gen, formation.Avail).value_or(-1));
    shownUnAvail_ = SelectShown(unAvail_, DateCodeToPosition(gen, formation.UnAvail).value_or(-1));
    shownNation_ = SelectShown(nation_, NationPosition(gen == kBW1 ? formation.Country : doc.FileNation));
    shownMonth_ = SelectShown(month_, formation.AvailMon);
    specialFlag_ = formation.SpcFlg;
    strengths_ = formation.UnitStr;
    for (int n = 0; n < kFormationEntries; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        FormationEntry entry = DecodeFormationEntry(gen, formation.unitEntry(gen, n));
        numbers_[i] = entry.number;
        flags_[i] = entry.flagged;
        ListKind(n, entry.flagged);
        // A stored number longer than the edit allows is shown whole, so it is kept as it is.
        entries_[i].number->setMaxLength(
            std::max<int>(3, static_cast<int>(QString::number(entry.number).size())));
    }
    exchange_.Show();
    for (int n = 0; n < kFormationEntries; ++n) ShowEntry(n);
    buttons_->Enable({slot_ > 1, slot_ > 1, slot_ < kLastFormationNumber, slot_ < kLastFormationNumber});
}

bool CFormationEditor::Store() {
    CQuorvantDoc& doc = document();
    const int gen = doc.Generation;
    const bool taken = exchange_.Read(this);
    slot_ = number_;
    CFormationRecord& formation = record();

    for (int n = 0; n < kFormationEntries; ++n) {
        const std::size_t i = static_cast<std::size_t>(n);
        formation.setUnitEntry(gen, n, EncodeFormationEntry({numbers_[i], flags_[i]}));
    }
    if (gen != kBW1) {
        formation.UnitStr = strengths_;
        formation.SpcFlg = specialFlag_;
        if (ChosenOtherThan(month_, shownMonth_))
            formation.AvailMon = static_cast<std::uint8_t>(month_->currentIndex());
    } else if (ChosenOtherThan(nation_, shownNation_)) {
        formation.Country = static_cast<std::uint8_t>(nation_->currentIndex());
    }
    std::string name = GameTextFrom(name_->currentText()).value_or("");
    name.erase(name.find_last_not_of(' ') + 1);
    if (!name.empty()) formation.Name.assignPadded(name);
    if (ChosenOtherThan(catagory_, shownCatagory_))
        formation.Catagory = static_cast<std::uint8_t>(catagory_->currentIndex());
    if (ChosenOtherThan(type_, shownType_)) formation.Type = static_cast<std::uint8_t>(type_->currentIndex());
    if (ChosenOtherThan(avail_, shownAvail_))
        formation.Avail = DatePositionToCode(gen, avail_->currentIndex()).value_or(formation.Avail);
    if (ChosenOtherThan(unAvail_, shownUnAvail_))
        formation.UnAvail = DatePositionToCode(gen, unAvail_->currentIndex()).value_or(formation.UnAvail);

    // What the controls show is now what the record holds.
    for (auto [list, shown] : {std::pair{month_, &shownMonth_}, std::pair{nation_, &shownNation_},
                               std::pair{catagory_, &shownCatagory_}, std::pair{type_, &shownType_},
                               std::pair{avail_, &shownAvail_}, std::pair{unAvail_, &shownUnAvail_}})
        *shown = list->currentIndex();
    return taken;
}

void CFormationEditor::RenameListEntry(int slot) {
    CQuorvantDoc& doc = document();
    if (slot < 0 || static_cast<std::size_t>(slot) >= doc.Formations.size()) return;
    const CFormationRecord& formation = doc.Formations[static_cast<std::size_t>(slot)];
    if (slot < formationNames_->rowCount())
        formationNames_->setData(formationNames_->index(slot), RecordNameText(formation.Name));
    if (static_cast<std::size_t>(slot) < doc.FormationNameList.size())
        doc.FormationNameList[static_cast<std::size_t>(slot)] = formation.Name.str();
}

void CFormationEditor::Move(UnitMove move) {
    Store();
    std::optional<int> target = MoveTarget(move, slot_, static_cast<int>(document().Formations.size()));
    if (!target) return;
    if (MoveRenamesListEntry(move)) RenameListEntry(recordSlot_);
    slot_ = *target;
    Load();
}

void CFormationEditor::OnNumberTyped(const QString& text) {
    std::optional<long long> value = ParseInteger(text.toStdString());
    if (!value || *value < 0 || *value > kLastSubFormation ||
        *value >= static_cast<long long>(document().Formations.size()))
        return;
    // The field already names the target; the page it leaves is stored under its own number, so a
    // typed 0 neither fails as a formation number nor drops the page's edits.
    {
        QSignalBlocker block(numberEdit_);
        numberEdit_->setText(QString::number(slot_));
    }
    Store();
    slot_ = static_cast<int>(*value);
    Load();
}

void CFormationEditor::OnNameChosen(int entry) {
    if (entry < 0) return;
    slot_ = entry;
    Load();
}

void CFormationEditor::OnEntryChosen(int n, int position) {
    const std::size_t i = static_cast<std::size_t>(n);
    numbers_[i] = LimitFormationEntry(n, flags_[i], position);
    ShowEntry(n);
    MarkModified();
}

void CFormationEditor::OnEntryTyped(int n, const QString& text) {
    const std::size_t i = static_cast<std::size_t>(n);
    MarkModified();
    std::optional<long long> value = ParseInteger(text.toStdString());
    if (!value || *value < 0) return;
    numbers_[i] = LimitFormationEntry(n, flags_[i], *value);
    entries_[i].number->setMaxLength(3);
    ShowEntry(n);
}

void CFormationEditor::OnBoxToggled(int n, bool ticked) {
    const std::size_t i = static_cast<std::size_t>(n);
    flags_[i] = ticked;
    numbers_[i] = 0;
    ListKind(n, ticked);
    ShowEntry(n);
    MarkModified();
}

void CFormationEditor::ListKind(int n, bool formations) {
    EntryControls& entry = entries_[static_cast<std::size_t>(n)];
    if (entry.listsFormations == formations) return;
    QSignalBlocker block(entry.list);
    entry.list->setModel(formations ? formationNames_ : unitNames_);
    entry.listsFormations = formations;
}

void CFormationEditor::ShowEntry(int n) {
    const std::size_t i = static_cast<std::size_t>(n);
    EntryControls& entry = entries_[i];
    exchange_.Show(entry.number);
    SelectQuietly(entry.list, ShownPosition(entry.list, numbers_[i]));
    if (entry.box) {
        QSignalBlocker block(entry.box);
        entry.box->setChecked(flags_[i]);
    }
    entry.names->setText(
        QString::fromStdString(DescribeFormationEntry(document(), {numbers_[i], flags_[i]})));
}

bool CFormationEditor::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == name_ || watched == name_->lineEdit()) && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or the list's own pop-up takes the focus for a moment only.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) OnNameLeft();
    }
    return CRecordEditor::eventFilter(watched, event);
}

void CFormationEditor::OnNameLeft() {
    if (IsFinished()) return;
    Store();
    const QString stored = RecordNameText(record().Name);
    if (recordSlot_ < formationNames_->rowCount() &&
        formationNames_->data(formationNames_->index(recordSlot_)).toString() == stored)
        return;
    RenameListEntry(recordSlot_);
    Load();
}

void CFormationEditor::OnCopy() {
    copied_ = recordSlot_;
    buttons_->paste->setEnabled(true);
}

void CFormationEditor::OnPaste() {
    CQuorvantDoc& doc = document();
    if (!copied_ || static_cast<std::size_t>(*copied_) >= doc.Formations.size()) return;
    if (NameAsksBeforePaste(record().Name.str()) &&
        Prompt(PromptKind::YesNo, QStringLiteral("Replace Current Formation?"), this) != PromptAnswer::Yes)
        return;
    CFormationRecord pasted = doc.Formations[static_cast<std::size_t>(*copied_)];
    if (doc.Generation == kBW1)
        pasted.Name.assign("RENAME ME");
    else
        pasted.Country = static_cast<std::uint8_t>(doc.FileNation);
    record() = pasted;
    RenameListEntry(recordSlot_);
    Load();
    MarkModified();
}

void CFormationEditor::MarkModified() {
    document().SetModifiedFlag(true);
}

} // namespace quorvant::ui
