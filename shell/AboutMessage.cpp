#include "AboutMessage.h"

#include <array>

namespace shell {

std::string aboutText()
{
    const std::string lf = "\n";
    const std::string separator(66, '_');
    const std::array<std::string, 21> pieces = {
        "Vorrin Propscope Version 1.2",
        lf,
        lf,
        "Version 1.2 Mission Terrain views Added",
        lf,
        lf,
        "Written by Tessel, 2025-2026",
        lf,
        "Member of the Vorrin Quill mission team",
        lf,
        separator,
        lf,
        "Thanks to the sheet painter, who made every picture",
        lf,
        "Thanks to the map tester, who tried every list",
        lf,
        lf,
        "Propscope is freeware: copy it and share it freely.",
        lf,
        "I will continue to add items to the list in future versions.",
        lf,
    };
    std::string text;
    for (const std::string &piece : pieces)
        text += piece;
    return text;
}

} // namespace shell
