// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class frmPressureCalc;
class QLineEdit;
class QWidget;

// Drives the window the way a user does: keyboard and mouse events only.
namespace WindowDriver {

// Controls by object name, array elements as "txtAirPressure(2)". Asking for
// a name the window does not have ends the test.
QWidget *control(const frmPressureCalc &window, const QString &name);
template<class T> T *control(const frmPressureCalc &window, const QString &name)
{
    return qobject_cast<T *>(control(window, name));
}
QLineEdit *field(const frmPressureCalc &window, const QString &name);
// The elements of a control array, in index order: "Frame" gives Frame(0)
// to Frame(3).
QList<QWidget *> controlArray(const frmPressureCalc &window, const QString &name);

// Shows the window and waits until it is exposed and active.
bool showAndActivate(frmPressureCalc &window);

// Clicks a field, selects its text and types over it (the focus stays there).
void typeInto(frmPressureCalc &window, const QString &fieldName, const QString &text);

// Clicks a button, option button or the logo by its name.
void click(frmPressureCalc &window, const QString &controlName);

// Selects one of the four panels with the calculator selector.
void selectPanel(frmPressureCalc &window, int index);

QString text(const frmPressureCalc &window, const QString &fieldName);
// The texts of several fields, in the order named.
QStringList textsOf(const frmPressureCalc &window, const QStringList &fieldNames);

// Switches to the unit system given (0 imperial, 1 metric) unless it is in force.
void useUnits(frmPressureCalc &window, int system);

// The index of the panel a control lies on, or -1.
int panelOf(const frmPressureCalc &window, const QString &controlName);

// Types into a field on its panel and moves the focus on with Tab.
void typeAndTab(frmPressureCalc &window, const QString &fieldName, const QString &text);

// Every field element the unit switch converts, in the order it converts them.
const QStringList &convertedFields();

// The notes the status bar shows, as the label that shows them has them.
QString notesShown(const frmPressureCalc &window);
// Why the notes are not shown whole, or nothing when they are: the label
// that shows them must be as high as their lines at its width (broken
// between words, and inside a word only where the word alone is wider than
// a line) and lie within the window.
QString notesNotWhole(const frmPressureCalc &window);

// Everything the user can see change in the window.
struct WindowState {
    QStringList texts;      // "name=text" of every field, by name
    QStringList captions;   // every label
    QList<bool> selections; // every option button
    qint16 units;
    qint16 panel;
    bool operator==(const WindowState &) const = default;
};
WindowState stateOf(const frmPressureCalc &window);

} // namespace WindowDriver
