// SPDX-License-Identifier: MIT
#include "statusNotes.h"

#include <QStatusBar>

#include <utility>

StatusNotes::StatusNotes(QStatusBar *bar) : m_bar(bar) {}

void StatusNotes::edited()
{
    m_cleaning.clear();
    show({});
}

void StatusNotes::cleaned(const QString &note)
{
    m_cleaning = note;
    show({note});
}

void StatusNotes::commandRan(const QStringList &notes)
{
    QStringList shown;
    if (!m_cleaning.isEmpty())
        shown.append(std::exchange(m_cleaning, QString()));
    shown.append(notes);
    show(shown);
}

QString StatusNotes::text() const
{
    return m_shown.join(QLatin1Char(' '));
}

void StatusNotes::show(const QStringList &notes)
{
    m_shown = notes;
    if (m_shown.isEmpty())
        m_bar->clearMessage();
    else
        m_bar->showMessage(text());
}
