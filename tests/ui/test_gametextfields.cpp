// The editors' name fields take only what the game's Latin-1 files can hold: a character beyond it
// is refused where it is typed or pasted, with a tip that names it, and never stored as "?".

#include "tests/ui/test_tableeditor_fixture.h"

#include "obdata/latin1text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QToolTip>

using namespace quorvant;
using namespace quorvant::testing;
using quorvant::testing::OBFileBuilder;

namespace {
QString Refusal(const char* utf8) {
    return QString::fromStdString(NotLatin1Message(utf8));
}
} // namespace

TEST_F(TableEditorTest, NameFieldsRefuseWhatLatin1CannotHoldAndStoreTheRestByteForByte) {
    struct Case {
        int kind;
        int nameBox;
        const char* typed; // beyond Latin-1, one per editor so each tip is told apart
    };
    const Case cases[] = {{kUnitTable, 1031, "\xe2\x82\xac"},
                          {kFormationTable, 1231, "\xc5\x81"},
                          {kWeaponTable, 1292, "\xe2\x80\x94"}};
    for (const Case& c : cases) {
        readNamed(OBFileBuilder::BW2());
        openEditor(c.kind, 3);
        QLineEdit* name = box(c.nameBox)->lineEdit();
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Caf"));
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString::fromUtf8(c.typed), Qt::NoModifier);
        EXPECT_EQ(name->text(), "Caf") << c.kind;
        QTRY_COMPARE(QToolTip::text(), Refusal(c.typed));

        QGuiApplication::clipboard()->setText(QString::fromUtf8("\xc3\xa9\xe2\x84\xa2")); // é™
        name->paste();
        EXPECT_EQ(name->text(), "Caf") << c.kind;
        QTRY_COMPARE(QToolTip::text(), Refusal("\xe2\x84\xa2"));
        QGuiApplication::clipboard()->setText(QString::fromUtf8("\xc3\xa9"));
        name->paste();
        EXPECT_EQ(name->text(), QString::fromUtf8("Caf\xc3\xa9"));

        closedWith(1);
        const std::string stored(c.kind == kUnitTable        ? doc->Units[3].Name.view()
                                 : c.kind == kFormationTable ? formation(3).Name.view()
                                                             : weapon(3).Name.view());
        EXPECT_EQ(stored.substr(0, 4), "Caf\xe9") << c.kind;
    }
    QGuiApplication::clipboard()->clear();
    QToolTip::hideText();
}
