// The fair floor for start-up: the main window's controls, its 209 list texts, its font and its
// artwork, read from the same built-in picture by the same reader and drawn as a pixmap in the
// paint event, but no icons, sheet lookup or decoding helpers, built by the same build from the
// same classes.
#include "CatalogueList.h"
#include "CommandButton.h"
#include "PictureBox.h"
#include "QtText.h"
#include "Startup.h"
#include "WindowDescription.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

// The artwork lives in the window's static library, which registers it only when asked.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

class ArtworkWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        // Decoded at the first paint, at the screen's density, as the window does.
        const bool dense = devicePixelRatioF() >= 1.5;
        const qreal ratio = dense ? 2.0 : 1.0;
        if (m_artwork.isNull() || !qFuzzyCompare(m_artwork.devicePixelRatio(), ratio)) {
            QImageReader reader(dense ? QStringLiteral(":/propscope/background@2x.jpg")
                                      : QStringLiteral(":/propscope/background.jpg"),
                                "jpeg");
            reader.setAutoDetectImageFormat(false);
            m_artwork = QPixmap::fromImage(reader.read());
            m_artwork.setDevicePixelRatio(ratio);
        }
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_artwork);
    }

private:
    QPixmap m_artwork;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    initResources();
    shell::useEightPointFont();
    ArtworkWindow window;
    window.setFixedSize(shell::twipsToPixels(shell::kClientWidthTwips),
                        shell::twipsToPixels(shell::kClientHeightTwips));
    for (const shell::ControlDescription &c : shell::kControls) {
        QWidget *control = nullptr;
        if (c.kind == shell::ControlKind::List) {
            auto *list = new shell::CatalogueList(&window);
            for (const catalogue::Entry &e : catalogue::category(c.number)->entries)
                list->addItem(sheets::qs(e.text));
            list->clearText();
            control = list;
        } else if (c.kind == shell::ControlKind::Button) {
            control = new shell::CommandButton(sheets::qs(c.caption), &window);
        } else if (c.kind == shell::ControlKind::Label) {
            control = new QLabel(sheets::qs(c.caption), &window);
        } else {
            control = new shell::PictureBox(&window);
        }
        control->setGeometry(c.pixelLeft(), c.pixelTop(), c.pixelWidth(), c.pixelHeight());
    }
    window.show();
    return app.exec();
}
