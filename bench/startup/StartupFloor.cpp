// The floor for start-up: a bare Qt Widgets window of the main window's size, nothing in it,
// built with the same flags as the program.
#include "WindowDescription.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(shell::twipsToPixels(shell::kClientWidthTwips),
                  shell::twipsToPixels(shell::kClientHeightTwips));
    window.show();
    return app.exec();
}
