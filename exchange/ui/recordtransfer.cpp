#include "exchange/ui/recordtransfer.h"

#include "exchange/recordpaste.h"
#include "exchange/ui/recorddrag.h"
#include "obdata/quorvantdoc.h"
#include "obdata/ui/gametext.h"
#include "platform/ui/promptservice.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"
#include "workspace/ui/workspace.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace quorvant::ui {
namespace {

const QString kOriginFormat = QStringLiteral("application/x-quorvant-record-origin");

} // namespace

RecordTransfer::RecordTransfer(CUnitView* view)
    : QObject(view), view_(view),
      unitFormat_(GameText(quorvant::UnitListFormat(view->document().Generation))),
      weaponFormat_(GameText(quorvant::WeaponListFormat(view->document().Generation))) {
    setObjectName(QStringLiteral("RecordTransfer"));
    new RecordDrag(view, this);
}

RecordTransfer* RecordTransfer::Of(const CUnitView* view) {
    return view ? view->findChild<RecordTransfer*>(QStringLiteral("RecordTransfer"),
                                                   Qt::FindDirectChildrenOnly)
                : nullptr;
}

std::optional<TransferKind> RecordTransfer::ShownKind() const {
    switch (view_->CurrentKind()) {
    case kViewWeapons:
        return TransferKind::Weapons;
    case kViewUnits:
        return TransferKind::Units;
    default:
        return std::nullopt;
    }
}

QString RecordTransfer::FormatOf(TransferKind kind) const {
    return kind == TransferKind::Weapons ? weaponFormat_ : unitFormat_;
}

QMimeData* RecordTransfer::MimeForSlot(TransferKind kind, int slot) const {
    auto block = BlockOfSlot(view_->document(), kind, slot);
    if (!block) return nullptr;
    auto* data = new QMimeData;
    data->setData(FormatOf(kind), QByteArray(reinterpret_cast<const char*>(block->data()),
                                             static_cast<qsizetype>(block->size())));
    return data;
}

QMimeData* RecordTransfer::DragMimeForSlot(TransferKind kind, int slot) const {
    QMimeData* data = MimeForSlot(kind, slot);
    if (data)
        data->setData(kOriginFormat, QByteArray::number(reinterpret_cast<quintptr>(&view_->document())));
    return data;
}

bool RecordTransfer::ComesFromThisDocument(const QMimeData* data) const {
    return data &&
           data->data(kOriginFormat) == QByteArray::number(reinterpret_cast<quintptr>(&view_->document()));
}

std::optional<QByteArray> RecordTransfer::OfferedBlock(const QMimeData* data) const {
    auto kind = ShownKind();
    if (!data || !kind || !data->hasFormat(FormatOf(*kind))) return std::nullopt;
    return data->data(FormatOf(*kind));
}

QString RecordTransfer::RefusalOf(const QMimeData* data, const char* verb) const {
    if (!data || OfferedBlock(data)) return {};
    for (const QString& format : data->formats()) {
        const QByteArray name = format.toLatin1();
        if (auto offered =
                ParseListFormat(std::string_view(name.constData(), static_cast<std::size_t>(name.size()))))
            return GameText(RecordPasteRefusal(*offered, view_->document().Generation, ShownKind(), verb));
    }
    return {};
}

void RecordTransfer::Copy() {
    QClipboard* clipboard = QApplication::clipboard();
    auto kind = ShownKind();
    if (!kind) {
        clipboard->clear();
        emit reported(
            tr("Formations cannot be copied: they name units by slot. The clipboard is now empty."));
        return;
    }
    if (QMimeData* data = MimeForSlot(*kind, view_->SelectedRow() + 1)) clipboard->setMimeData(data);
    if (const auto selected = view_->SelectedRows().size(); selected > 1)
        emit reported(tr("Copied slot %1, the first of the %2 rows selected: the clipboard holds one record")
                          .arg(view_->SelectedRow() + 1)
                          .arg(selected));
}

bool RecordTransfer::CanPaste() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return view_->SelectedRow() >= 0 &&
           (OfferedBlock(data).has_value() || !RefusalOf(data, "pasted").isEmpty());
}

// Slot 0 is never listed, so a paste without a selected row would change a record nobody sees.
void RecordTransfer::Paste() {
    if (view_->SelectedRow() < 0) return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (auto block = OfferedBlock(data))
        PasteOnto(view_->SelectedRow() + 1, *block);
    else if (QString refusal = RefusalOf(data, "pasted"); !refusal.isEmpty())
        emit reported(refusal);
}

bool RecordTransfer::PasteOnto(int slot, const QByteArray& block, bool dropped) {
    auto kind = ShownKind();
    if (!kind) return false;
    CQuorvantDoc& doc = view_->document();
    if (NamedSlotName(doc, *kind, slot) &&
        Prompt(PromptKind::YesNo, GameText(ReplacePromptText(doc, *kind, slot)), view_) != PromptAnswer::Yes)
        return false;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(block.constData());
    auto report = PasteBlock(doc, *kind, slot, std::span(bytes, static_cast<std::size_t>(block.size())),
                             dropped ? "Drop" : "Paste");
    if (!report) {
        emit reported(tr("The clipboard holds no record of this kind to paste."));
        return false;
    }
    // The weapon rows a unit paste filled are refreshed without moving the weapons table's own row.
    const int weaponRow = view_->WeaponRow;
    for (int changed : report->changedWeaponSlots()) {
        view_->WeaponRow = changed - 1;
        doc.UpdateAllViews(kHintWeaponRow);
    }
    view_->WeaponRow = *kind == TransferKind::Weapons ? slot - 1 : weaponRow;
    if (*kind == TransferKind::Units) {
        view_->UnitRow = slot - 1;
        doc.UpdateAllViews(kHintUnitRow);
    }
    emit reported(GameText(report->text() + report->nationNote()));
    return true;
}

void InstallTransferCommands(Workspace& workspace) {
    QObject* owner = workspace.Window();
    auto transferOfActive = [&workspace] { return RecordTransfer::Of(workspace.ActiveView()); };
    QObject::connect(workspace.Command(ID_EDIT_COPY), &QAction::triggered, owner, [transferOfActive] {
        if (RecordTransfer* t = transferOfActive()) t->Copy();
    });
    QObject::connect(workspace.Command(ID_EDIT_PASTE), &QAction::triggered, owner, [transferOfActive] {
        if (RecordTransfer* t = transferOfActive()) t->Paste();
    });
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, owner,
                     [&workspace] { UpdateTransferCommands(workspace); });
}

void AttachRecordTransfer(Workspace& workspace, CUnitView* view) {
    auto* transfer = new RecordTransfer(view);
    QObject::connect(transfer, &RecordTransfer::reported, workspace.Window(),
                     [&workspace](const QString& text) {
                         workspace.ShowStatusMessage(text);
                         workspace.UpdateCommandStates();
                     });
    QObject::connect(transfer, &RecordTransfer::rowMayHaveChanged, workspace.Window(),
                     [&workspace] { UpdateTransferCommands(workspace); });
}

void UpdateTransferCommands(Workspace& workspace) {
    RecordTransfer* transfer = RecordTransfer::Of(workspace.ActiveView());
    workspace.Command(ID_EDIT_COPY)->setEnabled(transfer != nullptr);
    workspace.Command(ID_EDIT_PASTE)->setEnabled(transfer && transfer->CanPaste());
}

} // namespace quorvant::ui
