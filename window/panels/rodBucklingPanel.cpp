// SPDX-License-Identifier: MIT
#include "rodBucklingPanel.h"

#include "numberText.h"
#include "optionGroups.h"

#include <calculator/rodBuckling.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

using Q = FieldTable::Quantity;
using C = FieldTable::Cleaner;
using R = FieldTable::Role;
using Row = FieldTable::Row;

// field, caption label, caption, unit label, quantity, cleaner, role,
//         switch order[, start-up text, tool tip]
constexpr std::array rows{
    Row{"txtBuckleRod", "lblBuckleRod", QT_TRANSLATE_NOOP("FieldTable", "Rod Diameter"), "lblBuckleLengthUnits(0)",
        Q::Length, C::Magnitude, R::Input, 18},
    Row{"txtBuckleLength", "lblBuckleLength", QT_TRANSLATE_NOOP("FieldTable", "Buckling Length"),
        "lblBuckleLengthUnits(1)", Q::Length, C::Magnitude, R::Input, 18, "0",
        QT_TRANSLATE_NOOP("FieldTable", "The distance between the two mounting points with the rod fully extended")},
    Row{"txtModulus", "lblModulus", QT_TRANSLATE_NOOP("FieldTable", "Elastic Modulus"), "lblStressUnits(0)", Q::Stress,
        C::Magnitude, R::Input, 18, "30000000",
        QT_TRANSLATE_NOOP("FieldTable", "The elastic modulus of the rod's material (steel by default)")},
    Row{"txtYieldStrength", "lblYieldStrength", QT_TRANSLATE_NOOP("FieldTable", "Yield Strength"),
        "lblStressUnits(1)", Q::Stress, C::Magnitude, R::Input, 18, "50000",
        QT_TRANSLATE_NOOP("FieldTable", "The yield strength of the rod's material (steel by default)")},
    Row{"txtBuckleSafety", "lblBuckleSafety", QT_TRANSLATE_NOOP("FieldTable", "Safety Factor"), nullptr, Q::Factor,
        C::Magnitude, R::Input, 0, "3.5",
        QT_TRANSLATE_NOOP("FieldTable", "Divides the buckling load; 3 to 5 is usual")},
    Row{"txtBuckleForce", "lblBuckleForce", QT_TRANSLATE_NOOP("FieldTable", "Push Force"), "lblBuckleForceUnits(0)",
        Q::Force, C::Magnitude, R::Input, 18},
    Row{"txtBucklingLoad", "lblBucklingLoad", QT_TRANSLATE_NOOP("FieldTable", "Buckling Load"),
        "lblBuckleForceUnits(1)", Q::Force, C::None, R::Result, 18},
    Row{"txtAllowableForce", "lblAllowableForce", QT_TRANSLATE_NOOP("FieldTable", "Allowable Force"),
        "lblBuckleForceUnits(2)", Q::Force, C::None, R::Result, 18},
    // Empty when there is no push force, and so no limit.
    Row{"txtMaxBuckleLength", "lblMaxBuckleLength", QT_TRANSLATE_NOOP("FieldTable", "Maximum Length"),
        "lblBuckleLengthUnits(2)", Q::Length, C::None, R::Result, 18},
    Row{"txtMinRodDiameter", "lblMinRodDiameter", QT_TRANSLATE_NOOP("FieldTable", "Minimum Rod Diameter"),
        "lblBuckleLengthUnits(3)", Q::Length, C::None, R::Result, 18},
};

struct Mounting {
    const char *caption;
    const char *toolTip;
    double factor;
};

const Mounting mountings[] = {
    {QT_TRANSLATE_NOOP("RodBucklingPanel", "Fixed - Free"),
     QT_TRANSLATE_NOOP("RodBucklingPanel", "Rigid mounting at one end, the rod end free and unguided: a flange or "
                                           "foot mounting pushing a load that can move sideways"),
     2.0},
    {QT_TRANSLATE_NOOP("RodBucklingPanel", "Pinned - Pinned"),
     QT_TRANSLATE_NOOP("RodBucklingPanel", "Pivoted at both ends: a clevis or trunnion mounting with a rod-end "
                                           "clevis"),
     1.0},
    {QT_TRANSLATE_NOOP("RodBucklingPanel", "Fixed - Pinned"),
     QT_TRANSLATE_NOOP("RodBucklingPanel", "Rigid mounting at one end, the rod end pivoted and guided: a flange or "
                                           "foot mounting with a rod-end clevis"),
     0.7},
    {QT_TRANSLATE_NOOP("RodBucklingPanel", "Fixed - Fixed"),
     QT_TRANSLATE_NOOP("RodBucklingPanel", "Rigid at both ends: a flange or foot mounting with the rod end fixed "
                                           "to a guided load"),
     0.5},
};

QString refusalNote(Calculator::BucklingRefusal refusal)
{
    using Refusal = Calculator::BucklingRefusal;
    switch (refusal) {
    case Refusal::None:
        break;
    case Refusal::MissingRodDiameter:
        return RodBucklingPanel::tr("Type the rod diameter.");
    case Refusal::SafetyFactorNotPositive:
        return RodBucklingPanel::tr("A safety factor must be above 0.");
    case Refusal::MissingMaterial:
        return RodBucklingPanel::tr("Type the rod material's modulus and yield strength.");
    }
    return {};
}

} // namespace

RodBucklingPanel::RodBucklingPanel(Context context, QWidget *parent)
    : Panel(5, QT_TRANSLATE_NOOP("Panel", "Rod Buckling"), context, parent)
{
    buildRows(rows, "frameBuckleInputs", "frameBuckleOutputs");
    m_rod = edit("txtBuckleRod");
    m_length = edit("txtBuckleLength");
    m_modulus = edit("txtModulus");
    m_yieldStrength = edit("txtYieldStrength");
    m_safetyFactor = edit("txtBuckleSafety");
    m_force = edit("txtBuckleForce");
    m_bucklingLoad = edit("txtBucklingLoad");
    m_allowableForce = edit("txtAllowableForce");
    m_maximumLength = edit("txtMaxBuckleLength");
    m_minimumRod = edit("txtMinRodDiameter");

    // Two columns of two keep the panel no taller than the valve-flow panel.
    auto *frame = new QGroupBox(tr("Mounting"));
    frame->setObjectName(QStringLiteral("frameMounting"));
    auto *grid = new QGridLayout(frame);
    grid->setVerticalSpacing(0);
    grid->setContentsMargins(6, 2, 6, 2);
    QList<QWidget *> stops;
    for (int index = 0; const Mounting &mounting : mountings) {
        auto *button = new QRadioButton(tr(mounting.caption));
        button->setObjectName(QStringLiteral("optMounting(%1)").arg(index));
        button->setToolTip(tr(mounting.toolTip));
        grid->addWidget(button, index % 2, index / 2);
        m_mounting[index] = button;
        stops.append(button);
        ++index;
    }
    m_mounting[1]->setChecked(true);
    OptionGroups::keepOneTabStop(m_mounting[0]);
    OptionGroups::onSelected(m_mounting, this, [this](int) { markEdited(); });
    addChoiceFrame(frame, stops);

    addCommand("btnCalcBuckling", tr("Calculate"), [this] { return calculate(); }, [this] { return m_notes; }, true);
}

double RodBucklingPanel::mountingFactor() const
{
    const auto selected = std::ranges::find_if(m_mounting, &QRadioButton::isChecked);
    return mountings[selected == m_mounting.end() ? 1 : selected - m_mounting.begin()].factor;
}

QList<std::pair<QString, QString>> RodBucklingPanel::choices() const
{
    const auto selected = std::ranges::find_if(m_mounting, &QRadioButton::isChecked);
    return {{tr("Mounting"), selected == m_mounting.end() ? QString() : (*selected)->text()}};
}

FieldTexts RodBucklingPanel::calculate()
{
    const double rod = readNumber(m_rod);
    const double length = readNumber(m_length);
    const double modulus = readNumber(m_modulus);
    const double yieldStrength = readNumber(m_yieldStrength);
    const double safetyFactor = readNumber(m_safetyFactor);
    const double force = readNumber(m_force);

    const auto result =
        Calculator::RodBuckling(rod, length, mountingFactor(), modulus, yieldStrength, safetyFactor, force);
    if (result.refusal != Calculator::BucklingRefusal::None)
        throw CommandNoted{refusalNote(result.refusal)};

    m_notes = {result.formula == Calculator::BucklingFormula::Euler ? tr("Slender rod: Euler's formula.")
                                                                     : tr("Short rod: Johnson's formula.")};
    if (result.overloaded)
        m_notes.append(tr("The push force is above the allowable force: the rod may buckle."));
    return {{m_bucklingLoad, NumberText::formatRounded(result.bucklingLoad)},
            {m_allowableForce, NumberText::formatRounded(result.allowableForce)},
            {m_maximumLength, result.maximumLength ? NumberText::formatRounded(*result.maximumLength) : QString()},
            {m_minimumRod, NumberText::formatRounded(result.minimumRodDiameter)}};
}
