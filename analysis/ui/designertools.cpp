#include "analysis/ui/designertools.h"

#include "analysis/comparelabels.h"
#include "analysis/obcompare.h"
#include "analysis/recordclear.h"
#include "analysis/recordfind.h"
#include "analysis/referencecheck.h"
#include "analysis/ui/finddialog.h"
#include "analysis/ui/findingswindow.h"
#include "app/appsettings.h"
#include "app/opencommand.h"
#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "pictures/picfamily.h"
#include "platform/cdroots.h"
#include "platform/ui/filechooser.h"
#include "platform/ui/promptservice.h"
#include "views/ui/unitview.h"

#include <QDir>
#include <QMdiArea>
#include <QPointer>
#include <QTreeWidgetItem>

namespace quorvant::ui {
namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Where a row leads: a table and a slot of the document the window was made for.
QVariant RecordAddress(int table, int slot) {
    return QVariantList{table, slot};
}

// The pictures the unit sheet would show for the document: its game's "pic" folder, else the CD's.
PictureSource DocumentPictures(const CMainFrame* frame, const CQuorvantDoc& doc) {
    const std::vector<std::filesystem::path> roots = CdRoots();
    return FindPictureSource(frame->settings().InstallFolder(doc.Generation),
                             roots.empty() ? std::filesystem::path() : roots.back(), doc.Generation, "");
}

void ShowIn(const QPointer<CChildFrame>& child, const QVariant& address, bool edit) {
    if (!child) return;
    const QVariantList parts = address.toList();
    if (parts.size() != 2) return;
    child->mdiArea()->setActiveSubWindow(child);
    child->view()->ShowRecord(parts[0].toInt(), parts[1].toInt(), edit);
}

} // namespace

void ShowReferenceCheck(CMainFrame* frame) {
    CChildFrame* child = frame->activeChild();
    if (!child) return;
    auto* window = new FindingsWindow(
        QStringLiteral("Check References - %1").arg(QString::fromStdString(child->document().GetTitle())),
        {QStringLiteral("Table"), QStringLiteral("Slot"), QStringLiteral("Name"), QStringLiteral("Finding")},
        frame);
    window->setObjectName(QStringLiteral("CheckReferences"));
    const PictureSource pictures = DocumentPictures(frame, child->document());
    const bool checkPictures = !pictures.listing.empty();
    const std::vector<Finding> findings =
        CheckReferences(child->document(), checkPictures ? &pictures.listing : nullptr);
    for (const Finding& f : findings)
        window->addRow({QString::fromLatin1(TableWord(f.table)), QString::number(f.slot), Latin1(f.name),
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
    QPointer<CChildFrame> target(child);
    window->onActivated = [target](const QVariant& address) { ShowIn(target, address, true); };
    window->fitColumns();
    window->show();
}

void ShowReferencesTo(CMainFrame* frame, int table, int slot) {
    CChildFrame* child = frame->activeChild();
    if (!child) return;
    const CQuorvantDoc& doc = child->document();
    const QString record = Latin1(RecordTitle(doc, table, slot));
    auto* window = new FindingsWindow(
        QStringLiteral("References to %1 - %2").arg(record, QString::fromStdString(doc.GetTitle())),
        {QStringLiteral("Table"), QStringLiteral("Slot"), QStringLiteral("Name"),
         QStringLiteral("Names it as")},
        frame);
    window->setObjectName(QStringLiteral("FindReferences"));
    const std::vector<Reference> references = ReferencesTo(doc, table, slot);
    for (const Reference& r : references)
        window->addRow({QString::fromLatin1(TableWord(r.table)), QString::number(r.slot), Latin1(r.name),
                        QString::fromStdString(r.where())},
                       RecordAddress(r.table, r.slot));
    window->setSummary(references.empty() ? QStringLiteral("Nothing in the file names %1.").arg(record)
                       : references.size() == 1
                           ? QStringLiteral("1 record names %1. Double-click it to edit it.").arg(record)
                           : QStringLiteral("%1 records name %2. Double-click one to edit it.")
                                 .arg(references.size())
                                 .arg(record));
    QPointer<CChildFrame> target(child);
    window->onActivated = [target](const QVariant& address) { ShowIn(target, address, true); };
    window->fitColumns();
    window->show();
}

void ShowCompare(CMainFrame* frame) {
    CChildFrame* child = frame->activeChild();
    if (!child) return;
    const CQuorvantDoc& mine = child->document();
    QString path = FileChooser::current().openFile(
        frame, QStringLiteral("Compare With"), QString::fromStdString(mine.Folder().string()),
        QString::fromLatin1(kOBFileFilter), QString::fromLatin1(kOBFileNameBox));
    if (path.isEmpty()) return;
    CQuorvantDoc other;
    if (std::optional<std::string> why = WhyNotOpenable(path.toStdString());
        why || !other.OnOpenDocument(path.toStdString())) {
        Prompt(PromptKind::Exclamation,
               QStringLiteral("Cannot open the file %1.\n\n%2")
                   .arg(QDir::toNativeSeparators(path),
                        QString::fromStdString(why ? *why : other.LastErrorDetail())),
               frame);
        return;
    }
    if (other.Generation != mine.Generation) {
        Prompt(PromptKind::Exclamation,
               QStringLiteral("%1 is a %2 file; only files of one generation compare with this %3 file.")
                   .arg(QDir::toNativeSeparators(path),
                        QString::fromLatin1(GenerationLabel(other.Generation)),
                        QString::fromLatin1(GenerationLabel(mine.Generation))),
               frame);
        return;
    }
    const auto [mineLabel, otherLabel] =
        CompareLabels(mine.PathName(), std::filesystem::path(path.toStdString()));
    const QString mineName = QString::fromStdString(mineLabel);
    const QString otherName = QString::fromStdString(otherLabel);
    auto* window =
        new FindingsWindow(QStringLiteral("Compare %1 with %2").arg(mineName, otherName),
                           {QStringLiteral("Record"), QStringLiteral("Field"), mineName, otherName}, frame);
    window->setObjectName(QStringLiteral("CompareFiles"));
    const std::vector<FieldDifference> differences = CompareDocuments(mine, other);
    QTreeWidgetItem* group = nullptr;
    int records = 0;
    for (std::size_t i = 0; i < differences.size(); ++i) {
        const FieldDifference& d = differences[i];
        if (i == 0 || d.table != differences[i - 1].table || d.slot != differences[i - 1].slot) {
            group = window->addRow({QStringLiteral("%1 %2  %3")
                                        .arg(QString::fromLatin1(TableWord(d.table)))
                                        .arg(d.slot)
                                        .arg(Latin1(d.name))},
                                   RecordAddress(d.table, d.slot));
            ++records;
        }
        window->addRow({QString(), QString::fromStdString(d.field), Latin1(d.a), Latin1(d.b)},
                       RecordAddress(d.table, d.slot), group);
    }
    window->setSummary(
        differences.empty()
            ? QStringLiteral("The files hold the same records.")
            : QStringLiteral("%1 fields differ in %2 records.").arg(differences.size()).arg(records));
    QPointer<CChildFrame> target(child);
    window->onActivated = [target](const QVariant& address) { ShowIn(target, address, false); };
    window->fitColumns();
    window->show();
}

void ShowFind(CMainFrame* frame) {
    auto* dialog = new FindDialog(frame);
    dialog->show();
    dialog->raise();
}

} // namespace quorvant::ui
