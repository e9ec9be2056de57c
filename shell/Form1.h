#pragma once

#include "Runtime.h"
#include "SheetLoader.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace shell {

class CatalogueList;
class FindPopup;
class PictureBox;

// The main window: seven labelled lists, the picture box and two buttons on the artwork. It is
// also the window layer that the selection procedure works through.
class Form1 : public QWidget, public preview::Runtime {
    Q_OBJECT
public:
    // Shows a message box and returns when it is closed; tests and benchmarks put a recorder here.
    using MessagePresenter =
        std::function<void(QWidget *parent, const QString &prompt, const QString &title)>;

    explicit Form1(SheetLoader loader = SheetLoader(), QWidget *parent = nullptr);
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

    // The window operations the selection procedure uses.
    void setListText(int list, std::string_view text) override;
    std::int16_t listIndex(int list) const override;
    preview::LoadedPicture loadPicture(std::string_view fileName) override;
    preview::ErrorNumber setImagePicture(preview::PicturePtr picture) override;
    void msgBox(std::string_view prompt, int buttons,
                std::optional<std::string_view> title = std::nullopt) override;

    CatalogueList *list(int number) const;
    PictureBox *image() const { return m_image; }
    FindPopup *findPopup() const { return m_find; }

    // Chooses entry `index` of list `number` as if the user had picked it there.
    void chooseEntry(int number, int index);
    // Opens the search over all lists (Ctrl+F).
    void showFind();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void listClicked(int number);
    const QPixmap &artwork();

    SheetLoader m_loader;
    MessagePresenter m_presenter;
    std::array<CatalogueList *, 7> m_lists{};
    PictureBox *m_image = nullptr;
    FindPopup *m_find = nullptr;
    QPixmap m_artwork; // decoded at the first paint, at the screen's density
};

// The real message box: one OK button, no icon, modal for the whole application.
void showMessageBox(QWidget *parent, const QString &prompt, const QString &title);

} // namespace shell
