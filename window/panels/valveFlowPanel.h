// SPDX-License-Identifier: MIT
#pragma once

#include "panel.h"

#include <array>

class QLabel;
class QRadioButton;

// Frame(2): the swept volume, the free-air flow and the flow coefficient (Cv
// or Kv) a valve needs for a group of cylinders, the air they consume, and
// running totals of flow and consumption over several groups.
class ValveFlowPanel : public Panel
{
    Q_OBJECT

public:
    explicit ValveFlowPanel(Context context, QWidget *parent = nullptr);

private:
    FieldTexts calculate() const;
    QStringList notes() const;
    // Converts the coefficient shown to the kind now selected.
    FieldTexts changeCoefficientKind() const;
    QString coefficientKindSentence(const FieldTexts &converted) const;
    FieldTexts addToSystemFlow() const;
    FieldTexts resetSystemFlow() const;
    // Whether "CV Factor" rather than "kV Factor" is selected.
    bool cvFactorSelected() const;

    QLineEdit *m_airPressure;
    QLineEdit *m_bore;
    QLineEdit *m_roomTemperature;
    QLineEdit *m_strokeLength;
    QLineEdit *m_strokeTime;
    QLineEdit *m_cylinderCount;
    QLineEdit *m_pressureDrop;
    QLineEdit *m_cycleRate;
    QLineEdit *m_volume;
    QLineEdit *m_coefficient;
    QLineEdit *m_flow;
    QLineEdit *m_systemFlow;
    QLineEdit *m_consumption;
    QLineEdit *m_systemConsumption;
    std::array<QRadioButton *, 2> m_coefficientKind{};
    // Set while a refused change of kind puts the old selection back.
    bool m_restoringCoefficientKind = false;
};
