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
    EXPECT_TRUE(activated.wait(2000));
}
