// SPDX-License-Identifier: MIT
#pragma once

#include "panel.h"

// Frame(1): the push and pull force of a cylinder from its bore, rod
// diameter and air pressure.
class CylinderForcePanel : public Panel
{
    Q_OBJECT

public:
    explicit CylinderForcePanel(Context context, QWidget *parent = nullptr);

private:
    FieldTexts calculate() const;
    QStringList notes() const;

    QLineEdit *m_airPressure;
    QLineEdit *m_bore;
    QLineEdit *m_rod;
    QLineEdit *m_push;
    QLineEdit *m_pull;
};
