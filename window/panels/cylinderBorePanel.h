// SPDX-License-Identifier: MIT
#pragma once

#include "panel.h"

// Frame(0): the piston area and the smallest bore that give a required
// force at an air pressure, with a safety factor; then the standard bore to
// order, the next size up in the unit system's series, and its push force.
class CylinderBorePanel : public Panel
{
    Q_OBJECT

public:
    explicit CylinderBorePanel(Context context, QWidget *parent = nullptr);

    // The standard bore is not converted but chosen again from the other
    // system's series, for the minimum bore and air pressure as converted.
    FieldTexts textsAfterSwitch(const FieldTexts &converted, int system, const TextBefore &before) const override;
    QStringList notesAfterSwitch() const override { return standardBoreNotes(); }

private:
    FieldTexts calculate() const;
    QStringList notes() const;
    QStringList standardBoreNotes() const;
    // The smallest standard bore of a unit system's series at or above a
    // minimum bore, and its push force at an air pressure; both texts empty
    // when the series has no such bore.
    FieldTexts standardBoreTexts(double minimumBore, double pressure, int system) const;

    QLineEdit *m_airPressure;
    QLineEdit *m_forceRequired;
    QLineEdit *m_safetyFactor;
    QLineEdit *m_areaRequired;
    QLineEdit *m_minimumBore;
    QLineEdit *m_standardBore;
    QLineEdit *m_standardForce;
};
