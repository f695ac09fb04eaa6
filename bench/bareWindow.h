// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class QWidget;

namespace Bench {

// The toolkit's share of the start-up: a top-level QWidget of the calculator
// window's size holding one plain QWidget per control of the window, with the
// same parents and the same geometry. None of them draws or holds anything.
std::unique_ptr<QWidget> makeBareWindow();

// The same controls as the calculator window, of the same Qt classes, with
// the same parents, geometry and start-up texts (the disclaimer and the logo
// included), the panels other than the first hidden, and nothing else: no
// fonts, fitting, colours, tab order or handlers. What the controls alone
// cost the toolkit, for telling the program's own share of the start-up.
std::unique_ptr<QWidget> makePlainControlsWindow();

// The number of plain children makeBareWindow creates (one per control).
int bareWindowChildCount();

} // namespace Bench
