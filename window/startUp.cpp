// SPDX-License-Identifier: MIT
// Start-up of the window and the calculator selector.
#include "frmPressureCalc.h"

#include "captionFit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

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
    for (QWidget *panel : controlArray(QStringLiteral("Frame")))
        panel->hide();
    controlArray(QStringLiteral("Frame")).at(m_currentCalculator)->show();

    // Both are already selected or change nothing: no unit switch runs, and
    // the selection finds panel 0 current.
    control<QRadioButton>(QStringLiteral("Option1(0)"))->setChecked(true);
    control<QRadioButton>(QStringLiteral("optCalculator(0)"))->setChecked(true);

    const QList<QWidget *> selector = controlArray(QStringLiteral("optCalculator"));
    const char *captions[] = {"Cylinder Bore", "Cylinder Force", "Valve Flow", "Disclaimer"};
    for (int index = 0; index < selector.size(); ++index)
        qobject_cast<QRadioButton *>(selector[index])->setText(QString::fromLatin1(captions[index]));
    CaptionFit::fitTogether(selector);

    control<QPlainTextEdit>(QStringLiteral("txtdisclaimer"))->setPlainText(disclaimerText());

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
    const auto labelArray = [&](const char *name, const UnitNameTables::Table &table) {
        for (QWidget *label : controlArray(QString::fromLatin1(name))) {
            qobject_cast<QLabel *>(label)->setText(table[system]);
            CaptionFit::fit(label);
        }
    };
    const auto labelSingle = [&](const char *name, const UnitNameTables::Table &table) {
        auto *label = control<QLabel>(QString::fromLatin1(name));
        label->setText(table[system]);
        CaptionFit::fit(label);
    };
    labelArray("lblPressureUnits", m_unitNames.pressureUnits);
    labelArray("lblForceUnits", m_unitNames.forceUnits);
    labelSingle("lblAreaUnits", m_unitNames.areaUnits);
    labelArray("lblLengthUnits", m_unitNames.lengthUnits);
    labelSingle("lbltemperatureUnits", m_unitNames.temperatureUnits);
    labelArray("lblFlowUnits", m_unitNames.flowUnits);
    labelSingle("lblVolumeUnits", m_unitNames.volumeUnits);
}

void frmPressureCalc::selectCalculator(int index)
{
    if (index == m_currentCalculator)
        return;
    const QList<QWidget *> panels = controlArray(QStringLiteral("Frame"));
    panels.at(index)->show();
    panels.at(m_currentCalculator)->hide();
    m_currentCalculator = qint16(index);
}
