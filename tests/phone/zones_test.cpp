#include <gtest/gtest.h>

#include "phone/zones.h"

TEST(Zones, OverlappingZonesGiveTheLowerNumber) {
    Phone phone;
    ASSERT_FALSE(setZone(phone, 3, 0, 0, 100, 100));
    ASSERT_FALSE(setZone(phone, 2, 50, 50, 150, 150));
    EXPECT_EQ(zoneAt(phone, 75, 75), 2);
    EXPECT_EQ(zoneAt(phone, 10, 10), 3);
    EXPECT_EQ(zoneAt(phone, 200, 200), 0);
}

TEST(Zones, CornersAreOrderedAndIncluded) {
    Phone phone;
    ASSERT_FALSE(setZone(phone, 1, 20, 30, 10, 5));
    EXPECT_EQ(zoneAt(phone, 10, 5), 1);
    EXPECT_EQ(zoneAt(phone, 20, 30), 1);
    EXPECT_EQ(zoneAt(phone, 21, 30), 0);
}

TEST(Zones, SwitchingOffHidesAZone) {
    Phone phone;
    ASSERT_FALSE(setZone(phone, 16, 0, 0, 10, 10));
    ASSERT_FALSE(zoneOff(phone, 16));
    EXPECT_EQ(zoneAt(phone, 5, 5), 0);
    ASSERT_FALSE(zoneOn(phone, 16));
    EXPECT_EQ(zoneAt(phone, 5, 5), 16);
}

TEST(Zones, NumbersOutsideOneToSixteenAreOutOfRange) {
    Phone phone;
    EXPECT_EQ(setZone(phone, 0, 0, 0, 1, 1), RunError::OutOfRange);
    EXPECT_EQ(setZone(phone, 17, 0, 0, 1, 1), RunError::OutOfRange);
    EXPECT_EQ(zoneOn(phone, 0), RunError::OutOfRange);
    EXPECT_EQ(zoneOff(phone, 17), RunError::OutOfRange);
}
