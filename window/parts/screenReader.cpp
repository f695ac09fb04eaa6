// SPDX-License-Identifier: MIT
// Units, the coefficient kind and command results for screen readers.
#include "screenReader.h"

#include "fields.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace {

// An option button the arrow keys are leaving: it has the focus but another
// button of its group has just been selected. Qt selects the button an arrow
// key moves to before it gives that button the focus.
bool leftByArrowKey(const QWidget *focused)
{
    const auto *option = qobject_cast<const QRadioButton *>(focused);
    if (!option || !option->autoExclusive() || option->isChecked() || !option->parentWidget())
        return false;
    const auto group = option->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    return std::ranges::any_of(group, [](const QRadioButton *button) {
        return button->autoExclusive() && button->isChecked();
    });
}

} // namespace

ScreenReader::ScreenReader(QWidget *window, const Fields &fields) : m_window(window), m_fields(fields)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) { focusMoved(old, now); });
}

QString ScreenReader::restingDescription(const QWidget *control) const
{
    const Field *field = m_fields.find(control);
    return field ? m_fields.unitSpoken(*field) : QString();
}

void ScreenReader::describeFields()
{
    for (const Field &field : m_fields) {
        // The focused control may be speaking an announcement; it gets its
        // own description back when the focus leaves it.
        const QString description = m_fields.unitSpoken(field);
        if (field.edit != m_announcer && field.edit->accessibleDescription() != description)
            field.edit->setAccessibleDescription(description);
    }
}

QString ScreenReader::spokenValue(const QLineEdit *field, const QString &text) const
{
    const Field *row = m_fields.find(field);
    const QString name = row ? m_fields.caption(*row) : field->accessibleName();
    // An empty result (no standard bore fits) is said as such, not as a bare unit.
    if (text.isEmpty())
        return tr("%1 none").arg(name);
    const QString unit = row ? m_fields.unitSpoken(*row) : QString();
    return unit.isEmpty() ? tr("%1 %2").arg(name, text) : tr("%1 %2 %3").arg(name, text, unit);
}

bool ScreenReader::inWindow(const QWidget *control) const
{
    return control && (control == m_window || m_window->isAncestorOf(control));
}

void ScreenReader::announce(const QString &sentence)
{
    QWidget *focused = QApplication::focusWidget();
    if (!inWindow(focused)) {
        // A message box has the focus, or the window has not got it back yet.
        m_waiting = sentence;
        return;
    }
    if (leftByArrowKey(focused)) {
        // Said on the button selected, which gets the focus next; should the
        // focus stay, on the button that has it once the key is handled.
        m_waiting = sentence;
        QMetaObject::invokeMethod(this, [this] {
            QWidget *now = QApplication::focusWidget();
            if (!m_waiting.isEmpty() && inWindow(now))
                say(now, std::exchange(m_waiting, QString()));
        }, Qt::QueuedConnection);
        return;
    }
    m_waiting.clear();
    say(focused, sentence);
}

void ScreenReader::say(QWidget *target, const QString &sentence)
{
    if (m_announcer && m_announcer != target)
        m_announcer->setAccessibleDescription(restingDescription(m_announcer));
    m_announcer = target;

    // Setting the description raises QAccessible::DescriptionChanged. Orca
    // keeps quiet about a description equal to the last one it saw, so the
    // same results twice in a row are told apart by a blank between.
    if (target->accessibleDescription() == sentence)
        target->setAccessibleDescription(QString());
    target->setAccessibleDescription(sentence);
}

void ScreenReader::focusMoved(QWidget *old, QWidget *now)
{
    if (old && old == m_announcer) {
        m_announcer = nullptr;
        old->setAccessibleDescription(restingDescription(old));
    }
    if (!m_waiting.isEmpty() && inWindow(now))
        say(now, std::exchange(m_waiting, QString()));
}
