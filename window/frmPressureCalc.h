// SPDX-License-Identifier: MIT
#pragma once

#include "fields.h"
#include "formControls.h"
#include "websiteLink.h"

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <QHash>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FieldCleaner;
class QAction;
class QMenuBar;
class QPrinter;
class QPushButton;
class ScreenReader;
class StatusNotes;
namespace ControlTable { struct Control; }
namespace Report { struct Content; }
namespace WindowScale { class ZoomedIndicators; }

// The calculator window. It owns all state of the program; the formulas it
// calls keep none. It is built from the control table (every control) and
// the field table (what each field holds); each of its features lives in a
// file of its own, named below.
class frmPressureCalc : public QWidget
{
    Q_OBJECT

public:
    enum UnitSystem : qint16 { Imperial = 0, Metric = 1 };

    explicit frmPressureCalc(QWidget *parent = nullptr);
    ~frmPressureCalc() override;

    qint16 currentCalculator() const { return m_currentCalculator; }
    qint16 unitSystem() const { return m_unitSystem; }

    static QString disclaimerText();

    // How the logo opens the website; the desktop's own way unless replaced.
    void setWebsiteOpener(WebsiteLink::Opener opener);

    // The report of the visible panel (reportOfPanel.cpp). saveReport writes
    // it as a one-page PDF without asking; on failure it shows one message
    // box and returns false, leaving no file and the window as it was.
    // reportText gives its plain-text form. Both run as commands do.
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

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // frmPressureCalc.cpp: building the window from the control table.
    void buildControls();
    QWidget *createControl(const ControlTable::Control &entry, QWidget *container);
    void setTabOrderFromTable();
    // Every control, in the order of the control table.
    std::vector<QWidget *> m_controls;
    // Holds every control at the layout's size, centred in the client area.
    QWidget *m_canvas = nullptr;

    // zoom.cpp: the scale from the application font and the zoom, within
    // the screen. Ctrl+Plus (or Ctrl+=), Ctrl+Minus and Ctrl+0 zoom the window.
    void installZoom();
    void zoomTo(double zoom);
    // Lays the window out at the scale asked for, or at the largest at which
    // its whole frame fits the screen, and keeps it on the screen.
    void applyScale();
    // Places, sizes and fonts of every control at m_scale, and the window's
    // size to match.
    void layOutAtScale();
    // The disclaimer's font: the window's, bold.
    QFont disclaimerFont() const;
    // The menus keep the desktop's menu font, whatever the zoom.
    QFont menuFont() const;
    // Moves the window back onto the screen where the window system lets it.
    void keepOnScreen();
    // The next zoom step, held where the window would outgrow the screen.
    double zoomInStep() const;
    // The step below, unless the layout would no longer hold there.
    double zoomOutStep() const;
    // Whether, at a scale, no two controls overlap that do not as drawn,
    // every option button's indicator and caption fit it, and every caption
    // fits at 6 points or more.
    bool layoutHoldsAt(double scale) const;
    double largestFittingScale() const;
    // The application font's scale times the zoom, within the screen.
    double scale() const;
    // The window's decorations (title bar and borders), estimated until the
    // window has been framed.
    QSize decorations() const;
    // The size the window's layout asks for, all it holds included.
    QSize wholeSize() const;
    // What the window's layout holds besides the canvas, as it sizes it.
    QSize aroundCanvas() const;
    double m_zoom = 1.0;
    double m_scale = 1.0;
    // The decorations and the window's whole size the last layout was made for.
    QSize m_decorationsAssumed;
    QSize m_sizeLaidOut;
    // The scale, window font and option indicators the canvas was last
    // drawn for.
    struct CanvasDrawn {
        double scale = 0.0;
        QFont font;
        double indicatorZoom = 0.0;
        bool operator==(const CanvasDrawn &) const = default;
    };
    CanvasDrawn m_canvasDrawn;
    WindowScale::ZoomedIndicators *m_indicatorStyle = nullptr;

    // startUp.cpp: start-up and calculator selection.
    void connectCalculatorSelector();
    void startUp();
    void selectCalculator(int index);
    // Every unit label whose caption follows the unit system, in that
    // system's captions.
    void labelUnits(int system);

    // commandSupport.cpp: what every command shares.
    // A field and the text a command gives it.
    struct FieldText {
        QLineEdit *field;
        QString text;
    };
    using FieldTexts = std::vector<FieldText>;
    // Thrown by a command that cannot be carried out; the message tells the
    // user why.
    struct CommandRefused {
        QString message;
    };
    // What a screen reader is told after a command: the sentence made of its
    // new texts, or else each new text with its caption and unit.
    using Announcement = std::function<QString(const FieldTexts &)>;
    struct Command {
        // Works out every new text; reads the window, changes nothing.
        std::function<FieldTexts()> work;
        // What else the command changes, right after its texts are written.
        std::function<void()> alsoWrite = {};
        // Puts back what the user changed to start the command, if refused.
        std::function<void()> undo = {};
        Announcement announcement = {};
        // The status bar's notes on what was written (notes.cpp).
        std::function<QStringList()> notes = {};
    };
    // The one way a command runs. It cleans the field being edited, then
    // works out every new text; only when all are known are they written, in
    // order, and the command's other changes made. A refusal, an arithmetic
    // error or any other exception is caught here: undo puts back what the
    // user changed to start the command, and one message box tells the user
    // why nothing was written. After writing, the status bar shows the
    // command's notes and a screen reader is told what changed.
    void runCommand(const Command &command);
    // A click on the button runs the command that `work` works out, with
    // the notes that `notes` gives; a panel's Calculate button also records
    // the calculation for the report.
    void connectCommand(QPushButton *button, FieldTexts (frmPressureCalc::*work)() const,
                        QStringList (frmPressureCalc::*notes)() const = nullptr);
    // The Calculate buttons of the three calculator panels, by panel index.
    std::array<QPushButton *, 3> calculateButtons() const;
    void announceResults(const FieldTexts &results, const Announcement &announcement);
    // A field's text as a number, or CommandRefused naming the field.
    double readNumber(const QLineEdit *field) const;
    // What names a field to the user: the caption beside it ("Air Pressure").
    QString captionOf(const QWidget *field) const;
    // The calculator whose panel holds the field ("Cylinder Force").
    QString panelNameOf(const QWidget *field) const;

    // fieldValidation.cpp: cleaning each field that the field table gives a
    // cleaner when the focus leaves it.
    void installFieldValidation();
    // Cleans the field that has the focus now, as its focus loss would, so a
    // command sees clean texts even when its button took no focus.
    void finishPendingEdit();
    // A member rather than a child object: it goes before the controls do,
    // so no handler runs while the window is torn down.
    std::unique_ptr<FieldCleaner> m_fieldCleaner;

    // cylinderCommands.cpp: the Calculate commands of the two cylinder panels.
    void connectCylinderCommands();
    FieldTexts calculateForce() const;
    FieldTexts calculateBoreSize() const;
    // The smallest standard bore of the unit system's series at or above a
    // minimum bore, and its push force at an air pressure; both texts empty
    // when the series has no such bore.
    FieldTexts standardBoreTexts(double minimumBore, double pressure, int system) const;
    // The standard bore in a system being switched to, for the minimum bore
    // and air pressure as the switch converted them.
    FieldTexts standardBoreAfterSwitch(const FieldTexts &converted, int system) const;

    // unitSwitch.cpp: converting the whole window to the other unit system.
    void connectUnitSwitch();
    void switchUnits(int system);
    // Every text the switch to a system writes.
    FieldTexts unitSwitchTexts(int system) const;
    // The fields the field table has the switch convert, converted, or
    // given back the text they had before the last switch.
    FieldTexts convertedFields(int system) const;
    static QString unitSystemName(int system);
    // The text a field had before the last switch, while it still holds the
    // text that switch wrote; nothing once it holds another.
    std::optional<QString> textBeforeSwitch(const QLineEdit *field) const;
    struct SwitchedText {
        QString before;
        QString written;
    };
    // Each field the last switch wrote.
    QHash<const QLineEdit *, SwitchedText> m_lastSwitch;

    // notes.cpp: the status bar, and its notes on cleaned fields and on
    // results that cannot be physical.
    void installStatusBar();
    void noteCleaning(const QLineEdit *field, const QString &note);
    QStringList forceNotes() const;
    QStringList boreNotes() const;
    QStringList standardBoreNotes() const;
    QStringList valveFlowNotes() const;
    std::unique_ptr<StatusNotes> m_statusNotes;

    // valveFlowCommands.cpp: the valve-flow panel and the system flow total.
    void connectValveFlowCommands();
    FieldTexts calculateValveFlow() const;
    // Converts the coefficient shown to the kind now selected.
    FieldTexts changeCoefficientKind() const;
    // What a screen reader says after the kind changed.
    QString coefficientKindSentence(const FieldTexts &converted) const;
    FieldTexts addToSystemFlow() const;
    FieldTexts resetSystemFlow() const;
    // Whether "CV Factor" rather than "kV Factor" is selected.
    bool cvFactorSelected() const;
    // Set while a refused change of kind puts the old selection back.
    bool m_restoringCoefficientKind = false;

    // websiteCommand.cpp: the logo opens the maker's website.
    void connectWebsiteLink();
    void openWebsite();
    // Tells the user the address when the page could not be opened.
    void showWebsiteFallback();
    WebsiteLink::Opener m_websiteOpener;

    // accessibility.cpp: using the window from the keyboard and with a
    // screen reader. Return or Enter in an input field runs its panel's
    // Calculate command.
    void installKeyboardUse();
    // Names every field, button and option button for screen readers, and
    // makes the screen reader that tells units and results.
    void nameControlsForScreenReaders();
    std::unique_ptr<ScreenReader> m_screenReader;

    // menuBar.cpp: the menu bar above the panels and the About box.
    void installMenuBar();
    // The report's actions only where a panel has a report.
    void enableReportActions();
    void showAbout();
    QMenuBar *m_menuBar = nullptr;
    std::vector<QAction *> m_reportActions;
    std::vector<QAction *> m_panelActions;

    // reportOfPanel.cpp: the report of the visible panel, and what it says
    // about the panel's last calculation.
    void installReportRecords();
    // Notes the warnings the calculator shows while a command runs.
    void noteCalculatorWarning(const QString &prompt);
    // After a panel's Calculate has written its results.
    void recordCalculation(int panel);
    Report::Content reportContent() const;
    void copyResults();
    void saveReportAs();
    void printReport();
    // The default file name: corvane-<panel>-<yyyy-mm-dd>.pdf.
    QString suggestedReportName() const;
    struct PanelRecord {
        bool calculated = false;
        bool editedSince = false; // an input edited after the last Calculate
        QStringList advice;       // the warnings that Calculate showed
    };
    std::array<PanelRecord, 3> m_panelRecords;
    QStringList m_warningsOfCommand;
    SaveFileAsker m_saveFileAsker;
    PrintDialogRunner m_printDialogRunner;

    qint16 m_currentCalculator = 0;
    qint16 m_unitSystem = Imperial;

    FormControls m_ui;
    // The field table with this window's controls.
    Fields m_fields;
};
