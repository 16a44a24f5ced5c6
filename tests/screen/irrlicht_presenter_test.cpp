// The Irrlicht presenter must show exactly what the software presenter composes:
// the same frames are drawn with both and compared pixel by pixel. Runs under
// a display (the test is registered through xvfb-run).
#include <gtest/gtest.h>

#include <irrlicht/irrlicht.h>

#include "screen/irrlicht_presenter.h"
#include "screen/primitives.h"
#include "screen/software_presenter.h"
#include "screen/text.h"
#include "screen/update.h"
#include "screen_fixture.h"

namespace {

constexpr int width = 120, height = 160;

class IrrlichtFrames : public ::testing::Test {
protected:
    // One window for the whole suite: creating and destroying X windows in
    // quick succession fails now and then on a busy server.
    static void SetUpTestSuite() {
        irr::SIrrlichtCreationParameters params;
        params.DriverType = irr::video::EDT_BURNINGSVIDEO;
        params.WindowSize = irr::core::dimension2du(width, height);
        params.LoggingLevel = irr::ELL_NONE;
        device = irr::createDeviceEx(params);
    }
    static void TearDownTestSuite() {
        if (device) device->drop();
        device = nullptr;
    }
    void SetUp() override { ASSERT_NE(device, nullptr) << "no display"; }

    ArgbImage screenshot() {
        irr::video::IImage* shot = device->getVideoDriver()->createScreenShot();
        ArgbImage out = makeArgbImage(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) out.row(y)[x] = shot->getPixel(x, y).color | 0xFF000000u;
        shot->drop();
        return out;
    }

    // Composes the screen with both presenters and expects equal frames.
    void expectSameFrames(Screen& s, int margin, const FrameLayers& layers = nullptr) {
        SoftwarePresenter software(width, height);
        ASSERT_FALSE(composeFrame(s, software, margin, layers));
        s.bufferChanged = true;
        ArgbImage shown;
        {
            IrrlichtPresenter irrlicht(device->getVideoDriver());
            irrlicht.setScreenBuffer(&s.buffer);
            ASSERT_FALSE(composeFrame(s, irrlicht, margin, layers));
            shown = screenshot();
        }
        int differing = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) differing += shown.at(x, y) != software.lastFrame().at(x, y);
        EXPECT_EQ(differing, 0);
    }

    static inline irr::IrrlichtDevice* device = nullptr;
};

void drawScene(Screen& s) {
    s.ink = 0x00FF8040;
    solidBox(s, 5, 5, 60, 40);
    s.ink = 0x0040C0FF;
    circle(s, 60, 80, 30.0f);
    line(s, 0, 159, 119, 0);
    s.ink = 0x00FFFFFF;
    drawText(s, 2, 100, "AAA");
    pixel(s, 119, 159);
}

}  // namespace

TEST_F(IrrlichtFrames, PlainFrameMatches) {
    Screen s = testScreen(width, height);
    drawScene(s);
    expectSameFrames(s, 0);
}

TEST_F(IrrlichtFrames, OffsetClipAndMarginMatch) {
    Screen s = testScreen(width, height);  // buffer 160 x 160
    drawScene(s);
    screenOffset(s, 20, 0);
    setClip(s, 10, 12, 90, 130);
    expectSameFrames(s, 7);
}

TEST_F(IrrlichtFrames, LayersBlendAndFillTheSame) {
    Screen s = testScreen(width, height);
    drawScene(s);
    ArgbImage sprite = makeArgbImage(16, 16, 0xFF00FF00u);
    for (int i = 0; i < 16; ++i) sprite.row(i)[i] = 0x00000000u;  // a transparent diagonal
    expectSameFrames(s, 0, [&](Presenter& p) {
        p.fillRect({100, 0, 120, 20}, 0x00000000u);
        p.drawImage(sprite, true, {0, 0, 16, 16}, {30, 30}, {0, 0, width, height}, true);
    });
}
