#pragma once

// Drives the real editor with random user actions and checks after each one that nothing broke:
// no Qt warning that means a bug, no file of the game changed but by an action that writes, and
// every unmodified document still equal to its file.

#include "obdata/records.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

class QWidget;

namespace quorvant {
class CQuorvantDoc;
}

namespace quorvant::ui {
class CMainFrame;
}

namespace quorvant::soak {

struct SoakOptions {
    std::uint64_t seed = 1;
    double seconds = 10;
    // Replays these actions instead of drawing new ones.
    QStringList replay;
    bool replaying = false;
    // Every action is written here before it runs, so a crash leaves the list behind.
    std::filesystem::path actionsOut;
};

class SoakDriver : public QObject {
    Q_OBJECT
  public:
    SoakDriver(ui::CMainFrame& frame, const std::filesystem::path& game, const std::filesystem::path& scratch,
               SoakOptions options);
    void Start();
    int actionsRun() const { return index_; }

    // Qt's messages that mean a bug in the program.
    static bool IsBugMessage(const QString& message);
    static void NoteMessage(const QString& message);

  private:
    void WriteChoosableFiles();
    void Tick();
    QString Draw();
    void Perform(const QString& action);
    void Check(const QString& action, bool mayWrite);
    void UndoEverything(bool closeEditors);
    void Drag(int from, int fromRow, int to, int toRow);
    [[noreturn]] void Fail(const QString& why);
    QList<QWidget*> Windows() const;
    std::uint64_t HashGame() const;
    bool GameManagerOpen() const;

    ui::CMainFrame& frame_;
    std::filesystem::path game_;
    std::filesystem::path scratch_;
    SoakOptions options_;
    std::mt19937_64 random_;
    std::ofstream actions_;
    std::uint64_t gameHash_ = 0;
    int index_ = 0;
    bool wrote_ = false;
    qint64 endAt_ = 0;
    int finishing_ = 0;
    bool unwoundWriter_ = false;
    // The modal window (or none) each running action started in, innermost last.
    QList<QWidget*> performing_;
    // Each document's records as first seen, right after it was read.
    struct Records {
        std::vector<CWeaponRecord> Weapons;
        std::vector<CUnitRecord> Units;
        std::vector<CFormationRecord> Formations;
    };
    std::map<int, Records> opened_;
    int seen_ = 0;
};

// The seed of action index of a run: prompts and file choosers answer from it, so a replay of any
// part of the list answers each action as the first run did.
std::uint64_t ActionSeed(std::uint64_t seed, int index);

} // namespace quorvant::soak
