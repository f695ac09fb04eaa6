// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

class QFont;
class QRect;
class QString;
class QWidget;

// Controls keep the fixed sizes of the layout. Where a caption would not fit
// its control in the font the platform gives us, it is drawn a little
// smaller instead of being cut off. A label that names a field (its buddy,
// beside it on the right) ends its caption a little before the field.
namespace CaptionFit {

// Pixels between the end of a caption and the field it names.
constexpr int fieldDistance = 3;
// No caption is drawn smaller than this, unless the whole window is drawn
// smaller than its design size; then proportionally less.
constexpr double smallestPointSize = 6.0;

// The room a label's caption has: from the start of its contents (both in
// the parent's coordinates) to their end, or to fieldDistance before the
// field it names when that comes first. An empty field: none.
int labelRoom(const QRect &contents, const QRect &field);
// The room beside the indicator of an option button: the indicator and the
// spacing after it take `indicator` pixels of the button's width.
int optionRoom(int width, int indicator);
// The size, in steps down from the font's, at which the caption fits its
// room, or the smallest size allowed in that font when it does not fit at
// all.
double fittedPointSize(const QFont &font, const QString &caption, int room);
// Whether the caption fits its room at some size no smaller than
// smallestPointSize.
bool fitsWithoutShrinkingTooFar(const QFont &font, const QString &caption, int room);

// Call after the caption of a label or option button has changed.
void fit(QWidget *control);

// Call after the control's size or the window's font has changed: the
// control takes the window's font again, then is fitted.
void refit(QWidget *control);

// Fits each control, then gives all of them the smallest size any one needed,
// so that a group of option buttons reads evenly.
void fitTogether(const QList<QWidget *> &controls);

} // namespace CaptionFit
