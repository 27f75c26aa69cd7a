#include "exchange/csvexchange.h"
#include "exchange/ui/csvcommands.h"
#include "exchange/ui/sectiondialog.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/promptservice.h"
#include "tests/core/obfile_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace quorvant;
using namespace quorvant::ui;

namespace {

const std::vector<CsvSection> kAll = {CsvSection::Weapons, CsvSection::Units, CsvSection::Formations};

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct HintRecorder : DocObserver {
    std::vector<int> hints;
    void onDocumentUpdate(int hint) override { hints.push_back(hint); }
};

// A BW1 install folder holding OBPZ and an Exports folder, with the document opened from it.
class CsvCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        install = fs::temp_directory_path() / ("quorvant_csvcommands_" + std::to_string(::getpid()));
        fs::remove_all(install);
        fs::create_directories(install / "Exports");
        auto b = quorvant::testing::OBFileBuilder::BW1();
        b.weaponName(1, "88mm, L/56").unitName(1, "Tiger").formationName(1, "Kampfgruppe");
        b.column(13000, 1, 13); // unit 1's class
        std::ofstream(install / "OBPZ", std::ios::binary)
            .write(reinterpret_cast<const char*>(b.bytes().data()),
                   static_cast<std::streamsize>(b.bytes().size()));
        ASSERT_TRUE(doc.OnOpenDocument(install / "OBPZ"));
        doc.AddObserver(&hints);
    }
    void TearDown() override {
        doc.RemoveObserver(&hints);
        fs::remove_all(install);
    }

    std::vector<QString> texts() const {
        std::vector<QString> t;
        for (const auto& a : prompts.asked) t.push_back(a.text);
        return t;
    }

    fs::path install;
    CQuorvantDoc doc;
    HintRecorder hints;
    ScriptedPrompts prompts;
    ScriptedSectionChooser sections;
};

} // namespace

TEST(SectionDialog, OpensUncheckedUnderTheCallersCaptionAndReportsTheCheckedBoxes) {
    CSectionDialog dialog(QStringLiteral("Import"));
    EXPECT_EQ(dialog.windowTitle(), "Import");
    EXPECT_EQ(dialog.objectName(), "470");
    auto* group = dialog.findChild<QGroupBox*>(QStringLiteral("1424"));
    ASSERT_TRUE(group);
    EXPECT_EQ(group->title(), "Select Sections");
    const char* ids[] = {"1420", "1421", "1423"};
    const char* labels[] = {"Weapons", "Units", "Formations"};
    for (int i = 0; i < 3; ++i) {
        auto* box = dialog.findChild<QCheckBox*>(QString::fromLatin1(ids[i]));
        ASSERT_TRUE(box) << ids[i];
        EXPECT_EQ(box->text(), labels[i]);
        EXPECT_FALSE(box->isChecked());
    }
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("1"))->text(), "OK");
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("2"))->text(), "Cancel");
    EXPECT_TRUE(dialog.sections().empty());

    dialog.findChild<QCheckBox*>(QStringLiteral("1423"))->setChecked(true);
    dialog.findChild<QCheckBox*>(QStringLiteral("1420"))->setChecked(true);
    EXPECT_EQ(dialog.sections(), (std::vector<CsvSection>{CsvSection::Weapons, CsvSection::Formations}));
}

TEST(SectionDialog, TheRealChooserReturnsTheBoxesOnOkAndOpensWithTheLastConfirmedPerCaption) {
    std::vector<CsvSection> openedWith;
    auto answerWith = [&openedWith](const char* button, const char* box) {
        QTimer::singleShot(0, [&openedWith, button, box] {
            auto* dialog = qobject_cast<CSectionDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            openedWith = dialog->sections();
            if (box) dialog->findChild<QCheckBox*>(QString::fromLatin1(box))->click();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
        });
    };
    const std::vector<CsvSection> units{CsvSection::Units};
    answerWith("1", "1421");
    SectionChoice ok = SectionChooser::current().choose(nullptr, QStringLiteral("Export"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(*ok, units);
    EXPECT_TRUE(openedWith.empty());

    answerWith("2", "1420");
    EXPECT_FALSE(SectionChooser::current().choose(nullptr, QStringLiteral("Export")));
    EXPECT_EQ(openedWith, units);

    answerWith("2", nullptr);
    EXPECT_FALSE(SectionChooser::current().choose(nullptr, QStringLiteral("Import")));
    EXPECT_TRUE(openedWith.empty()) << "the import keeps its own choice";

    answerWith("2", nullptr);
    SectionChooser::current().choose(nullptr, QStringLiteral("Export"));
    EXPECT_EQ(openedWith, units) << "a cancelled dialog leaves the remembered choice alone";
}

TEST_F(CsvCommands, ExportWritesTheChosenTablesAndLeavesTheDocumentAlone) {
    sections.answers = {kAll};
    ExportDocumentCsv(nullptr, doc, install);
    EXPECT_EQ(sections.captions, std::vector<QString>{"Export"});
    EXPECT_EQ(texts(), std::vector<QString>{"Export Complete"});
    EXPECT_EQ(prompts.asked[0].kind, PromptKind::Information);
    for (CsvSection s : kAll)
        EXPECT_EQ(ReadText(install / "Exports" / CsvFileName("OBPZ", s)), ExportCsv(doc, s)) << CsvSuffix(s);
    EXPECT_NE(ReadText(install / "Exports" / "OBPZWEP.csv").find("\r\n1,\"88mm, L/56     \",0,"),
              std::string::npos);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(hints.hints.empty());

    // No section checked still completes; Cancel does nothing at all.
    fs::remove_all(install / "Exports");
    fs::create_directories(install / "Exports");
    prompts.asked.clear();
    sections.answers = {std::vector<CsvSection>{}, std::nullopt};
    ExportDocumentCsv(nullptr, doc, install);
    ExportDocumentCsv(nullptr, doc, install);
    EXPECT_EQ(texts(), std::vector<QString>{"Export Complete"});
    EXPECT_TRUE(fs::is_empty(install / "Exports"));
}

TEST_F(CsvCommands, AFileThatCannotBeCreatedIsNamedAndTheOtherTablesStillGoOut) {
    fs::create_directories(install / "Exports" / "OBPZUNT.csv"); // a folder in the file's place
    sections.answers = {kAll};
    ExportDocumentCsv(nullptr, doc, install);
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[0].kind, PromptKind::Exclamation);
    const std::string unitsFile = (install / "Exports" / "OBPZUNT.csv").string();
    EXPECT_EQ(prompts.asked[0].text.toStdString(),
              "Cannot create " + unitsFile + "\nis a folder, not a file");
    EXPECT_EQ(prompts.asked[1].text, "Export Complete");
    EXPECT_TRUE(fs::exists(install / "Exports" / "OBPZWEP.csv"));
    EXPECT_TRUE(fs::exists(install / "Exports" / "OBPZFRM.csv"));

    // Without the Exports folder every table is named; without an install folder likewise.
    fs::remove_all(install / "Exports");
    prompts.asked.clear();
    sections.answers = {std::vector<CsvSection>{CsvSection::Weapons, CsvSection::Formations},
                        std::vector<CsvSection>{CsvSection::Units}};
    ExportDocumentCsv(nullptr, doc, install);
    ExportDocumentCsv(nullptr, doc, "");
    ASSERT_EQ(prompts.asked.size(), 5u);
    EXPECT_TRUE(prompts.asked[0].text.contains("OBPZWEP.csv"));
    EXPECT_TRUE(prompts.asked[1].text.contains("OBPZFRM.csv"));
    EXPECT_EQ(prompts.asked[2].text, "Export Complete");
    EXPECT_EQ(prompts.asked[3].text, "Cannot create OBPZUNT.csv\nNo BW1 folder is set.");
    EXPECT_FALSE(fs::exists(install / "Exports"));
    EXPECT_FALSE(fs::exists("Exports/OBPZUNT.csv"));
}

TEST_F(CsvCommands, ImportReadsTheTablesBackRebuildsTheViewAndMarksTheDocumentModified) {
    sections.answers = {kAll};
    ExportDocumentCsv(nullptr, doc, install);
    const auto weapons = doc.Weapons;
    const auto units = doc.Units;
    doc.Weapons[1].HEPen = 99;
    doc.Units[1].Class = 1;
    doc.Formations[1].Type = 3;
    doc.ViewMode = kViewFormations;

    prompts.asked.clear();
    sections.answers = {std::vector<CsvSection>{CsvSection::Weapons, CsvSection::Units}};
    ImportDocumentCsv(nullptr, doc, install);
    EXPECT_EQ(sections.captions.back(), "Import");
    EXPECT_EQ(texts(), std::vector<QString>{"Import Complete"});
    EXPECT_EQ(doc.Weapons[1], weapons[1]);
    EXPECT_EQ(doc.Units[1].Class, 13);
    // An empty name comes back blank, not empty, as the file holds it.
    EXPECT_TRUE(doc.Units[2].Name.isBlank() && !doc.Units[2].Name.empty());
    EXPECT_EQ(doc.Formations[1].Type, 3); // not chosen
    EXPECT_EQ(doc.SnapshotUnits, units);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(hints.hints, std::vector<int>{kViewFormations});

    // Cancel reads nothing and changes nothing.
    doc.SetModifiedFlag(false);
    ImportDocumentCsv(nullptr, doc, install);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(hints.hints.size(), 1u);
}

TEST_F(CsvCommands, ImportNamesFilesItCannotOpenAndReportsShortOnes) {
    // Files from another system: folder and file names in other cases.
    fs::rename(install / "Exports", install / "EXPORTS");
    std::ofstream(install / "EXPORTS" / "obpzwep.csv", std::ios::binary) << "h\r\n0,A,1\r\n1,B,2\r\n";
    doc.Formations[0].Type = 4;
    sections.answers = {kAll};
    ImportDocumentCsv(nullptr, doc, install);
    ASSERT_EQ(prompts.asked.size(), 3u);
    EXPECT_EQ(prompts.asked[0].kind, PromptKind::Exclamation);
    EXPECT_TRUE(prompts.asked[0].text.startsWith("Cannot open ")) << prompts.asked[0].text.toStdString();
    EXPECT_TRUE(prompts.asked[0].text.contains("OBPZUNT.csv"));
    EXPECT_TRUE(prompts.asked[1].text.contains("OBPZFRM.csv"));
    EXPECT_EQ(prompts.asked[2].kind, PromptKind::Information);
    EXPECT_EQ(prompts.asked[2].text,
              "Import Complete\n\nWeapons: 2 lines read for 250 slots; slots 2 to 249 were left unchanged.");
    EXPECT_EQ(doc.Weapons[1].Name.trimmed(), "B");
    EXPECT_EQ(doc.Weapons[1].Class, 2);
    EXPECT_EQ(doc.Weapons[2].Name.view(), "");
    EXPECT_EQ(doc.Formations[0].Type, 4);
    EXPECT_TRUE(doc.IsModified());
}
