// Paths for files the sound tests write, one folder per test program.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

inline std::string testFile(const std::string& name) {
    const auto folder = std::filesystem::path(testing::TempDir()) / "orb_sound_tests";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}
