// SPDX-License-Identifier: MIT
#include "panelReport.h"

#include "applicationInfo.h"
#include "disclaimerPanel.h"
#include "messageBoxes.h"
#include "panel.h"

#include <report/reportContent.h>
#include <report/reportPage.h>

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace {

bool askPrintDialog(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString askSaveFileName(QWidget *parent, const QString &suggested)
{
    return QFileDialog::getSaveFileName(parent, PanelReport::tr("Save Report as PDF"), suggested,
                                        PanelReport::tr("PDF files (*.pdf)"));
}

} // namespace

PanelReport::PanelReport(QWidget *window, CommandRunner &runner, Shown shown)
    : QObject(window), m_window(window), m_runner(runner), m_shown(std::move(shown)),
      m_saveFileAsker(askSaveFileName), m_printDialogRunner(askPrintDialog)
{
}

Report::Content PanelReport::content() const
{
    const auto [panel, unitSystem] = m_shown();
    Report::Content content;
    content.title = QStringLiteral("%1 %2").arg(QString::fromLatin1(ApplicationInfo::displayName),
                                                QString::fromLatin1(ApplicationInfo::version));
    content.panel = panel->name();
    content.created = QDateTime::currentDateTime();
    content.unitSystem = unitSystem;

    using FieldTable::Role;
    const std::pair<Role, QString> sections[] = {
        {Role::Input, tr("Input Values")},
        {Role::Result, tr("Output Values")},
        {Role::Total, tr("System Totals")},
    };
    for (const auto &[role, heading] : sections) {
        Report::Section section{heading, {}};
        for (const Field &field : panel->fields()) {
            if (field.row->role != role)
                continue;
            // An empty result is one the command found none for (no
            // standard bore that large): it has no unit either.
            const QString text = field.edit->text();
            section.rows.append({Fields::caption(field), text.isEmpty() ? tr("none") : text,
                                 text.isEmpty() ? QString() : Fields::unitShown(field)});
        }
        if (role == Role::Input)
            for (const auto &[caption, choice] : panel->choices())
                section.rows.append({caption, choice, QString()});
        if (!section.rows.isEmpty())
            content.sections.append(std::move(section));
    }

    const Panel::Record &record = panel->record();
    if (!record.calculated)
        content.notes.append(tr("Not calculated yet"));
    else if (record.editedSince)
        content.notes.append(
            tr("Inputs changed after the last calculation: press Calculate before relying on these results."));
    content.notes.append(record.advice);
    content.disclaimer = DisclaimerPanel::text();
    return content;
}

QString PanelReport::text()
{
    QString text;
    // Made as a command, after the field being edited is cleaned as every
    // command cleans it first; it writes no field.
    m_runner.run({.work = [this, &text] {
        text = Report::plainText(content());
        return FieldTexts{};
    }});
    return text;
}

bool PanelReport::save(const QString &path)
{
    bool saved = false;
    m_runner.run({
        .work =
            [this, &path] {
                QString error;
                if (!Report::writePdf(content(), path, &error))
                    throw CommandRefused{tr("The report could not be saved as %1: %2")
                                             .arg(QDir::toNativeSeparators(path), error)};
                return FieldTexts{};
            },
        .alsoWrite = [&saved] { saved = true; },
        // In the notes, which a screen reader hears as well.
        .notes = [&path] { return QStringList{tr("Report saved as %1.").arg(QDir::toNativeSeparators(path))}; },
    });
    return saved;
}

void PanelReport::copy()
{
    m_runner.run({
        .work =
            [this] {
                QApplication::clipboard()->setMimeData(Report::mimeData(content()).release());
                return FieldTexts{};
            },
        .announcement = [](const FieldTexts &) { return tr("The results are on the clipboard."); },
    });
}

QString PanelReport::suggestedName() const
{
    const QString panel = m_shown().first->name().remove(u'&').toLower();
    const QString name = QStringLiteral("corvane-%1-%2.pdf")
                             .arg(panel.split(u' ', Qt::SkipEmptyParts).join(u'-'),
                                  QDate::currentDate().toString(Qt::ISODate));
    const QString folder = m_lastFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : m_lastFolder;
    return QDir(folder).filePath(name);
}

void PanelReport::saveAs()
{
    QString path = m_saveFileAsker(m_window, suggestedName());
    MessageBoxes::giveFocusBack(m_window);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (save(path))
        m_lastFolder = QFileInfo(path).absolutePath();
}

void PanelReport::print()
{
    // Print support starts here, at the first Print, not with the window.
    QPrinter printer(QPrinter::HighResolution);
    Report::setUpPrinter(&printer, content());
    const bool accepted = m_printDialogRunner(m_window, &printer);
    MessageBoxes::giveFocusBack(m_window);
    if (!accepted)
        return;
    m_runner.run({.work = [this, &printer] {
        if (!Report::print(content(), &printer))
            throw CommandRefused{tr("The report could not be printed: the printer could not be started.")};
        return FieldTexts{};
    }});
}
