// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

#include <array>
#include <functional>

class QObject;
class QRadioButton;

// The window's option-button groups: the unit selector, the calculator
// selector and the coefficient kind.
namespace OptionGroups {

// Calls `selected` with the button's index each time a button of the group
// becomes the selected one, by a click, the keyboard or code. A click on the
// button already selected calls nothing. The connection lives as long as
// `context`.
void onSelected(const QList<QRadioButton *> &group, QObject *context, const std::function<void(int index)> &selected);

template<std::size_t size>
void onSelected(const std::array<QRadioButton *, size> &group, QObject *context,
                const std::function<void(int index)> &selected)
{
    onSelected(QList<QRadioButton *>(group.begin(), group.end()), context, selected);
}

// Tab reaches the group, the buttons of one container, through its selected
// button only (its first when none is selected); the arrow keys move within
// the group.
void keepOneTabStop(QRadioButton *member);

} // namespace OptionGroups
