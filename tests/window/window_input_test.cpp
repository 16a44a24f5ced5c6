// The phone window end to end: real X key presses, mouse presses and the
// close box reach the program, and closing leaves "Program closed" and a
// screenshot of the phone screen.
#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <thread>

#include "windowed_run.h"

namespace {

using namespace std::chrono_literals;

// Gives the program's event pump time to take what X delivered.
void settle() { std::this_thread::sleep_for(300ms); }

uint32_t littleEndian32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

}  // namespace

TEST(PhoneWindow, KeysTouchAndTheCloseBoxReachTheProgram) {
    const fs::path folder = fs::temp_directory_path() / ("orbrt-window-input-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string compile = std::string(ORBBASIC_PATH) + " --work " + folder.string() + " --test " +
                                WINDOW_TESTS_DIR "/window_input.orb >/dev/null";
    ASSERT_EQ(std::system(compile.c_str()), 0);

    const pid_t pid = startWindowed(folder, {});
    const std::string window = mainWindow(pid);
    if (window.empty() || !xdotool("windowfocus --sync " + window)) {
        endRun(pid);
        FAIL() << "the phone window did not come up";
    }
    settle();
    xdotool("keydown a");
    settle();
    xdotool("keyup a keydown Return");
    settle();
    xdotool("keyup Return");
    // The screen control sits at (5, 5) in the window: this is screen pixel (100, 200).
    xdotool("mousemove --window " + window + " 105 205 mousedown 1");
    settle();
    xdotool("mouseup 1");
    settle();
    EXPECT_EQ(std::system((std::string(CLOSE_WINDOW_PATH) + " " + window).c_str()), 0);
    EXPECT_EQ(finishRun(pid, folder), 0);

    const std::string errors = readFile(folder / "orberr.tmp");
    EXPECT_TRUE(std::regex_search(errors, std::regex(R"(^(\d+)\.88Program closed\|Line \1: \[360-640\]\r\n)")))
        << errors;
    for (const char* line : {"lastKey$=\"Select\"\r\n", "sawA=1\r\n", "sawSelect=1\r\n", "touched=1\r\n",
                             "x=100\r\n", "y=200\r\n"})
        EXPECT_NE(errors.find(line), std::string::npos) << line << " in " << errors;

    // The screenshot is the screen control: a BMP of the phone screen's size.
    const std::string shot = readFile(folder / "orbdump.bmp");
    ASSERT_GE(shot.size(), 54u);
    EXPECT_EQ(shot.substr(0, 2), "BM");
    EXPECT_EQ(littleEndian32(shot, 18), 360u);
    EXPECT_EQ(littleEndian32(shot, 22), 640u);
    fs::remove_all(folder);
}
