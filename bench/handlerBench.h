// SPDX-License-Identifier: MIT
#pragma once

namespace Bench {

// Handler/... and their bounds; call once QApplication exists.
void registerHandlerCases();

} // namespace Bench
