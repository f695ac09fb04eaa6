// SPDX-License-Identifier: MIT
// Units, the coefficient kind and command results for screen readers.
#include "screenReader.h"

#include "formControls.h"
#include "frmPressureCalc.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

// A plain top-level QWidget is exposed as a "client" (a filler to AT-SPI),
// which screen readers do not announce as a window.
QAccessibleInterface *windowAsFrame(const QString &key, QObject *object)
{
    if (key != QLatin1StringView(frmPressureCalc::staticMetaObject.className()) || !object->isWidgetType())
        return nullptr;
    auto *window = static_cast<QWidget *>(object);
    return window->isWindow() ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

// Qt keeps the interface it first makes for an object, and the window's title
// is set as soon as it is created, so the factory is in place before any
// window exists: from the moment the program is loaded.
const bool windowFactoryInstalled = (QAccessible::installFactory(windowAsFrame), true);

} // namespace

std::vector<ScreenReader::FieldUnit> ScreenReader::fieldUnits(const FormControls &ui)
{
    // Which unit label sits beside which field; "Seconds" is no label the
    // unit switch changes.
    return {
        // Cylinder bore panel
        {ui.airPressure[0], ui.lblPressureUnits[0]},
        {ui.forceRequired, ui.lblForceUnits[2]},
        {ui.areaRequired, ui.lblAreaUnits},
        {ui.minimumBore, ui.lblLengthUnits[3]},
        {ui.standardBore, ui.lblLengthUnits[5]},
        {ui.standardForce, ui.lblForceUnits[3]},
        // Cylinder force panel
        {ui.airPressure[1], ui.lblPressureUnits[2]},
        {ui.cylinderBore[0], ui.lblLengthUnits[2]},
        {ui.rodDiameter, ui.lblLengthUnits[4]},
        {ui.pushForce, ui.lblForceUnits[0]},
        {ui.pullForce, ui.lblForceUnits[1]},
        // Valve flow panel
        {ui.airPressure[2], ui.lblPressureUnits[1]},
        {ui.cylinderBore[1], ui.lblLengthUnits[0]},
        {ui.roomTemperature, ui.lbltemperatureUnits},
        {ui.strokeLength, ui.lblLengthUnits[1]},
        {ui.strokeTime, nullptr, "Seconds"},
        {ui.pressureDrop, ui.lblPressureUnits[3]},
        {ui.volume, ui.lblVolumeUnits},
        {ui.instantaneousFlow, ui.lblFlowUnits[0]},
        {ui.systemFlow, ui.lblFlowUnits[1]},
    };
}

ScreenReader::ScreenReader(QWidget *window, const FormControls &controls,
                           const QHash<const QWidget *, QLabel *> &captions)
    : m_window(window), m_controls(controls), m_captions(captions), m_units(fieldUnits(controls))
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *) { focusMoved(old); });
}

QString ScreenReader::unitOf(const QLineEdit *field) const
{
    if (field == m_controls.flowCoefficient)
        return m_controls.coefficientKind[0]->isChecked() ? QStringLiteral("Cv") : QStringLiteral("Kv");
    const auto row = std::ranges::find(m_units, field, &FieldUnit::field);
    if (row == m_units.end())
        return {};
    return row->unitLabel ? row->unitLabel->text() : QString::fromLatin1(row->fixedUnit);
}

QString ScreenReader::restingDescription(const QWidget *control) const
{
    if (const auto *field = qobject_cast<const QLineEdit *>(control))
        return unitOf(field);
    return {};
}

void ScreenReader::describeFields()
{
    const auto describe = [this](QLineEdit *field) {
        // The focused control may be speaking an announcement; it gets its
        // own description back when the focus leaves it.
        const QString description = unitOf(field);
        if (field != m_announcer && field->accessibleDescription() != description)
            field->setAccessibleDescription(description);
    };
    for (const FieldUnit &row : m_units)
        describe(row.field);
    describe(m_controls.flowCoefficient);
}

QString ScreenReader::spokenValue(const QLineEdit *field, const QString &text) const
{
    const QLabel *caption = m_captions.value(field);
    const QString name = caption ? caption->text() : field->accessibleName();
    // An empty result (no standard bore fits) is said as such, not as a bare unit.
    if (text.isEmpty())
        return QStringLiteral("%1 none").arg(name);
    const QString unit = unitOf(field);
    return unit.isEmpty() ? QStringLiteral("%1 %2").arg(name, text) : QStringLiteral("%1 %2 %3").arg(name, text, unit);
}

void ScreenReader::announce(const QString &sentence)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || (target != m_window && !m_window->isAncestorOf(target)))
        target = m_window;
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

void ScreenReader::focusMoved(QWidget *old)
{
    if (!old || old != m_announcer)
        return;
    m_announcer = nullptr;
    old->setAccessibleDescription(restingDescription(old));
}
