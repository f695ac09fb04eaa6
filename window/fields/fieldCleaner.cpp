// SPDX-License-Identifier: MIT
// Cleaning a field's text when the keyboard focus leaves it.
//
// A text that is not a number becomes "0"; a magnitude becomes its absolute
// value in the general format, a signed value keeps its text as typed. It
// runs on every loss of focus to another control of the window, also when
// the text did not change (Qt's editingFinished is not emitted then, so a
// focus-out event filter drives it). No box interrupts the user; a cleaning
// that changed the number, or read digit grouping, says so in a note.
#include "fieldCleaner.h"

#include "numberText.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <cmath>
#include <utility>

namespace {

// The cleaned text of a field that holds a magnitude. A value whose general
// form would read back beyond the double range (just below the largest
// double, written with 15 digits) counts as not a number either.
QString magnitudeText(const QString &text)
{
    const auto value = NumberText::parse(text);
    if (!value)
        return QStringLiteral("0");
    const QString cleaned = NumberText::formatGeneral(std::fabs(*value));
    return NumberText::isNumber(cleaned) ? cleaned : QStringLiteral("0");
}

// A signed value (a temperature) keeps its sign and its text exactly as typed.
QString signedText(const QString &text)
{
    return NumberText::isNumber(text) ? text : QStringLiteral("0");
}

// A typed text as a note quotes it. The notes are shown whole, and the
// window grows with them: a text longer than this (a paste of a whole page)
// is quoted by its start and an ellipsis, so that its note stays a few lines
// long.
constexpr qsizetype kLongestQuote = 40;

QString quoted(const QString &typed)
{
    if (typed.size() <= kLongestQuote)
        return typed;
    qsizetype kept = kLongestQuote - 1;
    if (typed.at(kept - 1).isHighSurrogate())
        --kept;
    return typed.first(kept) + QChar(0x2026);
}

} // namespace

QString FieldCleaner::cleaned(Cleaner cleaner, const QString &text)
{
    switch (cleaner) {
    case Cleaner::Magnitude:
        return magnitudeText(text);
    case Cleaner::Signed:
        return signedText(text);
    case Cleaner::None:
        break;
    }
    return text;
}

QString FieldCleaner::note(const QString &before, const QString &after)
{
    const QString typed = quoted(before.trimmed());
    if (const auto value = NumberText::parse(before)) {
        const auto cleanedValue = NumberText::parse(after);
        if (cleanedValue && *cleanedValue == *value) {
            // Grouping changes the number a text seems to be when it was
            // meant the other way: "1.500" in German is 1500, not 1.5.
            if (NumberText::readsGrouping(before))
                return tr("\"%1\" read as %2.").arg(typed, NumberText::formatGeneral(*value));
            return {};
        }
        return tr("%1 taken as %2.").arg(typed, after);
    }
    using NumberText::Rejection;
    switch (NumberText::rejection(before)) {
    case Rejection::Empty:
        return tr("empty; set to 0.");
    case Rejection::OutOfRange:
        return tr("%1 is too large; set to 0.").arg(typed);
    case Rejection::TooSmall:
        return tr("%1 is too small; set to 0.").arg(typed);
    case Rejection::DecimalSeparator:
        return tr("\"%1\" is not a number here; the decimal separator is \"%2\"; set to 0.")
            .arg(typed, QLocale().decimalPoint());
    case Rejection::NotANumber:
        break;
    }
    return tr("\"%1\" is not a number; set to 0.").arg(typed);
}

FieldCleaner::FieldCleaner(Noted noted) : m_noted(std::move(noted))
{
    // Focus moved to another control while the window was not active (a
    // click on it brings the window back) reaches the field as no focus-out:
    // the focus change that follows the activation cleans it.
    connect(qApp, &QApplication::focusChanged, this, &FieldCleaner::focusChanged);
}

void FieldCleaner::watch(QLineEdit *field, Cleaner cleaner)
{
    m_fields.insert(field, {field, cleaner});
    field->installEventFilter(this);
}

void FieldCleaner::clean(QWidget *control) const
{
    const auto found = m_fields.constFind(control);
    if (found == m_fields.cend())
        return;
    const auto [field, cleaner] = *found;
    const QString before = field->text();
    field->setText(cleaned(cleaner, before));
    if (m_noted) {
        const QString said = note(before, field->text());
        if (!said.isEmpty())
            m_noted(field, said);
    }
}

void FieldCleaner::cleanPending()
{
    if (m_pending)
        clean(m_pending);
}

void FieldCleaner::focusChanged(QWidget *, QWidget *now)
{
    if (m_pending && now && now != m_pending && now->window() == m_pending->window()) {
        QLineEdit *left = std::exchange(m_pending, nullptr);
        clean(left);
    }
}

bool FieldCleaner::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // Another field that took the focus while the window was not active
        // is leaving the one the user was typing in.
        QLineEdit *field = m_fields.value(static_cast<QWidget *>(watched)).first;
        if (m_pending && m_pending != field)
            clean(m_pending);
        m_pending = field;
    } else if (event->type() == QEvent::FocusOut) {
        // A context menu taking the focus for a moment is not leaving the
        // field (cleaning then would spoil a paste into an empty field), nor
        // is the window losing activation: the user switched to another
        // application, or a message box came up, and comes back to the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            m_pending = nullptr;
            clean(static_cast<QWidget *>(watched));
        }
    }
    return false;
}
