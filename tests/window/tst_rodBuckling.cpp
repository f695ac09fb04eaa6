// SPDX-License-Identifier: MIT
// The rod-buckling panel: Euler's and Johnson's loads in both unit systems,
// the notes, refusals, the mounting choice, the unit switch and the report.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "windowDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace WindowDriver;

namespace {

const QStringList inputs{"txtBuckleRod",     "txtBuckleLength", "txtModulus",
                         "txtYieldStrength", "txtBuckleSafety", "txtBuckleForce"};
const QStringList resultFields{"txtBucklingLoad", "txtAllowableForce", "txtMaxBuckleLength", "txtMinRodDiameter"};
const QString euler = QStringLiteral("Slender rod: Euler's formula.");
const QString johnson = QStringLiteral("Short rod: Johnson's formula.");
const QString mayBuckle = QStringLiteral("The push force is above the allowable force: the rod may buckle.");

void calculate(frmPressureCalc &window, int system, int mounting, const QStringList &typed)
{
    useUnits(window, system);
    selectPanel(window, 5);
    click(window, QStringLiteral("optMounting(%1)").arg(mounting));
    for (qsizetype index = 0; index < inputs.size(); ++index)
        typeInto(window, inputs[index], typed[index]);
    click(window, QStringLiteral("btnCalcBuckling"));
}

} // namespace

class tst_RodBuckling : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void results_data();
    void results();
    void startsPinnedWithSteel();
    void unitSwitchConvertsStressesLengthsAndForces();
    void reportListsTheMounting();
};

void tst_RodBuckling::results_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("mounting");
    QTest::addColumn<QStringList>("typed"); // rod, length, modulus, yield, safety factor, force
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("note");

    const QString steel = QStringLiteral("30000000");
    QTest::newRow("fixed-free, Euler") << 0 << 0 << QStringList{"1", "40", steel, "50000", "3.5", "500"}
                                       << QStringList{"2270.96753", "648.84787", "45.56658", "0.93693"} << euler;
    QTest::newRow("pinned, Euler") << 0 << 1 << QStringList{"1", "60", steel, "50000", "3.5", "1000"}
                                   << QStringList{"4037.27561", "1153.50732", "64.44087", "0.96493"} << euler;
    QTest::newRow("pinned, Johnson") << 0 << 1 << QStringList{"0.625", "10", steel, "50000", "3.5", "300"}
                                     << QStringList{"12687.22549", "3624.92157", "45.95797", "0.29154"} << johnson;
    QTest::newRow("no length: the yield load")
        << 0 << 1 << QStringList{"1", "0", steel, "50000", "3.5", "1000"}
        << QStringList{"39269.90817", "11219.97376", "64.44087", "0.29854"} << johnson;
    QTest::newRow("overload") << 0 << 1 << QStringList{"0.5", "20", steel, "50000", "3.5", "3000"}
                              << QStringList{"2270.96753", "648.84787", "0", "0.73319"}
                              << euler + QLatin1Char(' ') + mayBuckle;
    QTest::newRow("no force: no limit") << 0 << 0 << QStringList{"0.625", "30", "29000000", "60000", "5", "0"}
                                        << QStringList{"595.50472", "119.10094", "", "0"} << euler;
    QTest::newRow("metric, Euler") << 1 << 0 << QStringList{"16", "500", "210000", "355", "3.5", "500"}
                                   << QStringList{"6667.58974", "1905.02564", "975.96763", "11.45216"} << euler;
    QTest::newRow("metric, Johnson") << 1 << 1 << QStringList{"22", "500", "200000", "350", "2", "39270"}
                                     << QStringList{"84305.24756", "42152.62378", "528.74446", "21.51806"} << johnson;
    // Refused: nothing written, the first reason in the status bar.
    QTest::newRow("no rod") << 0 << 1 << QStringList{"0", "40", "0", "50000", "0", "500"}
                            << QStringList{"0", "0", "0", "0"} << QStringLiteral("Type the rod diameter.");
    QTest::newRow("no safety factor") << 0 << 1 << QStringList{"1", "40", "0", "50000", "0", "500"}
                                      << QStringList{"0", "0", "0", "0"}
                                      << QStringLiteral("A safety factor must be above 0.");
    QTest::newRow("no material") << 0 << 1 << QStringList{"1", "40", steel, "0", "3.5", "500"}
                                 << QStringList{"0", "0", "0", "0"}
                                 << QStringLiteral("Type the rod material's modulus and yield strength.");
}

void tst_RodBuckling::results()
{
    QFETCH(int, system);
    QFETCH(int, mounting);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QString, note);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;
    calculate(window, system, mounting, typed);
    QCOMPARE(textsOf(window, resultFields), expected);
    QCOMPARE(notesShown(window), note);
    QVERIFY(boxes.seen().isEmpty());
}

void tst_RodBuckling::startsPinnedWithSteel()
{
    frmPressureCalc window;
    QCOMPARE(textsOf(window, inputs), (QStringList{"0", "0", "30000000", "50000", "3.5", "0"}));
    QVERIFY(control<QRadioButton>(window, QStringLiteral("optMounting(1)"))->isChecked());
    // Return in an input calculates with the mounting chosen.
    QVERIFY(showAndActivate(window));
    selectPanel(window, 5);
    typeInto(window, QStringLiteral("txtBuckleRod"), QStringLiteral("1"));
    typeInto(window, QStringLiteral("txtBuckleLength"), QStringLiteral("60"));
    typeInto(window, QStringLiteral("txtBuckleForce"), QStringLiteral("1000"));
    QTest::keyClick(field(window, QStringLiteral("txtBuckleForce")), Qt::Key_Return);
    QCOMPARE(text(window, QStringLiteral("txtBucklingLoad")), QStringLiteral("4037.27561"));
}

void tst_RodBuckling::unitSwitchConvertsStressesLengthsAndForces()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculate(window, 0, 1, {"1", "60", "30000000", "50000", "3.5", "1000"});
    useUnits(window, 1);
    // psi to N/mm²: to bar by the program's factor, then a tenth.
    QCOMPARE(text(window, QStringLiteral("txtModulus")), QStringLiteral("206896.551724138"));
    QCOMPARE(text(window, QStringLiteral("txtBuckleRod")), QStringLiteral("25.4"));
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblStressUnits(0)"))->text(), QString::fromUtf8("N/mm²"));
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblBuckleForceUnits(1)"))->text(), QStringLiteral("Newtons"));
    // Back: every text as it was.
    useUnits(window, 0);
    QCOMPARE(textsOf(window, inputs), (QStringList{"1", "60", "30000000", "50000", "3.5", "1000"}));
    QCOMPARE(text(window, QStringLiteral("txtBucklingLoad")), QStringLiteral("4037.27561"));
}

void tst_RodBuckling::reportListsTheMounting()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculate(window, 0, 0, {"1", "40", "30000000", "50000", "3.5", "500"});
    QVERIFY(window.reportText().contains(QStringLiteral("Mounting\tFixed - Free")));
    QVERIFY(!window.reportText().contains(QStringLiteral("Inputs changed")));
    // A change of mounting is a change of input.
    click(window, QStringLiteral("optMounting(3)"));
    QVERIFY(window.reportText().contains(QStringLiteral("Inputs changed")));
}

QTEST_MAIN(tst_RodBuckling)
#include "tst_rodBuckling.moc"
