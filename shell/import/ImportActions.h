#pragma once

#include "SheetLoader.h"
#include "SheetNames.h"
#include "SheetStore.h"

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>

#include <chrono>
#include <memory>
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
struct SheetOutcome;

// How the user brings their own pictures: Add Sheets… (folders and files, also dropped on the
// window), and for the entry chosen last, Paste Picture (Ctrl+V on Image1), a picture dropped
// on Image1, or Use Picture for This Entry…. Every sheet lands in the user's sheet folder.
class ImportActions : public QObject {
    Q_OBJECT
public:
    ImportActions(PictureBox *box, sheets::SheetStore store, const sheets::SheetNames &names,
                  sheets::SheetLoader loader, Dialogs &dialogs);

    // The entry chosen last, whose sheet a pasted or dropped picture becomes: its list and
    // sheet. Until a choice, the actions for it are off.
    struct Chosen {
        int list;
        std::string sheet;
        QString entry; // its text
    };
    void follow(const SheetOutcome &outcome);
    // How long a picture being checked by its decoder is waited for before the window goes on.
    void setPatience(std::chrono::milliseconds patience) { m_patience = patience; }
    const std::optional<Chosen> &chosen() const { return m_chosen; }

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

    // A picture on its way to becoming the chosen entry's sheet: open, and what it is called.
    struct Offered {
        std::string sheet;
        std::shared_ptr<sheets::FileDescriptor> source;
        QString what;
        sheets::SheetStore::Existing existing = sheets::SheetStore::Existing::None;
        QImage preview = {}; // as decoded, for the question
    };

    // What became of writing a picture as a sheet: an error, or none.
    struct Written {
        std::string sheet;
        QString error;
        bool existed = false; // a sheet was there before
    };

signals:
    // Sheets that were added or replaced; `picked` when it was the chosen entry's picture.
    void sheetsChanged(const QStringList &sheets, bool picked);

private:
    void usePicture(const QMimeData *data);
    void useFile(const QString &path);
    void useImage(const QMimeData *data);
    void check(const Offered &offered);
    void checked(const Offered &offered, const sheets::DecodeResult &check);
    void confirmAndWrite(const Offered &offered);

    PictureBox *m_box;
    const sheets::SheetStore m_store;
    const sheets::SheetNames &m_names;
    const sheets::SheetLoader m_loader;
    Dialogs &m_dialogs;
    SheetImporter *m_importer;
    QAction *m_addSheets;
    QAction *m_paste;
    QAction *m_usePicture;
    std::optional<Chosen> m_chosen;
    std::chrono::milliseconds m_patience;
    sheets::PendingDecode m_checking;    // a picture file being decoded before the question
    QFutureWatcher<Offered> m_encoding;  // a pasted picture being written as PNG
    QFutureWatcher<Offered> m_comparing; // a picture held against the sheet there now
    QFutureWatcher<Written> m_writing;   // a picture on its way into the sheet folder
};

} // namespace shell
