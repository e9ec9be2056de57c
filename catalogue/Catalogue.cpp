#include "Catalogue.h"

namespace catalogue {

const Category *category(int number)
{
    if (number < 1 || number > kCategoryCount)
        return nullptr;
    return &kCategories[static_cast<std::size_t>(number - 1)];
}

std::optional<std::string_view> sheetFor(int number, int index)
{
    const Category *c = category(number);
    if (c == nullptr || index < 0 || index >= c->entryCount())
        return std::nullopt;
    return c->entries[static_cast<std::size_t>(index)].sheet;
}

std::vector<std::string_view> entriesShowing(std::string_view sheet)
{
    std::vector<std::string_view> texts;
    for (const Category &c : kCategories) {
        for (const Entry &e : c.entries) {
            if (e.sheet == sheet)
                texts.push_back(e.text);
        }
    }
    return texts;
}

} // namespace catalogue
