// GoogleTest entry for tests that need Qt, on the offscreen platform, with the font and the
// decoding limit that the program sets at start, and a cache folder of their own, so that no
// test touches the desktop's thumbnails.
#include "SheetDecode.h"

#ifdef PROPSCOPE_TEST_WIDGETS
#include "Startup.h"

#include <QApplication>
using Application = QApplication;
#else
#include <QGuiApplication>
using Application = QGuiApplication;
#endif

#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    const QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    Application app(argc, argv);
#ifdef PROPSCOPE_TEST_WIDGETS
    shell::useEightPointFont();
#endif
    sheets::installAllocationLimit();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
