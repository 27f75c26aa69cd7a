#include "editors/ui/unitdatapage.h"

#include "editors/ui/editorcontrols.h"

#include "editors/ui/pagecontrols.h"
#include "editors/unitdatafields.h"
#include "obdata/datecodes.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
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

const UnitByteField& ByteField(int id) {
    for (const UnitByteField& field : UnitByteFields())
        if (field.id == id) return field;
    return UnitByteFields().front();
}

} // namespace

CUnitDataPage::CUnitDataPage(UnitEditContext& context)
    : CUnitSheetPage(context, QStringLiteral("Unit Type"), 110) {
    BuildControls();
    ApplyGeneration();
}

void CUnitDataPage::BuildControls() {
    const CQuorvantDoc& d = doc();
    std::vector<QWidget*> tabOrder;
    QFormLayout* form = nullptr;
    auto numberField = [&](int id, int digits, const char* label, const char* help, auto& value,
                           const FieldRule& rule, int labelId) {
        QLineEdit* edit = NumberEdit(id, digits, QString::fromLatin1(help));
        exchange_.Add(edit, value, rule);
        QLabel* text = AddRow(form, QString::fromLatin1(label), edit, labelId);
        tabOrder.push_back(edit);
        return std::pair{edit, text};
    };
    auto byteEdit = [&](int id, int labelId = 0) {
        const UnitByteField& field = ByteField(id);
        auto made = numberField(id, 3, field.label, field.help, values_.*field.field, kByteField, labelId);
        if (field.disabledInBW1) disabledInBW1_.push_back(made.first);
        return made;
    };
    auto list = [&](int id, const QStringList& entries, const QString& help) {
        QComboBox* box = ListBox(id, help);
        box->addItems(entries);
        tabOrder.push_back(box);
        return box;
    };

    unitNumber_ = NumberEdit(1030, 3,
                             QStringLiteral("The slot number of the unit shown. Type a number from 1 "
                                            "to 249 to go straight to that unit; changes not yet "
                                            "stored on the unit shown are dropped."));
    unitNumber_->setMaxLength(3);
    tabOrder.push_back(unitNumber_);
    name_ = ListBox(1031,
                    QStringLiteral("The unit's name, up to 15 characters, as the game lists it. Pick another "
                                   "name from the list to store this unit and go to that one."),
                    true);
    name_->addItems(RecordNames(d.Units));
    name_->lineEdit()->setMaxLength(kNameLength);
    TakeGameTextOnly(name_->lineEdit());
    name_->setMinimumContentsLength(kNameLength + 2);
    name_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    tabOrder.push_back(name_);

    auto* columns = new QHBoxLayout;
    form = FieldForm();
    columns->addLayout(form);

    nation_ = list(1033, ListEntries(d.Lists.NationList),
                   QStringLiteral("The nation that fields this unit. Only BW1 keeps a nation per unit; a "
                                  "BW2 or BW3 file belongs to one nation as a whole."));
    AddRow(form, QStringLiteral("Nationality "), nation_);

    auto* classRow = new QHBoxLayout;
    classNumber_ = NumberEdit(1034, 3,
                              QStringLiteral("The unit's class as a number: what kind of unit the game takes "
                                             "it for (tank, infantry, artillery ...), which decides how it "
                                             "fights, moves and is shown. Typing a number picks the class "
                                             "beside it."));
    exchange_.Add(classNumber_, values_.Class);
    tabOrder.push_back(classNumber_);
    classList_ = list(1035, ListEntries(d.Lists.UnitClassList),
                      QStringLiteral("The unit's class by name; choosing one sets the class number."));
    classRow->addWidget(classNumber_);
    classRow->addWidget(classList_);
    auto* classLabel = new QLabel(QStringLiteral("Class "));
    classLabel->setBuddy(classNumber_);
    form->addRow(classLabel, classRow);

    for (int id : {1036, 1037, 1038, 1039, 1040, 1041}) byteEdit(id);

    month_ = list(1063, ListEntries(AvailMonthEntries()),
                  QStringLiteral("The month of the Avail Year from which the unit can be bought; empty for "
                                 "the whole year."));
    monthLabel_ = AddRow(form, QStringLiteral("Avail Month "), month_, 1159);
    QString dateHelp = QStringLiteral("The first date on which the unit can be bought.");
    available_ = list(1042, ListEntries(d.Lists.DateList), dateHelp);
    AddRow(form, QStringLiteral("Avail Year "), available_);
    unavailable_ = list(1043, ListEntries(d.Lists.DateList),
                        QStringLiteral("The date from which the unit can no longer be bought."));
    AddRow(form, QStringLiteral("Unavailable "), unavailable_);

    form = FieldForm();
    columns->addSpacing(12);
    columns->addLayout(form);
    byteEdit(1044);
    byteEdit(1045);
    hvapLabel_ = byteEdit(1046, 1066).second;
    sideViewEdit_ =
        numberField(1047, 6, "Side View ",
                    "The number of the unit's side picture: the drawing of the unit that the Side "
                    "Graphic page and the game's unit details show.",
                    sideView_, kUnsigned16Field, 0)
            .first;
    std::tie(symbol_, symbolLabel_) = byteEdit(1048, 1079);
    symbol2Edit_ = numberField(1049, 6, "BW2 Graphic ",
                               "The symbol the BW2 and BW3 maps show for this unit. Not used by BW1.",
                               symbol2_, kSigned16Field, 0)
                       .first;
    disabledInBW1_.push_back(symbol2Edit_);
    byteEdit(1050);
    byteEdit(1051);

    form = FieldForm();
    columns->addSpacing(12);
    columns->addLayout(form);
    for (int id : {1052, 1053, 1054, 1055, 1056, 1057, 1058}) byteEdit(id);
    moveClass_ = list(1080, ListEntries(MoveClassEntries()),
                      QStringLiteral("How the unit moves: on foot, on wheels, on tracks, by water or in the "
                                     "air. It decides which ground the unit can cross. Not used by BW1."));
    AddRow(form, QStringLiteral("Move Class "), moveClass_);
    disabledInBW1_.push_back(moveClass_);

    // The arrows need no more room than their text.
    auto narrow = [](QPushButton* b) {
        b->setMaximumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("<<<")) + 24);
        return b;
    };
    first_ = EditorButton(1059, QStringLiteral("<<"), QStringLiteral("Stores this unit and goes to unit 1."));
    previous_ = EditorButton(1060, QStringLiteral("<"),
                             QStringLiteral("Stores this unit and goes to the one before."));
    next_ =
        EditorButton(1061, QStringLiteral(">"), QStringLiteral("Stores this unit and goes to the next one."));
    last_ = EditorButton(1062, QStringLiteral(">>"),
                         QStringLiteral("Stores this unit and goes to the last one."));
    copy_ = EditorButton(
        1064, QStringLiteral("&Copy"),
        QStringLiteral("Keeps a copy of this whole unit, to paste over another unit of this file."));
    paste_ =
        EditorButton(1065, QStringLiteral("&Paste"),
                     QStringLiteral("Replaces this unit by the one copied last. In BW1 the pasted unit is "
                                    "named RENAME ME, so the copy is easy to find."));
    auto* ok =
        EditorButton(1, QStringLiteral("OK"),
                     QStringLiteral("Keeps every change made since the sheet opened, on every unit, and "
                                    "closes the sheet."));
    ok->setDefault(true);
    auto* cancel =
        EditorButton(2, QStringLiteral("Cancel"),
                     QStringLiteral("Throws away every change made since the sheet opened, on every "
                                    "unit, and closes the sheet."));
    for (QWidget* w :
         {static_cast<QWidget*>(first_), static_cast<QWidget*>(previous_), static_cast<QWidget*>(next_),
          static_cast<QWidget*>(last_), static_cast<QWidget*>(copy_), static_cast<QWidget*>(paste_),
          static_cast<QWidget*>(ok), static_cast<QWidget*>(cancel)})
        tabOrder.push_back(w);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(narrow(first_));
    navigation->addWidget(narrow(previous_));
    auto* numberLabel = new QLabel(QStringLiteral("Unit Number "));
    numberLabel->setBuddy(unitNumber_);
    navigation->addWidget(numberLabel);
    navigation->addWidget(unitNumber_);
    navigation->addWidget(narrow(next_));
    navigation->addWidget(narrow(last_));
    navigation->addSpacing(16);
    auto* nameLabel = new QLabel(QStringLiteral("Unit Name "));
    nameLabel->setBuddy(name_);
    navigation->addWidget(nameLabel);
    navigation->addWidget(name_);
    navigation->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(copy_);
    bottom->addWidget(paste_);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(navigation);
    layout->addSpacing(6);
    layout->addLayout(columns);
    layout->addStretch();
    layout->addLayout(bottom);

    for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(first_, &QPushButton::clicked, this, [this] { Move(UnitMove::First); });
    connect(previous_, &QPushButton::clicked, this, [this] { Move(UnitMove::Previous); });
    connect(next_, &QPushButton::clicked, this, [this] { Move(UnitMove::Next); });
    connect(last_, &QPushButton::clicked, this, [this] { Move(UnitMove::Last); });
    connect(copy_, &QPushButton::clicked, this, &CUnitDataPage::OnCopy);
    connect(paste_, &QPushButton::clicked, this, &CUnitDataPage::OnPaste);
    connect(ok, &QPushButton::clicked, this, &CUnitDataPage::okClicked);
    connect(cancel, &QPushButton::clicked, this, &CUnitDataPage::cancelClicked);
    connect(name_, &QComboBox::activated, this, &CUnitDataPage::OnNameChosen);
    connect(name_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        nameText_ = text;
        MarkModified();
    });
    connect(unitNumber_, &QLineEdit::textEdited, this, &CUnitDataPage::OnUnitNumberTyped);
    RunOnEnter(unitNumber_, [this] {
        if (TypedUnitTarget(unitNumber_->text().toStdString(), context_.unitCount()) != context_.index)
            OnUnitNumberTyped(unitNumber_->text());
        unitNumber_->setText(QString::number(context_.index));
        unitNumber_->selectAll();
    });
    connect(classNumber_, &QLineEdit::textEdited, this, &CUnitDataPage::OnClassTyped);
    connect(classList_, &QComboBox::activated, this, &CUnitDataPage::OnClassChosen);
    for (QComboBox* marks : {nation_, available_, unavailable_})
        connect(marks, &QComboBox::activated, this, &CUnitDataPage::MarkModified);
}

void CUnitDataPage::ApplyGeneration() {
    if (doc().Generation == kBW1) {
        for (QWidget* w : disabledInBW1_) w->setEnabled(false);
        hvapLabel_->setText(QStringLiteral("HVAP Ammo "));
        return;
    }
    nation_->setEnabled(false);
    hvapLabel_->setText(QStringLiteral("Sabot Ammo "));
    symbolLabel_->setEnabled(false);
    symbol_->setEnabled(false);
    if (doc().Generation != kBW3) {
        monthLabel_->hide();
        month_->hide();
    }
}

void CUnitDataPage::Load() {
    const CUnitRecord& unit = context_.record();
    const int gen = doc().Generation;
    const int index = context_.index;

    SelectQuietly(name_, ShownPosition(name_, index));
    nameText_ = RecordNameText(unit.Name);
    name_->setEditText(nameText_);

    shownNation_ = ShownPosition(nation_, NationPosition(unit.Nationality));
    SelectQuietly(nation_, shownNation_);
    shownMonth_ = ShownPosition(month_, unit.AvailMonth);
    SelectQuietly(month_, shownMonth_);
    shownMove_ = ShownPosition(moveClass_, unit.MoveClass);
    SelectQuietly(moveClass_, shownMove_);
    shownAvailable_ = ShownPosition(available_, DateCodeToPosition(gen, unit.Available).value_or(-1));
    SelectQuietly(available_, shownAvailable_);
    shownUnavailable_ = ShownPosition(unavailable_, DateCodeToPosition(gen, unit.UnAvailable).value_or(-1));
    SelectQuietly(unavailable_, shownUnavailable_);
    SelectQuietly(classList_, TypedListSelection(unit.Class, classList_->count()));

    if (TypedUnitTarget(unitNumber_->text().toStdString(), context_.unitCount()) != index)
        unitNumber_->setText(QString::number(index));

    values_ = unit;
    sideView_ = unit.SideView;
    symbol2_ = Symbol2Shown(unit.Symbol2);

    MoveButtons buttons = MoveButtonsAt(index);
    first_->setEnabled(buttons.first);
    previous_->setEnabled(buttons.previous);
    next_->setEnabled(buttons.next);
    last_->setEnabled(buttons.last);
    paste_->setEnabled(doc().UnitCopyBuffer.has_value());

    exchange_.Show();
}

bool CUnitDataPage::Chosen(const QComboBox* list, int shown) {
    return list->currentIndex() >= 0 && list->currentIndex() != shown;
}

bool CUnitDataPage::Store() {
    if (!exchange_.Read(window())) return false;
    CUnitRecord& unit = context_.record();
    const int gen = doc().Generation;

    if (auto name = GameTextFrom(nameText_)) unit.Name.assign(*name);
    if (Chosen(month_, shownMonth_)) unit.AvailMonth = static_cast<std::uint8_t>(month_->currentIndex());
    if (Chosen(available_, shownAvailable_))
        unit.Available = DatePositionToCode(gen, available_->currentIndex()).value_or(unit.Available);
    if (Chosen(unavailable_, shownUnavailable_))
        unit.UnAvailable = DatePositionToCode(gen, unavailable_->currentIndex()).value_or(unit.UnAvailable);
    if (Chosen(moveClass_, shownMove_))
        unit.MoveClass = static_cast<std::uint8_t>(moveClass_->currentIndex());
    if (gen == kBW1 && Chosen(nation_, shownNation_))
        unit.Nationality = static_cast<std::uint8_t>(nation_->currentIndex());

    unit.Class = values_.Class;
    for (const UnitByteField& field : UnitByteFields()) unit.*field.field = values_.*field.field;
    unit.SideView = static_cast<std::uint16_t>(sideView_);
    unit.Symbol2 = Symbol2Stored(symbol2_);

    // What the page shows is now what the unit holds.
    shownMonth_ = month_->currentIndex();
    shownAvailable_ = available_->currentIndex();
    shownUnavailable_ = unavailable_->currentIndex();
    shownMove_ = moveClass_->currentIndex();
    shownNation_ = nation_->currentIndex();
    return true;
}

void CUnitDataPage::RenameListEntry() {
    if (context_.index < name_->count()) {
        QSignalBlocker block(name_);
        name_->setItemText(context_.index, RecordNameText(context_.record().Name));
    }
}

void CUnitDataPage::Move(UnitMove move) {
    std::optional<int> target = MoveTarget(move, context_.index, context_.unitCount());
    if (!target || !Store()) return;
    if (MoveRenamesListEntry(move)) RenameListEntry();
    context_.index = *target;
    Load();
}

void CUnitDataPage::OnNameChosen(int entry) {
    if (!Store()) {
        // The unit stays, so does its name.
        SelectQuietly(name_, ShownPosition(name_, context_.index));
        name_->setEditText(nameText_);
        return;
    }
    RenameListEntry();
    context_.index = NameListTarget(entry);
    Load();
}

void CUnitDataPage::OnUnitNumberTyped(const QString& text) {
    std::optional<int> target = TypedUnitTarget(text.toStdString(), context_.unitCount());
    if (!target) return;
    context_.index = *target;
    Load();
}

void CUnitDataPage::OnClassTyped(const QString& text) {
    std::optional<long long> value = ParseInteger(text.toStdString());
    if (value) SelectQuietly(classList_, TypedListSelection(*value, classList_->count()));
}

void CUnitDataPage::OnClassChosen(int entry) {
    if (entry < 0) return;
    classNumber_->setText(QString::number(entry));
    MarkModified();
}

void CUnitDataPage::OnCopy() {
    if (!Store()) return;
    CopyUnit(doc(), context_.record());
    paste_->setEnabled(true);
}

void CUnitDataPage::OnPaste() {
    if (PasteAsksFirst(context_.record()) &&
        Prompt(PromptKind::YesNo, QStringLiteral("Replace Current Unit?"), window()) != PromptAnswer::Yes)
        return;
    if (!PasteUnit(doc(), context_.index)) return;
    RenameListEntry();
    Load();
}

void CUnitDataPage::MarkModified() {
    doc().SetModifiedFlag(true);
}

} // namespace quorvant::ui
