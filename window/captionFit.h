// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

class QWidget;

// Controls keep the fixed sizes of the layout. Where a caption would not fit
// its control in the font the platform gives us, it is drawn a little
// smaller instead of being cut off.
namespace CaptionFit {

// Call after the caption of a label or option button has changed.
void fit(QWidget *control);

// Call after the control's size or the window's font has changed: the
// control takes the window's font again, then is fitted.
void refit(QWidget *control);

// Fits each control, then gives all of them the smallest size any one needed,
// so that a group of option buttons reads evenly.
void fitTogether(const QList<QWidget *> &controls);

} // namespace CaptionFit
