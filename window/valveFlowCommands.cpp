// SPDX-License-Identifier: MIT
// The valve-flow panel: Calculate, the Cv/Kv choice and the system flow total.
//
// Calculate reads the seven inputs, takes the imperial or the metric formula
// by the unit system in force and writes volume, flow and coefficient, all
// three together and only once all three are known. The coefficient always
// shows the kind selected beside it, whatever the unit system. The running
// total has no variable of its own: it is the text of txtSystemFlow.
#include "frmPressureCalc.h"

#include "messageBoxes.h"
#include "numberText.h"

#include <calculator/calculator.h>

#include <QPushButton>
#include <QScopedValueRollback>
#include <QRadioButton>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

// The number of cylinders as the formulas take it: the nearest 16-bit integer,
// a value exactly halfway going to the even one (2.5 is 2, 3.5 is 4).
// Nothing when it does not fit.
std::optional<std::int16_t> cylinderCount(double value)
{
    // nearbyint rounds by the current mode, which is to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace

void frmPressureCalc::connectValveFlowCommands()
{
    connect(control<QPushButton>(QStringLiteral("btnCalcCV")), &QPushButton::clicked, this,
            [this] { runCommand([this] { calculateValveFlow(); }); });
    connect(control<QPushButton>(QStringLiteral("btnSumSCFM")), &QPushButton::clicked, this,
            [this] { runCommand([this] { addToSystemFlow(); }); });
    connect(control<QPushButton>(QStringLiteral("btnResetSCFM")), &QPushButton::clicked, this,
            [this] { runCommand([this] { resetSystemFlow(); }); });

    // Only the option that becomes selected reports, so the coefficient is
    // converted once per change of selection; a click on the option already
    // selected toggles nothing.
    for (QWidget *button : controlArray(QStringLiteral("optCVType")))
        connect(qobject_cast<QRadioButton *>(button), &QRadioButton::toggled, this, [this](bool checked) {
            if (checked && !m_restoringCoefficientKind)
                runCommand([this] { changeCoefficientKind(); });
        });
}

bool frmPressureCalc::cvFactorSelected() const
{
    return control<QRadioButton>(QStringLiteral("optCVType(0)"))->isChecked();
}

void frmPressureCalc::calculateValveFlow()
{
    double airPressure = 0.0;
    double strokeLength = 0.0;
    double strokeTime = 0.0;
    double bore = 0.0;
    double roomTemperature = 0.0;
    double cylindersRead = 0.0;
    double pressureDrop = 0.0;
    if (!readNumbers({{"txtAirPressure(2)", &airPressure},
                      {"txtStrokeLength", &strokeLength},
                      {"txtStrokTime", &strokeTime},
                      {"txtCylinderBore(1)", &bore},
                      {"txtRoomTemp", &roomTemperature},
                      {"txtNumCylinders", &cylindersRead},
                      {"txtPressureDrop", &pressureDrop}}))
        return;

    const std::optional<std::int16_t> count = cylinderCount(cylindersRead);
    if (!count) {
        MessageBoxes::warn(this, QStringLiteral("\"%1\" must lie between %2 and %3. No result was changed.")
                                     .arg(captionOf(QStringLiteral("txtNumCylinders")),
                                          NumberText::formatGeneral(std::numeric_limits<std::int16_t>::min()),
                                          NumberText::formatGeneral(std::numeric_limits<std::int16_t>::max())));
        return;
    }
    std::int16_t cylinders = *count;

    // Imperial gives the coefficient as a Cv, metric as a Kv.
    double volume = 0.0;
    double flow = 0.0;
    double coefficient = 0.0;
    if (m_unitSystem == Imperial)
        Calculator::ValveFlowImperial(airPressure, strokeLength, strokeTime, bore, roomTemperature, cylinders,
                                      pressureDrop, volume, flow, coefficient);
    else
        Calculator::ValveFlowMetric(airPressure, strokeLength, strokeTime, bore, roomTemperature, cylinders,
                                    pressureDrop, volume, flow, coefficient);

    if (m_unitSystem == Imperial && !cvFactorSelected())
        coefficient = Calculator::ConvertUnits(coefficient, "cv");
    else if (m_unitSystem == Metric && cvFactorSelected())
        coefficient = Calculator::ConvertUnits(coefficient, "kv");

    const QString volumeText = NumberText::formatRounded(volume);
    const QString flowText = NumberText::formatRounded(flow);
    const QString coefficientText = NumberText::formatRounded(coefficient);
    field(QStringLiteral("txtVolume"))->setText(volumeText);
    field(QStringLiteral("txtInstFlow"))->setText(flowText);
    field(QStringLiteral("txtCvFactor"))->setText(coefficientText);
}

void frmPressureCalc::changeCoefficientKind()
{
    QLineEdit *coefficientField = field(QStringLiteral("txtCvFactor"));
    const std::optional<double> shown = NumberText::parse(coefficientField->text());
    if (!shown)
        return;

    // The value shown is of the kind selected before: a Kv when CV is now
    // selected, a Cv when kV is.
    double converted = 0.0;
    try {
        converted = Calculator::ConvertUnits(*shown, cvFactorSelected() ? "kv" : "cv");
    } catch (const Calculator::ArithmeticError &) {
        // The value cannot be shown as the other kind: the selection goes back
        // to the kind the field still shows, so the two never disagree.
        const QScopedValueRollback restoring(m_restoringCoefficientKind, true);
        control<QRadioButton>(cvFactorSelected() ? QStringLiteral("optCVType(1)")
                                                 : QStringLiteral("optCVType(0)"))
            ->setChecked(true);
        throw;
    }
    coefficientField->setText(NumberText::formatGeneral(converted));
}

void frmPressureCalc::addToSystemFlow()
{
    double flow = 0.0;
    double total = 0.0;
    if (!readNumbers({{"txtInstFlow", &flow}, {"txtSystemFlow", &total}}))
        return;

    const double sum = flow + total;
    const QString text = std::isfinite(sum) ? NumberText::formatGeneral(sum) : QString();
    if (!NumberText::isNumber(text)) {
        MessageBoxes::warn(this, QStringLiteral("The total system flow would be too large to show. "
                                                "The total was not changed."));
        return;
    }
    field(QStringLiteral("txtSystemFlow"))->setText(text);
}

void frmPressureCalc::resetSystemFlow()
{
    field(QStringLiteral("txtSystemFlow"))->setText(QStringLiteral("0"));
}
