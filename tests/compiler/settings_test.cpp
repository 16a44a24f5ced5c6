// Header statements set the program settings; load statements fill the resource list.
#include "compile_helpers.h"

#include <gtest/gtest.h>

namespace {

CompileOutcome compile(const std::vector<std::string>& lines) {
    ImageWriter writer;
    return compileProgram(writer, lines, goldenFolder);
}

TEST(Settings, DefaultsWithoutHeaderStatements) {
    CompileOutcome o = compile({"x = 1"});
    EXPECT_EQ(o.settings.screenWidth, 360);
    EXPECT_EQ(o.settings.screenHeight, 640);
    EXPECT_EQ(o.settings.orientationNotFixed, 1);
    EXPECT_EQ(o.settings.touchScreen, 1);
    EXPECT_EQ(o.settings.joypadUsed, 0);
    EXPECT_TRUE(o.settings.vendor.empty());
    EXPECT_TRUE(o.resourceFiles.empty());
}

TEST(Settings, PackageSettingsAreKept) {
    CompileOutcome o = compile({"TargetResolution 176, 208", "Vendor \"Orb Games\"", "Version 3",
                                "SetIcon \"image.png\"", "joypad 0", "Vertical"});
    ASSERT_EQ(o.fault.code, 0);
    EXPECT_EQ(o.settings.targetWidth, 176);
    EXPECT_EQ(o.settings.targetHeight, 208);
    EXPECT_EQ(o.settings.vendor, "Orb Games");
    EXPECT_EQ(o.settings.version, "3.0.0");
    EXPECT_EQ(o.settings.iconPath, "/image.png");
    EXPECT_EQ(o.settings.joypadUsed, 1);
    EXPECT_EQ(o.settings.orientation, 0);
    EXPECT_EQ(o.settings.orientationNotFixed, 0);
    EXPECT_EQ(compile({"Version 2.1"}).settings.version, "2.1.0");
    EXPECT_EQ(compile({"Version 2.10.3"}).settings.version, "2.10.3");
}

TEST(Settings, ResourceFilesAreListedOnce) {
    CompileOutcome o = compile({"LoadImage \"image.png\", 1", "LoadImage \"image.png\", 2", "LoadWav \"sound.wav\", 1",
                                "LoadImage \"strip.xmg\", 3", "Include \"part.inc\"", "LoadMap \"level.map\""});
    ASSERT_EQ(o.fault.code, 0);
    EXPECT_EQ(o.resourceFiles, (std::vector<std::string>{"image.png", "sound.wav", "strip.png", "level.map"}));
}

TEST(Settings, DescriptorWithoutTheLayoutTakesItFromTheSource) {
    std::string image = imageOf({"LoadImage \"half.xmg\", 5, 2, 32, 24"});
    EXPECT_NE(image.find("L1:z10005_0002_0032_0024half.png\"\n"), std::string::npos) << image;
}

}  // namespace
