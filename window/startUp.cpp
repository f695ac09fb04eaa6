// SPDX-License-Identifier: MIT
// Start-up of the window and the calculator selector.
#include "frmPressureCalc.h"

#include "captionFit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <span>

namespace {

const QChar degreeSign(0x00B0);

} // namespace

QString frmPressureCalc::disclaimerText()
{
    return QStringLiteral("This program is furnished only as a guide. The material "
                          "contained within the program is provided as is without "
                          "warranty of any kind, including, but not limited to, the "
                          "implied warranties of merchantability or fitness for a "
                          "particular purpose. Corvane by offering the program "
                          "will not assume any liability should the program produce "
                          "results other than intended by Corvane or should the "
                          "performance of the program prove defective in any way.  "
                          "Corvane reserves the right to improve, update, or "
                          "otherwise modify the program at any time without notice.  "
                          "All calculations should be approved and verified by a "
                          "Certified Pneumatic Specialist.");
}

void frmPressureCalc::startUp()
{
    m_currentCalculator = 0;
    for (QGroupBox *panel : m_ui.panels)
        panel->hide();
    m_ui.panels[m_currentCalculator]->show();

    // Both are already selected or change nothing: no unit switch runs, and
    // the selection finds panel 0 current.
    m_ui.unitSelector[0]->setChecked(true);
    m_ui.calculatorSelector[0]->setChecked(true);

    CaptionFit::fitTogether({m_ui.calculatorSelector.begin(), m_ui.calculatorSelector.end()});

    m_ui.disclaimer->setPlainText(disclaimerText());

    m_unitNames.pressureUnits = {QStringLiteral("PSI"), QStringLiteral("Bar"), QString()};
    m_unitNames.forceUnits = {QStringLiteral("Pounds"), QStringLiteral("Newtons"), QString()};
    m_unitNames.areaUnits = {QStringLiteral("Sq. Inches"), QStringLiteral("Sq. mm"), QString()};
    m_unitNames.lengthUnits = {QStringLiteral("Inches"), QStringLiteral("mm"), QString()};
    m_unitNames.temperatureUnits = {degreeSign + QStringLiteral(" F"), degreeSign + QStringLiteral(" c"),
                                    QString()};
    m_unitNames.flowUnits = {QStringLiteral("SCFM"), QStringLiteral("L/min"), QString()};
    m_unitNames.volumeUnits = {QStringLiteral("Cubic Inch."), QStringLiteral("Cubic mm"), QString()};

    labelUnits(Imperial);
}

void frmPressureCalc::labelUnits(int system)
{
    // Every element of an array, from element 0 upward, in this order.
    const auto label = [system](std::span<QLabel *const> labels, const UnitNameTables::Table &table) {
        for (QLabel *unitLabel : labels) {
            unitLabel->setText(table[system]);
            CaptionFit::fit(unitLabel);
        }
    };
    label(m_ui.lblPressureUnits, m_unitNames.pressureUnits);
    label(m_ui.lblForceUnits, m_unitNames.forceUnits);
    label({&m_ui.lblAreaUnits, 1}, m_unitNames.areaUnits);
    label(m_ui.lblLengthUnits, m_unitNames.lengthUnits);
    label({&m_ui.lbltemperatureUnits, 1}, m_unitNames.temperatureUnits);
    label(m_ui.lblFlowUnits, m_unitNames.flowUnits);
    label({&m_ui.lblVolumeUnits, 1}, m_unitNames.volumeUnits);
}

void frmPressureCalc::selectCalculator(int index)
{
    if (index == m_currentCalculator)
        return;
    m_ui.panels.at(index)->show();
    m_ui.panels.at(m_currentCalculator)->hide();
    m_currentCalculator = qint16(index);
}
