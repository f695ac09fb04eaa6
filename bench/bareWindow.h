// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QList>
#include <QPixmap>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

// The baseline of the start-up: a plain Qt window holding the same controls
// as the calculator window, built and laid out the plain way.
//
// The controls come from a census of a live window: its children, walked as
// any Qt program can, each reduced to the Qt class it is or derives from,
// its container and what it shows when the window opens (for the menu bar,
// its menus and their actions with their shortcuts); and the layout tree
// that places them: each container's layout, its kind, and per item the
// control, nested layout or stretch with its cell, span, stretch factor and
// alignment. The baseline therefore has the calculator window's count and
// kinds of Qt controls and of layouts whatever the program adds or removes,
// and knows nothing of how the program makes them: no fonts, zoom, colours,
// margins, spacings, tab order, event filters or handlers. A control or
// layout of a Qt class the census does not know, or a container holding
// controls without a layout, ends the run, so the baseline never silently
// loses one.
namespace Bench {

// A menu of a menu bar: its title and its actions (an empty text is a
// separator).
struct PlainMenu {
    struct Action {
        QString text;
        QKeySequence shortcut;
        bool checkable = false;
    };
    QString title;
    QList<Action> actions;
};

// A layout of a container. Its items in order, each a control, a nested
// layout or neither: a stretch of a box layout.
struct PlainLayout {
    enum class Kind : qint32 { VBox, HBox, Grid, Stacked, Form };
    struct Item {
        int control = -1; // index in WindowCensus::controls
        int layout = -1;  // index in WindowCensus::layouts, below this layout's own
        // The cell of a grid; of a form, the row and the role as column.
        int row = 0;
        int column = 0;
        int rowSpan = 1;
        int columnSpan = 1;
        int stretch = 0;   // a box layout's stretch factor
        int alignment = 0; // Qt::Alignment
    };
    Kind kind = Kind::VBox;
    int current = -1; // a stacked layout's item shown
    int menuBar = -1; // the control that is the layout's menu bar
    QList<Item> items;
};

struct PlainControl {
    enum class Kind : qint32 { Container, GroupBox, RadioButton, PushButton, LineEdit, PlainTextEdit, Label, MenuBar, StatusBar };
    Kind kind = Kind::Container;
    int container = -1; // index of an earlier control; -1: the window itself
    int layout = -1;    // a container's layout, index in WindowCensus::layouts
    QString text;
    QPixmap picture;    // a label showing a picture
    bool hidden = false;
    bool checked = false;
    bool readOnly = false;
    QList<PlainMenu> menus; // a menu bar's menus
};

struct WindowCensus {
    QString title;
    int layout = -1; // the window's own layout
    std::vector<PlainControl> controls;
    QList<PlainLayout> layouts; // a nested layout before the one holding it
};

WindowCensus takeCensus(const QWidget &window);

// For the separate programs that measure the baseline's memory, which must
// not build the calculator window to count its controls.
bool writeCensus(const WindowCensus &census, const QString &fileName);
std::optional<WindowCensus> readCensus(const QString &fileName);

// The baseline: the controls of the census as plain Qt widgets of their
// kind, with their containers, texts, pictures, selections and read-only
// states, the hidden ones hidden, placed by plain Qt layouts of the census's
// kinds and items with Qt's default margins and spacings, in a window of the
// same title whose own layout, like the calculator window's, is of fixed
// size and holds the menu bar.
std::unique_ptr<QWidget> makePlainWindow(const WindowCensus &census);

// Not a bound, for telling the toolkit's share of the controls: one empty
// QWidget in place of each control of the census, in the same layouts.
std::unique_ptr<QWidget> makeEmptyWidgetsWindow(const WindowCensus &census);

} // namespace Bench
