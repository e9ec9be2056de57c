#pragma once

#include "SheetNames.h"
#include "SheetStore.h"

#include <QObject>
#include <QStringList>

#include <optional>
#include <string>

class QAction;
class QImage;
class QMimeData;
class QWidget;

namespace shell {

class Dialogs;
class PictureBox;
class SheetImporter;

// How the user brings their own pictures: Add Sheets… (folders and files, also dropped on the
// window), and for the entry chosen last, Paste Picture (Ctrl+V on Image1), a picture dropped
// on Image1, or Use Picture for This Entry…. Every sheet lands in the user's sheet folder.
class ImportActions : public QObject {
    Q_OBJECT
public:
    ImportActions(PictureBox *box, sheets::SheetStore store, const sheets::SheetNames &names,
                  Dialogs &dialogs);

    // The sheet of the entry chosen last, which a pasted or dropped picture becomes; nothing
    // turns the actions for it off.
    void setChosenSheet(std::optional<std::string> sheet);

    QAction *addSheetsAction() const { return m_addSheets; }
    QAction *pasteAction() const { return m_paste; }
    QAction *usePictureAction() const { return m_usePicture; }
    SheetImporter *importer() const { return m_importer; }

    void addSheets();
    void addFrom(const QStringList &paths);
    void paste();
    void usePictureFile();
    // Files dropped on the window, or files or a picture on Image1.
    void drop(const QMimeData *data, bool onPicture);

signals:
    // Sheets that were added or replaced; `picked` when it was the chosen entry's picture.
    void sheetsChanged(const QStringList &sheets, bool picked);

private:
    void usePicture(const QMimeData *data);
    void useFile(const QString &path);
    void useImage(const QImage &image);
    void confirmAndWrite(const std::string &sheet, int source, const QString &what);

    PictureBox *m_box;
    const sheets::SheetStore m_store;
    const sheets::SheetNames &m_names;
    Dialogs &m_dialogs;
    SheetImporter *m_importer;
    QAction *m_addSheets;
    QAction *m_paste;
    QAction *m_usePicture;
    std::optional<std::string> m_chosenSheet;
};

} // namespace shell
