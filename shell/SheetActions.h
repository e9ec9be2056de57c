#pragma once

#include "SheetLoader.h"

#include <QObject>
#include <QPointer>

#include <string>

class QAction;
class QWidget;

namespace shell {

class PictureBox;
class SheetViewer;
class WindowRuntime;

// What can be done with the sheet Image1 shows, offered in its context menu: view it at full
// size, copy the picture or the file's path, open the folder that holds it. Each is disabled
// while Image1 shows nothing.
class SheetActions : public QObject {
    Q_OBJECT
public:
    SheetActions(PictureBox *box, sheets::SheetLoader loader, WindowRuntime &runtime);

    // Around a choice of `entry` in a list: the picture that the choice brings is that entry's,
    // and an open viewer follows to its sheet, or shows nothing when that cannot be read.
    void choosing(const QString &entry) { m_choosing = entry; }
    void chosen(const std::string &sheet, const QString &entry);

    SheetViewer *viewer() const;
    QAction *viewAction() const { return m_view; }
    QAction *copyPictureAction() const { return m_copyPicture; }

    void view();
    void copyPicture();

private:
    void pictureChanged();

    PictureBox *m_box;
    sheets::SheetLoader m_loader;
    WindowRuntime &m_runtime;
    QAction *m_view;
    QAction *m_copyPicture;
    QAction *m_copyPath;
    QAction *m_openFolder;
    QPointer<SheetViewer> m_viewer;
    QString m_choosing; // the entry being chosen
    QString m_entry;    // the entry whose sheet Image1 shows
};

} // namespace shell
