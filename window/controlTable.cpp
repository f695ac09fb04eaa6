// SPDX-License-Identifier: MIT
#include "controlTable.h"

#include "formControls.h"
#include "logoLink.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <type_traits>

namespace ControlTable {
namespace {

using K = Kind;

// A row whose kind does not make the member's type is a fault in this table;
// it shows the first time any window is built.
template<class Widget>
Widget *as(QWidget *control)
{
    auto *typed = qobject_cast<Widget *>(control);
    if (!typed)
        qFatal("control table: %s is not a %s", qPrintable(control->objectName()),
               Widget::staticMetaObject.className());
    return typed;
}

template<auto member>
void intoMember(FormControls &controls, QWidget *control)
{
    using Pointer = std::remove_reference_t<decltype(controls.*member)>;
    controls.*member = as<std::remove_pointer_t<Pointer>>(control);
}

template<auto member, std::size_t index>
void intoElement(FormControls &controls, QWidget *control)
{
    auto &elements = controls.*member;
    using Pointer = typename std::remove_reference_t<decltype(elements)>::value_type;
    std::get<index>(elements) = as<std::remove_pointer_t<Pointer>>(control);
}

// The object name, as the window's description fixes it, and the member that
// holds the control, named by what it is. A member FormControls does not
// have does not compile.
#define MEMBER(name, member) name, &intoMember<&FormControls::member>
#define ELEMENT(name, index, member) name "(" #index ")", &intoElement<&FormControls::member, index>
#define UNBOUND(name) name, nullptr

// name, member, kind, container, left, top, width, height,
//         caption or start-up text, tab index[, tool tip, selected]
constexpr std::array table{
    // Window level
    Control{UNBOUND("frameCalculators"), K::Frame, nullptr, 4080, 0, 1575, 1335,
            QT_TRANSLATE_NOOP("ControlTable", "Calculators"), 79},
    Control{UNBOUND("frameUnits"), K::Frame, nullptr, 120, 120, 1335, 975,
            QT_TRANSLATE_NOOP("ControlTable", "Units"), 84},
    Control{MEMBER("Picture1", logo), K::PictureBox, nullptr, 1560, 120, 2415, 975, "", 75},
    // As tall as the valve-flow panel, which has the most rows, so that the
    // window keeps its frame whichever panel is shown.
    Control{ELEMENT("Frame", 1, panels), K::Frame, nullptr, 100, 1400, 5415, 6615, "", 0},
    Control{ELEMENT("Frame", 0, panels), K::Frame, nullptr, 120, 1400, 5415, 6615, "", 33},
    Control{ELEMENT("Frame", 2, panels), K::Frame, nullptr, 120, 1400, 5415, 6615, "", 47},
    Control{ELEMENT("Frame", 3, panels), K::Frame, nullptr, 120, 1440, 5535, 6615, "", 87},

    // Unit selector
    Control{ELEMENT("Option1", 0, unitSelector), K::OptionButton, "frameUnits", 120, 240, 975, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Imperial"), 86, nullptr, true},
    Control{ELEMENT("Option1", 1, unitSelector), K::OptionButton, "frameUnits", 120, 600, 975, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Metric"), 85},

    // Calculator selector, one button per panel
    Control{ELEMENT("optCalculator", 0, calculatorSelector), K::OptionButton, "frameCalculators",
            120, 240, 1335, 255, QT_TRANSLATE_NOOP("ControlTable", "Cylinder Bore"), 80},
    Control{ELEMENT("optCalculator", 1, calculatorSelector), K::OptionButton, "frameCalculators",
            120, 480, 1335, 255, QT_TRANSLATE_NOOP("ControlTable", "Cylinder Force"), 81},
    Control{ELEMENT("optCalculator", 2, calculatorSelector), K::OptionButton, "frameCalculators",
            120, 720, 1335, 255, QT_TRANSLATE_NOOP("ControlTable", "Valve Flow"), 82},
    Control{ELEMENT("optCalculator", 3, calculatorSelector), K::OptionButton, "frameCalculators",
            120, 960, 1335, 255, QT_TRANSLATE_NOOP("ControlTable", "Disclaimer"), 83},

    // Panel 0, cylinder bore
    Control{UNBOUND("Frame2"), K::Frame, "Frame(0)", 480, 240, 4695, 1695,
            QT_TRANSLATE_NOOP("ControlTable", "Input Values"), 41},
    Control{MEMBER("btnCalcBoreSize", calculateBoreButton), K::CommandButton, "Frame(0)", 2040, 2280, 1935, 375,
            QT_TRANSLATE_NOOP("ControlTable", "Calculate"), 4},
    Control{UNBOUND("Frame1"), K::Frame, "Frame(0)", 480, 2880, 4695, 2415,
            QT_TRANSLATE_NOOP("ControlTable", "Output Values"), 34},

    Control{UNBOUND("label0"), K::Label, "Frame2", 120, 360, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Air Pressure"), 46},
    Control{ELEMENT("txtAirPressure", 0, airPressure), K::InputField, "Frame2", 1560, 360, 1935, 285, "0", 1},
    Control{UNBOUND("lblPressureUnits(0)"), K::Label, "Frame2", 3600, 360, 735, 255,
            QT_TRANSLATE_NOOP("ControlTable", "PSI"), 43},
    Control{UNBOUND("Label1"), K::Label, "Frame2", 120, 840, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Force Required"), 45},
    Control{MEMBER("txtForceRequired", forceRequired), K::InputField, "Frame2", 1560, 840, 1935, 285, "0", 2},
    Control{UNBOUND("lblForceUnits(2)"), K::Label, "Frame2", 3600, 840, 615, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Pounds"), 42},
    Control{UNBOUND("Label3"), K::Label, "Frame2", 120, 1320, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Safety Factor"), 44},
    Control{MEMBER("txtSafetyFactor", safetyFactor), K::InputField, "Frame2", 1560, 1320, 1935, 285, "0", 3},

    Control{UNBOUND("Label6"), K::Label, "Frame1", 120, 360, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Area Required"), 40},
    Control{MEMBER("txtAreaRequired", areaRequired), K::OutputField, "Frame1", 1560, 360, 1935, 285, "0", 36},
    Control{UNBOUND("lblAreaUnits"), K::Label, "Frame1", 3600, 360, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Sq. Inches"), 38},
    Control{UNBOUND("Label7"), K::Label, "Frame1", 120, 840, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Minimum Bore Size"), 39},
    Control{MEMBER("txtMinBoreSize", minimumBore), K::OutputField, "Frame1", 1560, 840, 1935, 285, "0", 35},
    Control{UNBOUND("lblLengthUnits(3)"), K::Label, "Frame1", 3600, 840, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Inches"), 37},
    // The next standard bore up and its push force; start-up leaves them empty.
    Control{UNBOUND("Label38"), K::Label, "Frame1", 120, 1320, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Standard Bore"), 96},
    Control{MEMBER("txtStandardBore", standardBore), K::OutputField, "Frame1", 1560, 1320, 1935, 285,
            "", 92,
            QT_TRANSLATE_NOOP("ControlTable", "The smallest standard bore (NFPA in inches, ISO 3320 in mm) "
                                              "that gives at least the area required")},
    Control{UNBOUND("lblLengthUnits(5)"), K::Label, "Frame1", 3600, 1320, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Inches"), 94},
    Control{UNBOUND("Label39"), K::Label, "Frame1", 120, 1800, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Push Force"), 97},
    Control{MEMBER("txtStandardForce", standardForce), K::OutputField, "Frame1", 1560, 1800, 1935, 285,
            "", 93, QT_TRANSLATE_NOOP("ControlTable", "The push force of the standard bore at this air pressure")},
    Control{UNBOUND("lblForceUnits(3)"), K::Label, "Frame1", 3600, 1800, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Pounds"), 95},

    // Panel 1, cylinder force
    Control{UNBOUND("Frame3"), K::Frame, "Frame(1)", 480, 240, 4695, 1695,
            QT_TRANSLATE_NOOP("ControlTable", "Input Values"), 27},
    Control{MEMBER("btnCalcForce", calculateForceButton), K::CommandButton, "Frame(1)", 2040, 2280, 1935, 375,
            QT_TRANSLATE_NOOP("ControlTable", "Calculate"), 8},
    Control{UNBOUND("Frame4"), K::Frame, "Frame(1)", 480, 2880, 4695, 1455,
            QT_TRANSLATE_NOOP("ControlTable", "Output Values"), 20},

    Control{UNBOUND("Label13"), K::Label, "Frame3", 120, 360, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Air Pressure"), 28},
    Control{ELEMENT("txtAirPressure", 1, airPressure), K::InputField, "Frame3", 1560, 360, 1935, 285, "0", 5},
    Control{UNBOUND("lblPressureUnits(2)"), K::Label, "Frame3", 3600, 360, 735, 255,
            QT_TRANSLATE_NOOP("ControlTable", "PSI"), 31},
    Control{UNBOUND("Label12"), K::Label, "Frame3", 120, 840, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Bore Size"), 29},
    Control{ELEMENT("txtCylinderBore", 0, cylinderBore), K::InputField, "Frame3", 1560, 840, 1935, 285, "0", 6},
    Control{UNBOUND("lblLengthUnits(2)"), K::Label, "Frame3", 3600, 840, 615, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Inches"), 32},
    Control{UNBOUND("Label11"), K::Label, "Frame3", 120, 1320, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Rod Diameter"), 30},
    Control{MEMBER("txtRodDiameter", rodDiameter), K::InputField, "Frame3", 1560, 1320, 1935, 285, "0", 7},
    Control{UNBOUND("lblLengthUnits(4)"), K::Label, "Frame3", 3600, 1320, 615, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Inches"), 76},

    Control{UNBOUND("Label17"), K::Label, "Frame4", 120, 360, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Force (Push)"), 23},
    Control{MEMBER("txtPushForce", pushForce), K::OutputField, "Frame4", 1560, 360, 1935, 285, "0", 21},
    Control{UNBOUND("lblForceUnits(0)"), K::Label, "Frame4", 3720, 360, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Pounds"), 25},
    Control{UNBOUND("Label16"), K::Label, "Frame4", 120, 840, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Force (Pull)"), 24},
    Control{MEMBER("txtPullForce", pullForce), K::OutputField, "Frame4", 1560, 840, 1935, 285, "0", 22},
    Control{UNBOUND("lblForceUnits(1)"), K::Label, "Frame4", 3720, 840, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Pounds"), 26},

    // Panel 2, valve flow
    Control{UNBOUND("Frame5"), K::Frame, "Frame(2)", 360, 0, 4815, 3375,
            QT_TRANSLATE_NOOP("ControlTable", "Input Values"), 61},
    Control{MEMBER("btnCalcCV", calculateValveFlowButton), K::CommandButton, "Frame(2)", 360, 3480, 1335, 375,
            QT_TRANSLATE_NOOP("ControlTable", "Calculate"), 17},
    Control{MEMBER("btnSumSCFM", addToSystemFlowButton), K::CommandButton, "Frame(2)", 1920, 3480, 1575, 375,
            QT_TRANSLATE_NOOP("ControlTable", "Total System Flow"), 18,
            QT_TRANSLATE_NOOP("ControlTable", "Click here to accumulate values for your Total System Flow "
                                              "and your System Consumption")},
    Control{MEMBER("btnResetSCFM", resetSystemFlowButton), K::CommandButton, "Frame(2)", 3600, 3480, 1575, 375,
            QT_TRANSLATE_NOOP("ControlTable", "Reset System Flow"), 19,
            QT_TRANSLATE_NOOP("ControlTable", "Click here to set your Total System Flow and your System Consumption "
                                              "back to 0")},
    Control{UNBOUND("Frame6"), K::Frame, "Frame(2)", 360, 4080, 4815, 2415,
            QT_TRANSLATE_NOOP("ControlTable", "Output Values"), 48},

    Control{UNBOUND("Label18"), K::Label, "Frame5", 120, 240, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Air Pressure"), 73},
    Control{ELEMENT("txtAirPressure", 2, airPressure), K::InputField, "Frame5", 1560, 240, 1935, 285, "0", 9},
    Control{UNBOUND("lblPressureUnits(1)"), K::Label, "Frame5", 3600, 240, 735, 255,
            QT_TRANSLATE_NOOP("ControlTable", "PSI"), 70},
    Control{UNBOUND("Label19"), K::Label, "Frame5", 120, 600, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Bore Size"), 72},
    Control{ELEMENT("txtCylinderBore", 1, cylinderBore), K::InputField, "Frame5", 1560, 600, 1935, 285, "0", 10},
    Control{UNBOUND("lblLengthUnits(0)"), K::Label, "Frame5", 3600, 600, 615, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Inches"), 69},
    Control{UNBOUND("Label20"), K::Label, "Frame5", 120, 960, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Room Temperature"), 71},
    Control{MEMBER("txtRoomTemp", roomTemperature), K::InputField, "Frame5", 1560, 960, 1935, 285, "0", 11},
    Control{UNBOUND("lbltemperatureUnits"), K::Label, "Frame5", 3600, 960, 615, 255, "", 63},
    Control{UNBOUND("Label28"), K::Label, "Frame5", 120, 1320, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Stroke Length"), 68},
    Control{MEMBER("txtStrokeLength", strokeLength), K::InputField, "Frame5", 1560, 1320, 1935, 285, "0", 12},
    Control{UNBOUND("lblLengthUnits(1)"), K::Label, "Frame5", 3600, 1320, 615, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Inches"), 62},
    Control{UNBOUND("txtStrokeTime"), K::Label, "Frame5", 120, 1680, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Stroke Time"), 67},
    Control{MEMBER("txtStrokTime", strokeTime), K::InputField, "Frame5", 1560, 1680, 1935, 285, "0", 13},
    Control{UNBOUND("Label31"), K::Label, "Frame5", 3600, 1680, 735, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Seconds"), 64},
    Control{UNBOUND("Label29"), K::Label, "Frame5", 120, 2040, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Number of Cylinders"), 66},
    Control{MEMBER("txtNumCylinders", cylinderCount), K::InputField, "Frame5", 1560, 2040, 1935, 285, "1", 14},
    Control{UNBOUND("Label30"), K::Label, "Frame5", 120, 2400, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Pressure Drop"), 65},
    Control{MEMBER("txtPressureDrop", pressureDrop), K::InputField, "Frame5", 1560, 2400, 1935, 285, "0", 15},
    Control{UNBOUND("lblPressureUnits(3)"), K::Label, "Frame5", 3600, 2400, 735, 255,
            QT_TRANSLATE_NOOP("ControlTable", "PSI"), 77},
    // Cycles a minute in either unit system; the switch leaves it alone.
    Control{UNBOUND("Label40"), K::Label, "Frame5", 120, 2760, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Cycle Rate"), 98},
    Control{MEMBER("txtCycleRate", cycleRate), K::InputField, "Frame5", 1560, 2760, 1935, 285, "0", 16,
            QT_TRANSLATE_NOOP("ControlTable", "Complete cycles (extend and retract) each cylinder makes per minute")},
    Control{UNBOUND("Label43"), K::Label, "Frame5", 3600, 2760, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Per Minute"), 99},

    Control{UNBOUND("Label23"), K::Label, "Frame6", 120, 240, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Volume"), 60},
    Control{MEMBER("txtVolume", volume), K::OutputField, "Frame6", 1560, 240, 1935, 285, "0", 53},
    Control{UNBOUND("lblVolumeUnits"), K::Label, "Frame6", 3720, 240, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Cubic Inch."), 59},
    Control{ELEMENT("optCVType", 0, coefficientKind), K::OptionButton, "Frame6", 120, 600, 1335, 255,
            QT_TRANSLATE_NOOP("ControlTable", "CV Factor"), 90, nullptr, true},
    Control{MEMBER("txtCvFactor", flowCoefficient), K::OutputField, "Frame6", 1560, 600, 1935, 285, "0", 78},
    Control{ELEMENT("optCVType", 1, coefficientKind), K::OptionButton, "Frame6", 3600, 600, 1095, 255,
            QT_TRANSLATE_NOOP("ControlTable", "kV Factor"), 91},
    Control{MEMBER("cvLabel", coefficientLabel), K::Label, "Frame6", 3720, 840, 855, 255, "", 58},
    Control{UNBOUND("Label35"), K::Label, "Frame6", 120, 960, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Instantaneous Flow"), 56},
    Control{MEMBER("txtInstFlow", instantaneousFlow), K::OutputField, "Frame6", 1560, 960, 1935, 285, "0", 52},
    Control{UNBOUND("lblFlowUnits(0)"), K::Label, "Frame6", 3720, 960, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "SCFM"), 57},
    Control{UNBOUND("Label37"), K::Label, "Frame6", 120, 1320, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Total System Flow"), 54},
    Control{MEMBER("txtSystemFlow", systemFlow), K::OutputField, "Frame6", 1560, 1320, 1935, 285, "0", 49},
    Control{UNBOUND("lblFlowUnits(1)"), K::Label, "Frame6", 3720, 1320, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "SCFM"), 55},
    // What the compressor must supply: the group's, and the running total.
    Control{UNBOUND("Label41"), K::Label, "Frame6", 120, 1680, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "Air Consumption"), 100},
    Control{MEMBER("txtAirConsumption", airConsumption), K::OutputField, "Frame6", 1560, 1680, 1935, 285, "0", 50,
            QT_TRANSLATE_NOOP("ControlTable", "Free air the group uses per minute: both strokes at full bore, filled "
                                              "to the air pressure (the rod's volume is not subtracted, which errs "
                                              "on the safe side)")},
    Control{UNBOUND("lblFlowUnits(2)"), K::Label, "Frame6", 3720, 1680, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "SCFM"), 101},
    Control{UNBOUND("Label42"), K::Label, "Frame6", 120, 2040, 1455, 255,
            QT_TRANSLATE_NOOP("ControlTable", "System Consumption"), 102},
    Control{MEMBER("txtSystemConsumption", systemConsumption), K::OutputField, "Frame6", 1560, 2040, 1935, 285,
            "0", 51,
            QT_TRANSLATE_NOOP("ControlTable", "Running total of Air Consumption over the groups added with Total "
                                              "System Flow: what the compressor must supply")},
    Control{UNBOUND("lblFlowUnits(3)"), K::Label, "Frame6", 3720, 2040, 855, 255,
            QT_TRANSLATE_NOOP("ControlTable", "SCFM"), 103},

    // Panel 3, disclaimer; start-up writes the text
    Control{MEMBER("Frame7", disclaimerFrame), K::Frame, "Frame(3)", 360, 360, 4575, 4575,
            QT_TRANSLATE_NOOP("ControlTable", "Legal Disclaimer"), 88},
    Control{MEMBER("txtdisclaimer", disclaimer), K::DisclaimerField, "Frame7", 480, 600, 3735, 3615, "", 89},
};

#undef MEMBER
#undef ELEMENT
#undef UNBOUND

} // namespace

std::span<const Control> controls() { return table; }

QString translated(const char *text)
{
    return QCoreApplication::translate("ControlTable", text);
}

} // namespace ControlTable
