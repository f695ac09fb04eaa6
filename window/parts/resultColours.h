// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QList>
#include <QPalette>

class QLineEdit;

// The colours of the result fields: dark blue on the highlighted-text colour
// wherever that pair is readable, otherwise a readable pair of the palette.
namespace ResultColours {

// The least contrast that keeps text readable.
inline constexpr double readableContrast = 4.5;

// The contrast ratio of two colours by their relative luminance, from 1
// (the same luminance) to 21 (black and white).
double contrast(const QColor &first, const QColor &second);

struct Pair {
    QColor text;
    QColor background;
};

// The colours a result field draws with in one colour group of the palette
// it sits in.
Pair resultColours(const QPalette &surroundings, QPalette::ColorGroup group);

// Gives the result fields of a window their result colours now, and again
// whenever the window's palette changes (a theme switched while the program
// runs).
void follow(QWidget *window, const QList<QLineEdit *> &fields);

} // namespace ResultColours
