// Package mode: the listings and data file of small programs, worked out by
// hand from the back end's rules; the frames pass 3 gives compiled programs;
// a pass 2 that does not match pass 1.
#include "class_patch.h"
#include "build_pipeline.h"
#include "compile_program.h"
#include "keyword_table.h"
#include "listing.h"
#include "package_writer.h"
#include "phone_methods.h"
#include "template_pool.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace {

struct Listings {
    std::string main, procedures, data;
    int faultCode = 0;
    bool mismatch = false;
};

Listings compile(const std::vector<std::string>& lines, const std::filesystem::path& folder = ".") {
    PackageWriter first(nullptr);
    compileProgram(first, lines, folder);
    PackageWriter second(&first.layout);
    CompileOutcome outcome = compileProgram(second, lines, folder);
    EXPECT_TRUE(second.missingMember.empty()) << second.missingMember;
    EXPECT_FALSE(second.stackAtLabel);
    return {second.mainListing, second.procedureListing(), second.dataFile, outcome.fault.code,
            second.procedureMismatch};
}

// Expected listings name pool entries as {M name descriptor} (game-class
// method), {F name descriptor} (game-class field), {L name descriptor}
// (procedure frame field), {I descriptor} (frame constructor) and {C} (frame
// class); these become the entry's "$hi $lo" in the built template.
std::string expand(const std::string& text) {
    static const std::regex entry(R"(\{([MFLIC])\s*([^ }]*)\s*([^}]*)\})");
    std::string out;
    auto last = text.cbegin();
    for (std::sregex_iterator i(text.begin(), text.end(), entry), end; i != end; ++i) {
        const std::smatch& m = *i;
        out.append(last, m[0].first);
        last = m[0].second;
        char kind = m[1].str()[0];
        std::string name = m[2], descriptor = m[3];
        int index = 0;
        if (kind == 'M') index = templatePoolIndex(PoolKind::Method, "program/TheGameCanvas", name, descriptor);
        if (kind == 'F') index = templatePoolIndex(PoolKind::Field, "program/TheGameCanvas", name, descriptor);
        if (kind == 'L') index = templatePoolIndex(PoolKind::Field, "program/locals", name, descriptor);
        if (kind == 'I') index = templatePoolIndex(PoolKind::Method, "program/locals", "<init>", name);
        if (kind == 'C') index = templatePoolIndex(PoolKind::Class, "program/locals");
        EXPECT_NE(index, 0) << m[0];
        char bytes[16];
        std::snprintf(bytes, sizeof bytes, "$%02X $%02X", index >> 8, index & 0xFF);
        out += bytes;
    }
    out.append(last, text.cend());
    return out;
}

const std::string poll = "$2A\n$B6 {M poll ()V}\n";

std::string step(const std::string& pushLine) { return "$2A\n" + pushLine + "\n$B6 {M step (I)V}\n"; }

TEST(PackageListing, AssignmentAndPrint) {
    Listings l = compile({"x = 5", "Print x"});
    EXPECT_EQ(l.main, expand("$2A\n$04\n$03\n$03\n$B6 {M setUp (III)V}\n" + step("$04") +
                             "$2A\n$B4 {F ints [I}\n$03\n$08\n$4F\n" + step("$05") +
                             "$2A\n$2A\n$B4 {F ints [I}\n$03\n$2E\n$B6 {M printInt (I)V}\n"
                             "$2A\n$B6 {M end ()V}\n"
                             ":L0000\n$09 $40\n" + poll));
    EXPECT_EQ(l.procedures, "");
    EXPECT_EQ(l.data, "\nw10360w20640w30000w40001w50001w60000w70000w80000w90000wA0000wx0011");
}

TEST(PackageListing, ConditionGotoLabelAndNegation) {
    // The jump mutes the listing until the false target; a minus is 0 minus what follows.
    Listings l = compile({"If x < 3 Then Goto done", "y = -x", "done:"});
    const std::string x = "$2A\n$B4 {F ints [I}\n$03\n$2E\n";
    // Two integer variables, x and y.
    EXPECT_EQ(l.main, expand("$2A\n$05\n$03\n$03\n$B6 {M setUp (III)V}\n" + step("$04") + x +
                             "$06\n$A2 _IE0000\n"
                             ":IP0000\n$09 $40\n" + poll + "$A7 _L0001\n"
                             ":IE0000\n$09 $40\n" + poll + step("$05") +
                             "$2A\n$B4 {F ints [I}\n$04\n$03\n" + x + "$64\n$4F\n" + step("$06") +
                             ":L0001\n$09 $40\n" + poll +
                             "$2A\n$B6 {M end ()V}\n"
                             ":L0000\n$09 $40\n" + poll));
    EXPECT_EQ(l.data, "_0001:\n\nw10360w20640w30000w40001w50001w60000w70001w80001w90001wA0000wx0011");
}

TEST(PackageListing, ProcedureWithParameterAndResult) {
    Listings l = compile({"Print Twice[4]", "Procedure Twice[n]", "EndProc n * 2"});
    EXPECT_EQ(l.main, expand("$2A\n$03\n$03\n$03\n$B6 {M setUp (III)V}\n" + step("$04") +
                             "$2A\n$2A $BB {C} $59\n$04\n$03\n$03\n$B7 {I (III)V}\n"
                             "$59\n$B4 {L ints [I}\n$03\n$07\n$4F\n"
                             "$04\n$B6 {M call (Lprogram/locals;I)I}\n$B6 {M printInt (I)V}\n" +
                             step("$05") +
                             "$2A\n$B6 {M end ()V}\n"
                             ":L0000\n$09 $40\n" + poll));
    EXPECT_EQ(l.procedures, expand("$1C $11 $00 $01 $9F _P0001\n$03 $AC\n"
                                   ":P0001\n$09 $42\n" + poll + step("$06") +
                                   "$2A\n$2B\n$B4 {L ints [I}\n$03\n$2E\n$05\n$68\n$B5 {F intResult I}\n"
                                   "$A7 _XP0001\n"
                                   ":XP0001\n$09 $42\n" + poll + "$2A\n$B4 {F intResult I}\n$AC\n"
                                   ":L0001\n$09 $42\n" + poll));
    EXPECT_EQ(l.data, "\nw10360w20640w30000w40001w50001w60000w70002w80000w90000wA0001wx0011");
}

TEST(PackageListing, ConstantPools) {
    // Integers outside 0..32767, every float and every distinct string go to the pools.
    Listings l = compile({"a = 40000 + 7", "f# = 2.50 + 1.5", "s$ = \"hi\" + \"\" + \"hi\"", "Print \"\""});
    EXPECT_NE(l.main.find(expand("$2A\n$03\n$B6 {M intConstant (I)I}\n$10 $07\n$60\n")), std::string::npos);
    EXPECT_EQ(l.data, "\n@i=1:\ni40000\n@f=2:\nf2.50\nf1.5\n@s=2:\nshi\ns\n"
                      "w10360w20640w30000w40001w50001w60000w70000w80000w90000wA0000wx0011");
}

TEST(PackageListing, DataItemsAndRestoreLabels) {
    Listings l = compile({"Data 1, -2.5, \"a\"", "here:", "Data $10", "Restore here"});
    EXPECT_EQ(l.data, "h11\nh2-2.5\nh3a\"\n_0001:\nh116\n\n"
                      "w10360w20640w30000w40001w50001w60000w70001w80000w90000wA0000wx0011");
    EXPECT_NE(l.main.find(expand("$2A\n$04\n$B6 {M restoreTo (I)V}\n")), std::string::npos);
}

TEST(PackageListing, BuiltinsCallTheGameClass) {
    // ReadData shares its name and (empty) parameter list between kinds, so the kind ends the name.
    Listings l = compile({"x = Abs(-3)", "y# = ReadData#()", "Vibrate 100"});
    EXPECT_NE(l.main.find(expand("$B6 {M bAbs (I)I}\n")), std::string::npos);
    EXPECT_NE(l.main.find(expand("$B6 {M bReadDataFloat ()F}\n")), std::string::npos);
    EXPECT_NE(l.main.find(expand("$2A\n$10 $64\n$B6 {M bVibrate (I)V}\n")), std::string::npos);
}

TEST(PackageListing, LoadingStatementsNameTheirFileInTheJar) {
    // The package keeps each loaded file at its root under its bare name.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orb_listing_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "gfx");
    std::ofstream(folder / "gfx" / "ship.png") << "picture";
    Listings l = compile({"LoadImage \"gfx/ship.png\", 3"}, folder);
    std::filesystem::remove_all(folder);
    ASSERT_EQ(l.faultCode, 0);
    EXPECT_NE(l.main.find(expand("$2A\n$06\n$2A\n$03\n$B6 {M stringConstant (I)Ljava/lang/String;}\n"
                                 "$B6 {M bLoadImage (ILjava/lang/String;)V}\n")),
              std::string::npos);
    EXPECT_NE(l.data.find("@s=1:\ns/ship.png\n"), std::string::npos);
}

TEST(PackageListing, ProcedureNotMatchingPassOneFails) {
    std::vector<std::string> lines = {"x = Twice[4]", "Procedure Twice[n]", "EndProc n * 2"};
    PackageWriter first(nullptr);
    compileProgram(first, lines, ".");
    PackageLayout changed = first.layout;
    changed.procedures[0].parameters[0].second = 5001;  // pass 1 saw the parameter elsewhere
    PackageWriter second(&changed);
    compileProgram(second, lines, ".");
    EXPECT_TRUE(second.procedureMismatch);

    PackageLayout none;
    PackageWriter third(&none);
    compileProgram(third, lines, ".");
    EXPECT_TRUE(third.procedureMismatch);
}

TEST(PackageListing, ValuesBeyondTheOperandStackAreRefused) {
    // Each argument of a nested procedure call keeps four values below it.
    auto nested = [](int depth) {
        std::string call = "1";
        for (int i = 0; i < depth; ++i) call = "P[" + call + "]";
        return std::vector<std::string>{"x = 1", "x = " + call, "Procedure P[n]", "EndProc n"};
    };
    auto tooDeep = [](const std::vector<std::string>& lines) {
        PackageWriter first(nullptr);
        compileProgram(first, lines, ".");
        PackageWriter second(&first.layout);
        compileProgram(second, lines, ".");
        EXPECT_FALSE(second.stackAtLabel);
        return second.tooDeepLine;
    };
    EXPECT_EQ(tooDeep(nested(30)), 0);   // 2 + 4 * 30 + 1 values at most
    EXPECT_EQ(tooDeep(nested(32)), 2);   // 2 + 4 * 32 + 1
}

// Pass 3 adds one frame per label of each listing; the patched class grows by
// the listings and 22 or 23 bytes per frame.
TEST(PackageListing, CompiledProgramsPatchWithOneFramePerLabel) {
    Listings l = compile({"For i = 1 To 3", "  Print Twice[i]", "Next", "Procedure Twice[n]",
                          "  If n > 2 Then ExitProc 0", "EndProc n * 2"});
    LabelTable mainLabels = buildLabelTable(l.main), procLabels = buildLabelTable(l.procedures);
    // For: top, exit, body; the true and false targets of its test; label 0.
    EXPECT_EQ(frameCount(mainLabels), 6);
    // P0001, the If's true and false targets, XP0001, the skip label.
    EXPECT_EQ(frameCount(procLabels), 5);
    std::ifstream in(std::string(ORB_PROGRAM_FOLDER) + "/thegc.dat", std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), out;
    ASSERT_TRUE(patchGameClass(bytes, l.main, l.procedures, out));
    EXPECT_EQ(out.size(), bytes.size() + listingSize(l.main) + listingSize(l.procedures) + 22 * 6 + 23 * 5);
}

}  // namespace

namespace {

// The compiler fuzzer's corpus in package mode: whatever compiles passes both
// passes alike, names only members the template has, and patches into the
// game class unless the code outgrows one method.
TEST(PackageCorpus, CompilerCorpusPackagesWithoutFault) {
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / ("orb-package-corpus-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ifstream in(std::string(ORB_PROGRAM_FOLDER) + "/thegc.dat", std::ios::binary);
    std::vector<std::uint8_t> gameClass((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int compiled = 0;
    for (const auto& entry : fs::directory_iterator(ORB_COMPILER_CORPUS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::string input((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        // The document, then the two Include files, cut at NUL bytes.
        std::vector<std::string> parts(3);
        for (std::size_t start = 0, part = 0; part < 3 && start <= input.size(); ++part) {
            std::size_t end = std::min(input.find('\0', start), input.size());
            parts[part] = input.substr(start, end - start);
            start = end + 1;
        }
        std::ofstream(folder / "a.inc", std::ios::binary) << parts[1];
        std::ofstream(folder / "b.inc", std::ios::binary) << parts[2];
        std::vector<std::string> lines = splitSourceLines(parts[0]);
        PackageWriter first(nullptr);
        if (compileProgram(first, lines, folder).fault.code != 0) continue;
        PackageWriter second(&first.layout);
        ASSERT_EQ(compileProgram(second, lines, folder).fault.code, 0) << entry.path();
        EXPECT_FALSE(second.procedureMismatch) << entry.path();
        EXPECT_EQ(second.missingMember, "") << entry.path();
        EXPECT_FALSE(second.stackAtLabel) << entry.path();
        std::vector<std::uint8_t> out;
        std::string main = second.mainListing, procedures = second.procedureListing();
        if (listingSize(main) < 60000 && listingSize(procedures) < 60000) {
            EXPECT_TRUE(patchGameClass(gameClass, main, procedures, out)) << entry.path();
        }
        ++compiled;
    }
    fs::remove_all(folder);
    EXPECT_GT(compiled, 0);
}

}  // namespace

TEST(PhoneRuntime, EveryBuiltinHasItsMethodInTheGameClass) {
    std::vector<std::string> missing;
    for (int code = firstBuiltinCode; code < keywordCount; ++code) {
        if (keywordTable[code].name.empty()) continue;  // no source word reaches it
        const PhoneMethod m = builtinMethod(code);
        if (templatePoolIndex(PoolKind::Method, "program/TheGameCanvas", m.name, m.descriptor) == 0)
            missing.push_back(m.name + m.descriptor);
    }
    EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}
