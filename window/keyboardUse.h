// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>

class QAbstractButton;
class QWidget;

// Presses a panel's Calculate button when Return or Enter is pressed in one
// of the panel's input fields.
class ReturnCalculates : public QObject
{
public:
    void watch(QWidget *field, QAbstractButton *calculate);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QWidget *, QAbstractButton *> m_buttons;
};
