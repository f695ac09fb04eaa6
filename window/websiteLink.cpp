// SPDX-License-Identifier: MIT
// The logo opens the maker's website.
#include "frmPressureCalc.h"

void frmPressureCalc::connectWebsiteLink() {}
