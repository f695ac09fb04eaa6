// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>

#include <QLineEdit>

#include "websiteLink.h"
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

    // A control by its name, array elements as "txtAirPressure(2)".
    // Asking for a name the window does not have is a programming error.
    QWidget *control(const QString &name) const;
    template<class T> T *control(const QString &name) const
    {
        return qobject_cast<T *>(control(name));
    }
    QLineEdit *field(const QString &name) const { return control<QLineEdit>(name); }

    // The elements of a control array, in index order.
    QList<QWidget *> controlArray(const QString &name) const;

    // The caption beside a field, which names it to the user ("Air Pressure").
    QString captionOf(const QString &fieldName) const;

    static QString disclaimerText();

    // How the logo opens the website; the desktop's own way unless replaced.
    void setWebsiteOpener(WebsiteLink::Opener opener);

private:
    // frmPressureCalc.cpp: building the window from the control table.
    void buildControls();
    QWidget *createControl(const ControlTable::Control &entry, QWidget *container);
    void setTabOrderFromTable();
    void keepOptionGroupsOneTabStop();

    // startUp.cpp: start-up and calculator selection.
    void startUp();
    void selectCalculator(int index);
    void labelUnits(int system);

    // commandSupport.cpp: what every command shares.
    struct NumberInput {
        const char *field;
        double *value;
    };
    // Runs a command after the field being edited has been cleaned. A command
    // computes into locals and writes its fields last; an arithmetic error or
    // any other exception it throws is reported in a message box instead, so
    // that no field is half-written and nothing reaches the event loop.
    void runCommand(const std::function<void()> &command);
    // Reads each field as a number, in the order given. Returns false, after
    // telling the user which field holds no number, if any of them fails.
    bool readNumbers(std::initializer_list<NumberInput> inputs);

    // fieldValidation.cpp: cleaning each input field when it loses the focus.
    void installFieldValidation();
    // Cleans the field that has the focus now, as its focus loss would, so a
    // command sees clean texts even when its button took no focus.
    void finishPendingEdit();
    // One handler per validated field, run each time it loses the focus; the
    // handler of a control array is given the index of the element.
    void txtAirPressureLostFocus(int index);
    void txtCylinderBoreLostFocus(int index);
    void txtForceRequiredLostFocus();
    void txtSafetyFactorLostFocus();
    void txtAreaRequiredLostFocus();
    void txtMinBoreSizeLostFocus();
    void txtRodDiameterLostFocus();
    void txtStrokeLengthLostFocus();
    void txtStrokTimeLostFocus();
    void txtNumCylindersLostFocus();
    void txtPressureDropLostFocus();
    void txtRoomTempLostFocus();
    // Watches the validated fields for the loss of focus and knows each
    // field's handler. A member rather than a child object: it goes before
    // the controls do, so no handler runs while the window is torn down.
    std::unique_ptr<QObject> m_fieldValidation;

    // cylinderCommands.cpp: the Calculate commands of the two cylinder panels.
    void connectCylinderCommands();
    void calculateForce();
    void calculateBoreSize();

    // unitSwitch.cpp: converting the whole window to the other unit system.
    void connectUnitSwitch();
    void switchUnits(int system);
    // Leaves the window in the system in force and tells the user which field
    // could not be converted.
    void refuseUnitSwitch(QLineEdit *failedField, int system);

    // valveFlowCommands.cpp: the valve-flow panel and the system flow total.
    void connectValveFlowCommands();
    void calculateValveFlow();
    // Converts the coefficient shown to the kind now selected.
    void changeCoefficientKind();
    void addToSystemFlow();
    void resetSystemFlow();
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
    std::unique_ptr<QObject> m_keyboardUse;

    qint16 m_currentCalculator = 0;
    qint16 m_unitSystem = Imperial;
    UnitNameTables m_unitNames;

    QHash<QString, QWidget *> m_controls;
    QHash<QString, QList<QWidget *>> m_arrays;
};
