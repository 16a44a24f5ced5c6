#include "preferences.h"

#include <gtest/gtest.h>

TEST(PreferencesPage, IncAtTheTopDoesNothing) {
    Settings settings;
    settings.fontHeight = 19;
    settings.fontWidth = 11;
    CEditorOptions page(settings);
    page.increaseFont();
    EXPECT_EQ(page.workingCopy().fontHeight, 19);
    page.decreaseFont();
    EXPECT_LT(page.workingCopy().fontHeight, 19);
}

TEST(PreferencesPage, DecAtTheBottomDoesNothing) {
    Settings settings;
    settings.fontHeight = 14;
    CEditorOptions page(settings);
    page.decreaseFont();
    EXPECT_EQ(page.workingCopy().fontHeight, 14);
}

TEST(PreferencesPage, HeavyWeightShowsBoldAndIsKept) {
    Settings settings;
    settings.fontWeight = 700;
    CEditorOptions page(settings);
    EXPECT_TRUE(page.boldChecked());
    EXPECT_EQ(page.workingCopy().fontWeight, 700);
    page.setBold(false);
    EXPECT_EQ(page.workingCopy().fontWeight, 400);
    page.setBold(true);
    EXPECT_EQ(page.workingCopy().fontWeight, 600);
}

TEST(PreferencesPage, RestoreDefaultsResetsColoursAndFontOnly) {
    Settings settings;
    settings.keywordColour = 1;
    settings.syntaxColouring = 0;
    settings.fontHeight = 17;
    settings.fontWeight = 600;
    settings.autoIndent = 0;
    CEditorOptions page(settings);
    page.restoreDefaults();
    Settings expected;
    expected.autoIndent = 0;
    EXPECT_EQ(page.workingCopy(), expected);
    EXPECT_FALSE(page.boldChecked());
    EXPECT_EQ(settings.keywordColour, 1);  // the settings themselves wait for OK
}

TEST(PreferencesPage, SwatchStoresTheChosenColour) {
    Settings settings;
    CEditorOptions page(settings);
    page.chooseColour = [](QColor& colour) {
        EXPECT_EQ(colour, QColor(0, 0, 255));  // KeyCol 0xFF0000 is blue
        colour = QColor(1, 2, 3);
        return true;
    };
    page.pickColour(&Settings::keywordColour);
    EXPECT_EQ(page.workingCopy().keywordColour, 0x030201);
    page.chooseColour = [](QColor&) { return false; };
    page.pickColour(&Settings::keywordColour);
    EXPECT_EQ(page.workingCopy().keywordColour, 0x030201);
}

TEST(PreferencesPage, PreviewPaints) {
    Settings settings;
    COptionsSheet sheet(settings);
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Preferences"));
    EXPECT_FALSE(sheet.grab().isNull());
}
