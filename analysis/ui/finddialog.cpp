#include "analysis/ui/finddialog.h"

#include "game/appsettings.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "obdata/ui/gametext.h"
#include "views/columnsets.h"
#include "views/ui/unitview.h"
#include "workspace/ui/workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace quorvant::ui {
namespace {

enum Scope { kThisFile = 0, kWholeFolder = 1 };

} // namespace

FindDialog::FindDialog(Workspace& workspace)
    : FindingsWindow(
          QStringLiteral("Find"),
          {QStringLiteral("File"), QStringLiteral("Table"), QStringLiteral("Slot"), QStringLiteral("Name")},
          workspace.Window()),
      workspace_(workspace) {
    setObjectName(QStringLiteral("FindDialog"));
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("findText"));
    text_->setWhatsThis(QStringLiteral("Part of a name to look for; case does not matter."));
    TakeGameTextOnly(text_);
    where_ = new QLineEdit(this);
    where_->setObjectName(QStringLiteral("findWhere"));
    where_->setPlaceholderText(QStringLiteral("Cost > 100 and Available < 1960 (optional)"));
    where_->setWhatsThis(
        QStringLiteral("An expression over the fields the records found must also meet, as the filter "
                       "above a list takes it: Cost > 100 and Class = \"Main Battle Tank\". A table whose "
                       "fields it does not name is not searched."));
    TakeGameTextOnly(where_);
    table_ = new QComboBox(this);
    table_->setObjectName(QStringLiteral("findTable"));
    table_->addItems({QStringLiteral("All tables"), QStringLiteral("Weapons"), QStringLiteral("Units"),
                      QStringLiteral("Formations")});
    scope_ = new QComboBox(this);
    scope_->setObjectName(QStringLiteral("findScope"));
    CUnitView* view = workspace.ActiveView();
    scope_->addItem(
        view ? QStringLiteral("This file (%1)").arg(QString::fromStdString(view->document().GetTitle()))
             : QStringLiteral("This file"));
    const int generation = view ? view->document().Generation : workspace.Settings().DefaultGeneration;
    scope_->addItem(QStringLiteral("Every %1 OB file of the File menu")
                        .arg(QString::fromLatin1(GenerationLabel(generation))),
                    generation);
    if (!view) scope_->setCurrentIndex(kWholeFolder);
    find_ = new QPushButton(QStringLiteral("&Find"), this);
    find_->setObjectName(QStringLiteral("findButton"));
    find_->setDefault(true);
    connect(find_, &QPushButton::clicked, this, &FindDialog::Find);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("findProgress"));
    progress_->setVisible(false);

    auto* controls = new QGridLayout;
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"), this);
    nameLabel->setBuddy(text_);
    auto* whereLabel = new QLabel(QStringLiteral("&Where:"), this);
    whereLabel->setBuddy(where_);
    auto* inLabel = new QLabel(QStringLiteral("&In:"), this);
    inLabel->setBuddy(table_);
    controls->addWidget(nameLabel, 0, 0, Qt::AlignRight);
    controls->addWidget(text_, 0, 1, 1, 2);
    controls->addWidget(find_, 0, 3);
    controls->addWidget(whereLabel, 1, 0, Qt::AlignRight);
    controls->addWidget(where_, 1, 1, 1, 3);
    controls->addWidget(inLabel, 2, 0, Qt::AlignRight);
    controls->addWidget(table_, 2, 1);
    controls->addWidget(scope_, 2, 2, 1, 2);
    controls->addWidget(progress_, 3, 0, 1, 4);
    controls->setColumnStretch(2, 1);
    addControls(controls);

    onActivated = [this](const QVariant& data) {
        const QVariantList parts = data.toList();
        if (parts.size() != 3) return;
        if (CUnitView* target = workspace_.OpenDocument(parts[0].toString()))
            target->ShowRecord(parts[1].toInt(), parts[2].toInt());
    };
    text_->setFocus();
}

void FindDialog::AddMatches(const std::filesystem::path& folder, const std::vector<FindMatch>& matches) {
    for (const FindMatch& m : matches) {
        const QString path = QString::fromStdString((folder / m.file).string());
        QString file = QString::fromStdString(m.file);
        if (m.unsaved) file += QStringLiteral(" (unsaved changes)");
        addRow({file, QString::fromLatin1(TableWord(m.table)), QString::number(m.slot), GameText(m.name)},
               QVariantList{path, m.table, m.slot});
    }
    found_ += static_cast<int>(matches.size());
}

void FindDialog::Find() {
    clear();
    found_ = 0;
    const std::optional<std::string> typed = GameTextFrom(text_->text());
    if (!typed) return;
    const std::string& text = *typed;
    std::optional<int> table;
    if (table_->currentIndex() > 0) table = table_->currentIndex() - 1;

    CUnitView* view = workspace_.ActiveView();
    if (scope_->currentIndex() == kThisFile && !view) return;
    const int generation = scope_->currentIndex() == kThisFile ? view->document().Generation
                                                               : scope_->itemData(kWholeFolder).toInt();
    std::optional<TableFilters> filters;
    if (const std::optional<std::string> where = GameTextFrom(where_->text()); where && !where->empty()) {
        FilterProblem problem;
        filters = ParseTableFilters(*where, table, generation, problem);
        if (!filters) {
            setSummary(QStringLiteral("Where: %1").arg(GameText(problem.describe())));
            return;
        }
    }
    const TableFilters* only = filters ? &*filters : nullptr;
    if (scope_->currentIndex() == kThisFile) {
        const CQuorvantDoc& doc = view->document();
        AddMatches(doc.Folder(), FindInDocument(doc, doc.FileName(), text, table, only));
        setSummary(QStringLiteral("%1 found in %2.").arg(found_).arg(QString::fromStdString(doc.GetTitle())));
        fitColumns();
        return;
    }
    const std::filesystem::path folder = workspace_.Settings().InstallFolder(generation);
    if (folder.empty()) {
        setSummary(QStringLiteral("No %1 folder is set (Options > Directories).")
                       .arg(QString::fromLatin1(GenerationLabel(generation))));
        return;
    }
    progress_->setVisible(true);
    find_->setEnabled(false);
    FolderFindResult result = FindInGameFolder(
        folder, generation, text, table,
        [&](int done, int total, const std::vector<FindMatch>& found) {
            AddMatches(folder, found);
            progress_->setMaximum(total);
            progress_->setValue(done);
            QApplication::processEvents();
            return isVisible();
        },
        [this](const std::filesystem::path& file) -> const CQuorvantDoc* {
            CUnitView* open = workspace_.OpenView(QString::fromStdString(file.string()));
            return open ? &open->document() : nullptr;
        },
        only);
    progress_->setVisible(false);
    find_->setEnabled(true);
    QString summary = QStringLiteral("%1 found in %2.")
                          .arg(found_)
                          .arg(QDir::toNativeSeparators(QString::fromStdString(folder.string())));
    if (!result.skipped.empty()) {
        QStringList names;
        constexpr std::size_t kNamed = 6;
        for (std::size_t i = 0; i < std::min(kNamed, result.skipped.size()); ++i)
            names << QStringLiteral("%1 (%2)").arg(QString::fromStdString(result.skipped[i].file),
                                                   QString::fromStdString(result.skipped[i].reason));
        if (result.skipped.size() > kNamed)
            names << QStringLiteral("and %1 more").arg(result.skipped.size() - kNamed);
        summary += QStringLiteral(" Skipped: ") + names.join(QStringLiteral(", ")) + QStringLiteral(".");
    }
    if (!result.unsaved.empty()) {
        QStringList names;
        for (const std::string& file : result.unsaved) names << QString::fromStdString(file);
        summary += QStringLiteral(" Searched as open, with unsaved changes: ") +
                   names.join(QStringLiteral(", ")) + QStringLiteral(".");
    }
    setSummary(summary);
    fitColumns();
}

} // namespace quorvant::ui
