// SPDX-License-Identifier: MIT
// The report of the visible panel: copied to the clipboard, saved as a PDF
// file or printed.
//
// The report lists the panel's fields from the field table in screen order,
// each with its caption, its text and its unit exactly as the window shows
// them; it computes nothing and changes no field. It says when the results
// may not belong to the inputs shown (an input edited after the panel's last
// Calculate, or no Calculate yet) and repeats the warnings that Calculate
// showed. The unit switch converts inputs and results together, so it leaves
// both as they were. Every report command runs as the window's other
// commands do (runCommand): a failure is one message box and changes nothing.
#include "frmPressureCalc.h"

#include "applicationInfo.h"

#include <report/reportContent.h>
#include <report/reportPage.h>

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QStandardPaths>

#include <memory>

namespace {

bool askPrintDialog(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString askSaveFileName(QWidget *parent, const QString &suggested)
{
    return QFileDialog::getSaveFileName(parent, frmPressureCalc::tr("Save Report as PDF"), suggested,
                                        frmPressureCalc::tr("PDF files (*.pdf)"));
}

} // namespace

void frmPressureCalc::installReportRecords()
{
    m_saveFileAsker = askSaveFileName;
    m_printDialogRunner = askPrintDialog;
    // An input the user edits makes the panel's results stale until its
    // next Calculate. Only the user's edits count: the unit switch and the
    // cleaning of a field write their texts without this signal.
    for (const Fields::Field &field : m_fields)
        if (field.row->role == FieldTable::Role::Input)
            connect(field.edit, &QLineEdit::textEdited, this,
                    [this, panel = int(field.row->panel)] { m_panelRecords.at(panel).editedSince = true; });
}

void frmPressureCalc::setSaveFileAsker(SaveFileAsker asker)
{
    m_saveFileAsker = std::move(asker);
}

void frmPressureCalc::setPrintDialogRunner(PrintDialogRunner runner)
{
    m_printDialogRunner = std::move(runner);
}

void frmPressureCalc::noteCalculatorWarning(const QString &prompt)
{
    m_warningsOfCommand.append(prompt);
}

void frmPressureCalc::recordCalculation(int panel)
{
    PanelRecord &record = m_panelRecords.at(panel);
    record.calculated = true;
    record.editedSince = false;
    record.advice = m_warningsOfCommand;
}

Report::Content frmPressureCalc::reportContent() const
{
    const int panel = m_currentCalculator;
    Report::Content content;
    content.title = QStringLiteral("%1 %2").arg(QString::fromLatin1(ApplicationInfo::displayName),
                                                QString::fromLatin1(ApplicationInfo::version));
    content.panel = m_ui.calculatorSelector.at(panel)->text();
    content.created = QDateTime::currentDateTime();
    content.unitSystem = m_ui.unitSelector.at(m_unitSystem)->text();

    using FieldTable::Role;
    const std::pair<Role, QString> sections[] = {
        {Role::Input, tr("Input Values")},
        {Role::Result, tr("Output Values")},
        {Role::Total, tr("System Totals")},
    };
    for (const auto &[role, heading] : sections) {
        Report::Section section{heading, {}};
        for (const Fields::Field &field : m_fields) {
            if (int(field.row->panel) != panel || field.row->role != role)
                continue;
            // An empty result is one the command found none for (no
            // standard bore that large): it has no unit either.
            const QString text = field.edit->text();
            section.rows.append({m_fields.caption(field), text.isEmpty() ? tr("none") : text,
                                 text.isEmpty() ? QString() : m_fields.unitShown(field)});
        }
        if (!section.rows.isEmpty())
            content.sections.append(std::move(section));
    }

    if (panel < int(m_panelRecords.size())) {
        const PanelRecord &record = m_panelRecords.at(panel);
        if (!record.calculated || record.editedSince)
            content.notes.append(tr("Inputs changed after the last calculation: press Calculate before "
                                    "relying on these results."));
        content.notes.append(record.advice);
    }
    content.disclaimer = disclaimerText();
    return content;
}

QString frmPressureCalc::reportText() const
{
    QString text;
    // The report is made as a command, after the field being edited is
    // cleaned as every command cleans it first; it writes no field.
    const_cast<frmPressureCalc *>(this)->runCommand({.work = [this, &text] {
        text = Report::plainText(reportContent());
        return FieldTexts{};
    }});
    return text;
}

bool frmPressureCalc::saveReport(const QString &path)
{
    bool saved = false;
    runCommand({
        .work =
            [this, &path] {
                QString error;
                if (!Report::writePdf(reportContent(), path, &error))
                    throw CommandRefused{tr("The report could not be saved as %1: %2")
                                             .arg(QDir::toNativeSeparators(path), error)};
                return FieldTexts{};
            },
        .alsoWrite = [&saved] { saved = true; },
        .announcement = [&path](const FieldTexts &) { return tr("Report saved as %1.").arg(path); },
    });
    return saved;
}

void frmPressureCalc::copyResults()
{
    runCommand({
        .work =
            [this] {
                QApplication::clipboard()->setMimeData(Report::mimeData(reportContent()).release());
                return FieldTexts{};
            },
        .announcement = [](const FieldTexts &) { return tr("The results are on the clipboard."); },
    });
}

QString frmPressureCalc::suggestedReportName() const
{
    const QString panel = m_ui.calculatorSelector.at(m_currentCalculator)->text().remove(u'&').toLower();
    const QString name = QStringLiteral("corvane-%1-%2.pdf")
                             .arg(panel.split(u' ', Qt::SkipEmptyParts).join(u'-'),
                                  QDate::currentDate().toString(Qt::ISODate));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name);
}

void frmPressureCalc::saveReportAs()
{
    QString path = m_saveFileAsker(this, suggestedReportName());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    saveReport(path);
}

void frmPressureCalc::printReport()
{
    // Print support starts here, at the first Print, not with the window.
    QPrinter printer(QPrinter::HighResolution);
    Report::setUpPrinter(&printer, reportContent());
    if (!m_printDialogRunner(this, &printer))
        return;
    runCommand({.work = [this, &printer] {
        if (!Report::print(reportContent(), &printer))
            throw CommandRefused{tr("The report could not be printed: the printer could not be started.")};
        return FieldTexts{};
    }});
}
