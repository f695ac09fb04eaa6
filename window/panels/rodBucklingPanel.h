// SPDX-License-Identifier: MIT
#pragma once

#include "panel.h"

#include <array>

class QRadioButton;

// Frame(5): whether the extended piston rod holds the push force without
// buckling, by Euler's formula for a slender rod or Johnson's for a short,
// thick one, with the mounting's factor and a safety factor; and the longest
// buckling length and thinnest rod that would still hold it. Each unit
// system computes in its own units (inches, psi and pounds, or millimetres,
// N/mm² and newtons): the formulas hold in any consistent units.
class RodBucklingPanel : public Panel
{
    Q_OBJECT

public:
    explicit RodBucklingPanel(Context context, QWidget *parent = nullptr);

    QList<std::pair<QString, QString>> choices() const override;

private:
    FieldTexts calculate();
    double mountingFactor() const;

    QLineEdit *m_rod;
    QLineEdit *m_length;
    QLineEdit *m_modulus;
    QLineEdit *m_yieldStrength;
    QLineEdit *m_safetyFactor;
    QLineEdit *m_force;
    QLineEdit *m_bucklingLoad;
    QLineEdit *m_allowableForce;
    QLineEdit *m_maximumLength;
    QLineEdit *m_minimumRod;
    std::array<QRadioButton *, 4> m_mounting{};
    // What the last Calculate found: the formula used, an overload.
    QStringList m_notes;
};
