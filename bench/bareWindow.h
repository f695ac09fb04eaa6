// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

// The baseline of the start-up: a plain Qt window holding the same controls
// as the calculator window, built the plain way.
//
// The controls come from a census of a live window: its children, walked as
// any Qt program can, each reduced to the Qt class it is or derives from,
// its container, geometry and what it shows when the window opens (for the
// menu bar, its menus and their actions with their shortcuts). The
// baseline therefore has the calculator window's count and kinds of Qt
// controls whatever the program adds or removes, and knows nothing of how
// the program makes them: no control table, no fonts, caption fitting,
// colours, tab order, event filters or handlers. A control of a Qt class the
// census does not know ends the run, so the baseline never silently loses one.
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

struct PlainControl {
    enum class Kind : qint32 { Container, GroupBox, RadioButton, PushButton, LineEdit, PlainTextEdit, Label, MenuBar, StatusBar };
    Kind kind = Kind::Container;
    int container = -1; // index of an earlier control; -1: the window itself
    QRect geometry;
    QString text;
    QPixmap picture;    // a label showing a picture
    bool hidden = false;
    bool checked = false;
    bool readOnly = false;
    QList<PlainMenu> menus; // a menu bar's menus
};

struct WindowCensus {
    QString title;
    QSize size;
    std::vector<PlainControl> controls;
};

WindowCensus takeCensus(const QWidget &window);

// For the separate programs that measure the baseline's memory, which must
// not build the calculator window to count its controls.
bool writeCensus(const WindowCensus &census, const QString &fileName);
std::optional<WindowCensus> readCensus(const QString &fileName);

// The baseline: the controls of the census as plain Qt widgets of their
// kind, with their containers, geometry, texts, pictures, selections and
// read-only states, the hidden ones hidden, in a window of the same size and
// title.
std::unique_ptr<QWidget> makePlainWindow(const WindowCensus &census);

// Not a bound, for telling the toolkit's share of the controls: one empty
// QWidget in place of each control of the census.
std::unique_ptr<QWidget> makeEmptyWidgetsWindow(const WindowCensus &census);

} // namespace Bench
