#pragma once

#include "app/recentfiles.h"
#include "app/ui/childframe.h"
#include "app/ui/mainframe.h"
#include "game/appsettings.h"
#include "game/settingsroutine.h"
#include "obdata/generation.h"
#include "obdata/quorvantdoc.h"
#include "platform/ui/filechooser.h"
#include "platform/ui/promptservice.h"
#include "tests/core/obfile_builder.h"
#include "tests/core/test_settings_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QtTest/QtTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace quorvant::testing {

inline void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A main frame over three small game installs with a few OB files, answering prompts and file
// dialogs from scripts. Every window it opened is closed at the end.
class MainFrameTest : public SettingsTest {
  protected:
    void SetUp() override {
        SettingsTest::SetUp();
        QApplication::clipboard()->clear();
        bw1 = MakeInstall("bw1", kBW1);
        bw2 = MakeInstall("bw2", kBW2);
        bw3 = MakeInstall("bw3", kBW3);
        WriteBytes(
            bw1 / "OBPZ",
            quorvant::testing::OBFileBuilder::BW1().weaponName(1, "Pak 40").unitName(1, "PzKpfw IV").bytes());
        WriteBytes(bw1 / "OBBR", quorvant::testing::OBFileBuilder::BW1().unitName(1, "Matilda").bytes());
        WriteBytes(bw2 / "MOB31",
                   quorvant::testing::OBFileBuilder::BW2().unitName(1, "M48").column(25000, 1, 31).bytes());
        WriteBytes(bw3 / "kob70",
                   quorvant::testing::OBFileBuilder::BW3().unitName(1, "Tiger").column(25000, 1, 70).bytes());
        WriteBytes(bw3 / "KOB91", quorvant::testing::OBFileBuilder::BW3().column(25000, 1, 91).bytes());
        WriteBytes(bw3 / "KOB08", quorvant::testing::OBFileBuilder::BW3().column(25000, 1, 8).bytes());
        settings.InstallFolders = {bw1.string(), bw2.string(), bw3.string()};
        frame = std::make_unique<ui::CMainFrame>(settings, profile, recent);
        frame->setSettingsDialogs(&dialogs);
        frame->show();
    }
    void TearDown() override {
        for (ui::CChildFrame* child : frame->childFrames()) child->document().SetModifiedFlag(false);
        frame->close();
        frame.reset();
        QApplication::clipboard()->clear();
        SettingsTest::TearDown();
    }

    QAction* Command(int command) const { return frame->action(command); }
    ui::CChildFrame* Open(int command) {
        frame->OnOpenByMenu(command);
        return frame->activeChild();
    }
    std::vector<std::string> TextsAsked() const {
        std::vector<std::string> texts;
        for (const auto& a : prompts.asked) texts.push_back(a.text.toStdString());
        return texts;
    }

    fs::path bw1, bw2, bw3;
    AppSettings settings;
    RecentFileList recent;
    ScriptedDialogs dialogs;
    ui::ScriptedPrompts prompts;
    ui::ScriptedFileChooser chooser;
    std::unique_ptr<ui::CMainFrame> frame;
};

} // namespace quorvant::testing
