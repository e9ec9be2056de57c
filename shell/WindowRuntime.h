#pragma once

#include "Runtime.h"
#include "SheetLoader.h"

namespace shell {

class Form1;

// The run-time error that stands for why a sheet could not be had.
preview::ErrorNumber errorNumberOf(sheets::SheetError error);

// The window operations the selection procedure works through, on Form1's controls. Sheets are
// decoded straight to Image1's device pixels; why one could not be had becomes a run-time error.
class WindowRuntime final : public preview::Runtime {
public:
    WindowRuntime(Form1 &form, sheets::SheetLoader loader);

    void setListText(int list, std::string_view text) override;
    int listIndex(int list) const override;
    preview::ErrorNumber loadPicture(std::string_view fileName) override;
    void msgBox(std::string_view prompt,
                std::optional<std::string_view> title = std::nullopt) override;

private:
    Form1 &m_form;
    sheets::SheetLoader m_loader;
};

} // namespace shell
