// SPDX-License-Identifier: MIT
#include "strokeTimePanel.h"

#include "cylinderCount.h"
#include "numberText.h"

#include <calculator/strokeTime.h>

#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace {

using Q = FieldTable::Quantity;
using C = FieldTable::Cleaner;
using R = FieldTable::Role;
using Row = FieldTable::Row;

// field, caption label, caption, unit label, quantity, cleaner, role,
//         switch order[, start-up text, tool tip]
constexpr std::array rows{
    Row{"txtTimeAirPressure", "lblTimeAirPressure", QT_TRANSLATE_NOOP("FieldTable", "Air Pressure"),
        "lblTimePressureUnits(0)", Q::Pressure, C::Magnitude, R::Input, 17},
    Row{"txtTimePressureDrop", "lblTimePressureDrop", QT_TRANSLATE_NOOP("FieldTable", "Pressure Drop"),
        "lblTimePressureUnits(1)", Q::Pressure, C::Magnitude, R::Input, 17},
    Row{"txtTimeBore", "lblTimeBore", QT_TRANSLATE_NOOP("FieldTable", "Bore Size"), "lblTimeLengthUnits(0)",
        Q::Length, C::Magnitude, R::Input, 17},
    Row{"txtTimeStroke", "lblTimeStroke", QT_TRANSLATE_NOOP("FieldTable", "Stroke Length"), "lblTimeLengthUnits(1)",
        Q::Length, C::Magnitude, R::Input, 17},
    Row{"txtTimeRoomTemp", "lblTimeRoomTemp", QT_TRANSLATE_NOOP("FieldTable", "Room Temperature"),
        "lblTimeTemperatureUnits", Q::Temperature, C::Signed, R::Input, 17, "68"},
    // Not forced to a whole number here; Calculate rounds it.
    Row{"txtTimeCylinders", "lblTimeCylinders", QT_TRANSLATE_NOOP("FieldTable", "Number of Cylinders"), nullptr,
        Q::Count, C::Magnitude, R::Input, 0, "1"},
    Row{"txtValveCoefficient", "lblValveCoefficient", QT_TRANSLATE_NOOP("FieldTable", "Valve Flow Coefficient"),
        "lblTimeCoefficientUnits", Q::ValveCoefficient, C::Magnitude, R::Input, 17, "0",
        QT_TRANSLATE_NOOP("FieldTable", "The valve's flow coefficient from its catalogue: Cv in imperial units, Kv "
                                        "in metric")},
    Row{"txtTimeFlow", "lblTimeFlow", QT_TRANSLATE_NOOP("FieldTable", "Instantaneous Flow"), "lblTimeFlowUnits",
        Q::Flow, C::None, R::Result, 17, "0",
        QT_TRANSLATE_NOOP("FieldTable", "The flow through the valve while the cylinders stroke")},
    Row{"txtTimeResult", "lblTimeResult", QT_TRANSLATE_NOOP("FieldTable", "Stroke Time"), "lblTimeSeconds",
        Q::Time, C::None, R::Result, 0, "0", QT_TRANSLATE_NOOP("FieldTable", "The time of one stroke")},
    Row{"txtPistonSpeed", "lblPistonSpeed", QT_TRANSLATE_NOOP("FieldTable", "Piston Speed"), "lblTimeSpeedUnits",
        Q::Speed, C::None, R::Result, 17, "0",
        QT_TRANSLATE_NOOP("FieldTable", "The piston's average speed over the stroke")},
};

QString refusalNote(Calculator::StrokeTimeRefusal refusal)
{
    using Refusal = Calculator::StrokeTimeRefusal;
    switch (refusal) {
    case Refusal::None:
        break;
    case Refusal::MissingBoreOrStroke:
        return StrokeTimePanel::tr("Type the bore and the stroke length.");
    case Refusal::NoPressureDrop:
        return StrokeTimePanel::tr("A valve passes no air without a pressure drop.");
    case Refusal::DropExceedsAbsolutePressure:
        return StrokeTimePanel::tr("The pressure drop is at least the absolute air pressure.");
    case Refusal::MissingCoefficient:
        return StrokeTimePanel::tr("Type the valve's flow coefficient.");
    case Refusal::MissingCylinders:
        return StrokeTimePanel::tr("Type the number of cylinders.");
    }
    return {};
}

} // namespace

StrokeTimePanel::StrokeTimePanel(Context context, QWidget *parent)
    : Panel(4, QT_TRANSLATE_NOOP("Panel", "Stroke Time"), context, parent)
{
    buildRows(rows, "frameTimeInputs", "frameTimeOutputs");
    m_airPressure = edit("txtTimeAirPressure");
    m_pressureDrop = edit("txtTimePressureDrop");
    m_bore = edit("txtTimeBore");
    m_stroke = edit("txtTimeStroke");
    m_roomTemperature = edit("txtTimeRoomTemp");
    m_cylinderCount = edit("txtTimeCylinders");
    m_coefficient = edit("txtValveCoefficient");
    m_flow = edit("txtTimeFlow");
    m_time = edit("txtTimeResult");
    m_speed = edit("txtPistonSpeed");
    addCommand("btnCalcTime", tr("Calculate"), [this] { return calculate(); }, [this] { return notes(); }, true)
        ->setToolTip(tr("Stroke time and piston speed with this valve"));
}

FieldTexts StrokeTimePanel::calculate()
{
    const double airPressure = readNumber(m_airPressure);
    const double pressureDrop = readNumber(m_pressureDrop);
    const double bore = readNumber(m_bore);
    const double stroke = readNumber(m_stroke);
    const double roomTemperature = readNumber(m_roomTemperature);
    const double cylindersRead = readNumber(m_cylinderCount);
    const double coefficient = readNumber(m_coefficient);

    const std::optional<std::int16_t> cylinders = CylinderCount::fromValue(cylindersRead);
    if (!cylinders)
        throw CommandRefused{CylinderCount::outOfRange(captionOf(m_cylinderCount))};

    const auto result = unitSystem() == 0
                            ? Calculator::StrokeTimeImperial(airPressure, pressureDrop, bore, stroke, roomTemperature,
                                                             *cylinders, coefficient)
                            : Calculator::StrokeTimeMetric(airPressure, pressureDrop, bore, stroke, roomTemperature,
                                                           *cylinders, coefficient);
    if (result.refusal != Calculator::StrokeTimeRefusal::None)
        throw CommandNoted{refusalNote(result.refusal)};

    m_notes.clear();
    if (result.beyondChokedFlow)
        m_notes.append(tr("The downstream pressure is below 53 % of the air pressure, outside the range where this "
                          "flow formula holds; the stroke time is only an estimate."));
    return {{m_flow, NumberText::formatRounded(result.flow)},
            {m_time, NumberText::formatRounded(result.time)},
            {m_speed, NumberText::formatRounded(result.speed)}};
}
