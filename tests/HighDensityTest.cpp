// Runs with QT_SCALE_FACTOR=2: the window on a screen of twice the usual density; and its icon.
#include "SheetFiles.h"

#include "Form1.h"
#include "PictureBox.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(HighDensity, ArtworkAndSheetsAreDrawnAtDevicePixels)
{
    ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), 2.0);
    QTemporaryDir dir;
    ASSERT_TRUE(testing_support::writeBytes(dir.filePath("airtower.qpk"),
                                            testing_support::encoded(Qt::red, "png")));
    const std::string folder = dir.path().toStdString();
    shell::Form1 form(sheets::SheetPlaces{{folder}, {}, folder});
    form.Form_Load();
    form.show();

    // The open ground below the picture box, drawn pixel for pixel from the double-size artwork.
    const QRect ground(480, 720, 440, 150);
    const QImage window = form.grab().toImage();
    const QImage dense = QImage(QStringLiteral(":/propscope/background@2x.jpg"));
    EXPECT_EQ(window.copy(ground), dense.convertToFormat(window.format()).copy(ground));

    form.chooseEntry(1, 0);
    EXPECT_EQ(form.image()->picture().size(), QSize(786, 610));
    EXPECT_DOUBLE_EQ(form.image()->picture().devicePixelRatio(), 2.0);
}

TEST(Icon, IsOneDesign)
{
    const QString resources = QStringLiteral(PROPSCOPE_RESOURCES_DIR);
    const QImage window =
        QImage(resources + "/tesselbox.ico").convertToFormat(QImage::Format_ARGB32);
    const QImage theme = QImage(resources + "/icons/hicolor/32x32/apps/org.vorrin.Propscope.png")
                             .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(window.size(), QSize(32, 32));
    EXPECT_EQ(window, theme) << "the 32 px icon is the window icon's own image";
}
