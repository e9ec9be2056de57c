// Runs with QT_SCALE_FACTOR=2: the window on a screen of twice the usual density.
#include "SheetFiles.h"

#include "Form1.h"
#include "PictureBox.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace shell;
using sheets::SheetLoader;
using sheets::SheetLocator;

namespace {

// How steep the sharpest edges are: the step between neighbouring pixels that only 1% of steps
// exceed. Blowing a picture up spreads each edge over more pixels and flattens it.
int edgeSteepness(const QImage &image)
{
    std::vector<int> steps;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x)
            steps.push_back(std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y))));
    std::sort(steps.begin(), steps.end());
    return steps[steps.size() * 99 / 100];
}

} // namespace

TEST(HighDensity, ArtworkIsDrawnFromItsDoubleSizeVersion)
{
    ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), 2.0);
    Form1 form;
    form.Form_Load();
    form.show();
    const QImage window = form.grab().toImage();
    ASSERT_EQ(window.size(), QSize(1300, 878));

    // The open ground below the picture box, in device pixels.
    const QRect ground(480, 720, 440, 150);
    const QImage shown = window.copy(ground);
    const QImage dense = QImage(QStringLiteral(":/propscope/background@2x.jpg"))
                             .convertToFormat(shown.format())
                             .copy(ground);
    EXPECT_EQ(shown, dense) << "drawn pixel for pixel, not scaled";

    // Against the 1x artwork blown up, as Qt would do without the double-size version.
    const QImage blownUp = QImage(QStringLiteral(":/propscope/background.jpg"))
                               .scaled(1304, 890, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .copy(ground);
    std::printf("  edge steepness: %d shown, %d blown up\n", edgeSteepness(shown),
                edgeSteepness(blownUp));
    EXPECT_GT(edgeSteepness(shown), 1.3 * edgeSteepness(blownUp));
}

TEST(HighDensity, SheetsAreDecodedAtDevicePixelsAndIconsComeLarge)
{
    QTemporaryDir dir;
    ASSERT_TRUE(testing_support::writeSheet(dir.path(), "airtower.qpk", Qt::red));
    Form1 form(SheetLoader(SheetLocator(testing_support::folderList({dir.path()}))));
    form.Form_Load();
    form.show();
    form.chooseEntry(1, 0);
    const QPixmap &picture = form.image()->picture();
    EXPECT_EQ(picture.size(), QSize(786, 610));
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), 2.0);

    const QList<QSize> sizes = form.windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
}
