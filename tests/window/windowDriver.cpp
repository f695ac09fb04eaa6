// SPDX-License-Identifier: MIT
#include "windowDriver.h"

#include "frmPressureCalc.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace WindowDriver {

QWidget *control(const frmPressureCalc &window, const QString &name)
{
    auto *found = window.findChild<QWidget *>(name);
    if (!found)
        qFatal("frmPressureCalc has no control named %s", qPrintable(name));
    return found;
}

QLineEdit *field(const frmPressureCalc &window, const QString &name)
{
    return control<QLineEdit>(window, name);
}

QList<QWidget *> controlArray(const frmPressureCalc &window, const QString &name)
{
    QList<QWidget *> elements;
    while (auto *element = window.findChild<QWidget *>(QStringLiteral("%1(%2)").arg(name).arg(elements.size())))
        elements.append(element);
    return elements;
}

bool showAndActivate(frmPressureCalc &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowActive(&window);
}

void typeInto(frmPressureCalc &window, const QString &fieldName, const QString &text)
{
    QLineEdit *edit = field(window, fieldName);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void click(frmPressureCalc &window, const QString &controlName)
{
    QWidget *target = control(window, controlName);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
}

void selectPanel(frmPressureCalc &window, int index)
{
    click(window, QStringLiteral("optCalculator(%1)").arg(index));
}

QString text(const frmPressureCalc &window, const QString &fieldName)
{
    return field(window, fieldName)->text();
}

QStringList textsOf(const frmPressureCalc &window, const QStringList &fieldNames)
{
    QStringList texts;
    for (const QString &name : fieldNames)
        texts.append(text(window, name));
    return texts;
}

void useUnits(frmPressureCalc &window, int system)
{
    if (window.unitSystem() != system)
        click(window, QStringLiteral("Option1(%1)").arg(system));
}

int panelOf(const frmPressureCalc &window, const QString &controlName)
{
    const QList<QWidget *> panels = controlArray(window, QStringLiteral("Frame"));
    for (int index = 0; index < panels.size(); ++index)
        if (panels[index]->isAncestorOf(control(window, controlName)))
            return index;
    return -1;
}

void typeAndTab(frmPressureCalc &window, const QString &fieldName, const QString &text)
{
    selectPanel(window, panelOf(window, fieldName));
    typeInto(window, fieldName, text);
    QTest::keyClick(field(window, fieldName), Qt::Key_Tab);
}

const QStringList &convertedFields()
{
    static const QStringList fields{
        "txtAirPressure(0)", "txtAirPressure(1)", "txtAirPressure(2)", "txtCylinderBore(0)",
        "txtCylinderBore(1)", "txtAreaRequired",  "txtForceRequired",  "txtInstFlow",
        "txtMinBoreSize",    "txtPullForce",      "txtPushForce",      "txtRodDiameter",
        "txtRoomTemp",       "txtSystemFlow",     "txtStrokeLength",   "txtVolume",
        "txtPressureDrop",   "txtAirConsumption", "txtSystemConsumption",
        // The stroke-time panel, then the rod-buckling panel.
        "txtTimeAirPressure", "txtTimePressureDrop", "txtTimeBore", "txtTimeStroke", "txtTimeRoomTemp",
        "txtValveCoefficient", "txtTimeFlow", "txtPistonSpeed", "txtBuckleRod", "txtBuckleLength", "txtModulus",
        "txtYieldStrength", "txtBuckleForce", "txtBucklingLoad", "txtAllowableForce", "txtMaxBuckleLength",
        "txtMinRodDiameter"};
    return fields;
}

namespace {

const QLabel *notesLabel(const frmPressureCalc &window)
{
    const auto *label = control(window, QStringLiteral("statusBar"))->findChild<QLabel *>(QStringLiteral("notes"));
    if (!label)
        qFatal("the status bar has no label \"notes\"");
    return label;
}

// The height of a text in lines no wider than `width`.
int wrappedHeight(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return int(std::ceil(height));
}

} // namespace

QString notesShown(const frmPressureCalc &window)
{
    return notesLabel(window)->text();
}

QString notesNotWhole(const frmPressureCalc &window)
{
    const QLabel *label = notesLabel(window);
    if (!label->isVisible())
        return QStringLiteral("the notes are hidden");
    const QRect area = label->contentsRect();
    const int needed = wrappedHeight(label->text(), label->font(), area.width());
    if (area.height() < needed)
        return QStringLiteral("the notes need %1 pixels, and have %2").arg(needed).arg(area.height());
    const QRect onWindow(label->mapTo(&window, QPoint(0, 0)), label->size());
    if (!window.rect().contains(onWindow))
        return QStringLiteral("the notes lie outside the window");
    return {};
}

WindowState stateOf(const frmPressureCalc &window)
{
    WindowState state;
    QList<QLineEdit *> fields = window.findChildren<QLineEdit *>();
    std::sort(fields.begin(), fields.end(),
              [](const QLineEdit *a, const QLineEdit *b) { return a->objectName() < b->objectName(); });
    for (const QLineEdit *field : fields)
        state.texts.append(field->objectName() + QLatin1Char('=') + field->text());
    // The notes the status bar shows are no caption: they come and go with
    // every action.
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (!qobject_cast<const QStatusBar *>(label->parentWidget()))
            state.captions.append(label->text());
    for (const QRadioButton *option : window.findChildren<QRadioButton *>())
        state.selections.append(option->isChecked());
    state.units = window.unitSystem();
    state.panel = window.currentCalculator();
    return state;
}

} // namespace WindowDriver
