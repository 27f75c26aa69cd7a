#include "gamemgr/ui/gamemanagerdlg.h"

#include "game/gamedefaultsrules.h"
#include "gamemgr/archiveoperations.h"
#include "gamemgr/slotdescription.h"
#include "gamemgr/slotdragpayload.h"
#include "gamemgr/slotoperations.h"
#include "gamemgr/ui/slotrenamedelegate.h"
#include "obdata/generation.h"
#include "obdata/ui/gametext.h"
#include "platform/pathresolve.h"
#include "platform/ui/promptservice.h"
#include "platform/ui/waitcursor.h"

#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace fs = std::filesystem;

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
    kZip = 1362,
    kUnzip = 1363,
    kUpdate = 1390,
    kArchiveDelete = 1391,
};
// Per e-mail slot 1 and 2: group, box, Set, Save, Restore.
const int kEmailIds[2][5] = {{1167, 1359, 1354, 1357, 1355}, {1169, 1360, 1353, 1358, 1356}};

QPushButton* MakeButton(QWidget* parent, int id, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    return b;
}

CSlotListCtrl* MakeReportList(QWidget* parent, int id, CSlotListCtrl::Role role, SlotDragShared* shared) {
    auto* view = new CSlotListCtrl(role, shared, parent);
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

// Puts a refilled view back where it was scrolled to, its selected row kept in sight. The layout is
// brought up to date first: until then the scroll range is the empty model's.
void RestoreScroll(QTableView* view, int scroll, int row) {
    view->doItemsLayout();
    view->verticalScrollBar()->setValue(scroll);
    if (row >= 0 && row < view->model()->rowCount()) view->scrollTo(view->model()->index(row, 0));
}

} // namespace

CGameManagerDlg::CGameManagerDlg(const AppSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName(QStringLiteral("1539"));
    setWindowTitle(QStringLiteral("Game Manager"));

    list_ = MakeReportList(this, kSlotList, CSlotListCtrl::Role::Slots, &drag_);
    list_->setAccessibleName(QStringLiteral("Slots"));
    model_ = new QStandardItemModel(0, 2, this);
    list_->setModel(model_);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->installEventFilter(this);
    list_->setMinimumSize(360, 260);
    connect(list_, &QWidget::customContextMenuRequested, this, &CGameManagerDlg::ShowContextMenu);
    rename_ = new CSlotRenameDelegate(list_);
    list_->setItemDelegateForColumn(0, rename_);
    connect(rename_, &CSlotRenameDelegate::renamed, this, &CGameManagerDlg::OnRenamed);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { FollowRow(false, current.row()); });
    // A click moves the current row before the selection; the buttons follow the selection.
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateButtons(); });
    connect(list_, &CSlotListCtrl::activated, this, [this] { SetActiveList(false); });
    // A press in either list points both at the slot of the row under it.
    connect(list_, &CSlotListCtrl::pressed, this,
            [this](const QPoint& at) { FollowRow(false, list_->rowAt(at.y())); });
    auto onDrop = [this](SlotDrop kind, const QString& format, const QByteArray& block,
                         const QByteArray& source) { return OnDrop(kind, format, block, source); };
    list_->setDropHandler(onDrop);

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
    archives_->setDropHandler(onDrop);
    for (int k : {1, 2})
        emailBoxes_[k - 1]->setDropHandler(
            [this, k](SlotDrop kind, const QString& format, const QByteArray& block,
                      const QByteArray& source) { return OnDrop(kind, format, block, source, k); });
    auto* close = MakeButton(this, 1, QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 3);
    lists->addLayout(right, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    // Another program (or the game) may have changed the folders meanwhile.
    auto* reload = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(reload, &QShortcut::activated, this, [this] {
        FillSlotList();
        FillArchiveList();
        UpdateButtons();
        SetStatus(QString());
    });

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
    auto* text = new CEmailSlotBox(ids[1], &drag_, group);
    text->setObjectName(QString::number(ids[1]));
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
    auto* group = new QGroupBox(QStringLiteral("Zip Action"), this);
    auto* layout = new QVBoxLayout(group);
    archives_ = MakeReportList(group, kArchiveList, CSlotListCtrl::Role::Archives, &drag_);
    archives_->setAccessibleName(QStringLiteral("Zip archives"));
    archiveModel_ = new QStandardItemModel(0, 3, archives_);
    archives_->setModel(archiveModel_);
    archives_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    archives_->installEventFilter(this);
    archives_->setMinimumWidth(350);
    connect(archives_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { FollowRow(true, current.row()); });
    connect(archives_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateButtons(); });
    connect(archives_, &CSlotListCtrl::activated, this, [this] { SetActiveList(true); });
    connect(archives_, &CSlotListCtrl::pressed, this,
            [this](const QPoint& at) { FollowRow(true, archives_->rowAt(at.y())); });
    layout->addWidget(archives_, 1);
    auto* buttons = new QHBoxLayout;
    const std::pair<int, const char*> zip[] = {
        {kZip, "&Zip"}, {kUnzip, "&UnZip"}, {kUpdate, "U&pdate"}, {kArchiveDelete, "&Delete"}};
    for (auto [id, text] : zip) {
        QPushButton* b = MakeButton(group, id, QString::fromLatin1(text));
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, id = id] {
            if (id == kZip)
                OnZip();
            else if (id == kUnzip)
                OnUnzip();
            else if (id == kUpdate)
                OnUpdate();
            else
                OnArchiveDelete(false);
        });
    }
    layout->addLayout(buttons);
    return group;
}

void CGameManagerDlg::SelectMode(int button) {
    mode_ = GameModeForButton(button);
    if (QAbstractButton* b = modes_->button(ButtonForGameMode(mode_))) b->setChecked(true);
    for (QWidget* w : emailControls_) w->setEnabled(mode_.IsEmail());
    FillSlotList();
    FillArchiveList();
    if (model_->rowCount() > 0) selectRow(0);
    UpdateButtons();
}

void CGameManagerDlg::FillSlotList() {
    if (rename_) rename_->CancelEditing();
    filling_ = true;
    const std::string& game = settings_.InstallFolder(mode_.generation);
    slotFolder_ = game.empty() ? std::filesystem::path() : mode_.SlotFolder(game);
    slots_ = game.empty() ? ListSlots(std::filesystem::path(), mode_) : ListSlots(slotFolder_, mode_);
    std::string source = SlotSourcePayload(slotFolder_);
    drag_.source = QByteArray(source.data(), static_cast<qsizetype>(source.size()));
    int row = currentRow();
    int scroll = list_->verticalScrollBar()->value();
    for (QLineEdit* box : emailBoxes_) box->clear();
    model_->clear();
    model_->setColumnCount(2);
    model_->setHorizontalHeaderLabels({mode_.UsesSaveNames() ? QStringLiteral("Save Game Description")
                                                             : QStringLiteral("Email Game Description"),
                                       QStringLiteral("Slot")});
    for (const SlotEntry& slot : slots_) {
        if (!mode_.IsRowSlot(slot.number)) {
            emailBoxes_[slot.number - 1]->setText(GameText(slot.Text()));
            continue;
        }
        auto* text = new QStandardItem(GameText(slot.Text()));
        // Only Rename opens the editor, and only on a slot that holds a game.
        text->setEditable(slot.occupied);
        auto* number = new QStandardItem(QString::number(slot.number));
        number->setEditable(false);
        model_->appendRow({text, number});
    }
    // The description takes whatever width the list has beyond the slot number, so a wider dialog
    // shows longer descriptions instead of blank space.
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->setColumnWidth(1, 40);
    filling_ = false;
    selectRow(row);
    RestoreScroll(list_, scroll, row);
}

void CGameManagerDlg::FillArchiveList() {
    int row = currentArchiveRow();
    int scroll = archives_->verticalScrollBar()->value();
    archiveRows_ = ListArchives(slotFolder_, mode_);
    hasZipFolder_ = !FindZipFolder(slotFolder_).empty();
    archiveModel_->clear();
    archiveModel_->setColumnCount(3);
    archiveModel_->setHorizontalHeaderLabels(
        {QStringLiteral("Zip Files"), QStringLiteral("Description"), QStringLiteral("Slot")});
    for (const ArchiveEntry& entry : archiveRows_) {
        // An archive whose copy is gone still shows by its own name, its description marked missing.
        bool bare = !entry.occupied() && entry.archiveExists;
        QList<QStandardItem*> items = {
            new QStandardItem(bare ? QString::fromStdString(ArchiveFileName(mode_, entry.number))
                                   : GameText(entry.Name())),
            new QStandardItem(bare ? QStringLiteral("no description") : GameText(entry.description)),
            new QStandardItem(QString::number(entry.number))};
        for (QStandardItem* item : items) item->setEditable(false);
        if (bare) {
            QFont italic = archives_->font();
            italic.setItalic(true);
            items[1]->setFont(italic);
            items[1]->setForeground(archives_->palette().brush(QPalette::Disabled, QPalette::Text));
        }
        archiveModel_->appendRow(items);
    }
    archives_->setColumnWidth(0, 90);
    archives_->setColumnWidth(1, 200);
    archives_->setColumnWidth(2, 40);
    if (row < 0) row = currentRow();
    if (row >= 0) selectArchiveRow(row);
    RestoreScroll(archives_, scroll, row);
}

int CGameManagerDlg::currentArchiveRow() const {
    QModelIndexList rows =
        archives_->selectionModel() ? archives_->selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void CGameManagerDlg::selectArchiveRow(int row) {
    if (row < 0 || row >= archiveModel_->rowCount()) {
        archives_->clearSelection();
        return;
    }
    archives_->setCurrentIndex(archiveModel_->index(row, 0));
    archives_->selectRow(row);
}

void CGameManagerDlg::FollowRow(bool fromArchives, int row) {
    if (following_ || row < 0) {
        UpdateButtons();
        return;
    }
    following_ = true;
    if (fromArchives) {
        if (row != currentRow()) selectRow(row);
    } else if (row != currentArchiveRow()) {
        selectArchiveRow(row);
    }
    following_ = false;
    UpdateButtons();
}

void CGameManagerDlg::SetActiveList(bool archives) {
    archivesActive_ = archives;
    UpdateButtons();
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
    if (!archives_ || filling_) return;
    int archiveRow = currentArchiveRow();
    const ArchiveEntry* archive = archiveRow >= 0 && archiveRow < static_cast<int>(archiveRows_.size())
                                      ? &archiveRows_[archiveRow]
                                      : nullptr;
    // Zip makes the "ZipFiles" folder; Update needs one to look into.
    Button(kUpdate)->setEnabled(hasZipFolder_);
    if (archivesActive_) {
        for (int id : {kDelete, kRename, kCut, kCopy, kPaste, kZip}) Button(id)->setEnabled(false);
        for (int k : {0, 1})
            for (int b : {2, 3}) Button(kEmailIds[k][b])->setEnabled(false);
        // An archive without its copy shows as empty but can still be unpacked or deleted.
        Button(kUnzip)->setEnabled(archive && archive->archiveExists);
        Button(kArchiveDelete)->setEnabled(archive && (archive->occupied() || archive->archiveExists));
        return;
    }
    bool occupied = SelectedOccupied();
    for (int id : {kDelete, kRename, kCut, kCopy}) Button(id)->setEnabled(occupied);
    Button(kZip)->setEnabled(occupied && archive);
    Button(kUnzip)->setEnabled(false);
    Button(kArchiveDelete)->setEnabled(false);
    // Save copies from the e-mail slot, so it needs that slot, and any row to write to.
    bool row = currentRow() >= 0;
    for (int k : {0, 1}) {
        Button(kEmailIds[k][2])->setEnabled(occupied && mode_.IsEmail());
        Button(kEmailIds[k][3])->setEnabled(row && mode_.IsEmail() && slots_[k].occupied);
    }
    Button(kPaste)->setEnabled(pending_.has_value());
}

QString CGameManagerDlg::ArchiveName(int row) const {
    return QString::fromStdString(ArchiveFileName(mode_, mode_.RowToSlot(row)));
}

void CGameManagerDlg::SetStatus(const QString& text) {
    status_->setText(text);
}

void CGameManagerDlg::ShowOutcome(bool ok, const std::string& error, List list) {
    list == List::Slots ? FillSlotList() : FillArchiveList();
    UpdateButtons();
    SetStatus(QString()); // it told of an archive operation, and this is another
    if (!ok) ShowError(error);
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
    if (std::string refusal = TransferRefusal(pending_->mode, mode_); !refusal.empty()) {
        ShowError(refusal);
        return;
    }
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
    ShowOutcome(ok, error);
}

bool CGameManagerDlg::OnDelete() {
    int row = currentRow();
    if (row < 0 || !SelectedOccupied()) return false;
    if (Prompt(PromptKind::YesNo, QStringLiteral("Delete ") + RowText(row) + QStringLiteral(" y/n?"), this) !=
        PromptAnswer::Yes)
        return false;
    std::string error;
    bool ok = DeleteSlot(FindSlotFiles(slotFolder_, mode_, mode_.RowToSlot(row)), error);
    ShowOutcome(ok, error);
    return ok;
}

void CGameManagerDlg::OnRename() {
    int row = currentRow();
    if (row < 0 || !SelectedOccupied()) return;
    // The editor opens on the row, so the row is brought into sight first.
    list_->scrollTo(model_->index(row, 0));
    list_->edit(model_->index(row, 0));
}

void CGameManagerDlg::OnRenamed(int row, const QString& text) {
    // An unchanged text leaves the file as it is.
    if (row < 0 || row >= model_->rowCount() || text == RowText(row)) return;
    QString refused;
    std::optional<std::string> latin1 = GameTextFrom(text, &refused);
    std::string error = refused.toStdString();
    bool ok = latin1 &&
              WriteSlotDescription(FindSlotFiles(slotFolder_, mode_, mode_.RowToSlot(row)), *latin1, error);
    // The view is still busy with its editor: the list shows what the file now holds once it is done.
    QMetaObject::invokeMethod(
        this, [this, ok, error] { ShowOutcome(ok, error); }, Qt::QueuedConnection);
}

void CGameManagerDlg::OnEmailSet(int k) {
    Remember(false);
    if (pending_) SetEmailSlot(k);
}

void CGameManagerDlg::SetEmailSlot(int k) {
    QString text = k == 1 ? QStringLiteral("Replace Game Slot 1?") : QStringLiteral("Replace Game Slot 2");
    text += QStringLiteral("\n\nRemember this does not save the slot to it's original position!");
    if (Prompt(PromptKind::YesNo, text, this) != PromptAnswer::Yes) return;
    std::string error;
    bool ok =
        EmailSet(slotFolder_, k, FindSlotFiles(pending_->folder, pending_->mode, pending_->number), error);
    pending_.reset();
    ShowOutcome(ok, error);
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
    ShowOutcome(ok, error);
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
    ShowOutcome(ok, error);
}

bool CGameManagerDlg::ConfirmArchiveReplace(int row, const QString& prefix) {
    const ArchiveEntry& archive = archiveRows_[static_cast<std::size_t>(row)];
    QString text;
    if (archive.occupied())
        text = archiveModel_->item(row, 0)->text();
    else if (archive.archiveExists)
        // An archive without its copy is replaced only when asked too.
        text = QString::fromStdString(ArchiveFileName(mode_, archive.number));
    else
        return true;
    return Prompt(PromptKind::YesNo, prefix + text + QStringLiteral("?"), this) == PromptAnswer::Yes;
}

bool CGameManagerDlg::ConfirmSlotReplace(int row, const QString& prefix) {
    int number = mode_.RowToSlot(row);
    SlotFiles slot = FindSlotFiles(slotFolder_, mode_, number);
    QString text;
    if (slot.occupied())
        text = RowText(row);
    else if (slot.data.exists())
        text = QString::fromStdString(slot.data.path.filename().string());
    else
        return true;
    return Prompt(PromptKind::YesNo, prefix + text + QStringLiteral("?"), this) == PromptAnswer::Yes;
}

void CGameManagerDlg::PackSlot(int row, const QString& replacePrefix) {
    if (row < 0 || row >= static_cast<int>(archiveRows_.size()) || !ConfirmArchiveReplace(row, replacePrefix))
        return;
    std::string error;
    bool ok;
    {
        WaitCursor wait;
        ok = ZipSlot(slotFolder_, mode_, mode_.RowToSlot(row), *MakeArchiver(settings_.ArchiverCommand),
                     error);
    }
    FillArchiveList();
    UpdateButtons();
    SetStatus(ok ? QStringLiteral("Zipped slot %1 into %2").arg(mode_.RowToSlot(row)).arg(ArchiveName(row))
                 : QString());
    if (!ok) ShowError(error);
}

void CGameManagerDlg::UnpackArchive(int row, const QString& replacePrefix) {
    if (row < 0 || row >= static_cast<int>(archiveRows_.size()) || !ConfirmSlotReplace(row, replacePrefix))
        return;
    std::string error;
    bool ok;
    {
        WaitCursor wait;
        ok = UnzipSlot(slotFolder_, mode_, mode_.RowToSlot(row), *MakeArchiver(settings_.ArchiverCommand),
                       error);
    }
    FillSlotList();
    // The game is back in its slot: the slot list is where the user goes on with it.
    if (ok) {
        list_->setFocus();
        SetActiveList(false);
    }
    UpdateButtons();
    SetStatus(ok ? QStringLiteral("Unzipped %1 into slot %2").arg(ArchiveName(row)).arg(mode_.RowToSlot(row))
                 : QString());
    if (!ok) ShowError(error);
}

void CGameManagerDlg::OnZip() {
    int row = currentRow();
    if (row < 0 || !SelectedOccupied()) return;
    PackSlot(row, QStringLiteral("Replace "));
}

void CGameManagerDlg::OnUnzip() {
    UnpackArchive(currentArchiveRow(), QStringLiteral("Replace "));
}

void CGameManagerDlg::OnUpdate() {
    UpdateResult result;
    std::string error;
    bool ok;
    {
        WaitCursor wait;
        ok = UpdateArchiveCopies(slotFolder_, mode_, *MakeArchiver(settings_.ArchiverCommand), result, error);
    }
    if (!result.recovered.empty()) FillArchiveList();
    UpdateButtons();
    QStringList names;
    for (int number : result.recovered) names << QString::fromStdString(ArchiveFileName(mode_, number));
    if (names.size() == 1)
        SetStatus(QStringLiteral("Recovered the description of 1 archive: ") + names.front());
    else if (!names.isEmpty())
        SetStatus(QStringLiteral("Recovered the descriptions of %1 archives: ").arg(names.size()) +
                  names.join(QStringLiteral(", ")));
    else
        // Archives that could not be read are reported on their own.
        SetStatus(ok && result.refused.empty() ? QStringLiteral("Every archive has its description")
                                               : QString());
    for (const std::string& why : result.refused) error += (error.empty() ? "" : "\n") + why;
    if (!ok || !result.refused.empty()) ShowError(error);
}

void CGameManagerDlg::OnArchiveDelete(bool fromKey) {
    int row = currentArchiveRow();
    if (row < 0 || row >= static_cast<int>(archiveRows_.size())) return;
    const ArchiveEntry& archive = archiveRows_[static_cast<std::size_t>(row)];
    if (!archive.occupied() && !archive.archiveExists) return;
    QString text = archive.occupied() ? archiveModel_->item(row, 0)->text()
                                      : QString::fromStdString(ArchiveFileName(mode_, archive.number));
    QString prompt = fromKey ? QStringLiteral("Delete ") + text + QStringLiteral(" y/n?")
                             : QStringLiteral("Delete %1 Y/N").arg(text);
    if (Prompt(PromptKind::YesNo, prompt, this) != PromptAnswer::Yes) return;
    std::string error;
    bool ok = DeleteArchive(slotFolder_, mode_, archive.number, error);
    ShowOutcome(ok, error, List::Archives);
}

std::optional<CGameManagerDlg::DropSource> CGameManagerDlg::FindDropSource(const QByteArray& source) {
    if (source.isEmpty()) return DropSource{slotFolder_, mode_}; // an older program's drag: this list
    std::optional<fs::path> folder =
        ParseSlotSourcePayload(std::string_view(source.constData(), static_cast<std::size_t>(source.size())));
    if (!folder) return std::nullopt;
    std::error_code ec;
    if (*folder == slotFolder_ || fs::equivalent(*folder, slotFolder_, ec))
        return DropSource{slotFolder_, mode_};
    // A drag of another instance of the program, showing another list.
    std::optional<GameMode> mode = ModeOfSlotFolder(*folder, settings_.InstallFolders);
    if (!mode) return std::nullopt;
    if (std::string refusal = TransferRefusal(*mode, mode_); !refusal.empty()) {
        QTimer::singleShot(0, this, [this, refusal] { ShowError(refusal); });
        return std::nullopt;
    }
    return DropSource{*folder, *mode};
}

bool CGameManagerDlg::OnDrop(SlotDrop kind, const QString& format, const QByteArray& block,
                             const QByteArray& sourceBlock, int emailSlot) {
    std::optional<std::string> text = PayloadText(reinterpret_cast<const std::uint8_t*>(block.constData()),
                                                  static_cast<std::size_t>(block.size()));
    if (!text) return false;
    std::optional<DropSource> source = FindDropSource(sourceBlock);
    if (!source) return false;
    // Packing and unpacking keep to one list; rows name slots of the list they came from.
    const bool ownList = source->mode == mode_;
    const bool slotPayload = format == QString::fromLatin1(kGameSlotFormat);
    const int archiveRows = static_cast<int>(archiveRows_.size());
    // The work runs after the drop has returned to the dragging window, prompts and all, and only in
    // the mode the drop was made in.
    auto later = [this, shown = mode_](auto work) {
        QTimer::singleShot(0, this, [this, shown, work] {
            if (mode_ == shown) work();
        });
    };
    switch (kind) {
    case SlotDrop::SlotOnArchives: {
        std::optional<int> row =
            slotPayload && ownList ? ParseSlotRowPayload(*text, archiveRows) : std::nullopt;
        if (!row || !slots_[static_cast<std::size_t>(mode_.RowToSlot(*row) - mode_.NumberingBase())].occupied)
            return false;
        later([this, row = *row] {
            selectRow(row);
            PackSlot(row, QStringLiteral("Replace Zip Slot %1, ").arg(mode_.RowToSlot(row)));
        });
        return true;
    }
    case SlotDrop::ArchiveOnSlots: {
        std::optional<std::string> name = format == QString::fromLatin1(kZipSlotFormat) && ownList
                                              ? ParseArchivePayload(*text)
                                              : std::nullopt;
        if (!name) return false;
        for (int row = 0; row < archiveRows; ++row) {
            const ArchiveEntry& archive = archiveRows_[static_cast<std::size_t>(row)];
            // A row without its copy drags the archive's own name.
            std::string rowName =
                archive.occupied() ? archive.copyName : ArchiveFileName(mode_, archive.number);
            if (!archive.archiveExists || !EqualsIgnoringAsciiCase(rowName, *name)) continue;
            later([this, row] {
                selectRow(row);
                UnpackArchive(row, QStringLiteral("Replace Game Slot %1, ").arg(mode_.RowToSlot(row)));
            });
            return true;
        }
        return false;
    }
    case SlotDrop::EmailSlotOnSlots: {
        std::optional<EmailSlotDrop> drop = ParseEmailSlotDrop(*text);
        if (!drop || !source->mode.IsEmail() || !FindEmailSlotFiles(source->folder, drop->slot).occupied())
            return false;
        int row = list_->indexAt(QPoint(drop->x, drop->y)).row();
        if (row < 0) return false;
        later([this, k = drop->slot, row, folder = source->folder] { PasteEmailSlot(k, row, folder); });
        return true;
    }
    case SlotDrop::SlotOnEmailBox: {
        std::optional<int> row =
            slotPayload ? ParseSlotRowPayload(*text, source->mode.RowCount()) : std::nullopt;
        if (!row || !mode_.IsEmail() || (emailSlot != 1 && emailSlot != 2)) return false;
        Transfer copy{false, source->folder, source->mode, source->mode.RowToSlot(*row)};
        if (!FindSlotFiles(copy.folder, copy.mode, copy.number).occupied()) return false;
        later([this, row = *row, ownList, copy, emailSlot] {
            if (ownList) selectRow(row);
            pending_ = copy;
            UpdateButtons();
            SetEmailSlot(emailSlot);
        });
        return true;
    }
    }
    return false;
}

void CGameManagerDlg::PasteEmailSlot(int k, int row, const fs::path& folder) {
    if (row < 0 || row >= model_->rowCount()) return;
    selectRow(row);
    if (SelectedOccupied() &&
        Prompt(PromptKind::YesNo, QStringLiteral("Overwrite ") + RowText(row) + QStringLiteral(" y/n?"),
               this) != PromptAnswer::Yes)
        return;
    std::string error;
    bool ok = CopySlot(FindEmailSlotFiles(folder, k), FindSlotFiles(slotFolder_, mode_, mode_.RowToSlot(row)),
                       error);
    ShowOutcome(ok, error);
}

void CGameManagerDlg::ShowContextMenu(const QPoint& at) {
    constexpr qint64 kSameKeystrokeMs = 250;
    if (currentRow() < 0 || (menuClosed_.isValid() && menuClosed_.elapsed() < kSameKeystrokeMs)) return;
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
    menuClosed_.start();
}

bool CGameManagerDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == archives_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        OnArchiveDelete(true);
        return true;
    }
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
    case Qt::Key_X:
        if (mods != Qt::ControlModifier) break;
        OnCut();
        return true;
    case Qt::Key_Insert:
        if (mods == Qt::ShiftModifier) {
            OnPaste();
            return true;
        }
        [[fallthrough]]; // Ctrl+Ins copies, as in the record lists
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
    case Qt::Key_Menu:
    case Qt::Key_F10:
        // The keyboard's ways to the context menu, which then opens at the current row.
        if (mods != (key->key() == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier)) break;
        ShowContextMenu(list_->visualRect(list_->currentIndex()).center());
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quorvant::ui
