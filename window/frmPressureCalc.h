// SPDX-License-Identifier: MIT
#pragma once

#include "fields.h"
#include "websiteLink.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class CommandRunner;
class FieldCleaner;
class LogoLink;
class Panel;
class PanelReport;
class QPrinter;
class QRadioButton;
class QStackedLayout;
class ScreenReader;
class StatusNotes;
class Zoom;

// The calculator window. It holds the top row (the unit selector, the logo
// and the calculator selector), the panels, one shown at a time, the menu
// bar and the status bar; it owns the state of the program, which the
// formulas it calls keep none of. Each panel is a class of its own; the
// window lends them the command runner and the unit system, switches units
// by asking every panel, and makes the report of the panel shown.
class frmPressureCalc : public QWidget
{
    Q_OBJECT

public:
    enum UnitSystem : qint16 { Imperial = 0, Metric = 1 };

    explicit frmPressureCalc(QWidget *parent = nullptr);
    ~frmPressureCalc() override;

    qint16 currentCalculator() const { return m_currentCalculator; }
    qint16 unitSystem() const { return m_unitSystem; }
    // Every field of every panel, panel by panel in table order.
    const Fields &fields() const { return m_fields; }
    // The panels in the order the calculator selector lists them.
    const std::vector<Panel *> &panels() const { return m_panels; }

    static QString disclaimerText();

    // How the logo opens the website; the desktop's own way unless replaced.
    void setWebsiteOpener(WebsiteLink::Opener opener);

    // The report of the visible panel. saveReport writes it as a one-page
    // PDF without asking; on failure it shows one message box and returns
    // false, leaving no file and the window as it was. reportText gives its
    // plain-text form.
    bool saveReport(const QString &path);
    QString reportText() const;
    // What Save Report as PDF asks the user: a file name, offered the one
    // suggested; an empty name cancels. A file dialog unless replaced.
    using SaveFileAsker = std::function<QString(QWidget *parent, const QString &suggested)>;
    void setSaveFileAsker(SaveFileAsker asker);
    // What Print shows before printing: true when the user accepted the
    // printer as set up. The system print dialog unless replaced.
    using PrintDialogRunner = std::function<bool(QWidget *parent, QPrinter *printer)>;
    void setPrintDialogRunner(PrintDialogRunner runner);

private:
    QWidget *buildTopRow();
    void buildPanels(QStackedLayout *stack);
    void setTabOrder();
    // Shows the panel at a position of the selector.
    void selectCalculator(int position);
    Panel *shownPanel() const;
    void nameForScreenReaders();
    void installShortcuts();
    void openWebsite();
    void showAbout();

    // Built first, so that no handler runs while the controls are torn down.
    std::unique_ptr<StatusNotes> m_statusNotes;
    std::unique_ptr<FieldCleaner> m_fieldCleaner;
    std::unique_ptr<CommandRunner> m_runner;
    std::unique_ptr<ScreenReader> m_screenReader;

    std::array<QRadioButton *, 2> m_unitSelector{};
    std::vector<QRadioButton *> m_calculatorSelector;
    LogoLink *m_logo = nullptr;
    QStackedLayout *m_panelStack = nullptr;
    std::vector<Panel *> m_panels;
    Fields m_fields;
    PanelReport *m_report = nullptr;
    Zoom *m_zoom = nullptr;
    WebsiteLink::Opener m_websiteOpener;

    qint16 m_currentCalculator = 0;
    qint16 m_unitSystem = Imperial;
};
