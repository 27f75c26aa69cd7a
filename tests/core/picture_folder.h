#pragma once

#include "lbmfile_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quorvant::testing {

// A fresh folder of its own for each test, for picture files written byte by byte.
class PictureFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("quorvant_pictures_" + std::string(test->test_suite_name()) + "_" + test->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path write(const std::string& name, const Bytes& bytes) {
        std::ofstream(dir_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return dir_ / name;
    }
    std::filesystem::path dir_;
};

} // namespace quorvant::testing
