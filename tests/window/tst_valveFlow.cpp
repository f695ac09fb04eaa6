// SPDX-License-Identifier: MIT
// The valve-flow panel: Calculate, the Cv/Kv choice and the system flow total.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "numberText.h"
#include "windowDriver.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTranslator>

using namespace WindowDriver;

namespace {

const QString overflowMessage = QStringLiteral("The result is too large to calculate. No result was changed.");
const QString validityPrompt = QStringLiteral(
    "These calculations are only valid when the pressure drop is at least 53% of the initial air pressure");
const QString countMessage =
    QStringLiteral("\"Number of Cylinders\" must lie between 0 and 32767. No result was changed.");

const QStringList outputs{"txtVolume", "txtInstFlow", "txtCvFactor", "txtAirConsumption"};

// The eight inputs in the order the panel lists them in the command.
struct ValveInputs {
    QString airPressure, strokeLength, strokeTime, bore, roomTemperature, cylinders, pressureDrop, cycleRate;
};
const ValveInputs imperialCase{"80", "4", "1", "2", "68", "1", "5", "30"};
const ValveInputs metricCase{"6", "100", "1", "50", "20", "1", "0.5", "10"};
const QStringList imperialResults{"12.56637", "2.66537", "0.12888", "2.81093"};

void useKind(frmPressureCalc &window, int kind)
{
    click(window, QStringLiteral("optCVType(%1)").arg(kind));
}

bool kindSelected(const frmPressureCalc &window, int kind)
{
    return control<QRadioButton>(window, QStringLiteral("optCVType(%1)").arg(kind))->isChecked();
}

// Types the inputs; the last field typed keeps the focus.
void typeValveInputs(frmPressureCalc &window, const ValveInputs &in)
{
    selectPanel(window, 2);
    typeInto(window, QStringLiteral("txtAirPressure(2)"), in.airPressure);
    typeInto(window, QStringLiteral("txtStrokeLength"), in.strokeLength);
    typeInto(window, QStringLiteral("txtStrokTime"), in.strokeTime);
    typeInto(window, QStringLiteral("txtCylinderBore(1)"), in.bore);
    typeInto(window, QStringLiteral("txtRoomTemp"), in.roomTemperature);
    typeInto(window, QStringLiteral("txtNumCylinders"), in.cylinders);
    typeInto(window, QStringLiteral("txtPressureDrop"), in.pressureDrop);
    typeInto(window, QStringLiteral("txtCycleRate"), in.cycleRate);
}

void calculateValve(frmPressureCalc &window, const ValveInputs &in)
{
    typeValveInputs(window, in);
    click(window, QStringLiteral("btnCalcCV"));
}

QStringList outputTexts(const frmPressureCalc &window)
{
    QStringList texts;
    for (const QString &name : outputs)
        texts << text(window, name);
    return texts;
}

// Checks a message box was one of the window's own: application title,
// warning icon, one button.
bool isWindowWarning(const MessageBoxWatcher::Seen &box)
{
    return box.title == QGuiApplication::applicationDisplayName() && !box.title.isEmpty()
           && box.icon == QMessageBox::Warning && box.buttonCount == 1;
}

} // namespace

Q_DECLARE_METATYPE(ValveInputs)

class tst_ValveFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void calculate_data();
    void calculate();
    void startUpTextsGiveZeros_data();
    void startUpTextsGiveZeros();
    void countOutsideSixteenBitsWritesNothing_data();
    void countOutsideSixteenBitsWritesNothing();
    void validityWarning_data();
    void validityWarning();
    void validityWarningTranslated();
    void noPressureLeftIsRefusedWithANote_data();
    void noPressureLeftIsRefusedWithANote();
    void failureWritesNothing_data();
    void failureWritesNothing();
    void textThatIsNoNumberWritesNothing();
    void germanDecimalComma();
    void coefficientKindConvertsOncePerChange();
    void coefficientKindLeavesTextThatIsNoNumber();
    void unitSwitchKeepsCoefficientAndKind();
    void systemFlowAccumulatesAndResets();
    void systemFlowSums_data();
    void systemFlowSums();
    void systemFlowFollowsTheUnitSwitch();
    void systemFlowOverflowKeepsTheTotals_data();
    void systemFlowOverflowKeepsTheTotals();
};

void tst_ValveFlow::calculate_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("kind"); // 0 "CV Factor", 1 "kV Factor"
    QTest::addColumn<ValveInputs>("inputs");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("coefficient");
    QTest::addColumn<QString>("consumption");

    // The air consumption takes neither the kind nor, below, the stroke
    // time, the pressure drop or the temperature.
    ValveInputs in = imperialCase;
    QTest::newRow("imperial worked case, Cv") << 0 << 0 << in << "12.56637" << "2.66537" << "0.12888" << "2.81093";
    QTest::newRow("imperial worked case, Kv") << 0 << 1 << in << "12.56637" << "2.66537" << "0.11199" << "2.81093";
    QTest::newRow("metric worked case, Kv")
        << 1 << 1 << metricCase << "196796.78953" << "75.9488" << "0.09121" << "27.23036";
    QTest::newRow("metric worked case, Cv")
        << 1 << 0 << metricCase << "196796.78953" << "75.9488" << "0.10496" << "27.23036";
    ValveInputs metric = metricCase;
    metric.cylinders = "4";
    QTest::newRow("metric, four cylinders")
        << 1 << 1 << metric << "787187.15811" << "303.79518" << "0.36483" << "108.92144";

    in.cylinders = "3";
    QTest::newRow("three cylinders") << 0 << 0 << in << "37.69911" << "7.99611" << "0.38663" << "8.43279";
    in.cylinders = "2.5";
    QTest::newRow("2.5 cylinders count as 2") << 0 << 0 << in << "25.13274" << "5.33074" << "0.25775" << "5.62186";
    in.cylinders = "3.5";
    QTest::newRow("3.5 cylinders count as 4") << 0 << 1 << in << "50.26548" << "10.66149" << "0.44798" << "11.24372";
    in.cylinders = "32767.4";
    QTest::newRow("32767.4 cylinders count as 32767") << 0 << 0 << in << "411762.26592" << "87336.2256"
                                                      << "4222.9229" << "92105.74117";
    in.cylinders = "0";
    QTest::newRow("no cylinders") << 0 << 0 << in << "0" << "0" << "0" << "0";

    in = imperialCase;
    in.strokeTime = "0";
    QTest::newRow("stroke time 0") << 0 << 0 << in << "12.56637" << "0" << "0" << "2.81093";
    in = imperialCase;
    in.pressureDrop = "0";
    QTest::newRow("pressure drop 0") << 0 << 0 << in << "12.56637" << "2.81394" << "0" << "2.81093";
    in = imperialCase;
    in.roomTemperature = "100";
    QTest::newRow("100 degrees F, Kv") << 0 << 1 << in << "12.56637" << "2.80044" << "0.11147" << "2.81093";
    in = imperialCase;
    in.cycleRate = "0";
    QTest::newRow("cycle rate 0") << 0 << 0 << in << "12.56637" << "2.66537" << "0.12888" << "0";
    // The second worked case of the consumption.
    in = ValveInputs{"100", "6", "1", "3.25", "68", "2", "5", "12"};
    QTest::newRow("100 psi, 6 in stroke, 3.25 in bore, two cylinders, 12 a minute")
        << 0 << 0 << in << "99.54922" << "25.8226" << "1.12905" << "10.78826";
}

void tst_ValveFlow::calculate()
{
    QFETCH(int, system);
    QFETCH(int, kind);
    QFETCH(ValveInputs, inputs);
    QFETCH(QString, volume);
    QFETCH(QString, flow);
    QFETCH(QString, coefficient);
    QFETCH(QString, consumption);

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, system);
    QCOMPARE(window.unitSystem(), qint16(system));
    selectPanel(window, 2);
    useKind(window, kind);
    QVERIFY(kindSelected(window, kind));
    calculateValve(window, inputs);

    QCOMPARE(outputTexts(window), QStringList({volume, flow, coefficient, consumption}));
    QVERIFY(boxes.seen().isEmpty());
    // The count and the cycle rate keep their texts; the totals are not touched.
    QCOMPARE(text(window, "txtNumCylinders"), inputs.cylinders);
    QCOMPARE(text(window, "txtCycleRate"), inputs.cycleRate);
    QCOMPARE(text(window, "txtSystemFlow"), QStringLiteral("0"));
    QCOMPARE(text(window, "txtSystemConsumption"), QStringLiteral("0"));
}

void tst_ValveFlow::startUpTextsGiveZeros_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("kind");
    QTest::newRow("imperial, Cv") << 0 << 0;
    QTest::newRow("imperial, Kv") << 0 << 1;
    QTest::newRow("metric, Cv") << 1 << 0;
    QTest::newRow("metric, Kv") << 1 << 1;
}

void tst_ValveFlow::startUpTextsGiveZeros()
{
    QFETCH(int, system);
    QFETCH(int, kind);

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, system);
    selectPanel(window, 2);
    useKind(window, kind);
    // Marks the results, so that a command writing nothing cannot pass.
    for (const QString &name : outputs)
        field(window, name)->setText(QStringLiteral("9"));

    click(window, QStringLiteral("btnCalcCV"));
    QCOMPARE(outputTexts(window), QStringList({"0", "0", "0", "0"}));
    QVERIFY(boxes.seen().isEmpty());
}

void tst_ValveFlow::countOutsideSixteenBitsWritesNothing_data()
{
    QTest::addColumn<QString>("cylinders");
    QTest::newRow("40000") << "40000";
    QTest::newRow("32767.5 rounds to 32768") << "32767.5";
    QTest::newRow("1E+300") << "1E+300";
}

void tst_ValveFlow::countOutsideSixteenBitsWritesNothing()
{
    QFETCH(QString, cylinders);

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculateValve(window, imperialCase);
    const QStringList before = outputTexts(window);
    QCOMPARE(before, imperialResults);

    ValveInputs in = imperialCase;
    in.strokeLength = "8"; // would change every result
    in.cylinders = cylinders;
    calculateValve(window, in);
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().text, countMessage);
    QVERIFY(isWindowWarning(boxes.seen().first()));
    QCOMPARE(outputTexts(window), before);
    QCOMPARE(text(window, "txtNumCylinders"), cylinders);
}

void tst_ValveFlow::validityWarning_data()
{
    QTest::addColumn<QString>("airPressure");
    QTest::addColumn<QString>("pressureDrop");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("coefficient");
    QTest::addColumn<QString>("consumption");
    QTest::addColumn<QString>("note"); // in the status bar
    QTest::newRow("80 psi, drop 40: downstream below 53 %")
        << "80" << "40" << true << "1.62537" << "0.03558" << "2.81093" << "";
    QTest::newRow("100 psi, drop 47: downstream exactly 53 %")
        << "100" << "47" << false << "2.01166" << "0.03652" << "3.40458" << "";
    QTest::newRow("100 psi, drop 47.5: just below")
        << "100" << "47.5" << true << "1.9968" << "0.03619" << "3.40458" << "";
    // The values stay as computed; the note says what they mean.
    const QString noFlow = QStringLiteral(
        "The pressure drop is at least the air pressure: no pressure is left to move the cylinder.");
    QTest::newRow("drop as large as the pressure")
        << "80" << "80" << true << "0.4368" << "0.01304" << "2.81093" << noFlow;
    QTest::newRow("drop above the pressure")
        << "80" << "90" << true << "0.13966" << "0.00695" << "2.81093" << noFlow;
}

void tst_ValveFlow::validityWarning()
{
    QFETCH(QString, airPressure);
    QFETCH(QString, pressureDrop);
    QFETCH(bool, warned);
    QFETCH(QString, flow);
    QFETCH(QString, coefficient);
    QFETCH(QString, consumption);
    QFETCH(QString, note);

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    // Each write notes how many boxes had been shown by then.
    QList<std::pair<QString, qsizetype>> written;
    for (const QString &name : outputs)
        connect(field(window, name), &QLineEdit::textChanged, &window,
                [&written, &boxes, name] { written.append({name, boxes.seen().size()}); });

    ValveInputs in = imperialCase;
    in.airPressure = airPressure;
    in.pressureDrop = pressureDrop;
    calculateValve(window, in);

    const qsizetype expectedBoxes = warned ? 1 : 0;
    QCOMPARE(boxes.seen().size(), expectedBoxes);
    if (warned) {
        const MessageBoxWatcher::Seen &box = boxes.seen().first();
        QCOMPARE(box.text, validityPrompt);
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttonCount, 1);
    }
    // The box comes from inside the formula, before any result is written,
    // and the results are written all the same.
    const QList<std::pair<QString, qsizetype>> expectedWrites{{"txtVolume", expectedBoxes},
                                                              {"txtInstFlow", expectedBoxes},
                                                              {"txtCvFactor", expectedBoxes},
                                                              {"txtAirConsumption", expectedBoxes}};
    QCOMPARE(written, expectedWrites);
    QCOMPARE(outputTexts(window), QStringList({"12.56637", flow, coefficient, consumption}));
    QCOMPARE(control<QStatusBar>(window, QStringLiteral("statusBar"))->currentMessage(), note);
}

// The formula library's texts reach the user through the translations
// installed, in the context it marks them in.
void tst_ValveFlow::validityWarningTranslated()
{
    class Bracketing : public QTranslator
    {
    public:
        bool isEmpty() const override { return false; }
        QString translate(const char *context, const char *source, const char *, int) const override
        {
            return qstrcmp(context, "Calculator") == 0 ? QStringLiteral("[%1]").arg(QString::fromUtf8(source))
                                                       : QString();
        }
    } translation;
    QVERIFY(QCoreApplication::installTranslator(&translation));

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    ValveInputs in = imperialCase;
    in.pressureDrop = QStringLiteral("40");
    calculateValve(window, in);
    QCoreApplication::removeTranslator(&translation);

    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().text, QStringLiteral("[%1]").arg(validityPrompt));
    QCOMPARE(boxes.seen().first().title, QStringLiteral("[Warning]"));
}

void tst_ValveFlow::noPressureLeftIsRefusedWithANote_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("airPressure");
    QTest::addColumn<QString>("pressureDrop");
    QTest::addColumn<QString>("roomTemperature");
    QTest::addColumn<bool>("refused");
    // Every case is beyond the 53 % of the formula's range: the warning comes
    // first, refused or not.
    QTest::newRow("no air pressure, drop 80") << 0 << "0" << "80" << "68" << true;
    // A division by zero inside the sizing.
    QTest::newRow("drop 14.7 leaves exactly none") << 0 << "0" << "14.7" << "68" << true;
    QTest::newRow("drop 100 at 80 psi") << 0 << "80" << "100" << "68" << true;
    QTest::newRow("drop 94.6 at 80 psi leaves 0.1 psi") << 0 << "80" << "94.6" << "68" << false;
    QTest::newRow("drop 14 leaves 0.7 psi at 68 F") << 0 << "0" << "14" << "68" << false;
    QTest::newRow("the same drop corrected to 600 F leaves none") << 0 << "0" << "14" << "600" << true;
    // 1 bar is 14.5 psi, 1.1 bar 15.95 psi; 20 C is 68 F.
    QTest::newRow("metric, drop 1 bar leaves 0.2 psi") << 1 << "0" << "1" << "20" << false;
    QTest::newRow("metric, drop 1.1 bar leaves none") << 1 << "0" << "1.1" << "20" << true;
}

// With no absolute pressure left downstream the results would be negative,
// or no number at all: after the 53 % warning the command is refused with a
// note, writes nothing and shows no message box.
void tst_ValveFlow::noPressureLeftIsRefusedWithANote()
{
    QFETCH(int, system);
    QFETCH(QString, airPressure);
    QFETCH(QString, pressureDrop);
    QFETCH(QString, roomTemperature);
    QFETCH(bool, refused);

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, system);
    ValveInputs in = system == 0 ? imperialCase : metricCase;
    calculateValve(window, in);
    const QStringList before = outputTexts(window);
    QVERIFY(boxes.seen().isEmpty());

    in.airPressure = airPressure;
    in.pressureDrop = pressureDrop;
    in.roomTemperature = roomTemperature;
    calculateValve(window, in);
    QStringList shown;
    for (const MessageBoxWatcher::Seen &box : boxes.seen())
        shown << box.text;
    QCOMPARE(shown, QStringList{validityPrompt});
    const QString note = control<QStatusBar>(window, QStringLiteral("statusBar"))->currentMessage();
    if (refused) {
        QCOMPARE(note, QStringLiteral("The pressure drop is at least the absolute air pressure."));
        QCOMPARE(outputTexts(window), before);
    } else {
        QCOMPARE(note, QStringLiteral("The pressure drop is at least the air pressure: no pressure is left to move "
                                      "the cylinder."));
        QVERIFY(outputTexts(window) != before);
        QVERIFY(NumberText::parse(text(window, QStringLiteral("txtInstFlow"))).value_or(0) > 0);
    }
}

void tst_ValveFlow::failureWritesNothing_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<ValveInputs>("inputs");
    QTest::addColumn<QStringList>("messages");

    ValveInputs in = imperialCase;
    in.bore = "1E300";
    QTest::newRow("bore 1E300") << 0 << in << QStringList{overflowMessage};
    in = imperialCase;
    in.strokeLength = "1E308";
    QTest::newRow("stroke length 1E308") << 0 << in << QStringList{overflowMessage};
    // Flow and coefficient fit; only the volume times the count does not.
    in = imperialCase;
    in.bore = "1E152";
    in.cylinders = "32767";
    QTest::newRow("volume overflows after the coefficient") << 0 << in << QStringList{overflowMessage};
    in = metricCase;
    in.airPressure = "1E308";
    QTest::newRow("metric air pressure 1E308") << 1 << in << QStringList{overflowMessage};
    // The valve sizing works; only the air consumption is too large.
    in = imperialCase;
    in.cycleRate = "1E308";
    QTest::newRow("cycle rate 1E308") << 0 << in << QStringList{overflowMessage};
    in = metricCase;
    in.cycleRate = "1E308";
    QTest::newRow("metric cycle rate 1E308") << 1 << in << QStringList{overflowMessage};
    in = metricCase;
    in.cycleRate = "1E305";
    in.cylinders = "32767";
    QTest::newRow("metric consumption overflows at the count") << 1 << in << QStringList{overflowMessage};
}

void tst_ValveFlow::failureWritesNothing()
{
    QFETCH(int, system);
    QFETCH(ValveInputs, inputs);
    QFETCH(QStringList, messages);

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, system);
    calculateValve(window, system == 0 ? imperialCase : metricCase);
    click(window, QStringLiteral("btnSumSCFM"));
    const QStringList before = outputTexts(window);
    QVERIFY(!before.contains(QStringLiteral("0")));
    QVERIFY(boxes.seen().isEmpty());

    // Every field, caption and selection as it was just before the click;
    // the inputs clean themselves before the snapshot.
    typeValveInputs(window, inputs);
    field(window, QStringLiteral("txtCycleRate"))->clearFocus();
    const WindowState typed = stateOf(window);
    click(window, QStringLiteral("btnCalcCV"));
    QStringList shown;
    for (const MessageBoxWatcher::Seen &box : boxes.seen())
        shown << box.text;
    QCOMPARE(shown, messages);
    QVERIFY(isWindowWarning(boxes.seen().last()));
    QCOMPARE(outputTexts(window), before);
    QCOMPARE(stateOf(window).texts, typed.texts);
    QVERIFY(stateOf(window) == typed);

    // The window goes on working.
    boxes.clear();
    calculateValve(window, system == 0 ? imperialCase : metricCase);
    QCOMPARE(outputTexts(window), before);
    QVERIFY(boxes.seen().isEmpty());
}

void tst_ValveFlow::textThatIsNoNumberWritesNothing()
{
    // Validation keeps every input a number, so only code can leave one
    // holding other text; the command still must not write part of a result.
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculateValve(window, imperialCase);
    field(window, QStringLiteral("txtStrokTime"))->setText(QStringLiteral("abc"));
    field(window, QStringLiteral("txtNumCylinders"))->setText(QStringLiteral("xyz"));
    click(window, QStringLiteral("btnCalcCV"));
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().text,
             QStringLiteral("\"Stroke Time\" does not hold a number. No result was changed."));
    QVERIFY(isWindowWarning(boxes.seen().first()));
    QCOMPARE(outputTexts(window), imperialResults);
}

void tst_ValveFlow::germanDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, 1);
    selectPanel(window, 2);
    useKind(window, 1);
    ValveInputs in = metricCase;
    in.pressureDrop = "0,5";
    calculateValve(window, in);
    QCOMPARE(outputTexts(window), QStringList({"196796,78953", "75,9488", "0,09121", "27,23036"}));
    QVERIFY(boxes.seen().isEmpty());
}

void tst_ValveFlow::coefficientKindConvertsOncePerChange()
{
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    QLineEdit *coefficient = field(window, QStringLiteral("txtCvFactor"));
    coefficient->setText(QStringLiteral("2"));

    useKind(window, 1);
    QCOMPARE(coefficient->text(), QStringLiteral("1.738"));
    useKind(window, 1); // already selected: no second conversion
    QCOMPARE(coefficient->text(), QStringLiteral("1.738"));
    useKind(window, 0);
    QCOMPARE(coefficient->text(), QStringLiteral("2"));
    useKind(window, 0);
    QCOMPARE(coefficient->text(), QStringLiteral("2"));

    // A calculated coefficient is converted unrounded.
    calculateValve(window, imperialCase);
    QCOMPARE(coefficient->text(), QStringLiteral("0.12888"));
    useKind(window, 1);
    QCOMPARE(coefficient->text(), QStringLiteral("0.11199672"));
    QVERIFY(boxes.seen().isEmpty());
}

void tst_ValveFlow::coefficientKindLeavesTextThatIsNoNumber()
{
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    QLineEdit *coefficient = field(window, QStringLiteral("txtCvFactor"));
    coefficient->setText(QStringLiteral("abc"));
    useKind(window, 1);
    QVERIFY(kindSelected(window, 1));
    QCOMPARE(coefficient->text(), QStringLiteral("abc"));
    useKind(window, 0);
    QCOMPARE(coefficient->text(), QStringLiteral("abc"));
    QVERIFY(boxes.seen().isEmpty());
}

void tst_ValveFlow::unitSwitchKeepsCoefficientAndKind()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    useKind(window, 1);
    calculateValve(window, imperialCase);
    QCOMPARE(text(window, "txtCvFactor"), QStringLiteral("0.11199"));
    useUnits(window, 1);
    QCOMPARE(window.unitSystem(), qint16(1));
    QCOMPARE(text(window, "txtCvFactor"), QStringLiteral("0.11199"));
    QVERIFY(kindSelected(window, 1));
    QVERIFY(!kindSelected(window, 0));
}

void tst_ValveFlow::systemFlowAccumulatesAndResets()
{
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    // Before any calculation the start-up flow of zero is added.
    click(window, QStringLiteral("btnSumSCFM"));
    QCOMPARE(text(window, "txtSystemFlow"), QStringLiteral("0"));

    QCOMPARE(text(window, "txtSystemConsumption"), QStringLiteral("0"));

    const auto totals = [&window] {
        return QStringList{text(window, "txtSystemFlow"), text(window, "txtSystemConsumption")};
    };
    calculateValve(window, imperialCase);
    click(window, QStringLiteral("btnSumSCFM"));
    QCOMPARE(totals(), QStringList({"2.66537", "2.81093"}));
    click(window, QStringLiteral("btnSumSCFM"));
    QCOMPARE(totals(), QStringList({"5.33074", "5.62186"}));

    // A new calculation neither adds to the totals nor clears them.
    ValveInputs in = imperialCase;
    in.cylinders = "3";
    calculateValve(window, in);
    QCOMPARE(text(window, "txtInstFlow"), QStringLiteral("7.99611"));
    QCOMPARE(text(window, "txtAirConsumption"), QStringLiteral("8.43279"));
    QCOMPARE(totals(), QStringList({"5.33074", "5.62186"}));
    click(window, QStringLiteral("btnSumSCFM"));
    QCOMPARE(totals(), QStringList({"13.32685", "14.05465"}));

    click(window, QStringLiteral("btnResetSCFM"));
    QCOMPARE(totals(), QStringList({"0", "0"}));
    QCOMPARE(text(window, "txtInstFlow"), QStringLiteral("7.99611"));
    QCOMPARE(text(window, "txtAirConsumption"), QStringLiteral("8.43279"));
    click(window, QStringLiteral("btnSumSCFM"));
    QCOMPARE(totals(), QStringList({"7.99611", "8.43279"}));
    QVERIFY(boxes.seen().isEmpty());
}

void tst_ValveFlow::systemFlowSums_data()
{
    // The same columns for the flow and for the air consumption.
    QTest::addColumn<QStringList>("flow");
    QTest::addColumn<QStringList>("total");
    QTest::addColumn<QStringList>("sum");
    const auto row = [](const char *name, const char *value, const char *total, const char *sum,
                        const char *consumption, const char *consumptionTotal, const char *consumptionSum) {
        QTest::newRow(name) << QStringList{value, consumption} << QStringList{total, consumptionTotal}
                            << QStringList{sum, consumptionSum};
    };
    row("12.34567 on 0", "12.34567", "0", "12.34567", "2.81093", "0", "2.81093");
    row("12.34567 on 12.34567", "12.34567", "12.34567", "24.69134", "2.81093", "2.81093", "5.62186");
    row("0.2 on 0.1 shows 0.3", "0.2", "0.1", "0.3", "0.1", "0.2", "0.3");
    row("unrounded: 0.000001 on 1", "0.000001", "1", "1.000001", "1", "0.000001", "1.000001");
    row("negative flow", "-2.5", "1", "-1.5", "0", "0", "0");
    row("negative consumption", "0", "0", "0", "-2.5", "1", "-1.5");
}

void tst_ValveFlow::systemFlowSums()
{
    QFETCH(QStringList, flow);
    QFETCH(QStringList, total);
    QFETCH(QStringList, sum);

    // Only commands write these fields; set them as a calculation would.
    const QStringList values{"txtInstFlow", "txtAirConsumption"};
    const QStringList totals{"txtSystemFlow", "txtSystemConsumption"};
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    for (int index = 0; index < 2; ++index) {
        field(window, values[index])->setText(flow[index]);
        field(window, totals[index])->setText(total[index]);
    }
    click(window, QStringLiteral("btnSumSCFM"));
    for (int index = 0; index < 2; ++index) {
        QCOMPARE(text(window, totals[index]), sum[index]);
        QCOMPARE(text(window, values[index]), flow[index]);
    }
    QVERIFY(boxes.seen().isEmpty());
}

void tst_ValveFlow::systemFlowFollowsTheUnitSwitch()
{
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculateValve(window, imperialCase);
    click(window, QStringLiteral("btnSumSCFM"));
    useUnits(window, 1);
    // 2.66537 SCFM x 28.31685 and 2.81093 SCFM x 28.31685, unrounded; the
    // cycle rate is per minute in both systems.
    QCOMPARE(text(window, "txtSystemFlow"), QStringLiteral("75.4748824845"));
    QCOMPARE(text(window, "txtAirConsumption"), QStringLiteral("79.5966831705"));
    QCOMPARE(text(window, "txtSystemConsumption"), QStringLiteral("79.5966831705"));
    QCOMPARE(text(window, "txtCycleRate"), QStringLiteral("30"));
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblFlowUnits(3)"))->text(), QStringLiteral("L/min"));
    QCOMPARE(control<QLabel>(window, QStringLiteral("Label43"))->text(), QStringLiteral("Per Minute"));

    // A metric group added to the converted total.
    calculateValve(window, metricCase);
    QCOMPARE(text(window, "txtAirConsumption"), QStringLiteral("27.23036"));
    click(window, QStringLiteral("btnSumSCFM"));
    QCOMPARE(text(window, "txtSystemConsumption"), QStringLiteral("106.8270431705"));
    useUnits(window, 0);
    QCOMPARE(text(window, "txtCycleRate"), QStringLiteral("10"));

    click(window, QStringLiteral("btnResetSCFM"));
    QCOMPARE(text(window, "txtSystemFlow"), QStringLiteral("0"));
    QCOMPARE(text(window, "txtSystemConsumption"), QStringLiteral("0"));
    QVERIFY(boxes.seen().isEmpty());
}

void tst_ValveFlow::systemFlowOverflowKeepsTheTotals_data()
{
    QTest::addColumn<QString>("value"); // the result added twice
    QTest::addColumn<QString>("message");
    QTest::newRow("flow") << "txtInstFlow"
                          << "The total system flow would be too large to show. The total was not changed.";
    QTest::newRow("air consumption") << "txtAirConsumption"
                                     << "The system consumption would be too large to show. Nothing was changed.";
}

// Both totals are written or neither.
void tst_ValveFlow::systemFlowOverflowKeepsTheTotals()
{
    QFETCH(QString, value);
    QFETCH(QString, message);
    const auto totals = [](const frmPressureCalc &window) {
        return QStringList{text(window, "txtSystemFlow"), text(window, "txtSystemConsumption")};
    };

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculateValve(window, imperialCase);
    field(window, value)->setText(QStringLiteral("1E+308"));
    click(window, QStringLiteral("btnSumSCFM"));
    const QStringList once = totals(window);
    QVERIFY(once.contains(QStringLiteral("1E+308")));
    QVERIFY(once.contains(QStringLiteral("2.66537")) || once.contains(QStringLiteral("2.81093")));
    QVERIFY(boxes.seen().isEmpty());

    const WindowState before = stateOf(window);
    click(window, QStringLiteral("btnSumSCFM"));
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().text, message);
    QVERIFY(isWindowWarning(boxes.seen().first()));
    QCOMPARE(totals(window), once);
    QVERIFY(stateOf(window) == before);

    click(window, QStringLiteral("btnResetSCFM"));
    QCOMPARE(totals(window), QStringList({"0", "0"}));
}

QTEST_MAIN(tst_ValveFlow)
#include "tst_valveFlow.moc"
