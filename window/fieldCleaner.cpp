// SPDX-License-Identifier: MIT
// Cleaning each input field when it loses the keyboard focus.
//
// Twelve fields clean themselves, silently: a text that is not a number
// becomes "0", a number becomes its absolute value in the general format. The
// room temperature may be negative and keeps its text as typed. The cleaning
// runs on every loss of focus to another control of the window, also when the
// text did not change (Qt's editingFinished is not emitted then, so a
// focus-out event filter drives it). Switching to another application is not
// leaving the field.
#include "fieldCleaner.h"

#include "frmPressureCalc.h"
#include "numberText.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>

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

// A temperature keeps its sign and its text exactly as typed.
QString temperatureText(const QString &text)
{
    return NumberText::isNumber(text) ? text : QStringLiteral("0");
}

} // namespace

FieldValidation::FieldValidation()
{
    // Focus moved to another control while the window was not active (a
    // click on it brings the window back) reaches the field as no focus-out:
    // the focus change that follows the activation cleans it.
    connect(qApp, &QApplication::focusChanged, this, &FieldValidation::focusChanged);
}

void FieldValidation::watch(QLineEdit *field, Cleaner clean)
{
    m_fields.insert(field, {field, clean});
    field->installEventFilter(this);
}

void FieldValidation::clean(QWidget *control) const
{
    const auto found = m_fields.constFind(control);
    if (found == m_fields.cend())
        return;
    const auto [field, cleaner] = *found;
    field->setText(cleaner(field->text()));
}

void FieldValidation::cleanPending()
{
    if (m_pending)
        clean(m_pending);
}

void FieldValidation::focusChanged(QWidget *, QWidget *now)
{
    if (m_pending && now && now != m_pending && now->window() == m_pending->window()) {
        QLineEdit *left = std::exchange(m_pending, nullptr);
        clean(left);
    }
}

bool FieldValidation::eventFilter(QObject *watched, QEvent *event)
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

void frmPressureCalc::installFieldValidation()
{
    m_fieldValidation = std::make_unique<FieldValidation>();
    const std::pair<QLineEdit *, FieldValidation::Cleaner> cleaners[] = {
        {m_ui.airPressure[0], magnitudeText},  {m_ui.airPressure[1], magnitudeText},
        {m_ui.airPressure[2], magnitudeText},  {m_ui.cylinderBore[0], magnitudeText},
        {m_ui.cylinderBore[1], magnitudeText}, {m_ui.forceRequired, magnitudeText},
        {m_ui.safetyFactor, magnitudeText},    {m_ui.areaRequired, magnitudeText},
        {m_ui.minimumBore, magnitudeText},     {m_ui.rodDiameter, magnitudeText},
        {m_ui.strokeLength, magnitudeText},    {m_ui.strokeTime, magnitudeText},
        // The count is not forced to a whole number here; the valve command rounds it.
        {m_ui.cylinderCount, magnitudeText},    {m_ui.pressureDrop, magnitudeText},
        {m_ui.roomTemperature, temperatureText},
    };
    for (const auto &[field, cleaner] : cleaners)
        m_fieldValidation->watch(field, cleaner);

    // Selecting another panel hides the field being edited; on a platform
    // whose option buttons take no focus, clean it before the panel goes.
    // Connected before the selector itself, so this runs first.
    for (QRadioButton *button : m_ui.calculatorSelector)
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                finishPendingEdit();
        });
}

void frmPressureCalc::finishPendingEdit()
{
    // The field being edited need not have the application's focus: the
    // window may not be active (a click on the selector of an inactive
    // window, or a message box still closing).
    if (m_fieldValidation)
        m_fieldValidation->cleanPending();
}
