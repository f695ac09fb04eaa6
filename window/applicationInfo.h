// SPDX-License-Identifier: MIT
#pragma once

// The program's name, display name (the title of message boxes that have no
// title of their own) and version, set once on the running application.
namespace ApplicationInfo {

inline constexpr const char *displayName = "Corvane Calculator";
inline constexpr const char *version = CORVANE_VERSION;

void apply();

} // namespace ApplicationInfo
