// SPDX-License-Identifier: MIT
#include "fieldTable.h"

#include <array>

namespace FieldTable {
namespace {

using Q = Quantity;
using C = Cleaner;
using R = Role;
constexpr Panel bore = Panel::CylinderBore;
constexpr Panel force = Panel::CylinderForce;
constexpr Panel valve = Panel::ValveFlow;

// The switch order keeps the window's first order of conversion, which
// decides the field a refused switch names when several values are too large.
//
// field, caption label, unit label, quantity, cleaner, role, panel, switch order
constexpr std::array table{
    Row{"txtAirPressure(0)", "label0", "lblPressureUnits(0)", Q::Pressure, C::Magnitude, R::Input, bore, 1},
    Row{"txtForceRequired", "Label1", "lblForceUnits(2)", Q::Force, C::Magnitude, R::Input, bore, 4},
    Row{"txtSafetyFactor", "Label3", nullptr, Q::Factor, C::Magnitude, R::Input, bore, 0},
    Row{"txtAreaRequired", "Label6", "lblAreaUnits", Q::Area, C::Magnitude, R::Result, bore, 3},
    Row{"txtMinBoreSize", "Label7", "lblLengthUnits(3)", Q::Length, C::Magnitude, R::Result, bore, 6},
    // Chosen again from the other system's series by the bore command.
    Row{"txtStandardBore", "Label38", "lblLengthUnits(5)", Q::Length, C::None, R::Result, bore, 0},
    Row{"txtStandardForce", "Label39", "lblForceUnits(3)", Q::Force, C::None, R::Result, bore, 0},

    Row{"txtAirPressure(1)", "Label13", "lblPressureUnits(2)", Q::Pressure, C::Magnitude, R::Input, force, 1},
    Row{"txtCylinderBore(0)", "Label12", "lblLengthUnits(2)", Q::Length, C::Magnitude, R::Input, force, 2},
    Row{"txtRodDiameter", "Label11", "lblLengthUnits(4)", Q::Length, C::Magnitude, R::Input, force, 9},
    Row{"txtPushForce", "Label17", "lblForceUnits(0)", Q::Force, C::None, R::Result, force, 8},
    Row{"txtPullForce", "Label16", "lblForceUnits(1)", Q::Force, C::None, R::Result, force, 7},

    Row{"txtAirPressure(2)", "Label18", "lblPressureUnits(1)", Q::Pressure, C::Magnitude, R::Input, valve, 1},
    Row{"txtCylinderBore(1)", "Label19", "lblLengthUnits(0)", Q::Length, C::Magnitude, R::Input, valve, 2},
    Row{"txtRoomTemp", "Label20", "lbltemperatureUnits", Q::Temperature, C::Signed, R::Input, valve, 10},
    Row{"txtStrokeLength", "Label28", "lblLengthUnits(1)", Q::Length, C::Magnitude, R::Input, valve, 12},
    Row{"txtStrokTime", "txtStrokeTime", "Label31", Q::Time, C::Magnitude, R::Input, valve, 0},
    // Not forced to a whole number here; the valve command rounds it.
    Row{"txtNumCylinders", "Label29", nullptr, Q::Count, C::Magnitude, R::Input, valve, 0},
    Row{"txtPressureDrop", "Label30", "lblPressureUnits(3)", Q::Pressure, C::Magnitude, R::Input, valve, 14},
    Row{"txtCycleRate", "Label40", "Label43", Q::Rate, C::Magnitude, R::Input, valve, 0},
    Row{"txtVolume", "Label23", "lblVolumeUnits", Q::Volume, C::None, R::Result, valve, 13},
    // The Cv/kV option pair beside it says which kind it shows.
    Row{"txtCvFactor", nullptr, "optCVType", Q::FlowCoefficient, C::None, R::Result, valve, 0},
    Row{"txtInstFlow", "Label35", "lblFlowUnits(0)", Q::Flow, C::None, R::Result, valve, 5},
    Row{"txtSystemFlow", "Label37", "lblFlowUnits(1)", Q::Flow, C::None, R::Total, valve, 11},
    Row{"txtAirConsumption", "Label41", "lblFlowUnits(2)", Q::Flow, C::None, R::Result, valve, 15},
    Row{"txtSystemConsumption", "Label42", "lblFlowUnits(3)", Q::Flow, C::None, R::Total, valve, 16},
};

} // namespace

std::span<const Row> rows() { return table; }

} // namespace FieldTable
