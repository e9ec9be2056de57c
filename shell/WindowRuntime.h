#pragma once

#include "Runtime.h"
#include "SheetLoader.h"

#include <QString>

#include <functional>

class QWidget;

namespace shell {

class Form1;

// Shows a message box and returns when it is closed; tests and benchmarks put a recorder here.
using MessagePresenter =
    std::function<void(QWidget *parent, const QString &prompt, const QString &title)>;

// The run-time error that stands for why a sheet could not be had.
preview::ErrorNumber errorNumberOf(sheets::SheetError error);

// The real message box: one OK button, no icon, modal for the whole application.
void showMessageBox(QWidget *parent, const QString &prompt, const QString &title);

// The window operations the selection procedure works through, on Form1's controls. Sheets are
// decoded straight to Image1's device pixels; why one could not be had becomes a run-time error.
class WindowRuntime final : public preview::Runtime {
public:
    WindowRuntime(Form1 &form, sheets::SheetLoader loader);

    void setMessagePresenter(MessagePresenter presenter) { m_presenter = std::move(presenter); }

    void setListText(int list, std::string_view text) override;
    int listIndex(int list) const override;
    preview::ErrorNumber loadPicture(std::string_view fileName) override;
    void msgBox(std::string_view prompt,
                std::optional<std::string_view> title = std::nullopt) override;

private:
    Form1 &m_form;
    sheets::SheetLoader m_loader;
    MessagePresenter m_presenter;
};

} // namespace shell
