// Qt's keys and mouse as the phone's input events.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "input_queue.h"
#include "key_codes.h"

TEST(KeyCodes, LettersAndDigitsAreTheirUpperCaseCharacters) {
    EXPECT_EQ(virtualKeyOf(Qt::Key_A), 65);
    EXPECT_EQ(virtualKeyOf(Qt::Key_Z), 90);
    EXPECT_EQ(virtualKeyOf(Qt::Key_0), 48);
    EXPECT_EQ(virtualKeyOf(Qt::Key_9), 57);
}

TEST(KeyCodes, PhoneKeysComeFromCursorKeysEnterAndF1ToF4) {
    EXPECT_EQ(virtualKeyOf(Qt::Key_Up), 38);
    EXPECT_EQ(virtualKeyOf(Qt::Key_Down), 40);
    EXPECT_EQ(virtualKeyOf(Qt::Key_Left), 37);
    EXPECT_EQ(virtualKeyOf(Qt::Key_Right), 39);
    EXPECT_EQ(virtualKeyOf(Qt::Key_Return), 13);
    EXPECT_EQ(virtualKeyOf(Qt::Key_Enter), 13);
    EXPECT_EQ(virtualKeyOf(Qt::Key_F1), 112);
    EXPECT_EQ(virtualKeyOf(Qt::Key_F4), 115);
}

TEST(KeyCodes, KeysWithoutACodeGiveZero) {
    EXPECT_EQ(virtualKeyOf(Qt::Key_VolumeUp), 0);
    EXPECT_EQ(virtualKeyOf(Qt::Key_unknown), 0);
}

TEST(InputQueue, KeysGoDownAndUpInOrder) {
    InputQueue queue;
    queueKey(queue, QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier), true);
    queueKey(queue, QKeyEvent(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier), false);
    ASSERT_EQ(queue.size(), 2u);
    EXPECT_EQ(queue[0].kind, InputKind::keyDown);
    EXPECT_EQ(queue[0].a, 65);
    EXPECT_EQ(queue[1].kind, InputKind::keyUp);
    EXPECT_EQ(queue[1].a, 65);
}

TEST(InputQueue, RepeatedReleasesOfAHeldKeyAreDropped) {
    InputQueue queue;
    queueKey(queue, QKeyEvent(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QString(), true), false);
    queueKey(queue, QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString(), true), true);
    ASSERT_EQ(queue.size(), 1u);
    EXPECT_EQ(queue[0].kind, InputKind::keyDown);
}

TEST(InputQueue, AltF4IsTheCloseBox) {
    InputQueue queue;
    queueKey(queue, QKeyEvent(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier), true);
    ASSERT_EQ(queue.size(), 1u);
    EXPECT_EQ(queue[0].kind, InputKind::close);
}

TEST(InputQueue, AWaitingMoveIsReplacedByTheNextMove) {
    InputQueue queue;
    queueInput(queue, {0, InputKind::press, 1, 2});
    queueInput(queue, {0, InputKind::move, 3, 4});
    queueInput(queue, {0, InputKind::move, 5, 6});
    ASSERT_EQ(queue.size(), 2u);
    EXPECT_EQ(queue[1].a, 5);
    EXPECT_EQ(queue[1].b, 6);
    queueInput(queue, {0, InputKind::release, 5, 6});
    queueInput(queue, {0, InputKind::move, 7, 8});
    EXPECT_EQ(queue.size(), 4u);
}
