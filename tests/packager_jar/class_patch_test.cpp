#include "class_file_view.h"
#include "class_patch.h"
#include "template_check.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace layout = templateLayout;

namespace {

const std::filesystem::path programFolder = ORB_PROGRAM_FOLDER;

std::vector<std::uint8_t> templateBytes() { return readBytes(programFolder / "thegc.dat"); }

std::vector<std::uint8_t> mainFrame(int offset) {
    return {static_cast<std::uint8_t>(offset >> 8), static_cast<std::uint8_t>(offset), 0x00, 0x08,
            0x07, 0x00, 0xB4, 0x04, 0x04, 0x02, 0x02, 0x07, 0x00, 0x0B, 0x07, 0x00, 0x0B, 0x07, 0x00, 0x93,
            0x00, 0x00};
}

std::vector<std::uint8_t> procFrame(int offset) {
    return {static_cast<std::uint8_t>(offset >> 8), static_cast<std::uint8_t>(offset), 0x00, 0x09,
            0x07, 0x00, 0xB4, 0x07, 0x00, 0x93, 0x01, 0x04, 0x04, 0x02, 0x02, 0x07, 0x00, 0x0B, 0x07, 0x00, 0x0B,
            0x00, 0x00};
}

}  // namespace

TEST(Template, BuiltTemplateHasEveryPlaceThePatcherNeeds) {
    std::vector<std::uint8_t> t = templateBytes();
    ASSERT_FALSE(t.empty());
    std::vector<std::string> faults = templateFaults(t);
    for (const std::string& f : faults) ADD_FAILURE() << f;
}

TEST(Template, BrokenTemplatesAreCaught) {
    std::vector<std::uint8_t> t = templateBytes();
    std::vector<std::uint8_t> newer = t;
    newer[7] = 50;   // major version
    EXPECT_FALSE(templateFaults(newer).empty());
    std::vector<std::uint8_t> noMarker = t;
    auto it = std::search(noMarker.begin(), noMarker.end(), layout::procInsertMarker.begin(),
                          layout::procInsertMarker.end());
    ASSERT_NE(it, noMarker.end());
    *it = 0x00;
    EXPECT_FALSE(templateFaults(noMarker).empty());
    EXPECT_FALSE(templateFaults({0xCA, 0xFE}).empty());
}

TEST(ClassPatch, WithoutLabelsCodeGrowsByTheListingsAlone) {
    std::vector<std::uint8_t> t = templateBytes(), out;
    ASSERT_TRUE(patchGameClass(t, "$00 $00\n$00\n", "$00\n", out));
    EXPECT_EQ(out.size(), t.size() + 4);
    MethodView before = viewMethod(t, layout::mainRecognition), after = viewMethod(out, layout::mainRecognition);
    ASSERT_TRUE(after.found);
    EXPECT_EQ(after.attributeLength, before.attributeLength + 3);
    EXPECT_EQ(after.codeLength, before.codeLength + 3);
    EXPECT_EQ(after.maxStack, 128);
    EXPECT_EQ(after.maxLocals, 10);
    EXPECT_EQ(after.frameEntries, before.frameEntries);
    // The listing replaces nothing: it sits between the marker's stores and its return.
    ASSERT_EQ(after.code.size(), 76u);
    EXPECT_EQ(std::vector<std::uint8_t>(after.code.begin() + 68, after.code.end()),
              (std::vector<std::uint8_t>{0x21, 0x40, 0x21, 0x40, 0x00, 0x00, 0x00, 0xB1}));

    MethodView procBefore = viewMethod(t, layout::procRecognition), proc = viewMethod(out, layout::procRecognition);
    ASSERT_TRUE(proc.found);
    EXPECT_EQ(proc.codeLength, procBefore.codeLength + 1);
    EXPECT_EQ(proc.maxStack, 128);
    EXPECT_EQ(proc.maxLocals, 14);
    EXPECT_EQ(proc.code[95], 0x00);
    EXPECT_TRUE(std::equal(procBefore.code.begin() + 95, procBefore.code.end(), proc.code.begin() + 96));
}

TEST(ClassPatch, OneMainFramePerDistinctLabelPosition) {
    std::vector<std::uint8_t> t = templateBytes(), out;
    // Labels at 0, 5 and 7: three frames, at 72, 77 and 79. The goto at 2 jumps back by 2.
    const char* main = ":L0000\n$09 $40\n$A7 _L0000\n:L0001\n$09 $40\n:L0002\n$09 $40\n";
    ASSERT_TRUE(patchGameClass(t, main, "", out));
    MethodView before = viewMethod(t, layout::mainRecognition), after = viewMethod(out, layout::mainRecognition);
    EXPECT_EQ(after.codeLength, before.codeLength + 9);
    EXPECT_EQ(after.attributeLength, before.attributeLength + 9 + 3 * 22);
    EXPECT_EQ(after.stackMapLength, before.stackMapLength + 3 * 22);
    EXPECT_EQ(after.frameEntries, before.frameEntries + 3);
    EXPECT_EQ(std::vector<std::uint8_t>(after.code.begin() + 72, after.code.begin() + 77),
              (std::vector<std::uint8_t>{0x09, 0x40, 0xA7, 0xFF, 0xFE}));
    std::vector<std::uint8_t> expected;
    for (int offset : {72, 77, 79}) {
        std::vector<std::uint8_t> f = mainFrame(offset);
        expected.insert(expected.end(), f.begin(), f.end());
    }
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), after.stackMapBody.end() - expected.size()));
}

TEST(ClassPatch, RepeatedPositionAddsNoFrame) {
    std::vector<std::uint8_t> t = templateBytes(), out;
    ASSERT_TRUE(patchGameClass(t, ":A\n:B\n$09 $40\n", "", out));
    MethodView before = viewMethod(t, layout::mainRecognition), after = viewMethod(out, layout::mainRecognition);
    EXPECT_EQ(after.frameEntries, before.frameEntries + 1);
    EXPECT_EQ(after.attributeLength, before.attributeLength + 2 + 22);
}

TEST(ClassPatch, ProcedureFramesAreOffsetBy95) {
    std::vector<std::uint8_t> t = templateBytes(), out;
    ASSERT_TRUE(patchGameClass(t, "", "$03 $AC\n:XP0001\n$09 $42\n", out));
    MethodView before = viewMethod(t, layout::procRecognition), after = viewMethod(out, layout::procRecognition);
    EXPECT_EQ(after.codeLength, before.codeLength + 4);
    EXPECT_EQ(after.attributeLength, before.attributeLength + 4 + 23);
    EXPECT_EQ(after.frameEntries, before.frameEntries + 1);
    std::vector<std::uint8_t> f = procFrame(97);
    EXPECT_TRUE(std::equal(f.begin(), f.end(), after.stackMapBody.end() - f.size()));
    EXPECT_EQ(out.size(), t.size() + 4 + 23);
}

TEST(ClassPatch, FailsOnUnknownLabelOrMissingMarkers) {
    std::vector<std::uint8_t> t = templateBytes(), out;
    EXPECT_FALSE(patchGameClass(t, "$A7 _NOWHERE\n", "", out));
    EXPECT_FALSE(patchGameClass(t, "", "$A7 _NOWHERE\n", out));
    // A template that ends before the procedure method's recognition bytes.
    const std::uint8_t procedureMethod[] = {0x14, 0x01, 0x15, 0x00, 0x01, 0x00, 0xE2};
    auto at = std::search(t.begin(), t.end(), std::begin(procedureMethod), std::end(procedureMethod));
    ASSERT_NE(at, t.end());
    std::vector<std::uint8_t> cut(t.begin(), at);
    EXPECT_FALSE(patchGameClass(cut, "", "", out));
}

std::string nops(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "$00\n";
    return text;
}

TEST(ClassPatch, CodeStaysWithinTheClassFileLimit) {
    // The template's main code is 73 bytes; code may be at most 65535 bytes long.
    std::vector<std::uint8_t> t = templateBytes(), out;
    EXPECT_TRUE(patchGameClass(t, nops(65535 - 73), "", out));
    EXPECT_FALSE(patchGameClass(t, nops(65536 - 73), "", out));
}

TEST(ClassPatch, BranchesReachAtMost32767BytesAway) {
    std::vector<std::uint8_t> t = templateBytes(), out;
    // The goto's opcode is at 0, the label at 3 + the nops.
    EXPECT_TRUE(patchGameClass(t, "$A7 _FAR\n" + nops(32767 - 3) + ":FAR\n$09 $40\n", "", out));
    EXPECT_FALSE(patchGameClass(t, "$A7 _FAR\n" + nops(32768 - 3) + ":FAR\n$09 $40\n", "", out));
}

TEST(ClassPatchFile, ReportsAMissingTemplateAndAnUncreatableDestination) {
    auto work = std::filesystem::temp_directory_path() / "orb_patch_test";
    std::filesystem::create_directories(work);
    PatchResult missing = patchGameClassFile(work / "no-such-folder", work, "", "");
    EXPECT_FALSE(missing.ok);
    EXPECT_STREQ(patchMessageText(missing.message), "Cannot find thegc.dat");
    PatchResult blocked = patchGameClassFile(programFolder, work / "no-such-folder", "", "");
    EXPECT_FALSE(blocked.ok);
    EXPECT_STREQ(patchMessageText(blocked.message), "Cannot create destination file");
    PatchResult ok = patchGameClassFile(programFolder, work, "$00\n", "");
    EXPECT_TRUE(ok.ok);
    EXPECT_EQ(readBytes(work / "TheGameCanvas.class").size(), templateBytes().size() + 1);
    std::filesystem::remove_all(work);
}
