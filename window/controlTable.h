// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <span>

struct FormControls;
class QWidget;

// The window's fixed layout, one row per control. The window builds itself
// from this table, and each row that the window's code uses puts its control
// into the matching typed member of FormControls.
namespace ControlTable {

enum class Kind {
    Frame,           // captioned group box; a panel when it has no caption
    OptionButton,    // radio button; the buttons of one frame form one group
    InputField,      // editable single-line text field
    OutputField,     // read-only result field, dark-blue text
    DisclaimerField, // multi-line, read-only, bold
    CommandButton,
    Label,
    PictureBox,      // the logo
};

// Puts a newly created control into its member of FormControls.
using Place = void (*)(FormControls &controls, QWidget *control);

struct Control {
    const char *name;      // object name; an array element carries "(index)"
    Place place;           // nullptr: no member, the window's code never uses it
    Kind kind;
    const char *container; // nullptr: the window's client area
    int left, top, width, height; // twips, from the container's top-left corner
    const char *text;      // caption (marked for translation) or start-up text
    int tabIndex;
    const char *toolTip = nullptr; // marked for translation
    bool selected = false; // option buttons: the one selected when the window opens
};

// Containers come before the controls they hold.
std::span<const Control> controls();

// A caption or tool tip of the table in the user's language.
QString translated(const char *text);

// The layout was drawn at 15 twips to a pixel.
constexpr double twipsPerPixel = 15.0;

// A length of the layout in pixels at the window's scale (1 as drawn).
constexpr int twipsToPixels(int twips, double scale = 1.0)
{
    return int((twips * scale + 7.0) / twipsPerPixel);
}

constexpr int clientWidthTwips = 5685;
constexpr int clientHeightTwips = 8175;

} // namespace ControlTable
