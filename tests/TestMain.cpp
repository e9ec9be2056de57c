// GoogleTest entry for tests that need Qt, on the offscreen platform, with the font and the
// decoding limit that the program sets at start.
#include "SheetDecode.h"

#ifdef PROPSCOPE_TEST_WIDGETS
#include "Startup.h"

#include <QApplication>
using Application = QApplication;
#else
#include <QGuiApplication>
using Application = QGuiApplication;
#endif

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
#ifdef PROPSCOPE_TEST_WIDGETS
    shell::useEightPointFont();
#endif
    sheets::installAllocationLimit();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
