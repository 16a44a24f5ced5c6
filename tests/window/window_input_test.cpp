// The phone window end to end: real X key presses, mouse presses and the
// close box reach the program, and closing leaves "Program closed" and a
// screenshot of the phone screen.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <regex>
#include <thread>

#include "test_files.h"
#include "windowed_run.h"

namespace {

using namespace std::chrono_literals;

// Gives the program's event pump time to take what X delivered.
void settle() { std::this_thread::sleep_for(800ms); }

uint32_t littleEndian32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

}  // namespace

TEST(PhoneWindow, KeysTouchAndTheCloseBoxReachTheProgram) {
    const fs::path folder = compiledProgram("window_input");
    ASSERT_FALSE(folder.empty());

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

    const std::string errors = readWholeFile(folder / "orberr.tmp");
    EXPECT_TRUE(std::regex_search(errors, std::regex(R"(^(\d+)\.88Program closed\|Line \1: \[360-640\]\r\n)")))
        << errors;
    for (const char* line : {"lastKey$=\"Select\"\r\n", "sawA=1\r\n", "sawSelect=1\r\n", "touched=1\r\n",
                             "x=100\r\n", "y=200\r\n"})
        EXPECT_NE(errors.find(line), std::string::npos) << line << " in " << errors;

    // The screenshot is the screen control: a BMP of the phone screen's size.
    const std::string shot = readWholeFile(folder / "orbdump.bmp");
    ASSERT_GE(shot.size(), 54u);
    EXPECT_EQ(shot.substr(0, 2), "BM");
    EXPECT_EQ(littleEndian32(shot, 18), 360u);
    EXPECT_EQ(littleEndian32(shot, 22), 640u);
    fs::remove_all(folder);
}

TEST(PhoneWindow, RotTurnsThePhoneAndTiltOpensTheSliders) {
    const fs::path folder = compiledProgram("window_buttons");
    ASSERT_FALSE(folder.empty());
    const pid_t pid = startWindowed(folder, {});
    const std::string window = mainWindow(pid);
    if (window.empty()) {
        endRun(pid);
        FAIL() << "the phone window did not come up";
    }
    xdotool("windowfocus --sync " + window);
    settle();
    // A 360 x 640 phone: the strip's client area is 370 wide, Rot 70 from its right end,
    // the strip 33 high at the bottom of a client area 683 high.
    xdotool("mousemove --window " + window + " 317 666 click 1");
    settle();
    // Turned: the client area is 649 x 404, the Tilt button 40 pixels from the outer right end.
    xdotool("mousemove --window " + window + " 631 388 click 1");
    settle();
    std::string tilt;
    for (int attempt = 0; attempt < 40 && tilt.empty(); ++attempt) {
        FILE* pipe = popen("xdotool search --onlyvisible --name '^ORBBasic Tilt Control$' 2>/dev/null", "r");
        char id[64] = {};
        if (pipe && fgets(id, sizeof id, pipe)) tilt = std::string(id, strcspn(id, "\n"));
        if (pipe) pclose(pipe);
        if (tilt.empty()) std::this_thread::sleep_for(50ms);
    }
    EXPECT_FALSE(tilt.empty()) << "no tilt window";
    if (!tilt.empty()) {
        // The X slider's knob dragged to the far right: slider 100, tilt 50.
        xdotool("mousemove --window " + tilt + " 130 10 mousedown 1 mousemove --window " + tilt +
                " 250 10 mouseup 1");
        std::this_thread::sleep_for(600ms);
    }
    EXPECT_EQ(std::system((std::string(CLOSE_WINDOW_PATH) + " " + window).c_str()), 0);
    EXPECT_EQ(finishRun(pid, folder), 0);

    const std::string errors = readWholeFile(folder / "orberr.tmp");
    for (const char* line : {"turns=1\r\n", "o=1\r\n", "sx=640\r\n", "sy=360\r\n", "tx=50\r\n"})
        EXPECT_NE(errors.find(line), std::string::npos) << line << " in " << errors;
    fs::remove_all(folder);
}
