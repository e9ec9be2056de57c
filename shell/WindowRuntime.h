#pragma once

#include "Catalogue.h"
#include "Runtime.h"
#include "SheetLoader.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <array>
#include <string>

namespace shell {

class CatalogueList;
class Dialogs;
class PictureBox;

// What one choice's sheet came to: shown in Image1, or refused with the reason.
struct SheetOutcome {
    int list = 0; // the entry chosen
    int index = -1;
    std::string sheet;
    sheets::SheetError error = sheets::SheetError::None;
    std::string path; // the file found, from the root, as bytes; empty when none was
    QSize fullSize;   // the picture's own size, when its header could be read

    bool isShown() const { return error == sheets::SheetError::None; }
    QString entryText() const;
};

// The window operations the selection procedure works through, on the seven lists and Image1.
// Sheets are decoded straight to Image1's device pixels; why one could not be had becomes a
// run-time error with the reason's words. Every load is announced, shown or refused, to whatever
// follows the choices.
class WindowRuntime final : public QObject, public preview::Runtime {
    Q_OBJECT
public:
    using Lists = std::array<CatalogueList *, catalogue::kCategoryCount>;

    WindowRuntime(Lists lists, PictureBox *image, sheets::SheetLoader loader, Dialogs &dialogs);

    void clearList(int list) override;
    int listIndex(int list) const override;
    preview::RuntimeError loadPicture(int list, std::string_view sheet) override;
    void msgBox(std::string_view prompt,
                std::optional<std::string_view> title = std::nullopt) override;

signals:
    void sheetLoaded(const shell::SheetOutcome &outcome);

private:
    CatalogueList *list(int number) const;

    const Lists m_lists;
    PictureBox *m_image;
    const sheets::SheetLoader m_loader;
    Dialogs &m_dialogs;
};

} // namespace shell
