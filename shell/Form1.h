#pragma once

#include "Dialogs.h"
#include "SheetFolders.h"
#include "SheetLoader.h"
#include "SheetNames.h"
#include "WindowDescription.h"
#include "WindowRuntime.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <chrono>
#include <memory>

namespace sheets {
class SheetFolderWatch;
}

namespace shell {

class CatalogueList;
class FindPopup;
class Gallery;
class ImportActions;
class PictureBox;
class SheetActions;

// The main window: seven labelled lists, the picture box and two buttons on the artwork.
// Sheets are looked for in `places` and decoded by the helpers of `decoders` (here, in the
// window's process, for tools and tests that give none); what the window asks or tells goes through
// `dialogs` (Qt's own when none are given).
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(sheets::SheetPlaces places = {}, std::unique_ptr<Dialogs> dialogs = nullptr,
                   std::shared_ptr<sheets::DecodeService> decoders = nullptr,
                   QWidget *parent = nullptr);
    ~Form1() override;

    Dialogs &dialogs() const { return *m_dialogs; }

    // Event handlers, named after their control and event.
    void Form_Load();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Combo5_Click();
    void Combo6_Click();
    void Combo7_Click();
    void Command1_Click();
    void Command2_Click();

    CatalogueList *list(int number) const;
    PictureBox *image() const { return m_image; }
    FindPopup *findPopup() const { return m_find; }
    SheetActions *sheetActions() const { return m_actions; }
    ImportActions *importActions() const { return m_imports; }

    // Chooses entry `index` of list `number` as if the user had picked it there.
    void chooseEntry(int number, int index);
    // Opens the search over all lists (Ctrl+F).
    void showFind();
    // Opens the gallery of all entries (Ctrl+G).
    void showGallery();
    Gallery *gallery() const { return m_gallery.get(); }

    // How long a choice, a copy or a picture being added waits for its decoder before the window
    // goes on and finishes it when the answer comes.
    void setPatience(std::chrono::milliseconds patience);
    // Whether the sheets beside a choice are decoded ahead, and decoded sheets kept (on unless
    // switched off).
    void setPreloading(bool on);
    const WindowRuntime *runtime() const { return m_runtime; }

    // Looks again whether any real sheet folder holds a sheet, and while none does, says in
    // Image1 and the gallery where sheets go and how to add them.
    void updateSheetHint();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void stackListsAndButtonsOnTop();
    void nameListsByTheirLabels();
    void setFocusOrder();
    void connectHandlers();
    QWidget *control(ControlKind kind, int number) const;

    void listClicked(int number);
    void letMaximise(Qt::WindowState state);
    void keepOwnSize();
    void sheetsChanged(const QStringList &sheets, bool picked);
    void sheetFilesChanged(const QStringList &sheets);
    const QPixmap &artwork();

    const sheets::SheetPlaces m_places;
    const sheets::SheetNames m_names;
    std::unique_ptr<Dialogs> m_dialogs;
    const sheets::SheetLoader m_loader;
    bool m_shownOnce = false;
    std::array<QWidget *, kControls.size()> m_controls{}; // in the description's order
    WindowRuntime::Lists m_lists{};
    PictureBox *m_image = nullptr;
    WindowRuntime *m_runtime = nullptr;
    FindPopup *m_find = nullptr;
    SheetActions *m_actions = nullptr;
    ImportActions *m_imports = nullptr;
    sheets::SheetFolderWatch *m_watch = nullptr;
    std::unique_ptr<Gallery> m_gallery; // a window of its own, not a child of this one
    QPixmap m_artwork;                  // decoded at the first paint, at the screen's density
};

} // namespace shell
