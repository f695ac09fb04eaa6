// SPDX-License-Identifier: MIT
// Start-up of the window and the calculator selector.
#include "frmPressureCalc.h"

#include "captionFit.h"
#include "optionGroups.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

QString frmPressureCalc::disclaimerText()
{
    return tr("This program is furnished only as a guide. The material "
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

void frmPressureCalc::connectCalculatorSelector()
{
    OptionGroups::onSelected(m_ui.calculatorSelector, this, [this](int index) { selectCalculator(index); });
}

void frmPressureCalc::startUp()
{
    m_currentCalculator = 0;
    for (QGroupBox *panel : m_ui.panels)
        panel->setVisible(panel == m_ui.panels[m_currentCalculator]);

    // Both are already selected or change nothing: no unit switch runs, and
    // the selection finds panel 0 current.
    m_ui.unitSelector[0]->setChecked(true);
    m_ui.calculatorSelector[0]->setChecked(true);

    m_ui.disclaimer->setPlainText(disclaimerText());

    labelUnits(Imperial);
}

void frmPressureCalc::labelUnits(int system)
{
    for (const Fields::Field &field : m_fields) {
        const FieldTable::Quantity quantity = field.row->quantity;
        if (!field.unitLabel || QuantityTable::units(quantity).choice != QuantityTable::UnitChoice::UnitSystem)
            continue;
        // A caption is fitted when it changes; the layout fits them all
        // when the room or the font changes.
        const QString caption = QuantityTable::caption(quantity, system);
        if (field.unitLabel->text() != caption) {
            field.unitLabel->setText(caption);
            CaptionFit::fit(field.unitLabel);
        }
    }
}

void frmPressureCalc::selectCalculator(int index)
{
    // Selecting another panel hides the field being edited; on a platform
    // whose option buttons take no focus, it is cleaned before the panel goes.
    finishPendingEdit();
    if (index == m_currentCalculator)
        return;
    m_ui.panels.at(index)->show();
    m_ui.panels.at(m_currentCalculator)->hide();
    m_currentCalculator = qint16(index);
}
