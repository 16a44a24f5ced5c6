#include "class_patch.h"
#include "package_output.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path programFolder = ORB_PROGRAM_FOLDER;

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A work folder with a patched game class and package data, as pass 3 leaves it.
struct PackageFolders : ::testing::Test {
    fs::path root = fs::temp_directory_path() /
                    (std::string("orb_package_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path work = root / "work";

    void SetUp() override {
        fs::remove_all(root);
        fs::create_directories(work);
        ASSERT_TRUE(patchGameClassFile(programFolder, work, "", "").ok);
        std::ofstream(work / "orb16.dat") << "\nw10360w20640";
        std::ofstream(root / "ship.png") << "not really a picture";
    }
    void TearDown() override { fs::remove_all(root); }

    // The names in the archive, in their order, as unzip lists them.
    std::vector<std::string> entryNames(const fs::path& jar) {
        fs::path list = root / "names.txt";
        std::string command = "unzip -Z1 '" + jar.string() + "' > '" + list.string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
        std::vector<std::string> names;
        std::istringstream in(readText(list));
        for (std::string line; std::getline(in, line);) names.push_back(line);
        return names;
    }
};

}  // namespace

TEST_F(PackageFolders, JarHoldsEveryEntryInOrderAndTheJadGivesItsSize) {
    PackageSettings s;
    s.resourceFiles = {(root / "ship.png").string()};
    std::string jar = (root / "my.game.jar").string();
    PackageOutcome out = writePackage(jar, s, programFolder, work);
    ASSERT_TRUE(out.complete);
    EXPECT_EQ(std::system(("unzip -tq '" + jar + "' > /dev/null").c_str()), 0);
    EXPECT_EQ(entryNames(jar),
              (std::vector<std::string>{"program/", "META-INF/", "META-INF/MANIFEST.MF",
                                        "program/TheGameCanvas.class", "program/CommandClass.class",
                                        "program/GameDesign.class", "program/GameMidlet.class", "program/locals.class",
                                        "orb16.dat", "atachedimg58x54.png", "attachedcontrol.png", "mobilefont.png",
                                        "ship.png"}));
    EXPECT_EQ(readText(work / "man.dat"), manifestText(s, "my"));
    std::string jad = readText(root / "my.game.jad");
    EXPECT_EQ(jad, jadText(s, "my", static_cast<long long>(fs::file_size(jar))));
    EXPECT_NE(jad.find("MIDlet-Jar-URL: my.jar\r\n"), std::string::npos);
}

TEST_F(PackageFolders, MissingSourcesAreLeftOutAndTheRunStillCompletes) {
    fs::path programCopy = root / "program";
    fs::create_directories(programCopy);
    for (const char* f : {"thegc.dat", "CommandClass.dat", "GameDesign.dat", "GameMidlet.dat", "locals.dat",
                          "atachedimg58x54.png", "attachedcontrolsmall.png"})
        fs::copy_file(programFolder / f, programCopy / f);
    PackageSettings s;
    s.originalWidth = 600;   // no side above 600: the small images
    s.originalHeight = 600;
    s.resourceFiles = {(root / "gone.wav").string()};
    std::string jar = (root / "game.jar").string();
    ASSERT_TRUE(writePackage(jar, s, programCopy, work).complete);
    std::vector<std::string> names = entryNames(jar);
    ASSERT_EQ(names.size(), 11u) << ::testing::PrintToString(names);
    EXPECT_EQ(names.back(), "attachedcontrol.png");
    EXPECT_TRUE(fs::exists(root / "game.jad"));
}

TEST_F(PackageFolders, FailuresNameTheirStep) {
    PackageSettings s;
    PackageOutcome noJar = writePackage((root / "no-such-folder" / "game.jar").string(), s, programFolder, work);
    EXPECT_FALSE(noJar.complete);
    EXPECT_STREQ(packageMessageText(noJar.message), "Cannot create JAR file");

    fs::create_directories(root / "game.jad");   // a folder where the JAD should go
    PackageOutcome noJad = writePackage((root / "game.jar").string(), s, programFolder, work);
    EXPECT_FALSE(noJad.complete);
    EXPECT_STREQ(packageMessageText(noJad.message), "Cannot create JAD file");
    EXPECT_TRUE(fs::exists(root / "game.jar"));

    PackageOutcome noManifest = writePackage((root / "other.jar").string(), s, programFolder, root / "no-work");
    EXPECT_FALSE(noManifest.complete);
    EXPECT_STREQ(packageMessageText(noManifest.message), "JAR file error");
    EXPECT_FALSE(fs::exists(root / "other.jar"));
}
