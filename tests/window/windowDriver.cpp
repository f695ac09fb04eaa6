// SPDX-License-Identifier: MIT
#include "windowDriver.h"

#include "frmPressureCalc.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

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

void useUnits(frmPressureCalc &window, int system)
{
    if (window.unitSystem() != system)
        click(window, QStringLiteral("Option1(%1)").arg(system));
}

int panelOf(const frmPressureCalc &window, const QString &controlName)
{
    const QList<QWidget *> panels = window.controlArray(QStringLiteral("Frame"));
    for (int index = 0; index < panels.size(); ++index)
        if (panels[index]->isAncestorOf(window.control(controlName)))
            return index;
    return -1;
}

void typeAndTab(frmPressureCalc &window, const QString &fieldName, const QString &text)
{
    selectPanel(window, panelOf(window, fieldName));
    typeInto(window, fieldName, text);
    QTest::keyClick(window.field(fieldName), Qt::Key_Tab);
}

const QStringList &convertedFields()
{
    static const QStringList fields{
        "txtAirPressure(0)", "txtAirPressure(1)", "txtAirPressure(2)", "txtCylinderBore(0)",
        "txtCylinderBore(1)", "txtAreaRequired",  "txtForceRequired",  "txtInstFlow",
        "txtMinBoreSize",    "txtPullForce",      "txtPushForce",      "txtRodDiameter",
        "txtRoomTemp",       "txtSystemFlow",     "txtStrokeLength",   "txtVolume",
        "txtPressureDrop"};
    return fields;
}

WindowState stateOf(const frmPressureCalc &window)
{
    WindowState state;
    QList<QLineEdit *> fields = window.findChildren<QLineEdit *>();
    std::sort(fields.begin(), fields.end(),
              [](const QLineEdit *a, const QLineEdit *b) { return a->objectName() < b->objectName(); });
    for (const QLineEdit *field : fields)
        state.texts.append(field->objectName() + QLatin1Char('=') + field->text());
    for (const QLabel *label : window.findChildren<QLabel *>())
        state.captions.append(label->text());
    for (const QRadioButton *option : window.findChildren<QRadioButton *>())
        state.selections.append(option->isChecked());
    state.units = window.unitSystem();
    state.panel = window.currentCalculator();
    return state;
}

} // namespace WindowDriver
