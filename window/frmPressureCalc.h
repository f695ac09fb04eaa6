// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>

#include <QLineEdit>
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

    static QString disclaimerText();

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

    // fieldValidation.cpp: cleaning each input field when it loses the focus.
    void installFieldValidation();

    // cylinderCommands.cpp: the Calculate commands of the two cylinder panels.
    void connectCylinderCommands();

    // unitSwitch.cpp: converting the whole window to the other unit system.
    void connectUnitSwitch();

    // valveFlowCommands.cpp: the valve-flow panel and the system flow total.
    void connectValveFlowCommands();

    // websiteLink.cpp: the logo that opens the maker's website.
    void connectWebsiteLink();

    qint16 m_currentCalculator = 0;
    qint16 m_unitSystem = Imperial;
    UnitNameTables m_unitNames;

    QHash<QString, QWidget *> m_controls;
    QHash<QString, QList<QWidget *>> m_arrays;
};
