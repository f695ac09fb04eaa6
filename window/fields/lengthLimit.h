// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QLineEdit;

// How much text an input holds: 32767 characters, QLineEdit's own limit.
// QLineEdit cuts a longer paste (or drop) to its limit without a word; an
// input watched here is let take one character more, so that a text cut
// shows as one too long, which is then cut back to the limit and told.
namespace LengthLimit {

inline constexpr int characters = 32767;

// Lets a new, still empty field take the one character more. Before its
// text: a new limit lays the text out again.
void allowOneMore(QLineEdit *field);

// Told the field and the note once its text has been cut: "the text was
// longer than the 32767 characters a field holds; the rest was cut."
using Cut = std::function<void(QLineEdit *field, const QString &note)>;

// The field must have been let take one character more.
void watch(QLineEdit *field, const Cut &cut);

} // namespace LengthLimit
