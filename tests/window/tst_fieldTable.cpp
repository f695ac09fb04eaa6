// SPDX-License-Identifier: MIT
// The panels' tables against the window built from them: every field of the
// calculator panels has exactly one row, every row names controls the window
// has, on one line of its frame, and the rows give each field's caption and
// unit as the window shows them.
#include "applicationInfo.h"
#include "fields.h"
#include "frmPressureCalc.h"
#include "panel.h"
#include "quantityTable.h"
#include "windowDriver.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace WindowDriver;
using FieldTable::Role;

namespace {

// The line of its frame's grid a control lies on, or -1.
int lineOf(const QWidget *control)
{
    const auto *grid = qobject_cast<QGridLayout *>(control->parentWidget()->layout());
    const int index = grid ? grid->indexOf(control) : -1;
    if (index < 0)
        return -1;
    int line = 0, column = 0, lines = 0, columns = 0;
    grid->getItemPosition(index, &line, &column, &lines, &columns);
    return line;
}

// The top edge of a control in its panel's coordinates, which orders the
// rows of a panel as the user sees them.
int topInPanel(const QWidget *control, const QWidget *panel)
{
    return control->mapTo(panel, QPoint(0, 0)).y();
}

} // namespace

class tst_FieldTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void everyFieldOfThePanelsHasOneRow();
    void everyRowNamesControlsOnItsLine();
    void rowsAreInScreenOrder();
    void inputsAreCleanedAndResultsReadOnly();
    void convertedRowsKeepTheOrderOfConversion();
    void captionAndUnitAsShown_data();
    void captionAndUnitAsShown();
    void coefficientShowsItsKind();
};

void tst_FieldTable::everyFieldOfThePanelsHasOneRow()
{
    frmPressureCalc window;
    // The window's fields are the panels', panel by panel in table order.
    std::vector<const QLineEdit *> byPanel;
    QSet<int> indices;
    for (const Panel *panel : window.panels()) {
        indices.insert(panel->index());
        QCOMPARE(panel->objectName(), QStringLiteral("Frame(%1)").arg(panel->index()));
        QList<const QLineEdit *> onPanel;
        for (const QLineEdit *edit : panel->findChildren<QLineEdit *>())
            onPanel.append(edit);
        QList<const QLineEdit *> inTable;
        for (const Field &field : panel->fields()) {
            QCOMPARE(field.panel, panel->index());
            inTable.append(field.edit);
            byPanel.push_back(field.edit);
        }
        QCOMPARE(QSet<const QLineEdit *>(inTable.begin(), inTable.end()).size(), inTable.size());
        std::ranges::sort(onPanel);
        std::ranges::sort(inTable);
        QCOMPARE(inTable, onPanel);
    }
    // Every panel once, Frame(0) upwards without a gap.
    QCOMPARE(indices.size(), qsizetype(window.panels().size()));
    QCOMPARE(*std::ranges::max_element(indices), int(window.panels().size()) - 1);
    std::vector<const QLineEdit *> all;
    for (const Field &field : window.fields())
        all.push_back(field.edit);
    QVERIFY(all == byPanel);
    // No text field outside the panels.
    QCOMPARE(qsizetype(all.size()), window.findChildren<QLineEdit *>().size());
}

void tst_FieldTable::everyRowNamesControlsOnItsLine()
{
    frmPressureCalc window;
    QSet<QString> unitControls;
    for (const Field &field : window.fields()) {
        const FieldTable::Row &row = *field.row;
        QCOMPARE(field.edit->objectName(), QString::fromLatin1(row.field));
        QCOMPARE(control(window, field.edit->objectName()), field.edit);
        // Caption and unit in the field's frame, on its line.
        const QWidget *frame = field.edit->parentWidget();
        const int line = lineOf(field.edit);
        QVERIFY2(line >= 0, row.field);
        const auto onItsLine = [&](const QWidget *beside) {
            return beside->parentWidget() == frame && lineOf(beside) == line;
        };

        QCOMPARE(field.caption != nullptr, row.caption != nullptr);
        if (field.caption) {
            QCOMPARE(field.caption->objectName(), QString::fromLatin1(row.caption));
            QVERIFY2(onItsLine(field.caption), row.caption);
            QCOMPARE(field.caption->buddy(), field.edit);
        }
        if (!row.unit) {
            QVERIFY2(!field.unitLabel && field.unitOptions.isEmpty(), row.field);
            continue;
        }
        const QString unit = QString::fromLatin1(row.unit);
        QVERIFY2(!unitControls.contains(unit), row.unit);
        unitControls.insert(unit);
        if (field.unitLabel) {
            QCOMPARE(field.unitLabel->objectName(), unit);
            QVERIFY2(onItsLine(field.unitLabel), row.unit);
        } else {
            // An option-button pair, one button at each end of the line.
            QCOMPARE(controlArray(window, unit), QList<QWidget *>(field.unitOptions.begin(), field.unitOptions.end()));
            QCOMPARE(field.unitOptions.size(), 2);
            for (const QRadioButton *option : field.unitOptions)
                QVERIFY2(onItsLine(option), qPrintable(option->objectName()));
            QCOMPARE(QuantityTable::units(row.quantity).choice, QuantityTable::UnitChoice::CoefficientKind);
        }
    }
}

void tst_FieldTable::rowsAreInScreenOrder()
{
    // On each panel, the inputs from the top, then the results and totals:
    // the results' frame lies below the inputs', each total below the
    // result it adds up.
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    for (const Panel *panel : window.panels()) {
        selectPanel(window, panel->index());
        const Field *previous = nullptr;
        for (const Field &field : panel->fields()) {
            if (previous) {
                QVERIFY2(previous->row->role == Role::Input || field.row->role != Role::Input, field.row->field);
                QVERIFY2(topInPanel(previous->edit, panel) < topInPanel(field.edit, panel), field.row->field);
            }
            previous = &field;
        }
    }
}

void tst_FieldTable::inputsAreCleanedAndResultsReadOnly()
{
    frmPressureCalc window;
    for (const Field &field : window.fields()) {
        const bool result = field.row->role != Role::Input;
        QVERIFY2(field.edit->isReadOnly() == result, field.row->field);
        if (!result)
            QVERIFY2(field.row->cleaner != FieldTable::Cleaner::None, field.row->field);
    }
}

void tst_FieldTable::convertedRowsKeepTheOrderOfConversion()
{
    // The driver lists the fields in the order the switch has always
    // converted them; the rows' switch order must give the same.
    frmPressureCalc window;
    std::vector<const FieldTable::Row *> converted;
    for (const Field &field : window.fields())
        if (field.row->switchOrder > 0)
            converted.push_back(field.row);
    std::ranges::stable_sort(converted, {}, &FieldTable::Row::switchOrder);
    QStringList order;
    for (const FieldTable::Row *row : converted) {
        order.append(QString::fromLatin1(row->field));
        // Converted by its quantity, a unit of each system, there and back.
        const QuantityTable::Units &units = QuantityTable::units(row->quantity);
        QCOMPARE(units.choice, QuantityTable::UnitChoice::UnitSystem);
        const double there = QuantityTable::convert(row->quantity, 0, 100.0);
        QVERIFY2(there > 0.0 && std::abs(QuantityTable::convert(row->quantity, 1, there) - 100.0) < 0.5, row->field);
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
    const Field *row = window.fields().find(WindowDriver::field(window, field));
    QVERIFY(row);
    QCOMPARE(Fields::caption(*row), caption);
    QCOMPARE(Fields::unitShown(*row), imperial);
    useUnits(window, frmPressureCalc::Metric);
    QCOMPARE(Fields::unitShown(*row), metric);
    QCOMPARE(Fields::caption(*row), caption);
}

void tst_FieldTable::coefficientShowsItsKind()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    const Fields &fields = window.fields();
    const Field *coefficient = fields.find(field(window, QStringLiteral("txtCvFactor")));
    QVERIFY(coefficient);
    QCOMPARE(Fields::unitSpoken(*coefficient), QStringLiteral("Cv"));
    selectPanel(window, coefficient->panel);
    click(window, QStringLiteral("optCVType(1)"));
    QCOMPARE(Fields::unitShown(*coefficient), QStringLiteral("kV Factor"));
    QCOMPARE(Fields::unitSpoken(*coefficient), QStringLiteral("Kv"));
    // Every other field says its unit as it shows it.
    for (const Field &other : fields)
        if (&other != coefficient)
            QCOMPARE(Fields::unitSpoken(other), Fields::unitShown(other));
}

QTEST_MAIN(tst_FieldTable)
#include "tst_fieldTable.moc"
