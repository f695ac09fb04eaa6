// SPDX-License-Identifier: MIT
// The status bar at the bottom of the window and what it notes.
//
// A cleaning that put another number in a field says so ("Air Pressure:
// "abc" is not a number; set to 0."), and so does a command whose results
// cannot be physical; the values stay as computed. Each note is told to
// screen readers too. StatusNotes decides how long a note stays.
#include "frmPressureCalc.h"

#include "numberText.h"
#include "screenReader.h"
#include "statusNotes.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QStatusBar>

void frmPressureCalc::installStatusBar()
{
    // Below the canvas: the panels keep their size and the window grows by
    // the bar's height.
    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(false);
    bar->setAccessibleName(tr("Notes"));
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->setSpacing(0);
    grid->addWidget(bar, 1, 0);
    m_statusNotes = std::make_unique<StatusNotes>(bar);

    // The user's typing is the next action: the note has been read.
    for (const Fields::Field &field : m_fields)
        if (field.row->role == FieldTable::Role::Input)
            connect(field.edit, &QLineEdit::textEdited, this, [this] { m_statusNotes->edited(); });
}

void frmPressureCalc::noteCleaning(const QLineEdit *field, const QString &note)
{
    const QString said = tr("%1: %2", "a field's caption, then what its cleaning did").arg(captionOf(field), note);
    m_statusNotes->cleaned(said);
    if (m_screenReader)
        m_screenReader->announce(said);
}

QStringList frmPressureCalc::forceNotes() const
{
    const double bore = NumberText::parse(m_ui.cylinderBore[0]->text()).value_or(0.0);
    const double rod = NumberText::parse(m_ui.rodDiameter->text()).value_or(0.0);
    if (rod > 0.0 && rod >= bore)
        return {tr("The rod is as large as the bore: there is no pull force.")};
    return {};
}

QStringList frmPressureCalc::boreNotes() const
{
    QStringList notes;
    // 0, the start-up text, means no margin; between 0 and 1 is less than none.
    const double safetyFactor = NumberText::parse(m_ui.safetyFactor->text()).value_or(0.0);
    if (safetyFactor > 0.0 && safetyFactor < 1.0)
        notes.append(tr("A safety factor below 1 makes the area smaller than the force needs."));
    return notes + standardBoreNotes();
}

QStringList frmPressureCalc::standardBoreNotes() const
{
    // The standard bore is empty for a minimum bore of 0 (nothing to order)
    // and for one beyond the series.
    const double minimumBore = NumberText::parse(m_ui.minimumBore->text()).value_or(0.0);
    if (minimumBore > 0.0 && m_ui.standardBore->text().isEmpty())
        return {tr("No standard bore is that large.")};
    return {};
}

QStringList frmPressureCalc::valveFlowNotes() const
{
    const double pressure = NumberText::parse(m_ui.airPressure[2]->text()).value_or(0.0);
    const double drop = NumberText::parse(m_ui.pressureDrop->text()).value_or(0.0);
    if (drop > 0.0 && drop >= pressure)
        return {tr("The pressure drop is at least the air pressure: no air flows.")};
    return {};
}
