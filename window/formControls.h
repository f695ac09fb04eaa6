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

// The controls the window's code works with, by name and type. The control
// table creates every control and puts each of these in its place, so a
// misspelt name here or there does not compile. Control arrays are arrays,
// indexed as the window's description numbers their elements. Controls no
// handler uses (most caption labels, the inner frames) have no member.
struct FormControls {
    // Top row
    std::array<QRadioButton *, 2> Option1{};      // unit selector: Imperial, Metric
    std::array<QRadioButton *, 4> optCalculator{}; // calculator selector
    LogoLink *Picture1 = nullptr;

    // The four panels: cylinder bore, cylinder force, valve flow, disclaimer
    std::array<QGroupBox *, 4> Frame{};

    // Input fields
    std::array<QLineEdit *, 3> txtAirPressure{}; // bore, force, valve-flow panel
    std::array<QLineEdit *, 2> txtCylinderBore{}; // force, valve-flow panel
    QLineEdit *txtForceRequired = nullptr;
    QLineEdit *txtSafetyFactor = nullptr;
    QLineEdit *txtRodDiameter = nullptr;
    QLineEdit *txtRoomTemp = nullptr;
    QLineEdit *txtStrokeLength = nullptr;
    QLineEdit *txtStrokTime = nullptr;
    QLineEdit *txtNumCylinders = nullptr;
    QLineEdit *txtPressureDrop = nullptr;

    // Result fields
    QLineEdit *txtAreaRequired = nullptr;
    QLineEdit *txtMinBoreSize = nullptr;
    QLineEdit *txtStandardBore = nullptr;  // the next standard bore up; empty when none
    QLineEdit *txtStandardForce = nullptr; // its push force; empty with it
    QLineEdit *txtPushForce = nullptr;
    QLineEdit *txtPullForce = nullptr;
    QLineEdit *txtVolume = nullptr;
    QLineEdit *txtCvFactor = nullptr;
    QLineEdit *txtInstFlow = nullptr;
    QLineEdit *txtSystemFlow = nullptr;
    std::array<QRadioButton *, 2> optCVType{}; // CV Factor, kV Factor
    QLabel *cvLabel = nullptr;

    // Command buttons
    QPushButton *btnCalcBoreSize = nullptr;
    QPushButton *btnCalcForce = nullptr;
    QPushButton *btnCalcCV = nullptr;
    QPushButton *btnSumSCFM = nullptr;
    QPushButton *btnResetSCFM = nullptr;

    // Unit labels, relabelled by the unit switch
    std::array<QLabel *, 4> lblPressureUnits{};
    std::array<QLabel *, 4> lblForceUnits{};
    QLabel *lblAreaUnits = nullptr;
    std::array<QLabel *, 6> lblLengthUnits{};
    QLabel *lbltemperatureUnits = nullptr;
    std::array<QLabel *, 2> lblFlowUnits{};
    QLabel *lblVolumeUnits = nullptr;

    // Disclaimer panel
    QGroupBox *Frame7 = nullptr;
    QPlainTextEdit *txtdisclaimer = nullptr;
};
