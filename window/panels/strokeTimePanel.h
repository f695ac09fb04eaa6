// SPDX-License-Identifier: MIT
#pragma once

#include "panel.h"

// Frame(4): the valve-flow sizing the other way round. From a valve's flow
// coefficient (a catalogue's Cv, or Kv in metric units), the time one stroke
// takes, the piston's average speed and the flow through the valve, with the
// valve-flow panel's flow model, so that the two panels agree.
class StrokeTimePanel : public Panel
{
    Q_OBJECT

public:
    explicit StrokeTimePanel(Context context, QWidget *parent = nullptr);

private:
    FieldTexts calculate();
    QStringList notes() const { return m_notes; }

    QLineEdit *m_airPressure;
    QLineEdit *m_pressureDrop;
    QLineEdit *m_bore;
    QLineEdit *m_stroke;
    QLineEdit *m_roomTemperature;
    QLineEdit *m_cylinderCount;
    QLineEdit *m_coefficient;
    QLineEdit *m_flow;
    QLineEdit *m_time;
    QLineEdit *m_speed;
    // The note the last Calculate gave: the flow formula's range.
    QStringList m_notes;
};
