// SPDX-License-Identifier: MIT
// Using the window without a mouse, and with a screen reader.
//
// Tab and Shift+Tab walk the controls in tab-index order (frmPressureCalc.cpp
// sets it up); Space presses the focused button, selects the focused option
// button or opens the website from the logo; the arrow keys move within an
// option group. Return or Enter in an input field does what a click on its
// panel's Calculate button does. Every caption label is the buddy of its
// field, and every field and button carries a name a screen reader reads out.
#include "frmPressureCalc.h"

#include "logoLink.h"
#include "returnPresses.h"
#include "screenReader.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

void frmPressureCalc::installKeyboardUse()
{
    // The button's command cleans the field first, as the field's loss of
    // focus would on a mouse click; the focus stays in the field, ready for
    // the next value.
    const std::pair<QWidget *, QPushButton *> calculateButtons[] = {
        {m_ui.panels[0], m_ui.calculateBoreButton},
        {m_ui.panels[1], m_ui.calculateForceButton},
        {m_ui.panels[2], m_ui.calculateValveFlowButton},
    };
    for (const auto &[panel, calculate] : calculateButtons)
        for (QLineEdit *input : panel->findChildren<QLineEdit *>())
            if (!input->isReadOnly())
                ReturnPresses::install(input, calculate);
}

void frmPressureCalc::nameControlsForScreenReaders()
{
    // A field is announced by the caption beside it.
    for (QLabel *caption : std::as_const(m_captionLabels))
        caption->buddy()->setAccessibleName(caption->text());
    // The coefficient has the Cv/kV option buttons beside it, no caption.
    m_ui.flowCoefficient->setAccessibleName(QStringLiteral("Flow coefficient"));
    m_ui.disclaimer->setAccessibleName(m_ui.disclaimerFrame->title());
    m_ui.disclaimer->verticalScrollBar()->setAccessibleName(m_ui.disclaimerFrame->title() + QStringLiteral(" vertical"));
    m_ui.disclaimer->horizontalScrollBar()->setAccessibleName(m_ui.disclaimerFrame->title() + QStringLiteral(" horizontal"));

    // The panels have no caption; each is named after its calculator.
    for (int index = 0; QGroupBox *panel : m_ui.panels)
        panel->setAccessibleName(m_ui.calculatorSelector[index++]->text());
    // The empty label below the coefficient would be read out under the name
    // of its frame; hidden, it shows nothing and is left out.
    m_ui.coefficientLabel->hide();

    // Units and the coefficient kind go in the fields' descriptions.
    m_screenReader = std::make_unique<ScreenReader>(this, m_ui, m_captionLabels);
    m_screenReader->describeFields();

    m_ui.logo->setAccessibleName(QStringLiteral("Corvane website"));
    m_ui.logo->setAccessibleDescription(QStringLiteral("Opens %1 in your web browser").arg(WebsiteLink::address));

    // Buttons and option buttons are announced by their captions, which do
    // not change once start-up has set them.
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        button->setAccessibleName(button->text());
}
