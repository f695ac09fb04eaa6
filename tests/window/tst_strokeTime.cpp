// SPDX-License-Identifier: MIT
// The stroke-time panel: results in both unit systems, refusals and the
// flow formula's range as status notes, the round trip with the valve-flow
// panel, the unit switch and Return.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "windowDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace WindowDriver;

namespace {

const QStringList inputs{"txtTimeAirPressure", "txtTimePressureDrop", "txtTimeBore", "txtTimeStroke",
                         "txtTimeRoomTemp", "txtTimeCylinders", "txtValveCoefficient"};
const QStringList resultFields{"txtTimeFlow", "txtTimeResult", "txtPistonSpeed"};
const QString chokedNote = QStringLiteral(
    "The downstream pressure is below 53 % of the air pressure, outside the range where this flow formula holds; "
    "the stroke time is only an estimate.");

void calculate(frmPressureCalc &window, int system, const QStringList &typed)
{
    useUnits(window, system);
    selectPanel(window, 4);
    for (qsizetype index = 0; index < inputs.size(); ++index)
        typeInto(window, inputs[index], typed[index]);
    click(window, QStringLiteral("btnCalcTime"));
}

} // namespace

class tst_StrokeTime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void results_data();
    void results();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
    void roundTripWithTheValveFlowPanel_data();
    void roundTripWithTheValveFlowPanel();
    void unitSwitchConvertsTheCoefficient();
    void returnCalculates();
};

void tst_StrokeTime::results_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("note");

    // pressure, drop, bore, stroke, temperature, cylinders, coefficient
    QTest::newRow("valve-flow case inverted")
        << 0 << QStringList{"80", "5", "2", "4", "68", "1", "0.128877312455998"}
        << QStringList{"2.66537", "1", "4"} << QString();
    QTest::newRow("three cylinders")
        << 0 << QStringList{"80", "5", "2", "4", "68", "3", "0.386631937367993"}
        << QStringList{"7.99611", "1", "4"} << QString();
    QTest::newRow("Cv 1") << 0 << QStringList{"80", "10", "2", "10", "68", "1", "1"}
                          << QStringList{"28.42116", "0.22138", "45.17031"} << QString();
    QTest::newRow("90 psi") << 0 << QStringList{"90", "5", "4", "10", "68", "1", "0.72"}
                            << QStringList{"15.69875", "1.8871", "5.29913"} << QString();
    QTest::newRow("beyond choked flow")
        << 0 << QStringList{"80", "40", "2", "4", "68", "1", "0.0355818823272377"}
        << QStringList{"1.62537", "1", "4"} << chokedNote;
    QTest::newRow("metric") << 1 << QStringList{"6", "0.5", "50", "100", "20", "1", "0.0912064804988222"}
                            << QStringList{"75.9488", "1", "100"} << QString();
}

void tst_StrokeTime::results()
{
    QFETCH(int, system);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QString, note);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;
    calculate(window, system, typed);
    QCOMPARE(textsOf(window, resultFields), expected);
    QCOMPARE(notesShown(window), note);
    QVERIFY(boxes.seen().isEmpty());
}

void tst_StrokeTime::refusalsWriteNothing_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("note");

    // Only the first refusal that holds is said.
    QTest::newRow("no bore, no drop") << QStringList{"80", "0", "0", "4", "68", "1", "1"}
                                      << QStringLiteral("Type the bore and the stroke length.");
    QTest::newRow("no stroke") << QStringList{"80", "5", "2", "0", "68", "1", "1"}
                               << QStringLiteral("Type the bore and the stroke length.");
    QTest::newRow("no drop") << QStringList{"80", "0", "2", "4", "68", "1", "0"}
                             << QStringLiteral("A valve passes no air without a pressure drop.");
    QTest::newRow("drop beyond absolute") << QStringList{"0", "80", "2", "4", "68", "1", "1"}
                                          << QStringLiteral("The pressure drop is at least the absolute air pressure.");
    QTest::newRow("no coefficient") << QStringList{"80", "5", "2", "4", "68", "0", "0"}
                                    << QStringLiteral("Type the valve's flow coefficient.");
    QTest::newRow("no cylinders") << QStringList{"80", "5", "2", "4", "68", "0", "1"}
                                  << QStringLiteral("Type the number of cylinders.");
}

void tst_StrokeTime::refusalsWriteNothing()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, note);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;
    calculate(window, 0, typed);
    QCOMPARE(textsOf(window, resultFields), (QStringList{"0", "0", "0"}));
    QCOMPARE(notesShown(window), note);
    QVERIFY(boxes.seen().isEmpty());
}

void tst_StrokeTime::roundTripWithTheValveFlowPanel_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QStringList>("valve"); // pressure, stroke, time, bore, temperature, cylinders, drop
    QTest::newRow("imperial") << 0 << QStringList{"85", "6", "0.8", "2.5", "75", "2", "7"};
    QTest::newRow("metric") << 1 << QStringList{"5.5", "160", "1.3", "63", "25", "3", "0.4"};
}

void tst_StrokeTime::roundTripWithTheValveFlowPanel()
{
    QFETCH(int, system);
    QFETCH(QStringList, valve);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, system);
    selectPanel(window, 2);
    // The valve-flow panel shows Cv in imperial units and Kv in metric ones.
    click(window, QStringLiteral("optCVType(%1)").arg(system));
    const QStringList valveInputs{"txtAirPressure(2)", "txtStrokeLength", "txtStrokTime", "txtCylinderBore(1)",
                                  "txtRoomTemp",       "txtNumCylinders", "txtPressureDrop"};
    for (qsizetype index = 0; index < valveInputs.size(); ++index)
        typeInto(window, valveInputs[index], valve[index]);
    click(window, QStringLiteral("btnCalcCV"));
    const QString coefficient = text(window, QStringLiteral("txtCvFactor"));

    calculate(window, system, {valve[0], valve[6], valve[3], valve[1], valve[4], valve[5], coefficient});
    // The coefficient as shown, rounded to 5 decimals, gives the time back
    // within 0.02 %.
    const double time = QLocale::c().toDouble(text(window, QStringLiteral("txtTimeResult")));
    QVERIFY2(std::abs(time - valve[2].toDouble()) <= 0.0002 * valve[2].toDouble(),
             qPrintable(text(window, QStringLiteral("txtTimeResult"))));
}

void tst_StrokeTime::unitSwitchConvertsTheCoefficient()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 4);
    typeInto(window, QStringLiteral("txtValveCoefficient"), QStringLiteral("1"));
    typeInto(window, QStringLiteral("txtTimeStroke"), QStringLiteral("10"));
    useUnits(window, 1);
    QCOMPARE(text(window, QStringLiteral("txtValveCoefficient")), QStringLiteral("0.869"));
    QCOMPARE(text(window, QStringLiteral("txtTimeStroke")), QStringLiteral("254"));
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblTimeCoefficientUnits"))->text(), QStringLiteral("Kv"));
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblTimeSpeedUnits"))->text(), QStringLiteral("mm/Sec"));
    useUnits(window, 0);
    QCOMPARE(text(window, QStringLiteral("txtValveCoefficient")), QStringLiteral("1"));
}

void tst_StrokeTime::returnCalculates()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    const QStringList typed{"80", "10", "2", "10", "68", "1", "1"};
    selectPanel(window, 4);
    for (qsizetype index = 0; index < inputs.size(); ++index)
        typeInto(window, inputs[index], typed[index]);
    QTest::keyClick(field(window, QStringLiteral("txtTimeAirPressure")), Qt::Key_Return);
    QCOMPARE(textsOf(window, resultFields), (QStringList{"28.42116", "0.22138", "45.17031"}));
}

QTEST_MAIN(tst_StrokeTime)
#include "tst_strokeTime.moc"
