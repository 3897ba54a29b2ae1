#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    const TestEnvironment environment;
    return RUN_ALL_TESTS();
}
