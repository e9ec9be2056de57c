// GoogleTest entry for tests that need a QApplication (run under the offscreen platform).
#include "SheetLoader.h"
#include "Startup.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    shell::useEightPointFont();
    sheets::installAllocationLimit();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
