#include "analysis/ui/patchpreview.h"

#include "game/appsettings.h"
#include "game/obmenu.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/ui/gametext.h"
#include "platform/ui/dialogbuttons.h"
#include "platform/ui/promptservice.h"
#include "platform/ui/waitcursor.h"
#include "views/columnfields.h"
#include "views/columnsets.h"
#include "views/ui/unitview.h"
#include "workspace/ui/dialogcontrols.h"
#include "workspace/ui/workspace.h"

#include <QButtonGroup>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace quorvant::ui {
namespace {

constexpr int kTargetRole = Qt::UserRole;
constexpr int kRowRole = Qt::UserRole + 1;

QString ValueText(const PatchRow& row, const std::string& value) {
    return IsTextField(row.field) ? QStringLiteral("\"%1\"").arg(GameText(value))
                                  : QString::fromStdString(value);
}

// The name the patch gives the record it changes at that slot; null when it changes none there.
const std::string* NameInPatch(const Patch& patch, int table, int slot) {
    for (const PatchChange& change : patch.changes)
        if (change.table == table && change.slot == slot) return &change.name;
    return nullptr;
}

QString Plural(qsizetype n, const QString& one, const QString& many) {
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}

} // namespace

PatchPreviewWindow::PatchPreviewWindow(Workspace& workspace, PatchPreviewSetup setup)
    : QDialog(workspace.Window()), workspace_(workspace), setup_(std::move(setup)),
      active_(workspace.ActiveView()) {
    setObjectName(QStringLiteral("PatchPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Nothing else changes the documents while the rows shown are the ones Apply writes.
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(setup_.title);
    auto* layout = new QVBoxLayout(this);

    const QString generation = QString::fromLatin1(GenerationLabel(setup_.patch.generation));
    auto* document = new QRadioButton(QStringLiteral("&This document"), this);
    document->setObjectName(QStringLiteral("PatchToDocument"));
    everyFile_ = new QRadioButton(QStringLiteral("&Every %1 file of the File menu").arg(generation), this);
    everyFile_->setObjectName(QStringLiteral("PatchToEveryFile"));
    auto* bySlot = new QRadioButton(QStringLiteral("By &slot"), this);
    bySlot->setObjectName(QStringLiteral("PatchBySlot"));
    byName_ = new QRadioButton(QStringLiteral("By &name, wherever the record stands"), this);
    byName_->setObjectName(QStringLiteral("PatchByName"));
    auto* where = new QButtonGroup(this);
    auto* how = new QButtonGroup(this);
    for (QRadioButton* b : {document, everyFile_}) where->addButton(b);
    for (QRadioButton* b : {bySlot, byName_}) how->addButton(b);
    (setup_.otherFilesOnly ? everyFile_ : document)->setChecked(true);
    (setup_.otherFilesOnly ? byName_ : bySlot)->setChecked(true);
    auto* choices = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{new QLabel(QStringLiteral("Apply to:"), this), document, everyFile_,
                                         new QLabel(QStringLiteral("   Records:"), this), bySlot, byName_}) {
        w->setEnabled(!setup_.otherFilesOnly);
        choices->addWidget(w);
    }
    choices->addStretch();
    layout->addLayout(choices);
    connect(where, &QButtonGroup::buttonClicked, this, &PatchPreviewWindow::refresh);
    connect(how, &QButtonGroup::buttonClicked, this, &PatchPreviewWindow::refresh);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("PatchRows"));
    list_->setHeaderLabels({QStringLiteral("File / Record"), QStringLiteral("Field"), QStringLiteral("Old"),
                            QStringLiteral("New"), QStringLiteral("Note")});
    list_->setWhatsThis(
        QStringLiteral("Every field the patch would write, file by file. Untick a file or a "
                       "field to leave it; a conflict (the field holds neither the patch's old "
                       "nor its new value) is written only when ticked."));
    layout->addWidget(list_, 1);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("PatchSummary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    auto* buttons = AddDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Apply"));
    buttons->addButton(AddFieldHelp(this, QStringLiteral("patches")), QDialogButtonBox::HelpRole);
    layout->addWidget(buttons);
    apply_ = buttons->button(QDialogButtonBox::Ok);
    disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr);
    connect(buttons, &QDialogButtonBox::accepted, this, &PatchPreviewWindow::apply);
    connect(list_, &QTreeWidget::itemChanged, this, &PatchPreviewWindow::summarize);
    resize(760, 460);
    refresh();
}

void PatchPreviewWindow::refresh() {
    targets_.clear();
    const PatchMatch match = byName_->isChecked() ? PatchMatch::ByName : PatchMatch::BySlot;
    if (!everyFile_->isChecked()) {
        if (active_) {
            Target& t = targets_.emplace_back();
            t.view = active_;
            const CQuorvantDoc& doc = active_->document();
            t.file.file = doc.LoadedFromFile() ? doc.FileName() : doc.GetTitle();
            t.file.path = active_->document().PathName();
            t.file.open = &active_->document();
            t.file.preview = PreviewPatch(active_->document(), setup_.patch, match);
        }
        fill();
        return;
    }
    if (!workspace_.Settings().HasInstallFolder(setup_.patch.generation)) {
        fill();
        summary_->setText(QStringLiteral("No %1 install folder is set: give it under Options > Directories.")
                              .arg(QString::fromLatin1(GenerationLabel(setup_.patch.generation))));
        return;
    }
    WaitCursor wait;
    const std::filesystem::path folder = workspace_.Settings().InstallFolder(setup_.patch.generation);
    auto open = [this](const std::filesystem::path& path) -> const CQuorvantDoc* {
        CUnitView* view = workspace_.OpenView(QString::fromStdString(path.string()));
        return view ? &view->document() : nullptr;
    };
    for (FilePatchPreview& f :
         PreviewPatchOverFolder(folder, setup_.patch.generation, setup_.patch, match, open)) {
        if (f.missing) continue;
        CUnitView* view = f.open ? workspace_.OpenView(QString::fromStdString(f.path.string())) : nullptr;
        if (setup_.otherFilesOnly && view && view == active_) continue;
        // A closed file that is not a whole OB file is not rewritten behind the user's back.
        if (f.read && !f.read->IsFileComplete() && f.preview.refusal.empty())
            f.preview.refusal = "not a complete OB file; open it to patch it";
        targets_.push_back({std::move(f), view});
    }
    // The menus list nations by region; a user looks for a file by its name, the one at hand first.
    std::stable_sort(targets_.begin(), targets_.end(), [this](const Target& a, const Target& b) {
        const bool aActive = a.view && a.view == active_;
        const bool bActive = b.view && b.view == active_;
        if (aActive != bActive) return aActive;
        return QString::fromStdString(a.file.file)
                   .compare(QString::fromStdString(b.file.file), Qt::CaseInsensitive) < 0;
    });
    fill();
}

void PatchPreviewWindow::fill() {
    const QSignalBlocker quiet(list_);
    list_->clear();
    const int generation = setup_.patch.generation;
    const bool bySlot = !byName_->isChecked();
    bool modern = false;
    bool war = false;
    for (std::size_t t = 0; t < targets_.size(); ++t) {
        const Target& target = targets_[t];
        const PatchPreview& preview = target.file.preview;
        const std::string& refusal =
            target.file.unreadable.empty() ? preview.refusal : target.file.unreadable;
        const std::vector<PatchRow> shown = preview.Writes(true);
        if (refusal.empty() && shown.empty()) continue;
        // The title names the nation too ("KOB00 - West Germany"), which a code alone does not.
        const CQuorvantDoc* doc = target.file.doc();
        QString name =
            QString::fromStdString(doc && doc->LoadedFromFile() ? doc->GetTitle() : target.file.file);
        if (target.view) name += QStringLiteral(" (open)");
        auto* file = new QTreeWidgetItem(list_, {name});
        if (!refusal.empty()) {
            file->setText(4, QString::fromStdString(refusal));
            file->setDisabled(true);
            continue;
        }
        file->setFlags(file->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        // BW3 numbers its second world war nations from 70 ("KOB70"), its modern ones below.
        const std::string& fileName = target.file.file;
        (fileName.size() > 3 && std::atoi(fileName.c_str() + 3) >= kFirstWarNation ? war : modern) = true;
        for (std::size_t r = 0; r < preview.rows.size(); ++r) {
            const PatchRow& row = preview.rows[r];
            if (row.state == PatchFieldState::Applied) continue;
            const bool conflict = row.state == PatchFieldState::Conflict;
            // By slot the record there may be another one than the patch's: said, and left to the user.
            const std::string* patched = bySlot ? NameInPatch(setup_.patch, row.table, row.slot) : nullptr;
            const bool otherRecord = patched && !patched->empty() && !SameRecordName(row.name, *patched);
            QString note =
                conflict ? QStringLiteral("conflict: the patch expected %1").arg(ValueText(row, row.expected))
                         : QString();
            if (otherRecord)
                note = QStringLiteral("another record: the patch's is \"%1\"%2")
                           .arg(GameText(*patched), note.isEmpty() ? QString() : QStringLiteral("; ") + note);
            auto* item = new QTreeWidgetItem(
                file, {QStringLiteral("%1 %2  %3")
                           .arg(QString::fromLatin1(TableWord(row.table)))
                           .arg(row.slot)
                           .arg(GameText(row.name)),
                       QString::fromStdString(FieldHeading(row.table, generation, row.field)),
                       ValueText(row, row.found), ValueText(row, row.to), note});
            item->setToolTip(1, QString::fromStdString(row.field));
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, conflict || otherRecord ? Qt::Unchecked : Qt::Checked);
            item->setData(0, kTargetRole, static_cast<int>(t));
            item->setData(0, kRowRole, static_cast<int>(r));
        }
    }
    bothFamilies_ = modern && war;
    list_->expandAll();
    for (int c = 0; c < list_->columnCount(); ++c) list_->resizeColumnToContents(c);
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    list_->scrollToTop();
    summarize();
}

QString PatchPreviewWindow::whyNothing() const {
    if (targets_.empty())
        return everyFile_->isChecked()
                   ? QStringLiteral("The game folder holds no %1 OB file of the menus.")
                         .arg(QString::fromLatin1(GenerationLabel(setup_.patch.generation)))
                   : QStringLiteral("No document is open.");
    const bool reachesAny = std::any_of(targets_.begin(), targets_.end(),
                                        [](const Target& t) { return !t.file.preview.rows.empty(); });
    if (!reachesAny)
        return byName_->isChecked()
                   ? QStringLiteral("The patch changes nothing here: no record has the name of "
                                    "a record the patch changes.")
                   : QStringLiteral("The patch changes nothing here: it reaches no record.");
    return QStringLiteral(
        "The patch changes nothing here: every field it reaches already holds its new value.");
}

void PatchPreviewWindow::summarize() {
    int fields = 0;
    int ticked = 0;
    int conflicts = 0;
    int tickedConflicts = 0;
    int files = 0;
    for (int f = 0; f < list_->topLevelItemCount(); ++f) {
        QTreeWidgetItem* file = list_->topLevelItem(f);
        bool any = false;
        for (int r = 0; r < file->childCount(); ++r) {
            QTreeWidgetItem* row = file->child(r);
            const bool on = row->checkState(0) == Qt::Checked;
            const bool conflict = !row->text(4).isEmpty();
            ++fields;
            conflicts += conflict;
            ticked += on;
            tickedConflicts += on && conflict;
            any = any || on;
        }
        files += any;
    }
    QString summary;
    if (fields == 0) {
        summary = whyNothing();
    } else {
        summary = ticked == 0 ? QStringLiteral("No field is ticked.")
                              : QStringLiteral("%1 in %2 will change.")
                                    .arg(Plural(ticked, QStringLiteral("field"), QStringLiteral("fields")),
                                         Plural(files, QStringLiteral("file"), QStringLiteral("files")));
        if (conflicts > tickedConflicts)
            summary +=
                QStringLiteral(" %1 left unticked: the field holds neither the patch's old nor its new "
                               "value; tick one to take the new value.")
                    .arg(conflicts - tickedConflicts == 1
                             ? QStringLiteral("1 conflict is")
                             : QStringLiteral("%1 conflicts are").arg(conflicts - tickedConflicts));
        if (tickedConflicts > 0)
            summary += QStringLiteral(" %1 ticked to take the new value.")
                           .arg(Plural(tickedConflicts, QStringLiteral("conflict is"),
                                       QStringLiteral("conflicts are")));
        if (setup_.patch.generation == kBW3 && !byName_->isChecked() && bothFamilies_)
            summary += QStringLiteral(" Careful: a slot holds other records in the modern files than in the "
                                      "WWII files; check the names, or apply by name.");
    }
    summary_->setText(summary + QStringLiteral(" Nothing is written until Apply."));
    apply_->setEnabled(ticked > 0);
}

bool PatchPreviewWindow::applyTo(Target& target, const std::vector<PatchRow>& rows, QString& failure) {
    CQuorvantDoc::SlotsByTable changed;
    std::string problem;
    CQuorvantDoc* doc = target.view ? &target.view->document() : target.file.read.get();
    if (!doc || (target.file.open && !target.view)) {
        failure = QStringLiteral("the document was closed");
        return false;
    }
    if (!ApplyPatchRows(*doc, rows, changed, problem)) {
        failure = QString::fromStdString(problem);
        return false;
    }
    if (!target.view) {
        if (doc->OnSaveDocument(target.file.path, problem)) return true;
        failure = QString::fromStdString(problem);
        return false;
    }
    target.view->TakeStep(setup_.stepName.toStdString(), changed);
    return true;
}

void PatchPreviewWindow::apply() {
    std::vector<std::vector<PatchRow>> ticked(targets_.size());
    for (QTreeWidgetItemIterator it(list_, QTreeWidgetItemIterator::Checked); *it; ++it) {
        const QVariant t = (*it)->data(0, kTargetRole);
        if (!t.isValid()) continue;
        const Target& target = targets_[static_cast<std::size_t>(t.toInt())];
        ticked[static_cast<std::size_t>(t.toInt())].push_back(
            target.file.preview.rows[static_cast<std::size_t>((*it)->data(0, kRowRole).toInt())]);
    }
    int openFields = 0;
    int openFiles = 0;
    int saved = 0;
    QStringList failures;
    {
        WaitCursor wait;
        for (std::size_t t = 0; t < targets_.size(); ++t) {
            if (ticked[t].empty()) continue;
            QString failure;
            if (!applyTo(targets_[t], ticked[t], failure)) {
                failures << QStringLiteral("%1: %2").arg(QString::fromStdString(targets_[t].file.file),
                                                         failure);
                continue;
            }
            if (!targets_[t].view) {
                ++saved;
                continue;
            }
            openFields += static_cast<int>(ticked[t].size());
            ++openFiles;
        }
    }
    QStringList done;
    if (saved > 0)
        done << QStringLiteral("Saved %1 with the patch")
                    .arg(Plural(saved, QStringLiteral("closed file"), QStringLiteral("closed files")));
    if (openFiles > 0)
        done << QStringLiteral("%1: %2 changed in %3, not saved yet")
                    .arg(
                        setup_.stepName,
                        Plural(openFields, QStringLiteral("field"), QStringLiteral("fields")),
                        Plural(openFiles, QStringLiteral("open document"), QStringLiteral("open documents")));
    if (!done.isEmpty()) workspace_.ShowStatusMessage(done.join(QStringLiteral("; ")));
    workspace_.UpdateCommandStates();
    if (!failures.isEmpty())
        Prompt(
            PromptKind::Exclamation,
            QStringLiteral("These files were left as they were:\n\n%1").arg(failures.join(QLatin1Char('\n'))),
            this);
    close();
}

} // namespace quorvant::ui
