// SPDX-License-Identifier: MIT
// The field table against the window built from it: every field of the three
// calculator panels has exactly one row, every row names controls the window
// has, where the control table puts them, and the rows give each field's
// caption and unit as the window shows them.
#include "applicationInfo.h"
#include "fieldTable.h"
#include "fields.h"
#include "frmPressureCalc.h"
#include "quantityTable.h"
#include "windowDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace WindowDriver;
using FieldTable::Role;

namespace {

QString nameOf(const char *objectName)
{
    return QString::fromLatin1(objectName);
}

// The top edge of a control in its panel's coordinates, which orders the
// rows of a panel as the user sees them.
int topInPanel(const QWidget *control, const QWidget *panel)
{
    return control->mapTo(panel, QPoint(0, 0)).y();
}

// The fields of the window as the field table gives them.
Fields fieldsOf(const frmPressureCalc &window)
{
    return Fields([&window](const QString &name) { return window.findChild<QWidget *>(name); });
}

} // namespace

class tst_FieldTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void everyFieldOfTheCalculatorsHasOneRow();
    void everyRowNamesControlsOfItsPlace();
    void rowsAreInScreenOrder();
    void inputsAreCleanedAndResultsReadOnly();
    void convertedRowsKeepTheOrderOfConversion();
    void captionAndUnitAsShown_data();
    void captionAndUnitAsShown();
    void coefficientShowsItsKind();
};

void tst_FieldTable::everyFieldOfTheCalculatorsHasOneRow()
{
    frmPressureCalc window;
    QStringList onPanels;
    for (int panel = 0; panel < 3; ++panel)
        for (const QLineEdit *field : controlArray(window, QStringLiteral("Frame"))[panel]->findChildren<QLineEdit *>())
            onPanels.append(field->objectName());
    QStringList inTable;
    for (const FieldTable::Row &row : FieldTable::rows())
        inTable.append(nameOf(row.field));

    QCOMPARE(inTable.size(), QSet<QString>(inTable.begin(), inTable.end()).size());
    onPanels.sort();
    inTable.sort();
    QCOMPARE(inTable, onPanels);
    QCOMPARE(inTable.size(), 26);
}

void tst_FieldTable::everyRowNamesControlsOfItsPlace()
{
    frmPressureCalc window;
    QSet<QString> unitControls;
    for (const FieldTable::Row &row : FieldTable::rows()) {
        const auto *field = window.findChild<QLineEdit *>(nameOf(row.field));
        QVERIFY2(field, row.field);
        // On the panel the row gives, in the same frame as its caption and
        // unit and on the same line.
        QVERIFY2(controlArray(window, QStringLiteral("Frame"))[int(row.panel)]->isAncestorOf(field), row.field);
        const auto onItsLine = [field](const QWidget *beside) {
            return beside->parentWidget() == field->parentWidget() && beside->y() == field->y();
        };

        if (row.caption) {
            const auto *caption = window.findChild<QLabel *>(nameOf(row.caption));
            QVERIFY2(caption, row.caption);
            QVERIFY2(onItsLine(caption) && caption->x() < field->x(), row.caption);
            QCOMPARE(caption->buddy(), field);
        }
        if (!row.unit)
            continue;
        QVERIFY2(!unitControls.contains(nameOf(row.unit)), row.unit);
        unitControls.insert(nameOf(row.unit));
        if (const auto *label = window.findChild<QLabel *>(nameOf(row.unit))) {
            QVERIFY2(onItsLine(label) && label->x() > field->x(), row.unit);
        } else {
            // An option-button array: its first button beside the field.
            const QList<QWidget *> options = controlArray(window, nameOf(row.unit));
            QVERIFY2(options.size() == 2 && qobject_cast<QRadioButton *>(options.first()), row.unit);
            QVERIFY2(onItsLine(options.first()), row.unit);
            QCOMPARE(QuantityTable::units(row.quantity).choice, QuantityTable::UnitChoice::CoefficientKind);
        }
    }
}

void tst_FieldTable::rowsAreInScreenOrder()
{
    // Panel by panel; on each, the inputs from the top, then the results.
    frmPressureCalc window;
    const QList<QWidget *> panels = controlArray(window, QStringLiteral("Frame"));
    const FieldTable::Row *previous = nullptr;
    int previousTop = 0;
    for (const FieldTable::Row &row : FieldTable::rows()) {
        const QWidget *panel = panels[int(row.panel)];
        const int top = topInPanel(window.findChild<QLineEdit *>(nameOf(row.field)), panel);
        if (previous) {
            QVERIFY2(previous->panel <= row.panel, row.field);
            // The results' frame lies below the inputs'; results and totals
            // share it, each total below the result it adds up.
            const bool inputAfterOutput = previous->role != FieldTable::Role::Input && row.role == FieldTable::Role::Input;
            if (previous->panel == row.panel)
                QVERIFY2(!inputAfterOutput && previousTop < top, row.field);
        }
        previous = &row;
        previousTop = top;
    }
}

void tst_FieldTable::inputsAreCleanedAndResultsReadOnly()
{
    frmPressureCalc window;
    for (const FieldTable::Row &row : FieldTable::rows()) {
        const bool result = row.role != Role::Input;
        QCOMPARE(field(window, nameOf(row.field))->isReadOnly(), result);
        if (!result)
            QVERIFY2(row.cleaner != FieldTable::Cleaner::None, row.field);
    }
}

void tst_FieldTable::convertedRowsKeepTheOrderOfConversion()
{
    // The driver lists the fields in the order the switch has always
    // converted them; the table's switch order must give the same.
    std::vector<const FieldTable::Row *> converted;
    for (const FieldTable::Row &row : FieldTable::rows())
        if (row.switchOrder > 0)
            converted.push_back(&row);
    std::ranges::stable_sort(converted, {}, &FieldTable::Row::switchOrder);
    QStringList order;
    for (const FieldTable::Row *row : converted) {
        order.append(nameOf(row->field));
        // Converted with the keys of its quantity, a unit of each system.
        const QuantityTable::Units &units = QuantityTable::units(row->quantity);
        QCOMPARE(units.choice, QuantityTable::UnitChoice::UnitSystem);
        QVERIFY2(units.keys[0] && units.keys[1], row->field);
    }
    QCOMPARE(order, convertedFields());
}

void tst_FieldTable::captionAndUnitAsShown_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("imperial");
    QTest::addColumn<QString>("metric");
    const QString degree(QChar(0x00B0));
    QTest::newRow("pressure") << "txtAirPressure(2)" << "Air Pressure" << "PSI" << "Bar";
    QTest::newRow("temperature") << "txtRoomTemp" << "Room Temperature" << degree + " F" << degree + " c";
    QTest::newRow("standard bore") << "txtStandardBore" << "Standard Bore" << "Inches" << "mm";
    QTest::newRow("fixed unit") << "txtStrokTime" << "Stroke Time" << "Seconds" << "Seconds";
    QTest::newRow("no unit") << "txtNumCylinders" << "Number of Cylinders" << "" << "";
    QTest::newRow("coefficient") << "txtCvFactor" << "Flow coefficient" << "CV Factor" << "CV Factor";
}

// What names a field and its unit as the window shows it, in both systems:
// what a report of the panel would list.
void tst_FieldTable::captionAndUnitAsShown()
{
    QFETCH(QString, field);
    QFETCH(QString, caption);
    QFETCH(QString, imperial);
    QFETCH(QString, metric);
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    const Fields fields = fieldsOf(window);
    const Fields::Field *row = fields.find(WindowDriver::field(window, field));
    QVERIFY(row);
    QCOMPARE(fields.caption(*row), caption);
    QCOMPARE(fields.unitShown(*row), imperial);
    useUnits(window, frmPressureCalc::Metric);
    QCOMPARE(fields.unitShown(*row), metric);
    QCOMPARE(fields.caption(*row), caption);
}

void tst_FieldTable::coefficientShowsItsKind()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    const Fields fields = fieldsOf(window);
    const Fields::Field *coefficient = fields.find(field(window, QStringLiteral("txtCvFactor")));
    QVERIFY(coefficient);
    QCOMPARE(fields.unitSpoken(*coefficient), QStringLiteral("Cv"));
    selectPanel(window, 2);
    click(window, QStringLiteral("optCVType(1)"));
    QCOMPARE(fields.unitShown(*coefficient), QStringLiteral("kV Factor"));
    QCOMPARE(fields.unitSpoken(*coefficient), QStringLiteral("Kv"));
    // Every other field says its unit as it shows it.
    for (const Fields::Field &other : fields)
        if (&other != coefficient)
            QCOMPARE(fields.unitSpoken(other), fields.unitShown(other));
}

QTEST_MAIN(tst_FieldTable)
#include "tst_fieldTable.moc"
