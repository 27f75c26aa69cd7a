#include "gamemgr/ui/gamemanagerdlg.h"

#include "app/gamedefaultsrules.h"
#include "gamemgr/slotdescription.h"
#include "gamemgr/slotoperations.h"
#include "obdata/generation.h"
#include "platform/ui/promptservice.h"

#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace quorvant::ui {
namespace {

enum : int {
    kSlotList = 1168,
    kArchiveList = 1361,
    kRename = 32783,
    kDelete = 32784,
    kCopy = 32785,
    kCut = 32786,
    kPaste = 32788,
};
// Per e-mail slot 1 and 2: group, box, Set, Save, Restore.
const int kEmailIds[2][5] = {{1167, 1359, 1354, 1357, 1355}, {1169, 1360, 1353, 1358, 1356}};

QString FromBytes(const std::string& text) {
    // Descriptions are the game's bytes; shown as Latin-1 so every byte stays one character.
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* MakeButton(QWidget* parent, int id, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    return b;
}

QTableView* MakeReportList(QWidget* parent, int id) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::number(id));
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setShowGrid(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setHighlightSections(false);
    view->setWordWrap(false);
    view->setTabKeyNavigation(false); // Tab leaves the list; the arrows move within it
    return view;
}

} // namespace

CGameManagerDlg::CGameManagerDlg(const AppSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("1539"));
    setWindowTitle(QStringLiteral("Game Manager"));

    list_ = MakeReportList(this, kSlotList);
    list_->setAccessibleName(QStringLiteral("Slots"));
    model_ = new QStandardItemModel(0, 2, this);
    list_->setModel(model_);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->installEventFilter(this);
    list_->setMinimumSize(360, 260);
    connect(list_, &QWidget::customContextMenuRequested, this, &CGameManagerDlg::ShowContextMenu);
    connect(model_, &QStandardItemModel::itemChanged, this, &CGameManagerDlg::OnItemChanged);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CGameManagerDlg::UpdateButtons);

    auto* left = new QVBoxLayout;
    left->addWidget(BuildModeButtons());
    left->addWidget(list_, 1);
    auto* emails = new QHBoxLayout;
    emails->addWidget(BuildEmailBox(1));
    emails->addWidget(BuildEmailBox(2));
    left->addLayout(emails);

    auto* right = new QVBoxLayout;
    right->addWidget(BuildGameActions());
    right->addWidget(BuildZipActions(), 1);
    auto* close = MakeButton(this, 1, QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    right->addWidget(close, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);

    int start = settings.SaveDefault;
    if (!IsGameManagerButton(start)) start = GameManagerButtonFor(settings.DefaultGeneration);
    SelectMode(start);
}

QWidget* CGameManagerDlg::BuildModeButtons() {
    auto* box = new QGroupBox(QStringLiteral("Select Game Function"), this);
    modes_ = new QButtonGroup(this);
    auto* row = new QHBoxLayout(box);
    auto addPair = [&](const QString& title, int save) {
        auto* group = new QGroupBox(title, box);
        auto* pair = new QHBoxLayout(group);
        for (int id : {save, save + 1}) {
            QPushButton* b =
                MakeButton(group, id, id == save ? QStringLiteral("Save") : QStringLiteral("Email"));
            b->setCheckable(true);
            modes_->addButton(b, id);
            pair->addWidget(b);
        }
        row->addWidget(group);
    };
    addPair(QStringLiteral("BW 1"), 1162);
    addPair(QStringLiteral("BW 2"), 1164);
    QPushButton* bw3 = MakeButton(box, 1166, QStringLiteral("BW &3"));
    bw3->setCheckable(true);
    modes_->addButton(bw3, 1166);
    row->addWidget(bw3, 0, Qt::AlignBottom);
    connect(modes_, &QButtonGroup::idClicked, this, &CGameManagerDlg::SelectMode);
    return box;
}

QWidget* CGameManagerDlg::BuildEmailBox(int k) {
    const int* ids = kEmailIds[k - 1];
    auto* group = new QGroupBox(QStringLiteral("Email Slot %1").arg(k), this);
    group->setObjectName(QString::number(ids[0]));
    auto* layout = new QGridLayout(group);
    auto* text = new QLineEdit(group);
    text->setObjectName(QString::number(ids[1]));
    text->setReadOnly(true);
    emailBoxes_[k - 1] = text;
    layout->addWidget(text, 0, 0, 1, 3);
    QPushButton* set = MakeButton(group, ids[2], QStringLiteral("Set"));
    QPushButton* save = MakeButton(group, ids[3], QStringLiteral("Save"));
    QPushButton* restore = MakeButton(group, ids[4], QStringLiteral("Restore"));
    connect(set, &QPushButton::clicked, this, [this, k] { OnEmailSet(k); });
    connect(save, &QPushButton::clicked, this, [this, k] { OnEmailSave(k); });
    connect(restore, &QPushButton::clicked, this, [this, k] { OnEmailRestore(k); });
    layout->addWidget(set, 1, 0);
    layout->addWidget(save, 1, 1);
    layout->addWidget(restore, 1, 2);
    emailControls_.insert(emailControls_.end(), {group, text, set, save, restore});
    return group;
}

QWidget* CGameManagerDlg::BuildGameActions() {
    auto* group = new QGroupBox(QStringLiteral("Game Action"), this);
    auto* layout = new QVBoxLayout(group);
    const std::pair<int, const char*> buttons[] = {
        {kCopy, "Copy"}, {kCut, "Cut"}, {kPaste, "Paste"}, {kDelete, "Delete"}, {kRename, "Rename"}};
    for (auto [id, text] : buttons) {
        QPushButton* b = MakeButton(group, id, QString::fromLatin1(text));
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, id = id] {
            switch (id) {
            case kCopy:
                OnCopy();
                break;
            case kCut:
                OnCut();
                break;
            case kPaste:
                OnPaste();
                break;
            case kDelete:
                OnDelete();
                break;
            default:
                OnRename();
                break;
            }
        });
    }
    return group;
}

QWidget* CGameManagerDlg::BuildZipActions() {
    // Archives of slots come later; the group shows where they will be.
    auto* group = new QGroupBox(QStringLiteral("Zip Action"), this);
    auto* layout = new QVBoxLayout(group);
    auto* archives = MakeReportList(group, kArchiveList);
    auto* model = new QStandardItemModel(0, 3, archives);
    model->setHorizontalHeaderLabels(
        {QStringLiteral("Zip Files"), QStringLiteral("Description"), QStringLiteral("Slot")});
    archives->setModel(model);
    archives->setColumnWidth(0, 90);
    archives->setColumnWidth(1, 200);
    archives->setColumnWidth(2, 40);
    layout->addWidget(archives, 1);
    auto* buttons = new QHBoxLayout;
    const std::pair<int, const char*> zip[] = {
        {1362, "&Zip"}, {1363, "&UnZip"}, {1390, "U&pdate"}, {1391, "&Delete"}};
    for (auto [id, text] : zip) buttons->addWidget(MakeButton(group, id, QString::fromLatin1(text)));
    layout->addLayout(buttons);
    group->setEnabled(false);
    return group;
}

void CGameManagerDlg::SelectMode(int button) {
    mode_ = GameModeForButton(button);
    if (QAbstractButton* b = modes_->button(ButtonForGameMode(mode_))) b->setChecked(true);
    for (QWidget* w : emailControls_) w->setEnabled(mode_.IsEmail());
    FillSlotList();
    if (model_->rowCount() > 0) selectRow(0);
    UpdateButtons();
}

void CGameManagerDlg::FillSlotList() {
    filling_ = true;
    const std::string& game = settings_.InstallFolder(mode_.generation);
    slotFolder_ = game.empty() ? std::filesystem::path() : mode_.SlotFolder(game);
    slots_ = game.empty() ? ListSlots(std::filesystem::path(), mode_) : ListSlots(slotFolder_, mode_);
    int row = currentRow();
    for (QLineEdit* box : emailBoxes_) box->clear();
    model_->clear();
    model_->setColumnCount(2);
    model_->setHorizontalHeaderLabels({mode_.UsesSaveNames() ? QStringLiteral("Save Game Description")
                                                             : QStringLiteral("Email Game Description"),
                                       QStringLiteral("Slot")});
    for (const SlotEntry& slot : slots_) {
        if (!mode_.IsRowSlot(slot.number)) {
            emailBoxes_[slot.number - 1]->setText(FromBytes(slot.Text()));
            continue;
        }
        auto* text = new QStandardItem(FromBytes(slot.Text()));
        auto* number = new QStandardItem(QString::number(slot.number));
        number->setEditable(false);
        model_->appendRow({text, number});
    }
    list_->setColumnWidth(0, 290);
    list_->setColumnWidth(1, 40);
    filling_ = false;
    if (row >= 0) selectRow(row);
}

int CGameManagerDlg::currentRow() const {
    QModelIndexList rows =
        list_->selectionModel() ? list_->selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void CGameManagerDlg::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    list_->setCurrentIndex(model_->index(row, 0));
    list_->selectRow(row);
}

QString CGameManagerDlg::RowText(int row) const {
    return model_->item(row, 0)->text();
}

bool CGameManagerDlg::SelectedOccupied() const {
    int row = currentRow();
    return row >= 0 && !RowText(row).contains(QString::fromLatin1(kEmptySlotText));
}

QPushButton* CGameManagerDlg::Button(int id) const {
    return findChild<QPushButton*>(QString::number(id));
}

void CGameManagerDlg::UpdateButtons() {
    bool occupied = SelectedOccupied();
    for (int id : {kDelete, kRename, kCut, kCopy}) Button(id)->setEnabled(occupied);
    // Save copies from the e-mail slot, so it needs that slot, and any row to write to.
    bool row = currentRow() >= 0;
    for (int k : {0, 1}) {
        Button(kEmailIds[k][2])->setEnabled(occupied && mode_.IsEmail());
        Button(kEmailIds[k][3])->setEnabled(row && mode_.IsEmail() && slots_[k].occupied);
    }
    Button(kPaste)->setEnabled(pending_.has_value());
}

void CGameManagerDlg::ShowError(const std::string& error) {
    Prompt(PromptKind::Stop, QString::fromStdString(error), this);
}

void CGameManagerDlg::Remember(bool cut) {
    int row = currentRow();
    if (row < 0 || !SelectedOccupied()) return;
    pending_ = Transfer{cut, slotFolder_, mode_, mode_.RowToSlot(row)};
    UpdateButtons();
}

void CGameManagerDlg::OnCopy() {
    Remember(false);
}

void CGameManagerDlg::OnCut() {
    Remember(true);
}

void CGameManagerDlg::OnPaste() {
    int row = currentRow();
    if (!pending_ || row < 0) return;
    if (SelectedOccupied() &&
        Prompt(PromptKind::YesNo, QStringLiteral("Overwrite ") + RowText(row) + QStringLiteral(" y/n?"),
               this) != PromptAnswer::Yes)
        return;
    // The source is the slot that was copied, in the folder and mode it was copied from.
    SlotFiles source = FindSlotFiles(pending_->folder, pending_->mode, pending_->number);
    SlotFiles target = FindSlotFiles(slotFolder_, mode_, mode_.RowToSlot(row));
    std::string error;
    bool ok = pending_->cut ? MoveSlot(source, target, error) : CopySlot(source, target, error);
    if (ok) pending_.reset();
    FillSlotList();
    UpdateButtons();
    if (!ok) ShowError(error);
}

bool CGameManagerDlg::OnDelete() {
    int row = currentRow();
    if (row < 0 || !SelectedOccupied()) return false;
    if (Prompt(PromptKind::YesNo, QStringLiteral("Delete ") + RowText(row) + QStringLiteral(" y/n?"), this) !=
        PromptAnswer::Yes)
        return false;
    std::string error;
    bool ok = DeleteSlot(FindSlotFiles(slotFolder_, mode_, mode_.RowToSlot(row)), error);
    FillSlotList();
    UpdateButtons();
    if (!ok) ShowError(error);
    return ok;
}

void CGameManagerDlg::OnRename() {
    int row = currentRow();
    if (row < 0 || !SelectedOccupied()) return;
    model_->item(row, 0)->setEditable(true);
    list_->edit(model_->index(row, 0));
}

void CGameManagerDlg::OnItemChanged(QStandardItem* item) {
    if (filling_ || item->column() != 0) return;
    int row = item->row();
    std::string error;
    QByteArray text = item->text().toLatin1();
    bool ok = WriteSlotDescription(FindSlotFiles(slotFolder_, mode_, mode_.RowToSlot(row)),
                                   std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                                   error);
    // The list shows what the file now holds.
    FillSlotList();
    if (!ok) ShowError(error);
}

void CGameManagerDlg::OnEmailSet(int k) {
    Remember(false);
    if (!pending_) return;
    QString text = k == 1 ? QStringLiteral("Replace Game Slot 1?") : QStringLiteral("Replace Game Slot 2");
    text += QStringLiteral("\n\nRemember this does not save the slot to it's original position!");
    if (Prompt(PromptKind::YesNo, text, this) != PromptAnswer::Yes) return;
    std::string error;
    bool ok =
        EmailSet(slotFolder_, k, FindSlotFiles(pending_->folder, pending_->mode, pending_->number), error);
    pending_.reset();
    FillSlotList();
    UpdateButtons();
    if (!ok) ShowError(error);
}

void CGameManagerDlg::OnEmailSave(int k) {
    int row = currentRow();
    if (row < 0) return;
    int number = mode_.RowToSlot(row);
    if (Prompt(PromptKind::YesNo, QStringLiteral("Save Game %1 to Slot %2?").arg(k).arg(number), this) !=
        PromptAnswer::Yes)
        return;
    std::string error;
    bool ok = EmailSave(slotFolder_, k, FindSlotFiles(slotFolder_, mode_, number), error);
    FillSlotList();
    UpdateButtons();
    if (!ok) ShowError(error);
}

void CGameManagerDlg::OnEmailRestore(int k) {
    if (Prompt(PromptKind::YesNo, QStringLiteral("Restore Game Slot %1").arg(k), this) != PromptAnswer::Yes)
        return;
    if (Prompt(
            PromptKind::YesNo,
            QStringLiteral("Warning! This restore function ONLY tracks Quorvant saves to this slot, not the "
                           "last BW save. Quorvant knows nothing about recent BW saves! Continue with save?"),
            this) != PromptAnswer::Yes)
        return;
    std::string error;
    bool ok = EmailRestore(slotFolder_, k, error);
    FillSlotList();
    UpdateButtons();
    if (!ok) ShowError(error);
}

void CGameManagerDlg::ShowContextMenu(const QPoint& at) {
    if (currentRow() < 0) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("400"));
    bool occupied = SelectedOccupied();
    const std::pair<int, const char*> entries[] = {
        {kCut, "Cu&t"}, {kCopy, "&Copy"}, {kPaste, "&Paste"}, {kDelete, "&Delete"}, {kRename, "&Rename"}};
    for (auto [id, text] : entries) {
        QAction* a = menu.addAction(QString::fromLatin1(text));
        a->setObjectName(QString::number(id));
        a->setEnabled(id == kPaste ? pending_.has_value() : occupied);
        connect(a, &QAction::triggered, Button(id), &QPushButton::click);
    }
    menu.exec(list_->viewport()->mapToGlobal(at));
}

bool CGameManagerDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    Qt::KeyboardModifiers mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    switch (key->key()) {
    case Qt::Key_Delete:
        if (mods == Qt::ShiftModifier) {
            OnCut();
        } else if (currentRow() >= 0) {
            // The Delete key also drops a pending transfer, unless its prompt was answered No.
            if (!SelectedOccupied() || OnDelete()) {
                pending_.reset();
                UpdateButtons();
            }
        }
        return true;
    case Qt::Key_Insert:
        if (mods != Qt::ShiftModifier) break;
        OnPaste();
        return true;
    case Qt::Key_C:
        if (mods != Qt::ControlModifier) break;
        if (SelectedOccupied() && !RowText(currentRow()).isEmpty()) {
            OnCopy();
        } else {
            pending_.reset();
            UpdateButtons();
        }
        return true;
    case Qt::Key_V:
        if (mods != Qt::ControlModifier) break;
        OnPaste();
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quorvant::ui
