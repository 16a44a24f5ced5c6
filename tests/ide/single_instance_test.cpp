#include "single_instance.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <unistd.h>

TEST(SingleInstanceTest, ASecondStartReachesTheFirst) {
    const QString name = QStringLiteral("orb-single-instance-test-%1").arg(::getpid());
    SingleInstance first(name);
    EXPECT_FALSE(first.activateRunningInstance());  // nobody is listening yet
    ASSERT_TRUE(first.listen());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);
    SingleInstance second(name);
    EXPECT_TRUE(second.activateRunningInstance());
    ASSERT_TRUE(activated.wait(2000));
    EXPECT_TRUE(activated[0][0].toStringList().isEmpty());
}

TEST(SingleInstanceTest, ASecondStartHandsOverItsFiles) {
    const QString name = QStringLiteral("orb-single-instance-files-%1").arg(::getpid());
    SingleInstance first(name);
    ASSERT_TRUE(first.listen());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);
    SingleInstance second(name);
    const QStringList files{QStringLiteral("/tmp/a game.orb"), QString::fromUtf8("/tmp/Gr\xC3\xBC\xC3\x9F" "e.orb")};
    EXPECT_TRUE(second.activateRunningInstance(files));
    ASSERT_TRUE(activated.wait(2000));
    EXPECT_EQ(activated[0][0].toStringList(), files);
}
