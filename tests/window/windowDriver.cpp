// SPDX-License-Identifier: MIT
#include "windowDriver.h"

#include "frmPressureCalc.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace WindowDriver {

bool showAndActivate(frmPressureCalc &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowActive(&window);
}

void typeInto(frmPressureCalc &window, const QString &fieldName, const QString &text)
{
    QLineEdit *field = window.field(fieldName);
    QTest::mouseClick(field, Qt::LeftButton);
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

void click(frmPressureCalc &window, const QString &controlName)
{
    QWidget *target = window.control(controlName);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
}

void selectPanel(frmPressureCalc &window, int index)
{
    click(window, QStringLiteral("optCalculator(%1)").arg(index));
}

QString text(const frmPressureCalc &window, const QString &fieldName)
{
    return window.field(fieldName)->text();
}

} // namespace WindowDriver
