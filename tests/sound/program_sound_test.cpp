// Whole programs with sound: compiled by orbbasic, run by orbrt headless, with
// SDL's "disk" audio driver writing what the phone would play.
#include "disk_output.h"
#include "test_files.h"
#include "wave_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Runs the program and returns the left channel of what it played.
std::vector<std::int16_t> playProgram(const std::string& name, const std::string& source) {
    const std::string program = testFile(name + ".orb"), output = testFile(name + ".raw");
    std::ofstream(program) << source;
    setenv("ORBRT_HEADLESS", "1", 1);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    const std::string command = std::string(ORB_PROGRAM_FOLDER) + "/orbbasic --work " + testFile(name + "-work") +
                                " --run " + program + " > " + testFile(name + ".out") + " 2>&1";
    std::system(("mkdir -p " + testFile(name + "-work")).c_str());
    EXPECT_EQ(std::system(command.c_str()), 0) << "the program did not end normally";
    return leftChannel(output);
}

TEST(SoundProgram, BeepPlaysA440HertzSquareWaveFor200Milliseconds) {
    const Tone tone = heardTone(playProgram("beep", "Beep 69, 200\nEnd\n"));
    // The disk driver paces its writes by sleeping, so on a busy machine the
    // written tone can gain or lose a few mix buffers of about 23 ms each.
    EXPECT_GE(tone.seconds, 0.120);
    EXPECT_LE(tone.seconds, 0.500);
    EXPECT_NEAR(tone.hertz, 440.0, 440.0 * 0.03);
    EXPECT_GT(tone.fullAmplitudeShare, 0.99);
}

TEST(SoundProgram, PlayWavSendsTheSlotsSamplesOut) {
    // 100 ms of a pattern that silence and mixing cannot produce by chance.
    std::vector<std::int16_t> pattern;
    for (int k = 0; k < 4410; ++k) pattern.push_back(std::int16_t(k % 2 ? 2345 : -678));
    writeFile(testFile("pattern.wav"), pcmWave(1, outputRate, 16, samples16(pattern)));
    const auto left = playProgram("wav", "LoadWav \"pattern.wav\", 3\nPlayWav 3\nPause 400\nEnd\n");
    // SDL's format conversion goes through floats and may round a sample by one.
    const auto near = [](int heard, int played) { return std::abs(heard - played) <= 1; };
    EXPECT_NE(std::search(left.begin(), left.end(), pattern.begin(), pattern.end(), near), left.end());
}

}  // namespace
