// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class frmPressureCalc;
class QWidget;

// Drives the window the way a user does: keyboard and mouse events only.
namespace WindowDriver {

// Shows the window and waits until it is exposed and active.
bool showAndActivate(frmPressureCalc &window);

// Clicks a field, selects its text and types over it (the focus stays there).
void typeInto(frmPressureCalc &window, const QString &fieldName, const QString &text);

// Clicks a button, option button or the logo by its name.
void click(frmPressureCalc &window, const QString &controlName);

// Selects one of the four panels with the calculator selector.
void selectPanel(frmPressureCalc &window, int index);

QString text(const frmPressureCalc &window, const QString &fieldName);

} // namespace WindowDriver
