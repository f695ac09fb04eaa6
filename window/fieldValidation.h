// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>

class QLineEdit;
class QWidget;

// Cleans each watched field when the keyboard focus leaves it: the field's
// cleaner gives the new text, which is written every time, also when it is
// the text the field already holds.
class FieldValidation : public QObject
{
public:
    // The cleaned form of a field's text.
    using Cleaner = QString (*)(const QString &text);

    void watch(QLineEdit *field, Cleaner clean);

    // Cleans the given control now if it is a watched field.
    void clean(QWidget *control) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<const QWidget *, std::pair<QLineEdit *, Cleaner>> m_fields;
};
