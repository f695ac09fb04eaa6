// SPDX-License-Identifier: MIT
#pragma once

#include <array>

class LogoLink;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The controls the window's code works with, by what they are. The control
// table creates every control, gives it the object name the window's
// description fixes (in the comment beside each member) and puts it in its
// member here, so a misspelt member does not compile. Control arrays are
// arrays, indexed as the description numbers their elements. Controls no
// handler uses (the caption and unit labels, which the field table names,
// and the inner frames) have no member.
struct FormControls {
    // Top row
    std::array<QRadioButton *, 2> unitSelector{};       // Option1: Imperial, Metric
    std::array<QRadioButton *, 4> calculatorSelector{}; // optCalculator: one per panel
    LogoLink *logo = nullptr;                           // Picture1

    // The four panels: cylinder bore, cylinder force, valve flow, disclaimer
    std::array<QGroupBox *, 4> panels{}; // Frame

    // Input fields
    std::array<QLineEdit *, 3> airPressure{}; // txtAirPressure: bore, force, valve-flow panel
    std::array<QLineEdit *, 2> cylinderBore{}; // txtCylinderBore: force, valve-flow panel
    QLineEdit *forceRequired = nullptr;   // txtForceRequired
    QLineEdit *safetyFactor = nullptr;    // txtSafetyFactor
    QLineEdit *rodDiameter = nullptr;     // txtRodDiameter
    QLineEdit *roomTemperature = nullptr; // txtRoomTemp
    QLineEdit *strokeLength = nullptr;    // txtStrokeLength
    QLineEdit *strokeTime = nullptr;      // txtStrokTime (the label beside it is txtStrokeTime)
    QLineEdit *cylinderCount = nullptr;   // txtNumCylinders
    QLineEdit *pressureDrop = nullptr;    // txtPressureDrop
    QLineEdit *cycleRate = nullptr;       // txtCycleRate: cycles a minute

    // Result fields
    QLineEdit *areaRequired = nullptr;      // txtAreaRequired
    QLineEdit *minimumBore = nullptr;       // txtMinBoreSize
    QLineEdit *standardBore = nullptr;      // txtStandardBore: the next standard bore up; empty when none
    QLineEdit *standardForce = nullptr;     // txtStandardForce: its push force; empty with it
    QLineEdit *pushForce = nullptr;         // txtPushForce
    QLineEdit *pullForce = nullptr;         // txtPullForce
    QLineEdit *volume = nullptr;            // txtVolume
    QLineEdit *flowCoefficient = nullptr;   // txtCvFactor: a Cv or a Kv, as coefficientKind says
    QLineEdit *instantaneousFlow = nullptr; // txtInstFlow
    QLineEdit *systemFlow = nullptr;        // txtSystemFlow: the running total
    QLineEdit *airConsumption = nullptr;    // txtAirConsumption: free air the group uses
    QLineEdit *systemConsumption = nullptr; // txtSystemConsumption: its running total
    std::array<QRadioButton *, 2> coefficientKind{}; // optCVType: CV Factor, kV Factor
    QLabel *coefficientLabel = nullptr;              // cvLabel: empty, never written

    // Command buttons
    QPushButton *calculateBoreButton = nullptr;      // btnCalcBoreSize
    QPushButton *calculateForceButton = nullptr;     // btnCalcForce
    QPushButton *calculateValveFlowButton = nullptr; // btnCalcCV
    QPushButton *addToSystemFlowButton = nullptr;    // btnSumSCFM
    QPushButton *resetSystemFlowButton = nullptr;    // btnResetSCFM

    // Disclaimer panel
    QGroupBox *disclaimerFrame = nullptr; // Frame7
    QPlainTextEdit *disclaimer = nullptr; // txtdisclaimer
};
