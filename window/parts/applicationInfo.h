// SPDX-License-Identifier: MIT
#pragma once

#include "version.h"

#include <QIcon>

// The program's name, display name (the title of message boxes that have no
// title of their own) and version, set once on the running application.
namespace ApplicationInfo {

inline constexpr const char *displayName = "Corvane Calculator";
// Written into version.h by CMake from the one version the project declares.
inline constexpr const char *version = Corvane::version;

// The pixel sizes the window icon carries: the title bar, the task bar and
// the window switcher each pick the one nearest to what they draw.
inline constexpr int iconSizes[] = {16, 32, 48, 64, 256};

// The program's icon at every size of iconSizes.
QIcon icon();

// Names, version and desktop id on the application, and icon() as the icon
// of every window that sets none of its own.
void apply();

} // namespace ApplicationInfo
