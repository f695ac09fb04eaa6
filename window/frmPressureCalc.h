// SPDX-License-Identifier: MIT
#pragma once

#include "formControls.h"
#include "websiteLink.h"

#include <QHash>
#include <QLineEdit>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class FieldValidation;
class ScreenReader;
namespace ControlTable { struct Control; }

// Captions of each unit in both unit systems: entry 0 imperial, entry 1
// metric; entry 2 is never set or shown.
struct UnitNameTables {
    using Table = std::array<QString, 3>;
    Table pressureUnits;
    Table forceUnits;
    Table areaUnits;
    Table lengthUnits;
    Table temperatureUnits;
    Table flowUnits;
    Table volumeUnits;
};

// The calculator window. It owns all state of the program; the formulas it
// calls keep none. Handlers live in files named after what they do.
class frmPressureCalc : public QWidget
{
    Q_OBJECT

public:
    enum UnitSystem : qint16 { Imperial = 0, Metric = 1 };

    explicit frmPressureCalc(QWidget *parent = nullptr);
    ~frmPressureCalc() override;

    qint16 currentCalculator() const { return m_currentCalculator; }
    qint16 unitSystem() const { return m_unitSystem; }
    const UnitNameTables &unitNames() const { return m_unitNames; }

    // Controls by object name, array elements as "txtAirPressure(2)", for
    // tests and benchmarks; the window's own code uses the typed members.
    // Asking for a name the window does not have is a programming error.
    QWidget *control(const QString &name) const;
    template<class T> T *control(const QString &name) const
    {
        return qobject_cast<T *>(control(name));
    }
    QLineEdit *field(const QString &name) const;
    // The elements of a control array, in index order.
    QList<QWidget *> controlArray(const QString &name) const;

    static QString disclaimerText();

    // How the logo opens the website; the desktop's own way unless replaced.
    void setWebsiteOpener(WebsiteLink::Opener opener);

private:
    // frmPressureCalc.cpp: building the window from the control table.
    void buildControls();
    QWidget *createControl(const ControlTable::Control &entry, QWidget *container);
    void setTabOrderFromTable();
    void keepOptionGroupsOneTabStop();
    // Places, sizes and fonts of every control at the scale in force now.
    void applyScale();

protected:
    void changeEvent(QEvent *event) override;

private:
    // windowScale.cpp: the scale from the application font and the zoom.
    // Ctrl+Plus (or Ctrl+=), Ctrl+Minus and Ctrl+0 zoom the window.
    void installZoom();
    // The next zoom step, held where the window would outgrow the screen.
    double zoomInStep() const;
    double largestFittingScale() const;
    // The application font's scale times the zoom, within the screen.
    double scale() const;
    double m_zoom = 1.0;
    double m_scale = 1.0;
    // Holds every control at the layout's size, centred in the client area.
    QWidget *m_canvas = nullptr;

    // startUp.cpp: start-up and calculator selection.
    void startUp();
    void selectCalculator(int index);
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
    // The one way a command runs. It cleans the field being edited, then
    // works out every new text; only when all are known are they written, in
    // order. A refusal, an arithmetic error or any other exception is caught
    // here: undo (if given) puts back what the user changed to start the
    // command, and one message box tells the user why nothing was written.
    // After writing, a screen reader is told what changed: the sentence
    // announcement makes of the new texts, or else each new text with its
    // caption and unit.
    using Announcement = std::function<QString(const FieldTexts &)>;
    void runCommand(const std::function<FieldTexts()> &command,
                    const std::function<void()> &undo = {},
                    const Announcement &announcement = {});
    void announceResults(const FieldTexts &results, const Announcement &announcement);
    // A field's text as a number, or CommandRefused naming the field.
    double readNumber(const QLineEdit *field) const;
    // The caption beside a field, which names it to the user ("Air Pressure").
    QString captionOf(const QWidget *field) const;

    // fieldValidation.cpp: cleaning each input field when it loses the focus.
    void installFieldValidation();
    // Cleans the field that has the focus now, as its focus loss would, so a
    // command sees clean texts even when its button took no focus.
    void finishPendingEdit();
    // A member rather than a child object: it goes before the controls do,
    // so no handler runs while the window is torn down.
    std::unique_ptr<FieldValidation> m_fieldValidation;

    // cylinderCommands.cpp: the Calculate commands of the two cylinder panels.
    void connectCylinderCommands();
    FieldTexts calculateForce() const;
    FieldTexts calculateBoreSize() const;
    // The smallest standard bore of the unit system's series at or above a
    // minimum bore, and its push force at an air pressure; both texts empty
    // when the series has no such bore.
    FieldTexts standardBoreTexts(double minimumBore, double pressure, int system) const;

    // unitSwitch.cpp: converting the whole window to the other unit system.
    void connectUnitSwitch();
    void switchUnits(int system);
    FieldTexts convertFieldsTo(int system) const;

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

    // websiteLink.cpp: the logo that opens the maker's website.
    void connectWebsiteLink();
    void openWebsite();
    // Tells the user the address when the page could not be opened.
    void showWebsiteFallback();
    WebsiteLink::Opener m_websiteOpener;

    // keyboardUse.cpp: using the window from the keyboard and a screen reader.
    // Return or Enter in an input field runs its panel's Calculate command.
    void installKeyboardUse();
    // Names every field, button and option button for screen readers; runs
    // after start-up has given the selector its captions.
    void nameControlsForScreenReaders();
    // screenReader.cpp: units, the coefficient kind and command results for
    // screen readers; made by nameControlsForScreenReaders.
    std::unique_ptr<ScreenReader> m_screenReader;

    qint16 m_currentCalculator = 0;
    qint16 m_unitSystem = Imperial;
    UnitNameTables m_unitNames;

    FormControls m_ui;
    // Each captioned field's caption label.
    QHash<const QWidget *, QLabel *> m_captionLabels;
    QHash<QString, QWidget *> m_controlsByName;
    QHash<QString, QList<QWidget *>> m_arraysByName;
};
