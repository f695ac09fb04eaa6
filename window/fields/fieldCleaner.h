// SPDX-License-Identifier: MIT
#pragma once

#include "fieldRow.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QLineEdit;
class QWidget;

// Cleans each watched field when the keyboard focus leaves it for another
// control of the window: the field's cleaner gives the new text, which is
// written every time, also when it is the text the field already holds. The
// window losing activation (another application, a message box, a menu) is
// not leaving the field: a half-typed "2." stays as it is, so the user can
// carry on typing when coming back. A cleaning that puts another number in
// place of the text, or that read digit grouping, is noted.
class FieldCleaner : public QObject
{
    Q_OBJECT

public:
    using Cleaner = FieldTable::Cleaner;
    // Told the field and the note when a cleaning changed its number.
    using Noted = std::function<void(QLineEdit *field, const QString &note)>;

    // The text a cleaner makes of a field's text.
    static QString cleaned(Cleaner cleaner, const QString &text);
    // What a cleaning that turned `before` into `after` says, or nothing
    // when the number stays the same (a mere reformat: "2.50" to "2.5"):
    // '"abc" is not a number; set to 0.', '-2 taken as 2.',
    // '1e400 is too large; set to 0.', '1e-400 is too small; set to 0.'.
    // A number read with digit grouping is always noted: '"1.500" read as
    // 1500.' in German. A typed text of more than 40
    // characters is quoted by its first 39 and an ellipsis.
    static QString note(const QString &before, const QString &after);

    explicit FieldCleaner(Noted noted = {});

    void watch(QLineEdit *field, Cleaner cleaner);

    // Cleans the given control now if it is a watched field.
    void clean(QWidget *control) const;
    // Cleans the field the user was last typing in, if it has not been
    // cleaned since; it may have lost the focus while the window was not
    // active, when no focus-out reaches it.
    void cleanPending();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusChanged(QWidget *old, QWidget *now);

    // The watched field that has or last had the focus and whose leaving has
    // not been handled yet.
    QPointer<QLineEdit> m_pending;
    Noted m_noted;
    QHash<const QWidget *, std::pair<QLineEdit *, Cleaner>> m_fields;
};
