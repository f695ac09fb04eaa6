// SPDX-License-Identifier: MIT
#pragma once

#include "bareWindow.h"

namespace Bench {

// StartUp and its bound; call once QApplication exists.
void registerStartUpCases();

// The census of a calculator window as the program shows it when it opens.
WindowCensus calculatorWindowCensus();

} // namespace Bench
