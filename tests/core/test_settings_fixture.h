#pragma once

#include "game/appsettings.h"
#include "game/settingsroutine.h"
#include "obdata/generation.h"
#include "platform/currentfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

namespace quorvant::testing {

namespace fs = std::filesystem;

// A fresh folder per test, removed afterwards; the current directory is put back too, because the
// settings rules change it.
class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        root = fs::temp_directory_path() / ("quorvant-settings-" + std::to_string(random()));
        fs::create_directories(root);
        savedFolder = CurrentFolder();
    }
    void TearDown() override {
        ChangeCurrentFolder(savedFolder);
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    // An install folder holding the generation's executable.
    fs::path MakeInstall(const std::string& name, int generation) {
        static const char* const kExe[] = {"brass.exe", "brass2.exe", "brass3.exe"};
        fs::path folder = root / name;
        fs::create_directories(folder);
        std::ofstream(folder / kExe[generation]) << "MZ";
        return folder;
    }

    void Set(const std::string& name, const std::string& value) {
        profile.WriteString(kSettingsSection, name, value);
    }
    std::string Get(const std::string& name) const {
        return profile.ReadString(kSettingsSection, name).value_or("<absent>");
    }

    fs::path root;
    fs::path savedFolder;
    MemoryProfile profile;
};

// Dialogs that record being run and do what the test says instead of showing anything.
class ScriptedDialogs : public SettingsDialogs {
  public:
    bool RunSetPaths(AppSettings& settings) override {
        ++setPathsRuns;
        return onSetPaths ? onSetPaths(settings) : false;
    }
    bool RunGameDefaults(AppSettings& settings) override {
        ++gameDefaultsRuns;
        return onGameDefaults ? onGameDefaults(settings) : false;
    }
    std::function<bool(AppSettings&)> onSetPaths;
    std::function<bool(AppSettings&)> onGameDefaults;
    int setPathsRuns = 0;
    int gameDefaultsRuns = 0;
};

} // namespace quorvant::testing
