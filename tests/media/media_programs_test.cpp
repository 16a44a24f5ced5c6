// Runs the program images in tests/media/programs with `orbrt`, headless, in a
// folder holding the sprite sheet "sheet.png" and the files of
// programs/assets, and compares the error file with NAME.expected (written
// with LF line ends; the runtime writes CR LF). NAME.archive, when present,
// holds the bytes "hs.rs" must have after the run.
#include "media_files.h"
#include "png_writer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// Runs `orbrt` on the folder with the folder as its working directory, where
// the program's relative file names point.
int runInFolder(const fs::path& folder) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("ORBRT_HEADLESS", "1", 1);
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDERR_FILENO);
        if (chdir(folder.c_str()) != 0) _exit(126);
        execl(ORBRT_PATH, "orbrt", folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class MediaProgram : public testing::TestWithParam<std::string> {};

TEST_P(MediaProgram, LeavesTheExpectedErrorFile) {
    const fs::path programs = fs::path(PROGRAMS_DIR);
    const fs::path source = programs / GetParam();
    const fs::path folder = fs::path(testFile(GetParam()));
    fs::create_directories(folder);
    fs::copy_file(source.string() + ".image", folder / "orb16.tmp", fs::copy_options::overwrite_existing);
    for (const fs::directory_entry& asset : fs::directory_iterator(programs / "assets"))
        fs::copy_file(asset.path(), folder / asset.path().filename(), fs::copy_options::overwrite_existing);
    ASSERT_TRUE(writeTwoFrameSheet((folder / "sheet.png").string()));

    EXPECT_EQ(runInFolder(folder), 0);
    EXPECT_EQ(readWholeFile((folder / "orberr.tmp").string()), withCrLf(readWholeFile(source.string() + ".expected")));
    if (fs::exists(source.string() + ".archive")) {
        EXPECT_EQ(readWholeFile((folder / "hs.rs").string()), readWholeFile(source.string() + ".archive"));
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, MediaProgram, testing::Values(PROGRAM_NAMES));

}  // namespace
