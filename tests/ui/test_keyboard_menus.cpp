// The main frame's menus without a mouse: Alt and a letter opens each menu, a letter picks each
// entry, and no key combination means two things.

#include "test_mainframe_fixture.h"

#include <QShortcut>

#include <map>
#include <set>

namespace quorvant::testing {
namespace {

// "Alt+F" for "&File"; empty for a text without a mnemonic.
QString MnemonicOf(const QString& text) {
    return QKeySequence::mnemonic(text).toString();
}

QString Plain(const QString& text) {
    return QString(text).remove(QLatin1Char('&'));
}

// The game's own names of its second-world-war nations share three letters; the menu steps
// through the entries sharing a letter, so each stays reachable.
bool KnownClash(const QString& path, const QString& key) {
    static const QStringList kShared = {QStringLiteral("Alt+G"), QStringLiteral("Alt+I"),
                                        QStringLiteral("Alt+U")};
    return path.endsWith(QStringLiteral("BW3 Files > WWII")) && kShared.contains(key);
}

void CollectMenuFaults(QMenu* menu, const QString& path, QStringList& faults, std::set<QAction*>& reached) {
    emit menu->aboutToShow(); // the Window menu lists its windows only then
    std::map<QString, QString> taken;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        reached.insert(a);
        const QString where = path + QStringLiteral(" > ") + Plain(a->text());
        const QString key = MnemonicOf(a->text());
        if (key.isEmpty()) {
            if (a->isEnabled()) faults << where + QStringLiteral(": no mnemonic");
        } else if (taken.count(key) && !KnownClash(path, key)) {
            faults << where + QStringLiteral(": %1 also picks \"%2\"").arg(key, taken[key]);
        } else {
            taken[key] = Plain(a->text());
        }
        if (a->menu()) CollectMenuFaults(a->menu(), where, faults, reached);
    }
}

// Everything a keyboard user of the frame would stumble over in the menus shown now.
QStringList MenuFaults(ui::CMainFrame& frame) {
    QStringList faults;
    QMenuBar* bar = frame.currentMenuBar();
    std::set<QAction*> reached;
    std::map<QString, QString> titles;
    for (QAction* title : bar->actions()) {
        const QString key = MnemonicOf(title->text());
        if (key.isEmpty())
            faults << Plain(title->text()) + QStringLiteral(": no mnemonic");
        else if (titles.count(key))
            faults << Plain(title->text()) + QStringLiteral(": %1 also opens %2").arg(key, titles[key]);
        titles[key] = Plain(title->text());
        if (title->menu()) CollectMenuFaults(title->menu(), Plain(title->text()), faults, reached);
    }

    // One meaning per key combination in the whole window, menu titles' Alt keys included.
    std::map<QString, QString> keys;
    for (const auto& [key, title] : titles) keys[key] = QStringLiteral("menu ") + title;
    auto claim = [&](const QKeySequence& key, const QString& owner) {
        if (key.isEmpty()) return;
        const QString name = key.toString();
        if (keys.count(name) && keys[name] != owner)
            faults << QStringLiteral("%1 means both \"%2\" and \"%3\"").arg(name, keys[name], owner);
        keys[name] = owner;
    };
    for (QAction* a : frame.findChildren<QAction*>())
        for (const QKeySequence& key : a->shortcuts()) claim(key, Plain(a->text()));
    for (QShortcut* s : frame.findChildren<QShortcut*>())
        for (const QKeySequence& key : s->keys()) claim(key, s->objectName());

    // A command of the frame that is offered at all is in a menu or has keys of its own.
    for (QAction* a : frame.actions())
        if (a->isEnabled() && a->isVisible() && !a->text().isEmpty() && a->shortcuts().isEmpty() &&
            !reached.count(a))
            faults << Plain(a->text()) + QStringLiteral(": in no menu and without keys");
    return faults;
}

::testing::AssertionResult MenusKeyboardReady(ui::CMainFrame& frame) {
    const QStringList faults = MenuFaults(frame);
    if (faults.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "menu bar " << frame.currentMenuBar()->objectName().toStdString()
                                         << ":\n  " << faults.join(QStringLiteral("\n  ")).toStdString();
}

// Presses Alt and each title's letter as a user does and reports the titles whose menu stayed shut.
QStringList TitlesAltDoesNotOpen(ui::CMainFrame& frame) {
    QStringList shut;
    // Loading a file shows a progress dialog; the window is the user's again once it has gone.
    frame.activateWindow();
    if (!QTest::qWaitForWindowActive(&frame)) return {QStringLiteral("window not active")};
    QMenuBar* bar = frame.currentMenuBar();
    for (QAction* title : bar->actions()) {
        QMenu* menu = title->menu();
        const QKeySequence key = QKeySequence::mnemonic(title->text());
        if (!menu || key.isEmpty()) continue;
        QTest::keyClick(&frame, key[0].key(), Qt::AltModifier);
        if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000)) shut << Plain(title->text());
        if (menu->isVisible()) QTest::keyClick(menu, Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
        if (!QTest::qWaitFor([menu] { return !menu->isVisible(); }, 1000))
            shut << Plain(title->text()) + " (stays open)";
    }
    return shut;
}

class KeyboardMenus : public MainFrameTest {
  protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
};

TEST_F(KeyboardMenus, WithoutADocument) {
    EXPECT_TRUE(MenusKeyboardReady(*frame));
    EXPECT_EQ(TitlesAltDoesNotOpen(*frame), QStringList());
}

TEST_F(KeyboardMenus, WithADocumentOfEachGeneration) {
    // OBPZ, MOB31 and KOB70 of the fixture's installs.
    for (int command : {32842, 32822, 32892}) {
        SCOPED_TRACE(command);
        ui::CChildFrame* child = Open(command);
        ASSERT_NE(child, nullptr);
        EXPECT_TRUE(MenusKeyboardReady(*frame));
        EXPECT_EQ(TitlesAltDoesNotOpen(*frame), QStringList());
    }
}

} // namespace
} // namespace quorvant::testing
