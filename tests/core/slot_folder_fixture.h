#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace quorvant::testing {

namespace fs = std::filesystem;

// A game folder of its own for each test, with helpers that write and read slot files byte by byte.
class SlotFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        game = fs::temp_directory_path() / ("quorvant-slots-" + std::to_string(random()));
        fs::create_directories(game);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(game, fs::perms::owner_all, fs::perm_options::add, ec);
        for (auto& entry : fs::recursive_directory_iterator(game, ec))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(game, ec);
    }

    fs::path Folder(const std::string& name) {
        fs::create_directories(game / name);
        return game / name;
    }
    static void Write(const fs::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string Read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The names in a folder, sorted, hidden temporaries included.
    static std::vector<std::string> Names(const fs::path& folder) {
        std::vector<std::string> names;
        for (auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path game;
};

} // namespace quorvant::testing
