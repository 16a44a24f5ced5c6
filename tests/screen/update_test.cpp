#include <gtest/gtest.h>

#include "screen/primitives.h"
#include "screen/software_presenter.h"
#include "screen/update.h"
#include "screen_fixture.h"

namespace {
constexpr uint32_t shownInk = testInk | 0xFF000000u;  // presented without alpha: opaque
constexpr uint32_t shownPaper = testPaper | 0xFF000000u;
constexpr uint32_t black = 0xFF000000u;
}

TEST(Compose, ShowsTheBufferFromTheScreenOffset) {
    Screen s = testScreen(100, 200);  // buffer 200 x 200
    SoftwarePresenter p(100, 200);
    pixel(s, 30, 40);
    screenOffset(s, 20, 0);  // the buffer is 200 high, so only x can move
    ASSERT_FALSE(composeFrame(s, p, 0, nullptr));
    EXPECT_EQ(p.lastFrame().at(10, 40), shownInk);
    EXPECT_EQ(p.lastFrame().at(0, 0), shownPaper);
    EXPECT_EQ(p.framesPresented(), 1);
}

TEST(Compose, OffsetBeyondTheBufferIsScreenOutOfBounds) {
    Screen s = testScreen(360, 640);  // buffer 640 x 640
    SoftwarePresenter p(360, 640);
    screenOffset(s, 280, 0);  // 280 + 360 = 640: the last column is drawable
    EXPECT_FALSE(composeFrame(s, p, 0, nullptr));
    screenOffset(s, 281, 0);
    EXPECT_EQ(composeFrame(s, p, 0, nullptr), RunError::ScreenOutOfBounds);
    screenOffset(s, 0, 1);
    EXPECT_EQ(composeFrame(s, p, 0, nullptr), RunError::ScreenOutOfBounds);
    screenOffset(s, -1, 0);
    EXPECT_EQ(composeFrame(s, p, 0, nullptr), RunError::ScreenOutOfBounds);
    EXPECT_EQ(p.framesPresented(), 1);  // a refused frame presents nothing
}

TEST(Compose, ClipShowsOnlyTheClippedAreaInPlace) {
    Screen s = testScreen(100, 200);
    SoftwarePresenter p(100, 200);
    s.paper = testInk;
    setBufferSize(s, 200, 200);  // all ink
    setClip(s, 10, 20, 30, 40);
    ASSERT_FALSE(composeFrame(s, p, 0, nullptr));
    const ArgbImage& f = p.lastFrame();
    EXPECT_EQ(f.at(10, 20), shownInk);
    EXPECT_EQ(f.at(29, 39), shownInk);
    EXPECT_EQ(f.at(30, 39), black);  // the far edge is exclusive on the screen
    EXPECT_EQ(f.at(9, 20), black);
    EXPECT_EQ(f.at(10, 19), black);
}

TEST(Compose, ClippedFrameShowsBufferPixelsAtTheirOwnPlace) {
    Screen s = testScreen(100, 200);
    SoftwarePresenter p(100, 200);
    pixel(s, 15, 25);
    setClip(s, 10, 20, 30, 40);
    ASSERT_FALSE(composeFrame(s, p, 0, nullptr));
    EXPECT_EQ(p.lastFrame().at(15, 25), shownInk);
}

TEST(Compose, JoypadMarginShiftsTheImageRight) {
    Screen s = testScreen(640, 360);  // buffer 640 x 640
    SoftwarePresenter p(640, 360);
    pixel(s, 0, 0);
    ASSERT_FALSE(composeFrame(s, p, 128, nullptr));
    EXPECT_EQ(p.lastFrame().at(128, 0), shownInk);
    EXPECT_EQ(p.lastFrame().at(127, 0), black);
}

TEST(Compose, LayersAreDrawnOverTheBuffer) {
    Screen s = testScreen(100, 200);
    SoftwarePresenter p(100, 200);
    ASSERT_FALSE(composeFrame(s, p, 0, [](Presenter& q) { q.fillRect({0, 0, 5, 5}, 0x00ABCDEF); }));
    EXPECT_EQ(p.lastFrame().at(4, 4), 0xFFABCDEFu);
    EXPECT_EQ(p.lastFrame().at(5, 4), shownPaper);
}

TEST(Pacing, UpdateSleepsTheIntervalThenWaitsOutTheFrameTime) {
    // At 16 frames per second the wait ends at the first millisecond t with
    // t * 16 > 1000, which is 63.
    Screen s = testScreen(100, 200);
    SoftwarePresenter p(100, 200);
    FakeClock clock;
    ASSERT_FALSE(update(s, p, clock, 0, nullptr));
    EXPECT_EQ(s.pacing.lastUpdateMs, 63u);
    EXPECT_EQ(s.pacing.frameCount, 1);
}

TEST(Pacing, ALongIntervalIsNotWaitedForAgain) {
    Screen s = testScreen(100, 200);
    SoftwarePresenter p(100, 200);
    FakeClock clock;
    setInterval(s, 200);
    ASSERT_FALSE(update(s, p, clock, 0, nullptr));
    EXPECT_EQ(s.pacing.lastUpdateMs, 200u);  // the first read, right after the sleep
}

TEST(Pacing, SetSpeedBelowOneIsOutOfRange) {
    Screen s = testScreen();
    EXPECT_EQ(setSpeed(s, 0), RunError::OutOfRange);
    EXPECT_EQ(s.pacing.targetRate, 16);
    EXPECT_FALSE(setSpeed(s, 1000));
    EXPECT_EQ(s.pacing.targetRate, 1000);
}

TEST(Pacing, FpsIsMeasuredOnlyAfterMoreThanASecond) {
    Screen s = testScreen();
    FakeClock clock;
    s.pacing.frameCount = 3;
    clock.now = 1000;
    EXPECT_EQ(fps(s, clock), 0.0f);  // exactly one second: not yet
    clock.now = 1500;
    EXPECT_EQ(fps(s, clock), 2.0f);
    EXPECT_EQ(s.pacing.frameCount, 0);
    EXPECT_EQ(s.pacing.fpsStartMs, 1500u);
    clock.now = 1600;
    EXPECT_EQ(fps(s, clock), 2.0f);  // the last measurement until the next second passes
}

TEST(SoftwarePresenter, AlphaBlendsOnlyWhenAsked) {
    SoftwarePresenter p(4, 1);
    ArgbImage image = makeArgbImage(2, 1, 0x80FF0000u);  // red at half alpha (128)
    p.beginScene();
    p.fillRect({0, 0, 4, 1}, 0x000000FFu);  // blue
    p.drawImage(image, true, {0, 0, 2, 1}, {0, 0}, {0, 0, 4, 1}, true);
    p.drawImage(image, true, {0, 0, 2, 1}, {2, 0}, {0, 0, 4, 1}, false);
    p.endScene();
    // (255 * 128 + 127) / 255 = 128 red; (255 * 127 + 127) / 255 = 127 blue
    EXPECT_EQ(p.lastFrame().at(0, 0), 0xFF80007Fu);
    EXPECT_EQ(p.lastFrame().at(2, 0), 0xFFFF0000u);
}

TEST(SoftwarePresenter, SourceOutsideTheImageDrawsNothing) {
    SoftwarePresenter p(4, 4);
    ArgbImage image = makeArgbImage(2, 2, 0x00FFFFFFu);
    p.beginScene();
    p.drawImage(image, true, {-1, -1, 3, 3}, {0, 0}, {0, 0, 4, 4}, false);
    p.endScene();
    EXPECT_EQ(p.lastFrame().at(0, 0), 0xFF000000u);
    EXPECT_EQ(p.lastFrame().at(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(p.lastFrame().at(2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(p.lastFrame().at(3, 3), 0xFF000000u);
}

TEST(Pacing, ANegativeIntervalSleepsNothing) {
    Screen s = testScreen(100, 200);
    SoftwarePresenter p(100, 200);
    FakeClock clock;
    setInterval(s, -500);
    EXPECT_EQ(s.pacing.intervalMs, -500);  // kept as given
    ASSERT_FALSE(update(s, p, clock, 0, nullptr));
    EXPECT_EQ(s.pacing.lastUpdateMs, 63u);  // only the wait for 1/16 s
}

TEST(Pacing, ARefusedFrameIsNeitherCountedNorPaced) {
    Screen s = testScreen(100, 200);
    SoftwarePresenter p(100, 200);
    FakeClock clock;
    screenOffset(s, 0, 1);
    EXPECT_EQ(update(s, p, clock, 0, nullptr), RunError::ScreenOutOfBounds);
    EXPECT_EQ(s.pacing.frameCount, 0);
    EXPECT_EQ(clock.now, 0u);
}
