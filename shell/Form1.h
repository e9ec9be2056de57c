#pragma once

#include "SheetLoader.h"
#include "WindowDescription.h"
#include "WindowRuntime.h"

#include <QPixmap>
#include <QWidget>

#include <array>

namespace shell {

class CatalogueList;
class FindPopup;
class Gallery;
class PictureBox;
class SheetActions;

// The main window: seven labelled lists, the picture box and two buttons on the artwork.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(sheets::SheetLoader loader = sheets::SheetLoader(), QWidget *parent = nullptr);
    ~Form1() override;

    void setMessagePresenter(MessagePresenter presenter);

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

    // Chooses entry `index` of list `number` as if the user had picked it there.
    void chooseEntry(int number, int index);
    // Opens the search over all lists (Ctrl+F).
    void showFind();
    // Opens the gallery of all entries (Ctrl+G).
    void showGallery();
    Gallery *gallery() const { return m_gallery; }

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    void stackListsAndButtonsOnTop();
    void nameListsByTheirLabels();
    void setFocusOrder();
    void connectHandlers();
    QWidget *control(ControlKind kind, int number) const;

    void listClicked(int number);
    const QPixmap &artwork();

    sheets::SheetLoader m_loader;
    WindowRuntime m_runtime;
    std::array<QWidget *, kControls.size()> m_controls{}; // in the description's order
    std::array<CatalogueList *, catalogue::kCategoryCount> m_lists{};
    PictureBox *m_image = nullptr;
    FindPopup *m_find = nullptr;
    SheetActions *m_actions = nullptr;
    Gallery *m_gallery = nullptr;
    QPixmap m_artwork; // decoded at the first paint, at the screen's density
};

} // namespace shell
