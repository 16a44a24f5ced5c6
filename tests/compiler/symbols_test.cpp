// Scope rules and slot allocation of the symbol tables.
#include "compile_messages.h"
#include "symbols.h"

#include <gtest/gtest.h>

namespace {

TEST(Symbols, MainVariablesAreInvisibleInProceduresButGlobalsAreNot) {
    Symbols s;
    int slot = 0;
    ASSERT_EQ(createVariable(s, "x", ValueKind::Integer, 1, mainScope, slot), 0);
    EXPECT_EQ(slot, 0);
    int p = createProcedure(s, "P", ValueKind::Integer);
    EXPECT_EQ(findVariable(s, "X", ValueKind::Integer, p), -1);
    ASSERT_EQ(createVariable(s, "x", ValueKind::Integer, 2, p, slot), 0);
    EXPECT_EQ(slot, localSlotBase);
    ASSERT_EQ(createVariable(s, "g", ValueKind::Integer, 3, globalScope, slot), 0);
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(findVariable(s, "G", ValueKind::Integer, p), 1);
    EXPECT_EQ(findVariable(s, "x", ValueKind::Integer, mainScope), 0);
    EXPECT_EQ(findVariable(s, "x", ValueKind::Float, mainScope), -1);
}

TEST(Symbols, EachKindHasItsOwn5000Slots) {
    Symbols s;
    int slot = 0;
    for (int i = 0; i < 5000; ++i)
        ASSERT_EQ(createVariable(s, "v" + std::to_string(i), ValueKind::Integer, 1, mainScope, slot), 0);
    EXPECT_EQ(slot, 4999);
    EXPECT_EQ(createVariable(s, "over", ValueKind::Integer, 1, mainScope, slot), TooManyVariables);
    EXPECT_EQ(createVariable(s, "f", ValueKind::Float, 1, mainScope, slot), 0);
    EXPECT_EQ(slot, 0);
}

TEST(Symbols, SetupSizesCountTheScopeAndForTheMainProgramTheGlobals) {
    Symbols s;
    int slot = 0;
    int index = 0;
    createVariable(s, "a", ValueKind::Integer, 1, mainScope, slot);
    createVariable(s, "g", ValueKind::Integer, 1, globalScope, slot);
    ArrayRecord array;
    array.name = "t";
    array.kind = ValueKind::Integer;
    array.sizes = {10, 10};
    ASSERT_EQ(createArray(s, array, index), 0);
    EXPECT_EQ(s.arrays[index].firstSlot, 2);
    EXPECT_EQ(s.arrays[index].lastSlot, 101);
    auto sizes = tableSizes(s, mainScope);
    EXPECT_EQ(sizes[0].count, 102);
    EXPECT_EQ(sizes[0].lowestSlot, 0);
    EXPECT_EQ(sizes[0].highestSlot, 101);
    EXPECT_EQ(sizes[1].count, 0);
}

TEST(Symbols, LabelsAreFoundOnlyInTheirScope) {
    Symbols s;
    int n = 0;
    ASSERT_EQ(createLabel(s, "", mainScope, true, 0, n), 0);
    ASSERT_EQ(createLabel(s, "here", mainScope, true, 1, n), 0);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(findLabel(s, "HERE", mainScope), 1);
    EXPECT_EQ(findLabel(s, "here", 1), -1);
}

}  // namespace
