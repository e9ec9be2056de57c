#pragma once

#include "Catalogue.h"

#include <array>
#include <string_view>

namespace shell {

// Positions and sizes are in twips, as the window was laid out; a 96-dpi pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

inline constexpr std::string_view kFormCaption = "Vorrin Quillet Version 1.2";
inline constexpr int kClientWidthTwips = 9750;
inline constexpr int kClientHeightTwips = 6585;

enum class ControlKind { List, Button, Label, Picture };

struct ControlDescription {
    std::string_view name;
    ControlKind kind;
    int number; // the number in its name: 7 for Combo7, 10 for Label10
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
    int tabIndex; // -1: the control is not in the focus order

    constexpr int pixelLeft() const { return twipsToPixels(left); }
    constexpr int pixelTop() const { return twipsToPixels(top); }
    constexpr int pixelWidth() const { return twipsToPixels(width); }
    constexpr int pixelHeight() const { return twipsToPixels(height); }
};

inline constexpr std::string_view kMakersAddress = "makers@example.org";
inline constexpr std::string_view kAuthorAddress = "author@example.org";

// A list's label reads its category's caption.
constexpr std::string_view captionOf(int category)
{
    return catalogue::kCategories[std::size_t(category - 1)].caption;
}

// The controls in the order they are created.
// clang-format off
inline constexpr std::array<ControlDescription, 20> kControls{{
    // name       kind                  no  caption           left  top   width height tab
    {"Combo7",   ControlKind::List,    7,  "",                120,  4440, 3255, 315,   18},
    {"Combo6",   ControlKind::List,    6,  "",                120,  3840, 3255, 315,   16},
    {"Combo5",   ControlKind::List,    5,  "",                120,  3240, 3255, 315,   11},
    {"Command2", ControlKind::Button,  2,  "About...",        6960, 6000, 1215, 375,   9},
    {"Combo4",   ControlKind::List,    4,  "",                120,  2640, 3255, 315,   8},
    {"Combo3",   ControlKind::List,    3,  "",                120,  2040, 3255, 315,   6},
    {"Combo2",   ControlKind::List,    2,  "",                120,  1440, 3255, 315,   4},
    {"Command1", ControlKind::Button,  1,  "Exit",            8280, 6000, 1215, 375,   1},
    {"Combo1",   ControlKind::List,    1,  "",                120,  840,  3255, 315,   0},
    {"Label10",  ControlKind::Label,   10, captionOf(7),      120,  4200, 2055, 255,   17},
    {"Label9",   ControlKind::Label,   9,  captionOf(6),      120,  3600, 1575, 255,   15},
    {"Label8",   ControlKind::Label,   8,  "E-Mail:",         120,  5280, 1215, 255,   14},
    {"Label7",   ControlKind::Label,   7,  kMakersAddress,    120,  5520, 2535, 255,   13},
    {"Label5",   ControlKind::Label,   5,  kAuthorAddress,    120,  5760, 2655, 255,   12},
    {"Label6",   ControlKind::Label,   6,  captionOf(5),      120,  3000, 1095, 255,   10},
    {"Label4",   ControlKind::Label,   4,  captionOf(4),      120,  2400, 855,  255,   7},
    {"Label3",   ControlKind::Label,   3,  captionOf(3),      120,  1800, 1095, 255,   5},
    {"Label2",   ControlKind::Label,   2,  captionOf(2),      120,  1200, 1335, 255,   3},
    {"Label1",   ControlKind::Label,   1,  captionOf(1),      120,  600,  1575, 255,   2},
    {"Image1",   ControlKind::Picture, 1,  "",                3600, 720,  5895, 4575,  -1},
}};
// clang-format on

// The icon's sizes: all of them in the icon theme, and those built into the program for its
// window.
inline constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};
inline constexpr std::array<int, 4> kWindowIconSizes{16, 32, 64, 128};

// Image1, where sheets are shown.
inline constexpr const ControlDescription &kPictureBox = kControls[19];
static_assert(kPictureBox.name == "Image1");

} // namespace shell
