// SPDX-License-Identifier: MIT
// The valve-flow panel: Calculate, the Cv/Kv choice and the system flow total.
#include "frmPressureCalc.h"

void frmPressureCalc::connectValveFlowCommands() {}
