// SPDX-License-Identifier: MIT
#pragma once

class QAbstractButton;

namespace ReturnPresses {

// Return or Enter on the focused button presses it, as Space does. The
// window's buttons are not default buttons, which Qt alone presses so.
void install(QAbstractButton *button);

} // namespace ReturnPresses
