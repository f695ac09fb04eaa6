// SPDX-License-Identifier: MIT
#pragma once

class QAbstractButton;
class QWidget;

namespace ReturnPresses {

// Return or Enter in `source` presses `button` once (holding the key down
// does not repeat it). On a focused button, pass the button itself: the
// window's buttons are not default buttons, which Qt alone presses so. In an
// input field, pass its panel's Calculate button.
void install(QWidget *source, QAbstractButton *button);

} // namespace ReturnPresses
