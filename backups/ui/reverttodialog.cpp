#include "backups/ui/reverttodialog.h"

#include "analysis/obcompare.h"
#include "backups/backuplisting.h"
#include "backups/reverttofile.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileidentity.h"
#include "platform/ui/dialogbuttons.h"
#include "platform/ui/promptservice.h"
#include "platform/ui/waitcursor.h"
#include "views/ui/unitview.h"
#include "workspace/ui/dialogcontrols.h"
#include "workspace/ui/workspace.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorvant::ui {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kLabelRole = Qt::UserRole + 1;

QString SavedAt(const std::filesystem::path& file) {
    return QLocale::c().toString(QFileInfo(QString::fromStdString(file.string())).lastModified(),
                                 QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

RevertToDialog::RevertToDialog(Workspace& workspace, CUnitView& view, const std::filesystem::path& backupRoot,
                               QWidget* parent)
    : QDialog(parent), workspace_(workspace), view_(view) {
    setObjectName(QStringLiteral("RevertTo"));
    const CQuorvantDoc& doc = view.document();
    setWindowTitle(QStringLiteral("Revert %1 To").arg(QString::fromStdString(doc.FileName())));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("revertVersions"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("Version"), QStringLiteral("Saved"), QStringLiteral("Size"),
                            QStringLiteral("Fields that differ")});
    list_->setWhatsThis(QStringLiteral(
        "The file as last saved and the backups kept of it, newest first; the last column counts the fields "
        "in which each differs from the document as it stands."));
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("revertSummary"));
    summary_->setWordWrap(true);

    QDialogButtonBox* buttons = AddDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    revert_ = buttons->button(QDialogButtonBox::Ok);
    revert_->setText(QStringLiteral("&Revert"));
    buttons->addButton(AddFieldHelp(this, QStringLiteral("backups")), QDialogButtonBox::HelpRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);

    {
        WaitCursor wait;
        const std::filesystem::path file = doc.PathName();
        AddVersion(QStringLiteral("%1 as last saved").arg(QString::fromStdString(doc.FileName())),
                   SavedAt(file), file);
        // A backup keeps its file's time stamp: when that version was saved, not when it was copied.
        for (const BackupEntry& backup : ListBackups(backupRoot, doc.Generation, doc.FileName()))
            AddVersion(QStringLiteral("Backup"), SavedAt(backup.path), backup.path);
    }
    for (int c = 0; c < list_->columnCount(); ++c) list_->resizeColumnToContents(c);
    list_->setCurrentItem(list_->topLevelItem(0));
    const int backups = list_->topLevelItemCount() - 1;
    summary_->setText(backups == 0
                          ? QStringLiteral("No backup of the file is kept yet (Options > Backups).")
                          : QStringLiteral("%1 kept. Reverting is a step of Undo; nothing is written "
                                           "until you save.")
                                .arg(backups == 1 ? QStringLiteral("1 backup is")
                                                  : QStringLiteral("%1 backups are").arg(backups)));
    connect(list_, &QTreeWidget::itemActivated, this, &RevertToDialog::accept);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        revert_->setEnabled(item && (item->flags() & Qt::ItemIsEnabled));
    });
    resize(qMax(560, list_->header()->length() + 40), 320);
}

void RevertToDialog::AddVersion(const QString& label, const QString& date,
                                const std::filesystem::path& path) {
    CQuorvantDoc version;
    version.ErrorHandler = [](const std::string&) {};
    QString differs;
    const bool readable = version.OnOpenDocument(path) && version.Generation == view_.document().Generation;
    if (!readable)
        differs = QStringLiteral("cannot be read as this file");
    else if (const std::size_t n = CompareDocuments(view_.document(), version).size(); n == 0)
        differs = QStringLiteral("none: the document holds it");
    else
        differs = QString::number(n);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    auto* item = new QTreeWidgetItem(
        list_, {label, date, ec ? QString() : QLocale().toString(static_cast<qulonglong>(size)), differs});
    item->setData(0, kPathRole, QString::fromStdString(path.string()));
    item->setData(0, kLabelRole,
                  label == QStringLiteral("Backup") ? QStringLiteral("Backup of %1").arg(date) : label);
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    if (!readable) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
}

void RevertToDialog::accept() {
    QTreeWidgetItem* item = list_->currentItem();
    if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
    CQuorvantDoc version;
    version.ErrorHandler = [](const std::string&) {};
    const QString path = item->data(0, kPathRole).toString();
    if (!version.OnOpenDocument(path.toStdString()) || version.Generation != view_.document().Generation) {
        Prompt(PromptKind::Exclamation,
               QStringLiteral("%1 cannot be read as this file any more.\n\n%2")
                   .arg(QDir::toNativeSeparators(path), QString::fromStdString(version.LastErrorDetail())),
               this);
        return;
    }
    const QString label = item->data(0, kLabelRole).toString();
    CQuorvantDoc& doc = view_.document();
    const CQuorvantDoc::SlotsByTable changed = TakeRecordsOf(doc, version);
    // Back to the file itself the document holds what its file does, as after a save; Undo still
    // takes the revert back, to a modified document.
    const bool toItsFile = doc.LoadedFromFile() && SameFileIdentity(path.toStdString(), doc.PathName());
    if (view_.TakeStep(QStringLiteral("Revert to %1").arg(label).toStdString(), changed)) {
        if (toItsFile) doc.SetModifiedFlag(false);
        workspace_.ShowStatusMessage(toItsFile ? QStringLiteral("Reverted to %1").arg(label)
                                               : QStringLiteral("Reverted to %1; not saved yet").arg(label));
    } else
        workspace_.ShowStatusMessage(QStringLiteral("The document already holds %1").arg(label));
    workspace_.UpdateCommandStates();
    QDialog::accept();
}

} // namespace quorvant::ui
