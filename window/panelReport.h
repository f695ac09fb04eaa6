// SPDX-License-Identifier: MIT
#pragma once

#include "commandRunner.h"

#include <QObject>
#include <QString>

#include <functional>

class Panel;
class QPrinter;
class QWidget;
namespace Report { struct Content; }

// The report of the visible panel: copied to the clipboard, saved as a PDF
// file or printed.
//
// The report lists the panel's fields in screen order, each with its
// caption, its text and its unit exactly as the window shows them; it
// computes nothing and changes no field. It says when the results may not
// belong to the inputs shown (an input edited after the panel's last
// Calculate, or no Calculate yet) and repeats the warnings that Calculate
// showed. Every report command runs as the window's other commands do: a
// failure is one message box and changes nothing.
class PanelReport : public QObject
{
    Q_OBJECT

public:
    using SaveFileAsker = std::function<QString(QWidget *parent, const QString &suggested)>;
    using PrintDialogRunner = std::function<bool(QWidget *parent, QPrinter *printer)>;
    // The panel shown and the unit system's caption ("Imperial").
    using Shown = std::function<std::pair<const Panel *, QString>()>;

    PanelReport(QWidget *window, CommandRunner &runner, Shown shown);

    void setSaveFileAsker(SaveFileAsker asker) { m_saveFileAsker = std::move(asker); }
    void setPrintDialogRunner(PrintDialogRunner runner) { m_printDialogRunner = std::move(runner); }

    // Writes a one-page PDF without asking; on failure one message box, no
    // file, and false.
    bool save(const QString &path);
    QString text();
    void copy();
    void saveAs();
    void print();

private:
    Report::Content content() const;
    // corvane-<panel>-<yyyy-mm-dd>.pdf in the folder of the last report
    // saved, or at first in the documents folder.
    QString suggestedName() const;

    QWidget *m_window;
    CommandRunner &m_runner;
    Shown m_shown;
    SaveFileAsker m_saveFileAsker;
    PrintDialogRunner m_printDialogRunner;
    // Kept for the rest of the run only: the program writes no settings.
    QString m_lastFolder;
};
