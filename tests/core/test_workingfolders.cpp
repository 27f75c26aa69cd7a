#include "game/workingfolders.h"
#include "test_settings_fixture.h"

#include <algorithm>

using namespace quorvant;
using namespace quorvant::testing;

namespace {

class WorkingFolders : public SettingsTest {};

TEST_F(WorkingFolders, ExistingFoldersAreReusedWhateverTheirCase) {
    fs::path bw1 = MakeInstall("b1", kBW1);
    fs::path bw3 = MakeInstall("b3", kBW3);
    fs::create_directories(bw1 / "email");
    fs::create_directories(bw1 / "EXPORTS");
    fs::create_directories(bw3 / "SAVE");
    AppSettings settings;
    settings.InstallFolders = {bw1.string(), "", bw3.string()};
    CreateWorkingFolders(settings);
    CreateWorkingFolders(settings); // a second run finds everything in place

    EXPECT_TRUE(fs::is_directory(bw1 / "email" / "Quorvant.bak"));
    EXPECT_TRUE(fs::is_directory(bw1 / "email" / "ZipFiles"));
    EXPECT_TRUE(fs::is_directory(bw3 / "SAVE" / "ZipFiles"));
    std::vector<std::string> bw1Names, bw3Names;
    for (const auto& e : fs::directory_iterator(bw1)) bw1Names.push_back(e.path().filename().string());
    for (const auto& e : fs::directory_iterator(bw3)) bw3Names.push_back(e.path().filename().string());
    std::sort(bw1Names.begin(), bw1Names.end());
    std::sort(bw3Names.begin(), bw3Names.end());
    EXPECT_EQ(bw1Names, (std::vector<std::string>{"EXPORTS", "brass.exe", "email"}));
    EXPECT_EQ(bw3Names, (std::vector<std::string>{"Exports", "SAVE", "brass3.exe"}));
}

TEST_F(WorkingFolders, AFileInTheWayIsLeftAloneAndAMissingInstallFolderIsNotCreated) {
    fs::path bw2 = MakeInstall("b2", kBW2);
    std::ofstream(bw2 / "Exports") << "not a folder";
    AppSettings settings;
    settings.InstallFolders = {(root / "missing").string(), bw2.string(), ""};
    CreateWorkingFolders(settings);
    EXPECT_TRUE(fs::is_regular_file(bw2 / "Exports"));
    EXPECT_TRUE(fs::is_directory(bw2 / "Email" / "Quorvant.bak"));
    EXPECT_FALSE(fs::exists(root / "missing"));
}

} // namespace
