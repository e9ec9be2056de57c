#pragma once

#include "SheetLoader.h"

#include <QFutureWatcher>
#include <QObject>

#include <memory>
#include <optional>

class QAction;

namespace shell {

class PictureBox;
class SheetViewer;
class WindowRuntime;
struct SheetOutcome;

// What can be done with the sheet Image1 shows, offered in its context menu: view it at full
// size, copy the picture or the file's path, open the folder that holds it. Each is disabled
// while Image1 shows nothing, and each has a key of its own anywhere in the main window. An open
// viewer follows the choices.
class SheetActions : public QObject {
    Q_OBJECT
public:
    SheetActions(PictureBox *box, sheets::SheetLoader loader, WindowRuntime &runtime);
    ~SheetActions() override;

    SheetViewer *viewer() const;
    QAction *viewAction() const { return m_view; }
    QAction *copyPictureAction() const { return m_copyPicture; }
    QAction *copyPathAction() const { return m_copyPath; }
    QAction *openFolderAction() const { return m_openFolder; }

    void view();
    // Puts the sheet on the clipboard once its decoder has read it; the window goes on meanwhile.
    void copyPicture();
    void openFolder();

    // What Copy Picture found: the picture at its own size and the file's own bytes.
    struct Copied {
        sheets::DecodeResult picture;
        std::optional<QByteArray> bytes;
    };

private:
    void follow(const SheetOutcome &outcome);
    void copied(const Copied &copy);

    PictureBox *m_box;
    sheets::SheetLoader m_loader;
    WindowRuntime &m_runtime;
    QAction *m_view;
    QAction *m_copyPicture;
    QAction *m_copyPath;
    QAction *m_openFolder;
    std::unique_ptr<SheetViewer> m_viewer; // a window of its own, not a child of the main one
    QString m_entry;                       // the entry whose sheet Image1 shows
    QFutureWatcher<Copied> m_copying;      // the copy on its way; a newer one takes its place
};

} // namespace shell
