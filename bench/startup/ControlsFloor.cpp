// The fair floor for start-up: the main window's controls, its 209 list texts and its font, but
// no artwork, icons or sheet lookup, built by the same build from the same classes.
#include "CatalogueList.h"
#include "CommandButton.h"
#include "PictureBox.h"
#include "QtText.h"
#include "Startup.h"
#include "WindowDescription.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    shell::useEightPointFont();
    QWidget window;
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
