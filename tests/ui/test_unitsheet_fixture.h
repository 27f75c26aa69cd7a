#pragma once

#include "editors/ui/editorhost.h"
#include "editors/ui/unitsheetpage.h"
#include "editors/ui/unitspropsheet.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/promptservice.h"
#include "tests/core/obfile_builder.h"
#include "views/columnsets.h"
#include "views/ui/unitview.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest/QtTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace quorvant::testing {

enum SheetPage { kDataPage = 0, kWeaponsPage = 1, kArmorPage = 2 };

// A document with a view and its editor host, as a child frame holds them, and the sheet they open.
class UnitSheetTest : public ::testing::Test {
  protected:
    void read(quorvant::testing::OBFileBuilder file) {
        for (int s = 1; s <= 12; ++s) file.unitName(s, "Unit " + std::to_string(s));
        for (int s = 1; s <= 6; ++s) file.weaponName(s, "Gun " + std::to_string(s));
        TearDown();
        doc = std::make_unique<CQuorvantDoc>();
        doc->ReadBytes(file.bytes());
        view = std::make_unique<ui::CUnitView>(*doc);
        view->resize(640, 480);
        view->OnInitialUpdate();
        host = std::make_unique<ui::EditorHost>(view.get(), *doc);
    }
    void TearDown() override {
        host.reset();
        view.reset();
        doc.reset();
    }
    // Values set after loading become the state the sheet starts from.
    void settle() { doc->TakeSnapshots(); }

    ui::CUnitsPropSheet* open(int slot) {
        host->Open(kUnitTable, slot);
        return sheet();
    }
    ui::CUnitsPropSheet* sheet() const { return static_cast<ui::CUnitsPropSheet*>(host->editor(kUnitTable)); }
    QWidget* page(int p) const { return sheet()->page(p); }
    template <class T = QWidget> T* control(int p, int id) const {
        T* found = page(p)->findChild<T*>(QString::number(id));
        EXPECT_NE(found, nullptr) << "control " << id << " on page " << p;
        return found;
    }
    QLineEdit* edit(int p, int id) const { return control<QLineEdit>(p, id); }
    QComboBox* list(int p, int id) const { return control<QComboBox>(p, id); }
    QPushButton* button(int id) const { return control<QPushButton>(kDataPage, id); }
    // Types text into an edit as the user does, replacing what it held.
    static void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void choose(QComboBox* box, int entry) {
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }
    void click(int id) const { QTest::mouseClick(button(id), Qt::LeftButton); }
    void waitClosed() const { QTRY_VERIFY(host->editor(kUnitTable) == nullptr); }
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const auto& a : prompts.asked) all.push_back(a.text.toStdString());
        return all;
    }
    CUnitRecord& unit(int slot) const { return doc->Units[static_cast<std::size_t>(slot)]; }

    ui::ScriptedPrompts prompts;
    std::unique_ptr<CQuorvantDoc> doc;
    std::unique_ptr<ui::CUnitView> view;
    std::unique_ptr<ui::EditorHost> host;
};

} // namespace quorvant::testing
