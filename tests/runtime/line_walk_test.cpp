// Inline finds a point on the walk without walking to it; the closed form must
// agree with the error rule step by step.
#include "line_walk.h"

#include <gtest/gtest.h>

namespace {

// The walk as the error rule states it, from (x1, y1) to (x2, y2), x2 >= x1, y2 >= y1.
int32_t walkedSteps(int32_t x, int32_t y, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int32_t dx = x2 - x1, dy = y2 - y1;
    const bool xMajor = dx >= dy;
    const int32_t D = xMajor ? dx : dy, d = xMajor ? dy : dx;
    int32_t major = xMajor ? x1 : y1, minor = xMajor ? y1 : x1, error = 2 * d - D;
    for (int32_t k = 0; k <= D; ++k) {
        if ((xMajor ? major : minor) == x && (xMajor ? minor : major) == y) return k;
        if (error >= 0) {
            ++minor;
            error += 2 * (d - D);
        } else {
            error += 2 * d;
        }
        ++major;
    }
    return -1;
}

TEST(Inline, FindsPointsOnTheDiagonal) {
    EXPECT_EQ(lineWalkSteps(5, 5, 0, 0, 10, 10), 5);
    EXPECT_EQ(lineWalkSteps(0, 0, 10, 10, 0, 0), 0);  // the corners are put in order first
    EXPECT_EQ(lineWalkSteps(11, 5, 0, 0, 10, 10), -1);
    EXPECT_EQ(lineWalkSteps(3, 3, 3, 3, 3, 3), 0);
}

TEST(Inline, AgreesWithTheStepByStepWalk) {
    for (int32_t x2 = 0; x2 <= 9; ++x2)
        for (int32_t y2 = 0; y2 <= 9; ++y2)
            for (int32_t x = 0; x <= x2; ++x)
                for (int32_t y = 0; y <= y2; ++y)
                    ASSERT_EQ(lineWalkSteps(x, y, 0, 0, x2, y2), walkedSteps(x, y, 0, 0, x2, y2))
                        << x << "," << y << " to " << x2 << "," << y2;
}

TEST(Inline, HugeBoxesAnswerAtOnce) {
    EXPECT_EQ(lineWalkSteps(0, 0, -2000000000, -2000000000, 2000000000, 2000000000), 2000000000);
}

}  // namespace
