#include "jar_entries.h"
#include "orb_version.h"
#include "package_settings.h"

#include <gtest/gtest.h>

namespace {

const std::string fixedLines =
    "MIDlet-Description: Created By OrbBasic https://orbbasic.org version " + std::string(orbVersion) + "\r\n";

}  // namespace

TEST(Manifest, DefaultsWithoutIconVendorVersionOrTarget) {
    PackageSettings s;
    EXPECT_EQ(manifestText(s, "game"),
              "MIDlet-1: game,,program.GameMidlet\r\n" + fixedLines +
                  "MIDlet-Vendor: Vendor\r\n"
                  "MIDlet-Name: game\r\n"
                  "MIDlet-Version: 1.0\r\n"
                  "MicroEdition-Configuration: CLDC-1.1\r\n"
                  "MicroEdition-Profile: MIDP-2.0\r\n"
                  "Nokia-MIDlet-On-Screen-Keypad: No\r\n"
                  "Nokia-MIDlet-App-Orientation: portrait\r\n");
}

TEST(Manifest, AllSettingsGiven) {
    PackageSettings s;
    s.icon = "/icon.png";
    s.vendor = "Orb Games";
    s.version = "1.2.3";
    s.originalWidth = 640;
    s.originalHeight = 360;
    s.targetGiven = true;
    s.targetWidth = 320;
    s.targetHeight = 240;
    s.orientation = 1;
    EXPECT_EQ(manifestText(s, "space"),
              "MIDlet-1: space,/icon.png,program.GameMidlet\r\n" + fixedLines +
                  "MIDlet-Vendor: Orb Games\r\n"
                  "MIDlet-Name: space\r\n"
                  "MIDlet-Version: 1.2.3\r\n"
                  "MicroEdition-Configuration: CLDC-1.1\r\n"
                  "MicroEdition-Profile: MIDP-2.0\r\n"
                  "Nokia-MIDlet-On-Screen-Keypad: No\r\n"
                  "Nokia-MIDlet-Original-Display-Size: 640,360\r\n"
                  "Nokia-MIDlet-Target-Display-Size: 320,240\r\n"
                  "Nokia-MIDlet-App-Orientation: landscape\r\n");
}

TEST(Manifest, ResolutionAloneWritesNoDisplaySizeLines) {
    PackageSettings s;
    s.originalWidth = 640;
    s.originalHeight = 360;
    EXPECT_EQ(manifestText(s, "g").find("Display-Size"), std::string::npos);
}

TEST(Jad, ManifestLinesThenJarSizeAndUrl) {
    PackageSettings s;
    std::string jad = jadText(s, "game", 12345);
    EXPECT_EQ(jad, manifestText(s, "game") + "MIDlet-Jar-Size: 12345\r\nMIDlet-Jar-URL: game.jar\r\n");
}

TEST(OutputName, JarIsAppendedWhenTheNameHasNoSuffix) {
    EXPECT_EQ(outputJarPath("game"), "game.jar");
    EXPECT_EQ(outputJarPath("/home/me/game"), "/home/me/game.jar");
    EXPECT_EQ(outputJarPath("/home/my.dir/game"), "/home/my.dir/game.jar");
    EXPECT_EQ(outputJarPath("a.b"), "a.b.jar");   // shorter than four characters
    EXPECT_EQ(outputJarPath("game.jar"), "game.jar");
    EXPECT_EQ(outputJarPath("my.game.jar"), "my.game.jar");
    EXPECT_EQ(jadPath("game.jar"), "game.jad");
    EXPECT_EQ(jadPath("/out/my.game.jar"), "/out/my.game.jad");
    EXPECT_EQ(jadPath("game.ab"), "game.jad");   // the extension is replaced, whatever its length
    EXPECT_EQ(jadPath("/out/x.y/game.jarfile"), "/out/x.y/game.jad");
}

TEST(OutputName, MidletNameIsTheBaseNameUpToTheFirstDot) {
    EXPECT_EQ(midletName("game.jar"), "game");
    EXPECT_EQ(midletName("my.game.jar"), "my");
    EXPECT_EQ(midletName("/home/x.y/my.game.jar"), "my");
    EXPECT_EQ(midletName("C:\\games\\space.jar"), "space");
    EXPECT_EQ(midletName("C:space.jar"), "space");
}

TEST(JarEntries, OrderAndSourcesForASmallDisplay) {
    PackageSettings s;
    s.originalWidth = 600;
    s.originalHeight = 600;
    s.resourceFiles = {"gfx/ship.png", "C:\\snd\\boom.wav", "map:level.map"};
    auto entries = jarFileEntries(s, "/prog", "/work");
    std::vector<std::string> names, sources;
    for (const JarFileEntry& e : entries) {
        names.push_back(e.name);
        sources.push_back(e.source.string());
    }
    EXPECT_EQ(names, (std::vector<std::string>{
                         "META-INF\\MANIFEST.MF", "program\\TheGameCanvas.class", "program\\CommandClass.class",
                         "program\\GameDesign.class", "program\\GameMidlet.class", "program\\locals.class",
                         "orb16.dat", "atachedimg58x54.png", "attachedcontrol.png", "mobilefont.png", "ship.png",
                         "boom.wav", "level.map"}));
    EXPECT_EQ(sources[0], "/work/man.dat");
    EXPECT_EQ(sources[1], "/work/TheGameCanvas.class");
    EXPECT_EQ(sources[2], "/prog/CommandClass.dat");
    EXPECT_EQ(sources[6], "/work/orb16.dat");
    EXPECT_EQ(sources[7], "/prog/atachedimg58x54.png");
    EXPECT_EQ(sources[8], "/prog/attachedcontrolsmall.png");
    EXPECT_EQ(sources[9], "/prog/mobilefont.png");
    EXPECT_EQ(sources[10], "gfx/ship.png");
    EXPECT_EQ(jarFolderEntries[0], "program");
    EXPECT_EQ(jarFolderEntries[1], "META-INF");
}

TEST(JarEntries, WideDisplayTakesTheLargeImages) {
    PackageSettings s;
    s.originalWidth = 640;
    s.originalHeight = 360;
    auto entries = jarFileEntries(s, "/prog", "/work");
    EXPECT_EQ(entries[7].source.string(), "/prog/atachedimg58x54_2.png");
    EXPECT_EQ(entries[8].source.string(), "/prog/attachedcontrol3.png");
    s.originalWidth = 360;
    s.originalHeight = 601;
    EXPECT_EQ(jarFileEntries(s, "/prog", "/work")[8].source.string(), "/prog/attachedcontrol3.png");
}
