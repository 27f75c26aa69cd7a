#include "tests/soak/soakdriver.h"

#include "analysis/patch.h"
#include "analysis/patchfile.h"
#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "app/ui/messageswindow.h"
#include "editors/ui/editorhost.h"
#include "exchange/ui/recordtransfer.h"
#include "exchange/ui/sectiondialog.h"
#include "gamemgr/gamemode.h"
#include "gamemgr/ui/gamemanagerdlg.h"
#include "obdata/quorvantdoc.h"
#include "platform/fileio.h"
#include "platform/ui/dragservice.h"
#include "platform/ui/filechooser.h"
#include "platform/ui/promptservice.h"
#include "views/columnsets.h"
#include "views/ui/recordsortproxy.h"
#include "views/ui/unitview.h"
#include "workspace/commandids.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDropEvent>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <memory>
#include <set>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quorvant::soak {
namespace {

// Reseeded before every action from ActionSeed, so the answers of an action do not depend on
// which actions ran before it.
std::mt19937_64 g_answers;
std::vector<fs::path> g_openable;
// What the patch and picture choosers are offered: good files, and ones each window must refuse.
std::vector<fs::path> g_patches;
std::vector<fs::path> g_pictures;
fs::path g_scratch;
int g_saved = 0;
QStringList g_bugMessages;
// Drags started, and those a window took, for the run's summary.
int g_drags = 0;
int g_drops = 0;

constexpr const char* kSeen = "soakSeen";

int Below(int n) {
    return n <= 0 ? 0 : static_cast<int>(g_answers() % static_cast<std::uint64_t>(n));
}

class RandomPrompts : public ui::PromptService {
  public:
    ui::PromptAnswer ask(QWidget*, ui::PromptKind kind, const QString&, const QString&,
                         const QString&) override {
        using ui::PromptAnswer;
        switch (kind) {
        case ui::PromptKind::YesNo:
        case ui::PromptKind::YesNoRisky:
            return Below(2) ? PromptAnswer::Yes : PromptAnswer::No;
        case ui::PromptKind::OpenCancel:
            return Below(2) ? PromptAnswer::Yes : PromptAnswer::Cancel;
        case ui::PromptKind::YesNoCancel:
        case ui::PromptKind::SaveDiscardCancel:
        case ui::PromptKind::ApplyDiscardCancel:
        case ui::PromptKind::RecoverDiscardLater: {
            const PromptAnswer answers[] = {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Cancel};
            return answers[Below(3)];
        }
        default:
            return PromptAnswer::Ok;
        }
    }
};

class RandomFiles : public ui::FileChooser {
  public:
    QString openFile(QWidget*, const QString&, const QString&, const QString& filter,
                     const QString&) override {
        const std::vector<fs::path>& offered = filter.contains(QLatin1String("*.json"))  ? g_patches
                                               : filter.contains(QLatin1String("*.png")) ? g_pictures
                                                                                         : g_openable;
        if (offered.empty() || Below(5) == 0) return {};
        return QString::fromStdString(offered[static_cast<std::size_t>(Below(int(offered.size())))].string());
    }
    // Never a file of the game: a save over another open document's file would change it behind its back.
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        if (Below(4) == 0) return {};
        return QString::fromStdString((g_scratch / ("saved" + std::to_string(++g_saved))).string());
    }
    QString folder(QWidget*, const QString&, const QString&) override {
        return Below(2) ? QString::fromStdString(g_scratch.string()) : QString();
    }
};

class RandomSections : public ui::SectionChooser {
  public:
    ui::SectionChoice choose(QWidget*, const QString&) override {
        if (Below(4) == 0) return std::nullopt;
        std::vector<CsvSection> chosen;
        for (CsvSection section : kCsvSections)
            if (Below(2)) chosen.push_back(section);
        return chosen;
    }
};

RandomPrompts g_prompts;
RandomFiles g_files;
RandomSections g_sections;

template <class W> QList<W*> Usable(QWidget* window) {
    QList<W*> usable;
    for (W* w : window->findChildren<W*>())
        if (w->isVisible() && w->isEnabled() && w->window() == window) usable.push_back(w);
    return usable;
}

// Where a list row is, or the middle of any other widget.
QPoint RowPoint(QWidget* widget, int row) {
    auto* list = qobject_cast<QAbstractItemView*>(widget->parentWidget());
    if (!list || list->viewport() != widget || !list->model() || list->model()->rowCount() == 0)
        return widget->rect().center();
    // Mostly a row that holds something: a game's few saved slots among its many empty ones.
    const QAbstractItemModel& model = *list->model();
    std::vector<int> held;
    for (int r = 0; r < model.rowCount(); ++r) {
        const QString text = model.index(r, 0).data().toString();
        if (!text.isEmpty() && text != QLatin1String(kEmptySlotText)) held.push_back(r);
    }
    const QModelIndex index = model.index(
        row % 4 && !held.empty() ? held[std::size_t(row) % held.size()] : row % model.rowCount(), 0);
    list->scrollTo(index);
    return list->visualRect(index).center();
}

// Where a drag lets go, as a user's hand would: on any visible widget of any window that takes
// drops, at one of its rows, Ctrl held now and then; or back out again, or nowhere at all.
Qt::DropAction DropSomewhere(const ui::DragRequest& request) {
    std::unique_ptr<QMimeData> data(request.data);
    ++g_drags;
    // Mostly within the window it started from, and mostly not into a field that takes any text.
    const bool sameWindow = Below(2) == 0;
    const bool anyField = Below(4) == 0;
    QList<QWidget*> targets;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && (!sameWindow || top == request.source->window()))
            for (QWidget* w : top->findChildren<QWidget*>()) {
                auto* field = qobject_cast<QLineEdit*>(w);
                if (w->isVisible() && w->isEnabled() && w->acceptDrops() &&
                    (anyField || !field || field->isReadOnly()))
                    targets.push_back(w);
            }
    if (targets.isEmpty() || Below(8) == 0) return Qt::IgnoreAction;
    QWidget* target = targets[Below(int(targets.size()))];
    const QPoint at = RowPoint(target, Below(1000));
    const Qt::KeyboardModifiers keys = Below(4) == 0 ? Qt::ControlModifier : Qt::NoModifier;
    QDragEnterEvent enter(at, request.actions, data.get(), Qt::LeftButton, keys);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return Qt::IgnoreAction;
    QDragMoveEvent move(at, request.actions, data.get(), Qt::LeftButton, keys);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted() || Below(8) == 0) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
        return Qt::IgnoreAction;
    }
    QDropEvent drop(at, request.actions, data.get(), Qt::LeftButton, keys);
    QApplication::sendEvent(target, &drop);
    if (!drop.isAccepted()) return Qt::IgnoreAction;
    ++g_drops;
    return drop.dropAction();
}

// What a drag can start from: the lists, and the read-only fields that carry a slot.
QList<QWidget*> DragSources(QWidget* window) {
    QList<QWidget*> sources;
    for (QAbstractItemView* list : Usable<QAbstractItemView>(window))
        if (!qobject_cast<QHeaderView*>(list)) sources.push_back(list->viewport());
    for (QLineEdit* field : Usable<QLineEdit>(window))
        if (field->isReadOnly()) sources.push_back(field);
    return sources;
}

const int kKeys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_Left,    Qt::Key_Right,  Qt::Key_PageUp,
                     Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,     Qt::Key_Return, Qt::Key_Escape,
                     Qt::Key_Delete,   Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Space,  Qt::Key_A,
                     Qt::Key_M,        Qt::Key_T,    Qt::Key_1,       Qt::Key_5,      Qt::Key_0,
                     Qt::Key_F5,       Qt::Key_F6,   Qt::Key_Menu};
// Ctrl with these: the editor's shortcuts, Quit left out.
const int kControlKeys[] = {Qt::Key_Z, Qt::Key_Y, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_F,
                            Qt::Key_L, Qt::Key_S, Qt::Key_W, Qt::Key_A, Qt::Key_E, Qt::Key_Insert};
const char* const kTexts[] = {"12",
                              "999",
                              "-5",
                              "abc",
                              "Tiger",
                              "0",
                              "250",
                              "1/53",
                              "RENAME ME",
                              "7",
                              "",
                              "\xc3\xa9t\xc3\xa9",
                              "xxxxxxxxxxxxxxxxxxxxxxxxx",
                              "65535",
                              " 3 "};

// Where two documents' records first differ: "units slot 12", for a failure's report.
QString FirstDifference(const CQuorvantDoc& a, const CQuorvantDoc& b) {
    auto first = [](const auto& x, const auto& y, const char* table) -> QString {
        if (x.size() != y.size())
            return QStringLiteral("%1: %2 against %3 records").arg(table).arg(x.size()).arg(y.size());
        for (std::size_t i = 0; i < x.size(); ++i)
            if (!(x[i] == y[i])) return QStringLiteral("%1 slot %2").arg(table).arg(i);
        return QString();
    };
    for (const QString& where : {first(a.Weapons, b.Weapons, "weapons"), first(a.Units, b.Units, "units"),
                                 first(a.Formations, b.Formations, "formations")})
        if (!where.isEmpty()) return where;
    return QStringLiteral("none");
}

} // namespace

std::uint64_t ActionSeed(std::uint64_t seed, int index) {
    std::uint64_t x = seed * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(index) + 1;
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    return x ^ (x >> 29);
}

bool SoakDriver::IsBugMessage(const QString& message) {
    static const char* const kBugs[] = {
        "edit: editing failed",
        "does not belong to this view",
        "Ambiguous shortcut overload",
        "from wrong model",
        "index from a different model",
        "QObject::connect: No such",
        "QObject::connect: Cannot connect",
        "QObject::connect: invalid nullptr",
        "QWidget::setTabOrder: 'first' and 'second' must be in the same window",
        "ASSERT"};
    for (const char* bug : kBugs)
        if (message.contains(QLatin1String(bug))) return true;
    return false;
}

void SoakDriver::NoteMessage(const QString& message) {
    if (IsBugMessage(message)) g_bugMessages.push_back(message);
}

SoakDriver::SoakDriver(ui::CMainFrame& frame, const fs::path& game, const fs::path& scratch,
                       SoakOptions options)
    : frame_(frame), game_(game), scratch_(scratch), options_(std::move(options)), random_(options_.seed) {
    g_scratch = scratch_;
    for (const auto& entry : fs::recursive_directory_iterator(game_))
        if (entry.is_regular_file() && entry.path().parent_path().filename().string().rfind("bw", 0) == 0 &&
            entry.file_size() > 40000)
            g_openable.push_back(entry.path());
    std::sort(g_openable.begin(), g_openable.end());
    WriteChoosableFiles();
    ui::PromptService::install(&g_prompts);
    ui::FileChooser::install(&g_files);
    ui::SectionChooser::install(&g_sections);
    ui::SetDragRunner(DropSomewhere);
    if (!options_.actionsOut.empty()) actions_.open(options_.actionsOut);
}

// Patches between files of one generation and of single records, by slot and by name, a damaged
// one, and pictures to import: small, too large, a bitmap, and a file that is no picture.
void SoakDriver::WriteChoosableFiles() {
    auto write = [this](const std::string& name, const std::string& bytes) {
        const fs::path path = scratch_ / name;
        std::string error;
        if (WriteFileAtomically(path, bytes, error)) return path;
        return fs::path();
    };
    for (std::size_t i = 0; i + 1 < g_openable.size(); ++i) {
        if (g_openable[i].parent_path() != g_openable[i + 1].parent_path()) continue;
        CQuorvantDoc a, b;
        if (!a.OnOpenDocument(g_openable[i]) || !b.OnOpenDocument(g_openable[i + 1])) continue;
        const std::string n = std::to_string(g_patches.size());
        g_patches.push_back(write("files" + n + ".json", WritePatch(MakePatch(a, b))));
        g_patches.push_back(
            write("record" + n + ".json", WritePatch(MakeRecordPatch(a, kUnitTable, 1 + int(i % 40)))));
        if (g_patches.size() >= 8) break;
    }
    g_patches.push_back(write("damaged.json", "{\"quorvant-patch\": 1, \"changes\": [{"));
    std::erase(g_patches, fs::path());
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(QColor(0x99, 0xBB, 0xDD));
    for (int x = 0; x < 40; ++x) picture.setPixelColor(x, 19, QColor(0x77, 0x66, 0x44));
    picture.setPixelColor(0, 0, Qt::transparent);
    const std::pair<const char*, const char*> kinds[] = {{"small.png", "PNG"}, {"small.bmp", "BMP"}};
    for (auto [name, format] : kinds)
        if (picture.save(QString::fromStdString((scratch_ / name).string()), format))
            g_pictures.push_back(scratch_ / name);
    QImage large(400, 300, QImage::Format_RGB32);
    large.fill(Qt::darkGreen);
    if (large.save(QString::fromStdString((scratch_ / "large.png").string()), "PNG"))
        g_pictures.push_back(scratch_ / "large.png");
    g_pictures.push_back(write("text.png", "no picture"));
    std::erase(g_pictures, fs::path());
}

void SoakDriver::Start() {
    gameHash_ = HashGame();
    endAt_ = QDateTime::currentMSecsSinceEpoch() + static_cast<qint64>(options_.seconds * 1000);
    QTimer::singleShot(0, this, &SoakDriver::Tick);
}

QList<QWidget*> SoakDriver::Windows() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return {modal};
    QList<QWidget*> windows{&frame_};
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &frame_ && w->isVisible() && !qobject_cast<QMenu*>(w) && !(w->windowFlags() & Qt::ToolTip) &&
            (w->windowFlags() & Qt::Window) && !w->inherits("QTipLabel"))
            windows.push_back(w);
    return windows;
}

// The game manager's operations write the game's slots and archives, each confirmed by the user.
bool SoakDriver::GameManagerOpen() const {
    return frame_.findChild<ui::CGameManagerDlg*>() != nullptr;
}

std::uint64_t SoakDriver::HashGame() const {
    // Names, sizes and times of change: any write shows, and a run stays fast under the sanitizers.
    std::uint64_t hash = 1469598103934665603ull;
    auto mix = [&hash](std::uint64_t v) {
        hash ^= v;
        hash *= 1099511628211ull;
    };
    std::error_code ec;
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(game_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file(ec)) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        for (char c : file.string()) mix(static_cast<unsigned char>(c));
        mix(fs::file_size(file, ec));
        mix(static_cast<std::uint64_t>(fs::last_write_time(file, ec).time_since_epoch().count()));
    }
    return hash;
}

void SoakDriver::Tick() {
    // Inside an action, a tick runs only in the event loop of a window that action opened: a user
    // cannot act while the program pumps events without user input (a file loading, say).
    if (!performing_.empty() && QApplication::activeModalWidget() == performing_.back() &&
        !QApplication::activePopupWidget()) {
        QTimer::singleShot(5, this, &SoakDriver::Tick);
        return;
    }
    if (finishing_ || (!options_.replaying && QDateTime::currentMSecsSinceEpoch() >= endAt_) ||
        (options_.replaying && index_ >= options_.replay.size())) {
        // Unwinds every modal window, then checks once more and ends the run.
        ++finishing_;
        // Closing the game manager ends an edit in it, which may write as leaving the field does.
        unwoundWriter_ = unwoundWriter_ || GameManagerOpen();
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            QTimer::singleShot(0, this, &SoakDriver::Tick);
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            QTimer::singleShot(0, this, &SoakDriver::Tick);
            return;
        }
        Check(QStringLiteral("end"), unwoundWriter_);
        UndoEverything(true);
        std::fprintf(stderr, "soak: %d actions, %d drags started and %d dropped, no failure (seed %llu)\n",
                     index_, g_drags, g_drops, static_cast<unsigned long long>(options_.seed));
        QApplication::exit(0);
        return;
    }
    int index = index_;
    QString action;
    if (options_.replaying) {
        const QString line = options_.replay[index_];
        index = line.section(QLatin1Char(' '), 0, 0).toInt();
        action = line.section(QLatin1Char(' '), 1);
    } else {
        action = Draw();
    }
    ++index_;
    if (actions_.is_open()) {
        actions_ << index << ' ' << action.toStdString() << std::endl;
    }
    g_answers.seed(ActionSeed(options_.seed, index));
    const bool managerBefore = GameManagerOpen();
    const int messagesBefore = frame_.messages()->count();
    const QString lastBefore = frame_.messages()->last();
    // The next action is due even while this one runs a window of its own; a timer rather than a
    // posted call, so what the action itself posts (a drop's work) runs first, as it would for a user.
    QTimer::singleShot(1, this, &SoakDriver::Tick);
    performing_.push_back(QApplication::activeModalWidget());
    Perform(action);
    performing_.pop_back();
    if (finishing_) return;
    bool wrote = managerBefore || GameManagerOpen();
    auto* list = frame_.messages()->findChild<QTreeWidget*>(QStringLiteral("MessageList"));
    if (list && (frame_.messages()->count() != messagesBefore || frame_.messages()->last() != lastBefore)) {
        const int rows = list->topLevelItemCount();
        for (int r = std::max(0, rows - 20); r < rows; ++r) {
            const QString text = list->topLevelItem(r)->text(1);
            if (text.startsWith(QStringLiteral("Saved")) || text.startsWith(QStringLiteral("Exported")) ||
                (text.startsWith(QStringLiteral("Imported")) && text.contains(QLatin1String(".lbm into"))))
                wrote = true;
        }
    }
    Check(action, wrote);
    if (index_ % 200 == 0 && !QApplication::activeModalWidget()) UndoEverything(false);
}

QString SoakDriver::Draw() {
    auto below = [this](int n) {
        return n <= 0 ? 0 : static_cast<int>(random_() % static_cast<std::uint64_t>(n));
    };
    // An open menu takes every key and click until one of its entries is chosen or it is closed.
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        return QStringLiteral("popup %1").arg(below(3) == 0 ? -1 : below(int(menu->actions().size())));
    const QList<QWidget*> windows = Windows();
    const int w = windows.size() > 1 && below(3) == 0 ? 1 + below(int(windows.size()) - 1) : 0;
    QWidget* window = windows[w];
    const QString at = QString::number(w) + QLatin1Char(' ');
    const int kind = below(100);
    if (window == &frame_) {
        if (kind < 35) {
            QList<int> commands;
            for (QAction* a : frame_.findChildren<QAction*>()) {
                bool ok = false;
                const int id = a->objectName().toInt(&ok);
                if (ok && a->isEnabled() && id != ID_APP_EXIT) commands.push_back(id);
            }
            std::sort(commands.begin(), commands.end());
            commands.erase(std::unique(commands.begin(), commands.end()), commands.end());
            if (!commands.isEmpty())
                return QStringLiteral("cmd %1").arg(commands[below(int(commands.size()))]);
        }
        if (kind < 42 && !frame_.childFrames().empty()) {
            const int documents = int(frame_.childFrames().size());
            const int from = below(documents), to = below(documents);
            const int fromRows =
                frame_.childFrames()[std::size_t(from)]->view()->reportView()->model()->rowCount();
            const int toRows =
                frame_.childFrames()[std::size_t(to)]->view()->reportView()->model()->rowCount();
            if (fromRows > 0 && toRows > 0)
                return QStringLiteral("drag %1 %2 %3 %4")
                    .arg(from)
                    .arg(below(fromRows))
                    .arg(to)
                    .arg(below(toRows));
        }
        if (kind < 50) {
            const int n = int(DragSources(window).size());
            if (n > 0) return at + QStringLiteral("pressdrag %1 %2").arg(below(n)).arg(below(1000));
        }
        if (kind < 65) {
            if (ui::CUnitView* view = frame_.ActiveView()) {
                const int rows = view->reportView()->model()->rowCount();
                const int columns = view->reportView()->model()->columnCount();
                if (rows > 0)
                    return at + QStringLiteral("row %1 %2 %3")
                                    .arg(below(rows))
                                    .arg(below(columns))
                                    .arg(below(5) == 0 ? 2 : 1);
            }
        }
    } else {
        if (kind < 40) {
            const int n = int(Usable<QAbstractButton>(window).size());
            if (n > 0) return at + QStringLiteral("button %1").arg(below(n));
        } else if (kind < 55) {
            const int n = int(Usable<QComboBox>(window).size());
            if (n > 0) return at + QStringLiteral("combo %1 %2").arg(below(n)).arg(below(12));
        } else if (kind < 60) {
            const int n = int(Usable<QTabWidget>(window).size());
            if (n > 0) return at + QStringLiteral("tab %1 %2").arg(below(n)).arg(below(4));
        } else if (kind < 66) {
            return at + QStringLiteral("close");
        } else if (kind < (qobject_cast<ui::CGameManagerDlg*>(window) ? 90 : 76)) {
            // The game manager's operations are mostly drags between its lists and boxes.
            const int n = int(DragSources(window).size());
            if (n > 0) return at + QStringLiteral("pressdrag %1 %2").arg(below(n)).arg(below(1000));
        }
    }
    if (below(4) == 0) {
        const int n = int(Usable<QLineEdit>(window).size());
        if (n > 0)
            return at + QStringLiteral("field %1 %2")
                            .arg(below(n))
                            .arg(QString::fromUtf8(kTexts[below(std::size(kTexts))]));
    }
    if (below(4) == 0)
        return at + QStringLiteral("key %1 %2")
                        .arg(kControlKeys[below(std::size(kControlKeys))])
                        .arg(int(Qt::ControlModifier));
    return at + QStringLiteral("key %1 0").arg(kKeys[below(std::size(kKeys))]);
}

void SoakDriver::Perform(const QString& action) {
    const QStringList words = action.split(QLatin1Char(' '));
    if (words.size() < 2) return;
    if (words[0] == QLatin1String("cmd")) {
        if (QAction* a = frame_.action(words[1].toInt()); a && a->isEnabled()) a->trigger();
        return;
    }
    if (words[0] == QLatin1String("popup")) {
        QWidget* popup = QApplication::activePopupWidget();
        auto* menu = qobject_cast<QMenu*>(popup);
        const int entry = words[1].toInt();
        if (menu && entry >= 0 && entry < menu->actions().size() && menu->actions()[entry]->isEnabled() &&
            !menu->actions()[entry]->isSeparator()) {
            menu->setActiveAction(menu->actions()[entry]);
            QTest::keyClick(menu, Qt::Key_Return);
        } else if (popup) {
            QTest::keyClick(popup, Qt::Key_Escape);
        }
        return;
    }
    if (words[0] == QLatin1String("drag")) {
        Drag(words.value(1).toInt(), words.value(2).toInt(), words.value(3).toInt(), words.value(4).toInt());
        return;
    }
    const QList<QWidget*> windows = Windows();
    const int w = words[0].toInt();
    if (w < 0 || w >= windows.size()) return;
    QWidget* window = windows[w];
    const QString& verb = words[1];
    auto number = [&words](int i) { return i < words.size() ? words[i].toInt() : 0; };
    if (verb == QLatin1String("row")) {
        ui::CUnitView* view = frame_.ActiveView();
        if (window != &frame_ || !view) return;
        QTableView* list = view->reportView();
        const QModelIndex index = list->model()->index(number(2), number(3));
        if (!index.isValid()) return;
        list->scrollTo(index);
        const QPoint point = list->visualRect(index).center();
        if (number(4) == 2)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
        else
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
    } else if (verb == QLatin1String("pressdrag")) {
        // Pressed on a row and moved far enough to start a drag; the drag itself is DropSomewhere's.
        const QList<QWidget*> sources = DragSources(window);
        if (number(2) >= sources.size()) return;
        QPointer<QWidget> source = sources[number(2)];
        const QPoint from = RowPoint(source, number(3));
        const QPoint to = from + QPoint(QApplication::startDragDistance() + 4, 2);
        QTest::mousePress(source, Qt::LeftButton, {}, from);
        if (!source) return;
        QMouseEvent move(QEvent::MouseMove, to, source->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(source, &move);
        if (source) QTest::mouseRelease(source, Qt::LeftButton, {}, to);
    } else if (verb == QLatin1String("button")) {
        const QList<QAbstractButton*> buttons = Usable<QAbstractButton>(window);
        // With the mouse, as a user does: the focus moves first, ending an edit elsewhere.
        if (number(2) < buttons.size()) {
            QAbstractButton* button = buttons[number(2)];
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        }
    } else if (verb == QLatin1String("combo")) {
        const QList<QComboBox*> boxes = Usable<QComboBox>(window);
        if (number(2) >= boxes.size() || boxes[number(2)]->count() == 0) return;
        QComboBox* box = boxes[number(2)];
        const int entry = number(3) % box->count();
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    } else if (verb == QLatin1String("tab")) {
        const QList<QTabWidget*> tabs = Usable<QTabWidget>(window);
        if (number(2) < tabs.size() && tabs[number(2)]->count() > 0)
            tabs[number(2)]->setCurrentIndex(number(3) % tabs[number(2)]->count());
    } else if (verb == QLatin1String("close")) {
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        else if (window != &frame_)
            window->close();
    } else if (verb == QLatin1String("field")) {
        const QList<QLineEdit*> fields = Usable<QLineEdit>(window);
        if (number(2) >= fields.size()) return;
        QLineEdit* field = fields[number(2)];
        field->setFocus();
        field->selectAll();
        // Each character as the key events of a keyboard that has it, accented ones included.
        for (QChar c : words.mid(3).join(QLatin1Char(' '))) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
            QApplication::sendEvent(field, &release);
        }
    } else if (verb == QLatin1String("key")) {
        QWidget* focus = QApplication::focusWidget();
        QWidget* target = focus && focus->window() == window ? focus : window;
        QTest::keyClick(target, static_cast<Qt::Key>(number(2)), Qt::KeyboardModifiers(number(3)));
    }
}

// Every document undone step by step holds the records it was opened with, and redone again the
// records it held. A document with an editor open is left alone: its editor holds changes of its own.
void SoakDriver::UndoEverything(bool closeEditors) {
    auto same = [](const CQuorvantDoc& doc, const Records& r) {
        return doc.Weapons == r.Weapons && doc.Units == r.Units && doc.Formations == r.Formations;
    };
    for (ui::CChildFrame* child : frame_.childFrames()) {
        if (closeEditors) child->editors()->CloseEditors();
        if (child->editors()->AnyOpen()) continue;
        CQuorvantDoc& doc = child->document();
        auto first = opened_.find(child->property(kSeen).toInt());
        if (first == opened_.end()) continue;
        const Records now{doc.Weapons, doc.Units, doc.Formations};
        const bool modified = doc.IsModified();
        int steps = 0;
        while (doc.Undo()) ++steps;
        if (!same(doc, first->second))
            Fail(QStringLiteral(
                     "%1 undone to its first step (%2 steps) differs from the file it was opened from "
                     "(weapons %3, units %4, formations %5)")
                     .arg(QString::fromStdString(doc.GetTitle()))
                     .arg(steps)
                     .arg(doc.Weapons == first->second.Weapons ? "same" : "differ")
                     .arg(doc.Units == first->second.Units ? "same" : "differ")
                     .arg(doc.Formations == first->second.Formations ? "same" : "differ"));
        while (steps-- > 0) doc.Redo();
        if (!same(doc, now))
            Fail(QStringLiteral("%1 undone and redone differs from before")
                     .arg(QString::fromStdString(doc.GetTitle())));
        if (doc.IsModified() != modified)
            Fail(QStringLiteral("%1 undone and redone changed whether it is modified")
                     .arg(QString::fromStdString(doc.GetTitle())));
    }
}

// A record dragged from a row of one document's list onto a row of another's (or its own), with the
// events the platform delivers to the list it goes over.
void SoakDriver::Drag(int from, int fromRow, int to, int toRow) {
    const std::vector<ui::CChildFrame*>& children = frame_.childFrames();
    if (QApplication::activeModalWidget() || from < 0 || to < 0 || from >= int(children.size()) ||
        to >= int(children.size()))
        return;
    ui::CUnitView* source = children[std::size_t(from)]->view();
    ui::RecordTransfer* transfer = ui::RecordTransfer::Of(source);
    ui::RecordSortProxy* rows = source->shownRows(source->CurrentKind());
    if (!transfer || !rows || !transfer->ShownKind() || fromRow >= rows->rowCount()) return;
    std::unique_ptr<QMimeData> data(
        transfer->DragMimeForSlot(*transfer->ShownKind(), rows->sourceRow(fromRow) + 1));
    if (!data) return;
    QTableView* list = children[std::size_t(to)]->view()->reportView();
    const QModelIndex index = list->model()->index(toRow, 0);
    if (!index.isValid()) return;
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(list->viewport(), &leave);
        return;
    }
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &drop);
}

void SoakDriver::Check(const QString& action, bool mayWrite) {
    if (!g_bugMessages.isEmpty())
        Fail(QStringLiteral("Qt said: ") + g_bugMessages.join(QStringLiteral(" | ")));
    const std::uint64_t hash = HashGame();
    if (hash != gameHash_ && !mayWrite)
        Fail(QStringLiteral("the game's files changed after \"%1\", which writes nothing").arg(action));
    gameHash_ = hash;
    // A window is known by a mark of its own: a closed one's address may come back for the next.
    std::set<int> open;
    for (ui::CChildFrame* child : frame_.childFrames()) {
        const CQuorvantDoc& doc = child->document();
        if (!child->property(kSeen).isValid()) {
            child->setProperty(kSeen, ++seen_);
            opened_[seen_] = Records{doc.Weapons, doc.Units, doc.Formations};
        }
        open.insert(child->property(kSeen).toInt());
    }
    for (auto it = opened_.begin(); it != opened_.end();)
        it = open.count(it->first) ? std::next(it) : opened_.erase(it);
    for (ui::CChildFrame* child : frame_.childFrames()) {
        const CQuorvantDoc& doc = child->document();
        std::error_code ec;
        if (doc.IsModified() || !doc.IsFileComplete() || !fs::is_regular_file(doc.PathName(), ec)) continue;
        CQuorvantDoc disk;
        if (!disk.OnOpenDocument(doc.PathName()))
            Fail(QStringLiteral("%1 no longer reads").arg(QString::fromStdString(doc.PathName().string())));
        if (disk.Weapons != doc.Weapons || disk.Units != doc.Units || disk.Formations != doc.Formations)
            Fail(QStringLiteral("%1 is unmodified but its file holds other records (%2)")
                     .arg(QString::fromStdString(doc.PathName().string()), FirstDifference(doc, disk)));
    }
}

void SoakDriver::Fail(const QString& why) {
    if (actions_.is_open()) actions_.flush();
    std::fprintf(stderr, "soak: FAILED at action %d (seed %llu): %s\n", index_ - 1,
                 static_cast<unsigned long long>(options_.seed), why.toLocal8Bit().constData());
    std::fflush(stderr);
    _exit(1);
}

} // namespace quorvant::soak
