// SPDX-License-Identifier: MIT
// The Calculate commands of the cylinder-force and cylinder-bore panels.
#include "frmPressureCalc.h"

void frmPressureCalc::connectCylinderCommands() {}
