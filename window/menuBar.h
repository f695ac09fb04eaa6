// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

#include <functional>

class QAction;
class QMenuBar;
class QRadioButton;
class QWidget;

// The menu bar above the panels: File, Edit, View and Help. Every action
// does what a control or key of the window already does, or works on the
// report of the visible panel.
namespace MenuBar {

struct Commands {
    std::function<void()> saveReport;
    std::function<void()> print;
    std::function<void()> copyResults;
    std::function<void()> zoomIn;
    std::function<void()> zoomOut;
    std::function<void()> zoomReset;
    std::function<void()> website;
    std::function<void()> about;
    // Gives the focus to the panel at a position of the selector, once shown.
    std::function<void(int position)> focusPanel;
};

// Builds the menu bar of a window. View lists the panels as the calculator
// selector does, Ctrl+1 upwards, and selects them as a click on the selector
// does, then gives the panel the focus (the user chose the panel, not the
// selector's button); the report's actions are disabled where the selected
// panel has no report (the last, the disclaimer).
QMenuBar *build(QWidget *window, const QList<QRadioButton *> &selector, const Commands &commands);

} // namespace MenuBar
