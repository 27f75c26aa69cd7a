#include "analysis/ui/designertools.h"

#include "analysis/comparelabels.h"
#include "analysis/obcompare.h"
#include "analysis/patch.h"
#include "analysis/recordclear.h"
#include "analysis/recordfind.h"
#include "analysis/referencecheck.h"
#include "analysis/ui/finddialog.h"
#include "analysis/ui/findingswindow.h"
#include "analysis/ui/patchcommands.h"
#include "game/appsettings.h"
#include "game/opencommand.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/ui/gametext.h"
#include "obdata/vocabulary.h"
#include "pictures/picfamily.h"
#include "platform/cdroots.h"
#include "platform/ui/filechooser.h"
#include "platform/ui/promptservice.h"
#include "views/columnfields.h"
#include "views/ui/unitview.h"
#include "workspace/ui/workspace.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>

#include <QTreeWidgetItem>
#include <functional>

namespace quorvant::ui {
namespace {

// Where a row leads: a table and a slot of the document the window was made for.
QVariant RecordAddress(int table, int slot) {
    return QVariantList{table, slot};
}

// The pictures the unit sheet would show for the document: its game's "pic" folder, else the CD's.
PictureSource DocumentPictures(const Workspace& workspace, const CQuorvantDoc& doc) {
    const std::vector<std::filesystem::path> roots = CdRoots();
    return FindPictureSource(workspace.Settings().InstallFolder(doc.Generation),
                             roots.empty() ? std::filesystem::path() : roots.back(), doc.Generation, "");
}

// A window's rows lead into the document it was made for, while that is open.
std::function<void(const QVariant&)> ShowIn(Workspace& workspace, CUnitView* view, bool edit) {
    return [&workspace, target = QPointer<CUnitView>(view), edit](const QVariant& address) {
        const QVariantList parts = address.toList();
        if (!target || parts.size() != 2) return;
        workspace.Activate(target);
        target->ShowRecord(parts[0].toInt(), parts[1].toInt(), edit);
    };
}

} // namespace

void ShowReferenceCheck(Workspace& workspace) {
    CUnitView* view = workspace.ActiveView();
    if (!view) return;
    auto* window = new FindingsWindow(
        QStringLiteral("Check References - %1").arg(QString::fromStdString(view->document().GetTitle())),
        {QStringLiteral("Table"), QStringLiteral("Slot"), QStringLiteral("Name"), QStringLiteral("Finding")},
        workspace.Window());
    window->setObjectName(QStringLiteral("CheckReferences"));
    const PictureSource pictures = DocumentPictures(workspace, view->document());
    const bool checkPictures = !pictures.listing.empty();
    const std::vector<Finding> findings =
        CheckReferences(view->document(), checkPictures ? &pictures.listing : nullptr);
    for (const Finding& f : findings)
        window->addRow({QString::fromLatin1(TableWord(f.table)), QString::number(f.slot), GameText(f.name),
                        QString::fromStdString(f.what)},
                       RecordAddress(f.table, f.slot));
    const QString pictureNote =
        checkPictures ? QStringLiteral("Side pictures checked against %1.")
                            .arg(QDir::toNativeSeparators(QString::fromStdString(pictures.folder.string())))
                      : QStringLiteral("No picture folder found: side pictures not checked.");
    window->setSummary(
        (findings.empty()
             ? QStringLiteral("No broken references.")
             : QStringLiteral("%1 findings. Double-click one to edit the record.").arg(findings.size())) +
        QLatin1Char(' ') + pictureNote);
    window->onActivated = ShowIn(workspace, view, true);
    window->fitColumns();
    window->show();
}

void ShowReferencesTo(Workspace& workspace, int table, int slot) {
    CUnitView* view = workspace.ActiveView();
    if (!view) return;
    const CQuorvantDoc& doc = view->document();
    const QString record = GameText(RecordTitle(doc, table, slot));
    auto* window = new FindingsWindow(
        QStringLiteral("References to %1 - %2").arg(record, QString::fromStdString(doc.GetTitle())),
        {QStringLiteral("Table"), QStringLiteral("Slot"), QStringLiteral("Name"),
         QStringLiteral("Names it as")},
        workspace.Window());
    window->setObjectName(QStringLiteral("FindReferences"));
    const std::vector<Reference> references = ReferencesTo(doc, table, slot);
    for (const Reference& r : references)
        window->addRow({QString::fromLatin1(TableWord(r.table)), QString::number(r.slot), GameText(r.name),
                        QString::fromStdString(r.where())},
                       RecordAddress(r.table, r.slot));
    window->setSummary(references.empty() ? QStringLiteral("Nothing in the file names %1.").arg(record)
                       : references.size() == 1
                           ? QStringLiteral("1 record names %1. Double-click it to edit it.").arg(record)
                           : QStringLiteral("%1 records name %2. Double-click one to edit it.")
                                 .arg(references.size())
                                 .arg(record));
    window->onActivated = ShowIn(workspace, view, true);
    window->fitColumns();
    window->show();
}

void ShowCompare(Workspace& workspace) {
    CUnitView* view = workspace.ActiveView();
    if (!view) return;
    const CQuorvantDoc& mine = view->document();
    QString path = FileChooser::current().openFile(
        workspace.Window(), QStringLiteral("Compare With"), QString::fromStdString(mine.Folder().string()),
        QString::fromLatin1(kOBFileFilter), QString::fromLatin1(kOBFileNameBox));
    if (path.isEmpty()) return;
    CQuorvantDoc other;
    if (std::optional<std::string> why = WhyNotOpenable(path.toStdString());
        why || !other.OnOpenDocument(path.toStdString())) {
        Prompt(PromptKind::Exclamation,
               QStringLiteral("Cannot open the file %1.\n\n%2")
                   .arg(QDir::toNativeSeparators(path),
                        QString::fromStdString(why ? *why : other.LastErrorDetail())),
               workspace.Window());
        return;
    }
    if (other.Generation != mine.Generation) {
        Prompt(PromptKind::Exclamation,
               QStringLiteral("%1 is a %2 file; only files of one generation compare with this %3 file.")
                   .arg(QDir::toNativeSeparators(path),
                        QString::fromLatin1(GenerationLabel(other.Generation)),
                        QString::fromLatin1(GenerationLabel(mine.Generation))),
               workspace.Window());
        return;
    }
    const auto [mineLabel, otherLabel] =
        CompareLabels(mine.PathName(), std::filesystem::path(path.toStdString()));
    const QString mineName = QString::fromStdString(mineLabel);
    const QString otherName = QString::fromStdString(otherLabel);
    auto* window = new FindingsWindow(
        QStringLiteral("Compare %1 with %2").arg(mineName, otherName),
        {QStringLiteral("Record"), QStringLiteral("Field"), mineName, otherName}, workspace.Window());
    window->setObjectName(QStringLiteral("CompareFiles"));
    std::vector<FieldDifference> differences = CompareDocuments(mine, other);
    // A BW2 or BW3 file keeps its nation in every slot: two nations' files differ there once, as files,
    // not in each of their 450 slots.
    std::erase_if(differences, [&](const FieldDifference& d) { return IsFileNation(mine, d); });
    const bool nationsDiffer = mine.Generation != kBW1 && mine.FileNation != other.FileNation;
    if (nationsDiffer)
        window->addRow({QStringLiteral("File"), QStringLiteral("Nation"),
                        GameText(NationNameOrCode(mine.Lists.NationList, mine.FileNation)),
                        GameText(NationNameOrCode(other.Lists.NationList, other.FileNation))});
    QTreeWidgetItem* group = nullptr;
    int records = 0;
    for (std::size_t i = 0; i < differences.size(); ++i) {
        const FieldDifference& d = differences[i];
        if (i == 0 || d.table != differences[i - 1].table || d.slot != differences[i - 1].slot) {
            group = window->addRow({QStringLiteral("%1 %2  %3")
                                        .arg(QString::fromLatin1(TableWord(d.table)))
                                        .arg(d.slot)
                                        .arg(GameText(d.name))},
                                   RecordAddress(d.table, d.slot));
            ++records;
        }
        // Named as the lists head it, with the name a patch and obtool give it in the tip.
        QTreeWidgetItem* row = window->addRow(
            {QString(), QString::fromStdString(FieldHeading(d.table, mine.Generation, d.field)),
             GameText(d.a), GameText(d.b)},
            RecordAddress(d.table, d.slot), group);
        row->setToolTip(1, QString::fromStdString(d.field));
    }
    const QString nationNote = nationsDiffer ? QStringLiteral("The files are of two nations. ") : QString();
    const QString summary =
        nationNote + (differences.empty()
                          ? QStringLiteral("The files hold the same records.")
                          : QStringLiteral("%1 %2 in %3 %4.")
                                .arg(differences.size())
                                .arg(differences.size() == 1 ? QStringLiteral("field differs")
                                                             : QStringLiteral("fields differ"))
                                .arg(records)
                                .arg(records == 1 ? QStringLiteral("record") : QStringLiteral("records")));
    window->setSummary(summary);
    window->onActivated = ShowIn(workspace, view, false);
    auto* save = new QPushButton(QStringLiteral("Save as &Patch..."), window);
    save->setObjectName(QStringLiteral("SaveAsPatch"));
    const QString saveTip =
        QStringLiteral("Write the differences as a patch that turns %1 into %2").arg(mineName, otherName);
    save->setToolTip(saveTip);
    save->setStatusTip(saveTip);
    save->setEnabled(!differences.empty());
    QObject::connect(
        save, &QPushButton::clicked, window,
        [&workspace, window, summary, patch = MakePatch(mine, other),
         suggested = QString::fromStdString(
             (mine.Folder() / (mine.FileName() + " to " +
                               std::filesystem::path(path.toStdString()).filename().string() + ".json"))
                 .string())] {
            const QString saved = SavePatch(workspace, window, patch, suggested);
            if (saved.isEmpty()) return;
            // A patch leaves out what no file of the other nation could take: slots without a name and the
            // nation a file keeps for all its records.
            window->setSummary(
                QStringLiteral(
                    "%1 Saved the patch of %2 to %3 (slots without a name and the file's nation are "
                    "left out).")
                    .arg(summary,
                         patch.changes.size() == 1 ? QStringLiteral("1 record")
                                                   : QStringLiteral("%1 records").arg(patch.changes.size()),
                         QDir::toNativeSeparators(saved)));
        });
    auto* controls = new QHBoxLayout;
    controls->addStretch();
    controls->addWidget(save);
    window->addControls(controls);
    window->fitColumns();
    window->show();
}

void ShowFind(Workspace& workspace) {
    auto* dialog = new FindDialog(workspace);
    dialog->show();
    dialog->raise();
}

} // namespace quorvant::ui
