// Runs the program images in tests/media/programs with `orbrt`, headless, in a
// folder holding the pictures "sheet.png" and "blocks.png" and the files of
// programs/assets, and compares the error file with NAME.expected (written
// with LF line ends; the runtime writes CR LF). Optional companions:
// NAME.archive, the bytes "hs.rs" must have after the run; NAME.pixels, lines
// of "x y RRGGBB" that the snapshot of the last shown frame must hold.
#include "media_files.h"
#include "png_writer.h"
#include "screen/image_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

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
int runInFolder(const fs::path& folder, const fs::path& snapshot) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("ORBRT_HEADLESS", "1", 1);
        setenv("ORBRT_SNAPSHOT", snapshot.c_str(), 1);
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
    // Three opaque 32 x 32 frames: red, green, blue.
    const uint32_t blocks[] = {0xffff0000u, 0xff00ff00u, 0xff0000ffu};
    ASSERT_TRUE(writePng((folder / "blocks.png").string(), 96, 32, [&](int x, int) { return blocks[x / 32]; }));
    const fs::path snapshot = folder / "snapshot.png";

    EXPECT_EQ(runInFolder(folder, snapshot), 0);
    EXPECT_EQ(readWholeFile((folder / "orberr.tmp").string()), withCrLf(readWholeFile(source.string() + ".expected")));
    if (fs::exists(source.string() + ".archive")) {
        EXPECT_EQ(readWholeFile((folder / "hs.rs").string()), readWholeFile(source.string() + ".archive"));
    }
    if (fs::exists(source.string() + ".pixels")) {
        const std::optional<ArgbImage> frame = readImageFile(snapshot.string());
        ASSERT_TRUE(frame);
        std::istringstream lines(readWholeFile(source.string() + ".pixels"));
        for (std::string line; std::getline(lines, line);) {
            if (line.empty() || line[0] == '#') continue;
            std::istringstream words(line);
            int x = 0, y = 0;
            std::string colour;
            words >> x >> y >> colour;
            EXPECT_EQ(frame->at(x, y) & 0xFFFFFFu, std::stoul(colour, nullptr, 16)) << "pixel " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, MediaProgram, testing::Values(PROGRAM_NAMES),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
