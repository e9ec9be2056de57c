#include "Catalogue.h"

namespace catalogue {

const Category *category(int number)
{
    if (number < 1 || number > kCategoryCount)
        return nullptr;
    return &kCategories[static_cast<std::size_t>(number - 1)];
}

const Entry *entry(int number, int index)
{
    const Category *c = category(number);
    if (c == nullptr || index < 0 || index >= c->entryCount())
        return nullptr;
    return &c->entries[static_cast<std::size_t>(index)];
}

std::optional<std::string_view> sheetFor(int number, int index)
{
    if (const Entry *e = entry(number, index))
        return e->sheet;
    return std::nullopt;
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
