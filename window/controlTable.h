// SPDX-License-Identifier: MIT
#pragma once

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
    const char *text;      // caption or start-up text
    int tabIndex;
    const char *toolTip = nullptr;
    bool selected = false; // option buttons: the one selected when the window opens
};

// Containers come before the controls they hold.
std::span<const Control> controls();

// Each text field and the caption label beside it, which names the field to
// the user (in messages, and to screen readers as the field's buddy).
struct Caption {
    const char *field;
    const char *label;
};
std::span<const Caption> captions();

// 15 twips to a pixel, the ratio the layout was drawn at, times the window's
// scale (1 as drawn).
constexpr int twipsToPixels(int twips, double scale = 1.0)
{
    return int((twips * scale + 7.0) / 15.0);
}

constexpr int clientWidthTwips = 5685;
constexpr int clientHeightTwips = 7095;

} // namespace ControlTable
