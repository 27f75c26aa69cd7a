// The help page names every command, window and key of the program, and every Help button opens a
// section of it.

#include "editors/ui/editorhost.h"
#include "editors/ui/recordeditor.h"
#include "gamemgr/ui/gamemanagerdlg.h"
#include "platform/ui/helptopics.h"
#include "test_mainframe_fixture.h"
#include "views/columnsets.h"
#include "workspace/commandids.h"

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>

#include <functional>
#include <set>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

// A command as the page names it: "Save &As..." is "Save As".
QString CommandName(QString text) {
    text = text.section(QLatin1Char('\t'), 0, 0); // the key a menu shows beside the name
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    if (text.endsWith(QStringLiteral("..."))) text.chop(3);
    return text;
}

QSet<QWidget*> VisibleWindows() {
    QSet<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) shown.insert(w);
    return shown;
}

// The title of the window open() brings up, modal or not; the window is closed again.
QString TitleOfWindowOpenedBy(const std::function<void()>& open) {
    const QSet<QWidget*> before = VisibleWindows();
    QString title;
    QTimer modal;
    modal.setInterval(0);
    QObject::connect(&modal, &QTimer::timeout, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown || before.contains(shown)) return;
        title = shown->windowTitle();
        shown->close();
    });
    modal.start();
    open();
    modal.stop();
    if (!title.isEmpty()) return title;
    for (QWidget* w : VisibleWindows()) {
        if (before.contains(w)) continue;
        title = w->windowTitle();
        w->close();
        break;
    }
    return title;
}

class HelpPage : public MainFrameTest {
  protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        // Help Topics brings in the page's resource.
        Command(ID_HELP_FINDER)->trigger();
        QFile file(QStringLiteral(":/help/index.html"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        html = QString::fromUtf8(file.readAll());
        QTextDocument shown;
        shown.setHtml(html);
        text = shown.toPlainText().simplified();
    }

    bool Names(const QString& phrase) const { return text.contains(phrase); }

    void CollectCommands(QMenu* menu, const std::set<QAction*>& notDescended, QStringList& unnamed) const {
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || a->property("windowEntry").toBool()) continue;
            if (!Names(CommandName(a->text()))) unnamed << CommandName(a->text());
            if (a->menu() && !notDescended.count(a)) CollectCommands(a->menu(), notDescended, unnamed);
        }
    }

    QWidget* OpenEditor(int kind) const {
        frame->activeChild()->editors()->Open(kind, 1);
        return frame->activeChild()->editors()->editor(kind);
    }

    QString html;
    QString text;
};

} // namespace

TEST_F(HelpPage, NamesEveryCommandOfBothMenuBars) {
    // The generation menus list OB files and Recent Files the files opened: their entries are no commands.
    std::set<QAction*> notDescended;
    for (int generation : {kBW1, kBW2, kBW3})
        notDescended.insert(frame->generationMenu(generation)->menuAction());
    for (QAction* a : frame->findChildren<QAction*>(QStringLiteral("RecentFilesMenu")))
        notDescended.insert(a);
    ASSERT_EQ(notDescended.size(), 4u);

    for (bool withDocument : {false, true}) {
        SCOPED_TRACE(withDocument ? "a file open" : "no file open");
        if (withDocument) {
            ASSERT_NE(Open(32842), nullptr);
        }
        QStringList unnamed;
        for (QAction* title : frame->currentMenuBar()->actions()) {
            if (!Names(CommandName(title->text()))) unnamed << CommandName(title->text());
            if (title->menu()) CollectCommands(title->menu(), notDescended, unnamed);
        }
        EXPECT_EQ(unnamed.join(QStringLiteral(", ")).toStdString(), "");
    }
}

TEST_F(HelpPage, NamesEveryWindowByItsTitle) {
    ASSERT_NE(Open(32842), nullptr);
    frame->setSettingsDialogs(nullptr);
    auto trigger = [this](int command) { return [this, command] { Command(command)->trigger(); }; };
    struct Window {
        const char* title; // as the page names it; the window's own title starts with it
        std::function<void()> open;
    };
    const Window windows[] = {
        {"Set Paths", trigger(ID_OPTIONS_DIRECTORIES)},
        {"Game Defaults", trigger(ID_OPTIONS_STARTUP)},
        {"About Quorvant", trigger(ID_APP_ABOUT)},
        {"Game Manager", trigger(ID_GAME_MANAGER)},
        {"Side Graphic", trigger(ID_VIEW_LBM_CROSS_REFERENCE)},
        {"Messages", trigger(ID_VIEW_MESSAGES)},
        {"Find", trigger(ID_EDIT_FIND)},
        {"Check References", trigger(ID_TOOLS_CHECK_REFERENCES)},
        {"References to", trigger(ID_TOOLS_FIND_REFERENCES)},
        {"Compare",
         [this] {
             chooser.answers.push_back(QString::fromStdString((bw1 / "OBBR").string()));
             Command(ID_FILE_COMPARE)->trigger();
         }},
        {"Change Field", trigger(ID_EDIT_CHANGE_FIELD)},
        {"Export", trigger(ID_FILE_EXPORT)},
        {"Import", trigger(ID_FILE_IMPORT)},
        {"Unit Information", [this] { OpenEditor(kUnitTable); }},
        {"Weapons", [this] { OpenEditor(kWeaponTable); }},
        {"Formations", [this] { OpenEditor(kFormationTable); }},
    };
    for (const Window& window : windows) {
        SCOPED_TRACE(window.title);
        const QString expected = QString::fromLatin1(window.title);
        const QString title = TitleOfWindowOpenedBy(window.open);
        EXPECT_TRUE(title.startsWith(expected)) << title.toStdString();
        EXPECT_TRUE(Names(expected));
    }
}

TEST_F(HelpPage, EveryHelpButtonOpensASectionOfThePage) {
    ASSERT_NE(Open(32842), nullptr);
    QString asked;
    ui::SetHelpTopicHandler([&asked](const QString& topic) { asked = topic; });
    auto crossReference = [this]() -> QWidget* {
        Command(ID_VIEW_LBM_CROSS_REFERENCE)->trigger();
        return frame->findChild<QDialog*>(QStringLiteral("1538"));
    };
    struct Button {
        const char* topic;
        std::function<QWidget*()> window;
        int page; // of the unit sheet; -1 for a window without pages
    };
    const Button buttons[] = {
        {"weapons", [this] { return OpenEditor(kWeaponTable); }, -1},
        {"formations", [this] { return OpenEditor(kFormationTable); }, -1},
        {"unit-type", [this] { return OpenEditor(kUnitTable); }, 0},
        {"unit-weapons", [this] { return OpenEditor(kUnitTable); }, 1},
        {"unit-armor", [this] { return OpenEditor(kUnitTable); }, 2},
        {"side-graphic", [this] { return OpenEditor(kUnitTable); }, 3},
        {"crossref", crossReference, -1},
        {"change-field",
         [this]() -> QWidget* {
             Command(ID_EDIT_CHANGE_FIELD)->trigger();
             return frame->findChild<QDialog*>(QStringLiteral("ChangeField"));
         },
         -1},
    };
    for (const Button& button : buttons) {
        SCOPED_TRACE(button.topic);
        QWidget* window = button.window();
        ASSERT_NE(window, nullptr);
        if (button.page >= 0) window->findChild<QTabWidget*>()->setCurrentIndex(button.page);
        asked.clear();
        window->findChild<QPushButton*>(QStringLiteral("9"))->click();
        EXPECT_EQ(asked.toStdString(), button.topic);
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(asked)));
    }
    for (const char* window : {"1538", "ChangeField"})
        frame->findChild<QDialog*>(QString::fromLatin1(window))->close();
    ui::SetHelpTopicHandler(nullptr);
}

TEST_F(HelpPage, ItsKeyboardTableListsEveryShortcut) {
    ASSERT_NE(Open(32842), nullptr);
    // The editors and the Game Manager have keys of their own; the frame owns them all.
    for (int kind : {kWeaponTable, kUnitTable, kFormationTable}) OpenEditor(kind);
    new ui::CGameManagerDlg(settings, frame.get());

    const qsizetype keys = html.indexOf(QStringLiteral("name=\"keys\""));
    ASSERT_GE(keys, 0);
    QSet<QString> listed;
    static const QRegularExpression kKey(QStringLiteral("<tt>([^<]+)</tt>"));
    for (const QRegularExpressionMatch& m : kKey.globalMatch(html.mid(keys))) listed.insert(m.captured(1));

    QStringList unlisted;
    auto check = [&](const QKeySequence& key) {
        const QString name = key.toString(QKeySequence::PortableText);
        if (!name.isEmpty() && !listed.contains(name) && !unlisted.contains(name)) unlisted << name;
    };
    for (QAction* a : frame->findChildren<QAction*>())
        for (const QKeySequence& key : a->shortcuts()) check(key);
    for (QShortcut* s : frame->findChildren<QShortcut*>())
        for (const QKeySequence& key : s->keys()) check(key);
    EXPECT_EQ(unlisted.join(QStringLiteral(", ")).toStdString(), "");
}
