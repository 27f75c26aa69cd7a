#pragma once

#include "editors/ui/formationeditor.h"
#include "editors/ui/weaponeditor.h"
#include "tests/ui/test_unitsheet_fixture.h"

#include <QCheckBox>

namespace quorvant::testing {

// A view with its host, as for the unit sheet, and the formation or weapon editor it opens.
class TableEditorTest : public UnitSheetTest {
  protected:
    void readNamed(quorvant::testing::OBFileBuilder file) {
        for (int s = 1; s <= 12; ++s) file.formationName(s, "Form " + std::to_string(s));
        read(std::move(file));
    }
    ui::CRecordEditor* openEditor(int kind, int slot) {
        host->Open(kind, slot);
        kind_ = kind;
        return editor();
    }
    ui::CFormationEditor* openFormation(int slot) {
        return static_cast<ui::CFormationEditor*>(openEditor(kFormationTable, slot));
    }
    ui::CWeaponEditor* openWeapon(int slot) {
        return static_cast<ui::CWeaponEditor*>(openEditor(kWeaponTable, slot));
    }
    ui::CRecordEditor* editor() const { return host->editor(kind_); }
    template <class T = QWidget> T* at(int id) const {
        T* found = editor()->findChild<T*>(QString::number(id));
        EXPECT_NE(found, nullptr) << "control " << id;
        return found;
    }
    QLineEdit* field(int id) const { return at<QLineEdit>(id); }
    QComboBox* box(int id) const { return at<QComboBox>(id); }
    QPushButton* push(int id) const { return at<QPushButton>(id); }
    void press(int id) const { QTest::mouseClick(push(id), Qt::LeftButton); }
    void closedWith(int id) const {
        press(id);
        QTRY_VERIFY(host->editor(kind_) == nullptr);
    }
    // Formation entry n (1-10): its number edit, list and sub-formation box.
    QLineEdit* entryNumber(int n) const { return field(1244 + n); }
    QComboBox* entryList(int n) const { return box(1234 + n); }
    QCheckBox* subFormation(int n) const { return at<QCheckBox>(1254 + n); }
    CFormationRecord& formation(int slot) const { return doc->Formations[static_cast<std::size_t>(slot)]; }
    CWeaponRecord& weapon(int slot) const { return doc->Weapons[static_cast<std::size_t>(slot)]; }

    int kind_ = kFormationTable;
};

} // namespace quorvant::testing
