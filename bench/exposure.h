// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace Bench {

// Shows a top-level widget and processes events until its window is exposed
// and the window has received its first paint event. Returns false if that
// has not happened after five seconds.
bool showAndWaitExposed(QWidget &window);

// Processes every pending event, deferred deletions included.
void drainEvents();

} // namespace Bench
