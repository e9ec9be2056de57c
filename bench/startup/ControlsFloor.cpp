// The fair floor for start-up: the main window's controls, its 209 list texts, its font, its icon
// and its artwork, read by the same code from the same built-in pictures and drawn as a pixmap in
// the paint event, but no sheet lookup or decoding helpers, built by the same build from the
// same classes.
#include "BuiltInPictures.h"
#include "CatalogueList.h"
#include "CommandButton.h"
#include "PictureBox.h"
#include "QtText.h"
#include "Startup.h"
#include "WindowDescription.h"

#include <QApplication>
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
        if (!shell::isArtworkFor(m_artwork, devicePixelRatioF()))
            m_artwork = shell::windowArtwork(devicePixelRatioF());
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
    window.setWindowIcon(shell::programIcon()); // as the window does when it is first shown
    window.show();
    return app.exec();
}
