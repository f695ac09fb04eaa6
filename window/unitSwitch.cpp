// SPDX-License-Identifier: MIT
// Switching the whole window between imperial and metric units.
#include "frmPressureCalc.h"

void frmPressureCalc::connectUnitSwitch() {}
