// Where builds write and the settings live: beside the programs in a build
// folder, in the user's own folders when the program folder is installed.
#include "folders.h"
#include "work_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A scratch folder with the user's variables pointed into it, put back afterwards.
class UserFolders : public testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("orb_user_folders_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "tmp");
        for (const char* name : variables) {
            const char* value = std::getenv(name);
            saved.push_back(value ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(name);
        }
        ::setenv("TMPDIR", (root / "tmp").c_str(), 1);
        // Under a plain file no folder can be made, not even by root: a home that cannot be written.
        std::ofstream(root / "file") << "x";
        ::setenv("HOME", (root / "file" / "home").c_str(), 1);
    }
    void TearDown() override {
        for (std::size_t i = 0; i < std::size(variables); ++i) {
            if (saved[i]) ::setenv(variables[i], saved[i]->c_str(), 1);
            else ::unsetenv(variables[i]);
        }
        fs::remove_all(root);
    }
    fs::path privateFolderName() const { return root / "tmp" / ("orbbasic-" + std::to_string(::getuid())); }

    static constexpr const char* variables[] = {"HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "TMPDIR"};
    std::vector<std::optional<std::string>> saved;
    fs::path root;
    const fs::path readOnlyProgram = "/nonexistent-program-folder";
};

mode_t modeOf(const fs::path& folder) {
    struct stat info{};
    ::lstat(folder.c_str(), &info);
    return info.st_mode & 0777;
}

}  // namespace

TEST_F(UserFolders, BuildFolderKeepsWorkAndSettingsBesideThePrograms) {
    const fs::path program = root / "bin";
    fs::create_directories(program);
    const fs::path work = chooseWorkFolder(program);
    const Folders folders = folderLayout(program.string(), work.string(), chooseSettingsFolder(program, work).string());
    EXPECT_EQ(folders.work, program.string());
    EXPECT_EQ(folders.programImage, (program / "orb16.tmp").string());
    EXPECT_EQ(folders.errorFile, (program / "orberr.tmp").string());
    EXPECT_EQ(folders.settingsFile, (program / "orbbasic.ini").string());
}

TEST_F(UserFolders, AnInstalledProgramFolderIsNotAWorkFolderEvenWhenItCanBeWritten) {
    ::setenv("XDG_CACHE_HOME", (root / "cache").c_str(), 1);
    const fs::path program = root / "lib" / "orbbasic";
    fs::create_directories(program);
    std::ofstream(program / installedMark) << "installed\n";
    const fs::path work = chooseWorkFolder(program);
    EXPECT_EQ(work, root / "cache" / "orbbasic");
    EXPECT_FALSE(fs::exists(program / "orb16.tmp"));  // not even probed
}

TEST_F(UserFolders, InstalledProgramsWorkInTheCacheAndKeepSettingsInTheConfigFolder) {
    ::setenv("XDG_CACHE_HOME", (root / "cache").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    const fs::path work = chooseWorkFolder(readOnlyProgram);
    const Folders folders =
        folderLayout(readOnlyProgram.string(), work.string(), chooseSettingsFolder(readOnlyProgram, work).string());
    EXPECT_EQ(work, root / "cache" / "orbbasic");
    EXPECT_TRUE(fs::is_directory(work));
    EXPECT_EQ(folders.programImage, (root / "cache" / "orbbasic" / "orb16.tmp").string());
    EXPECT_EQ(folders.packageData, (root / "cache" / "orbbasic" / "orb16.dat").string());
    EXPECT_EQ(folders.settingsFile, (root / "config" / "orbbasic" / "orbbasic.ini").string());
    EXPECT_TRUE(fs::is_directory(root / "config" / "orbbasic"));
    // Files that are only read stay in the program folder.
    EXPECT_EQ(folders.helpFile, "/nonexistent-program-folder/orbbasichelp.txt");
    EXPECT_EQ(folders.classTemplate, "/nonexistent-program-folder/thegc.dat");
    EXPECT_EQ(folders.settingsFallback, "/nonexistent-program-folder/orbbasic.ini");
}

TEST_F(UserFolders, WithoutXdgVariablesTheFoldersAreUnderHome) {
    ::setenv("HOME", (root / "home").c_str(), 1);
    const fs::path work = userWorkFolder();
    EXPECT_EQ(work, root / "home" / ".cache" / "orbbasic");
    EXPECT_EQ(chooseSettingsFolder(readOnlyProgram, work), root / "home" / ".config" / "orbbasic");
}

TEST_F(UserFolders, RelativeXdgVariablesAreIgnored) {
    ::setenv("HOME", (root / "home").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", "relative/cache", 1);
    EXPECT_EQ(userWorkFolder(), root / "home" / ".cache" / "orbbasic");
}

TEST_F(UserFolders, WithoutAWritableHomeTheRuntimeFolderIsUsed) {
    ::setenv("XDG_RUNTIME_DIR", (root / "run").c_str(), 1);
    fs::create_directories(root / "run");
    EXPECT_EQ(userWorkFolder(), root / "run" / "orbbasic");
}

TEST_F(UserFolders, WithoutAnyUserFolderAPrivateTemporaryFolderHoldsWorkAndSettings) {
    const fs::path work = userWorkFolder();
    EXPECT_EQ(work, privateFolderName());
    EXPECT_EQ(modeOf(work), 0700u);
    EXPECT_EQ(userWorkFolder(), work);  // the same folder on the next run
    EXPECT_EQ(chooseSettingsFolder(readOnlyProgram, work), work);
}

TEST_F(UserFolders, ATemporaryFolderOthersCanEnterIsNotTaken) {
    fs::create_directories(privateFolderName());
    ::chmod(privateFolderName().c_str(), 0777);
    const fs::path work = userWorkFolder();
    EXPECT_NE(work, privateFolderName());
    EXPECT_EQ(work.parent_path(), root / "tmp");
    EXPECT_TRUE(work.filename().string().starts_with(privateFolderName().filename().string() + "-"));
    EXPECT_EQ(modeOf(work), 0700u);
}

TEST_F(UserFolders, ALinkPlantedUnderThePrivateNameIsNotFollowed) {
    fs::create_directories(root / "elsewhere");
    ::chmod((root / "elsewhere").c_str(), 0700);
    fs::create_directory_symlink(root / "elsewhere", privateFolderName());
    const fs::path work = userWorkFolder();
    EXPECT_NE(work, privateFolderName());
    EXPECT_TRUE(fs::is_directory(work));
    EXPECT_FALSE(fs::is_symlink(work));
}
