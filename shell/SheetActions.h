#pragma once

#include "SheetLoader.h"

#include <QObject>
#include <QPointer>

class QAction;

namespace shell {

class PictureBox;
class SheetViewer;
class WindowRuntime;
struct SheetOutcome;

// What can be done with the sheet Image1 shows, offered in its context menu: view it at full
// size, copy the picture or the file's path, open the folder that holds it. Each is disabled
// while Image1 shows nothing. An open viewer follows the choices.
class SheetActions : public QObject {
    Q_OBJECT
public:
    SheetActions(PictureBox *box, sheets::SheetLoader loader, WindowRuntime &runtime);

    SheetViewer *viewer() const;
    QAction *viewAction() const { return m_view; }
    QAction *copyPictureAction() const { return m_copyPicture; }
    QAction *copyPathAction() const { return m_copyPath; }

    void view();
    void copyPicture();

private:
    void follow(const SheetOutcome &outcome);

    PictureBox *m_box;
    sheets::SheetLoader m_loader;
    WindowRuntime &m_runtime;
    QAction *m_view;
    QAction *m_copyPicture;
    QAction *m_copyPath;
    QAction *m_openFolder;
    QPointer<SheetViewer> m_viewer;
    QString m_entry; // the entry whose sheet Image1 shows
};

} // namespace shell
