#include "media_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::filesystem::path processFolder() {
    return std::filesystem::path(testing::TempDir()) / ("orb_media_tests_" + std::to_string(getpid()));
}

class RemoveTestFiles : public testing::Environment {
public:
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(processFolder(), ignored);
    }
};

const auto* registered = testing::AddGlobalTestEnvironment(new RemoveTestFiles);

}  // namespace

std::string testFile(const std::string& name) {
    std::filesystem::create_directories(processFolder());
    return (processFolder() / name).string();
}

std::string readWholeFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << f.rdbuf();
    return bytes.str();
}

void writeWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
