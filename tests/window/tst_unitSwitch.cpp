// SPDX-License-Identifier: MIT
// Switching the window between imperial and metric units with the Units
// buttons: captions, the conversion of every dimensioned field, and the
// switch that cannot be done.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "windowDriver.h"

#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace WindowDriver;

namespace {

const QString degreeF = QChar(0x00B0) + QStringLiteral(" F");
const QString degreeC = QChar(0x00B0) + QStringLiteral(" c");

// The fields a switch must leave alone.
const QStringList keptFields{"txtSafetyFactor", "txtNumCylinders", "txtStrokTime",     "txtCvFactor",
                             "txtCycleRate",    "txtTimeCylinders", "txtBuckleSafety"};
// The fields a switch works out again rather than converts.
const QStringList standardBoreFields{"txtStandardBore", "txtStandardForce"};

QMap<QString, QString> fieldTexts(const frmPressureCalc &window)
{
    QMap<QString, QString> texts;
    for (const QString &name : convertedFields() + keptFields + standardBoreFields)
        texts.insert(name, text(window, name));
    return texts;
}

// Every unit caption, array elements included, by name.
QMap<QString, QString> unitCaptions(const frmPressureCalc &window)
{
    QMap<QString, QString> captions;
    for (const char *array : {"lblPressureUnits", "lblForceUnits", "lblLengthUnits", "lblFlowUnits"})
        for (QWidget *label : controlArray(window, QString::fromLatin1(array)))
            captions.insert(label->objectName(), qobject_cast<QLabel *>(label)->text());
    for (const char *name : {"lblAreaUnits", "lbltemperatureUnits", "lblVolumeUnits"})
        captions.insert(QString::fromLatin1(name), control<QLabel>(window, QString::fromLatin1(name))->text());
    return captions;
}

bool selected(const frmPressureCalc &window, int system)
{
    return control<QRadioButton>(window, QStringLiteral("Option1(%1)").arg(system))->isChecked();
}

void switchTo(frmPressureCalc &window, int system)
{
    click(window, QStringLiteral("Option1(%1)").arg(system));
}

// Every converted field given a value, in the system in force: inputs as a
// user types them, results from the two cylinder commands.
void fillEveryField(frmPressureCalc &window)
{
    const QList<std::pair<QString, QString>> typed{
        {"txtAirPressure(0)", "80"},  {"txtForceRequired", "500"},   {"txtSafetyFactor", "1"},
        {"txtAirPressure(1)", "80"},  {"txtCylinderBore(0)", "2"},   {"txtRodDiameter", "0.625"},
        {"txtAirPressure(2)", "60"},  {"txtCylinderBore(1)", "1.5"}, {"txtRoomTemp", "70"},
        {"txtStrokeLength", "4"},     {"txtStrokTime", "0.5"},       {"txtNumCylinders", "2.5"},
        {"txtPressureDrop", "5"},     {"txtCycleRate", "30"}};
    for (const auto &[name, value] : typed)
        typeAndTab(window, name, value);
    selectPanel(window, 0);
    click(window, QStringLiteral("btnCalcBoreSize"));
    selectPanel(window, 1);
    click(window, QStringLiteral("btnCalcForce"));
    // The valve panel's results, as its commands would have left them.
    field(window, QStringLiteral("txtVolume"))->setText(QStringLiteral("1"));
    field(window, QStringLiteral("txtInstFlow"))->setText(QStringLiteral("2.66537"));
    field(window, QStringLiteral("txtSystemFlow"))->setText(QStringLiteral("10"));
    field(window, QStringLiteral("txtCvFactor"))->setText(QStringLiteral("0.12888"));
    field(window, QStringLiteral("txtAirConsumption"))->setText(QStringLiteral("2.81093"));
    field(window, QStringLiteral("txtSystemConsumption"))->setText(QStringLiteral("5.62186"));
}

// Gives a field a new text: typed into an input, written into a result as a
// command would.
void changeField(frmPressureCalc &window, const QString &name, const QString &text)
{
    if (field(window, name)->isReadOnly())
        field(window, name)->setText(text);
    else
        typeAndTab(window, name, text);
}

} // namespace

class tst_UnitSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void captionsFollowTheSystem();
    void roundTripOfEveryField();
    void roundTripsKeepEveryText_data();
    void roundTripsKeepEveryText();
    void roundTripConvertsWhatChanged_data();
    void roundTripConvertsWhatChanged();
    void refusedSwitchRestoresNothing();
    void zerosStayZeroButTheTemperature();
    void textThatIsNoNumberIsSkipped();
    void clickOnTheSelectedButtonChangesNothing();
    void pendingEditIsCleanedFirst_data();
    void pendingEditIsCleanedFirst();
    void germanDecimalComma();
    void hebrewNegativeNumbers();
    void commandsUseTheSystemInForce();
    void standardBoreIsChosenAgain_data();
    void standardBoreIsChosenAgain();
    void switchThatCannotBeDoneChangesNothing_data();
    void switchThatCannotBeDoneChangesNothing();
    void refusalNamesTheFirstFieldConverted_data();
    void refusalNamesTheFirstFieldConverted();
};

void tst_UnitSwitch::captionsFollowTheSystem()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    const QMap<QString, QString> imperial = unitCaptions(window);

    switchTo(window, 1);
    QCOMPARE(window.unitSystem(), qint16(1));
    QVERIFY(selected(window, 1) && !selected(window, 0));
    const QMap<QString, QString> metric = unitCaptions(window);
    QCOMPARE(metric.size(), 21);
    for (auto it = metric.cbegin(); it != metric.cend(); ++it) {
        const QString &name = it.key();
        QString expected;
        if (name.startsWith(QLatin1String("lblPressureUnits"))) expected = QStringLiteral("Bar");
        else if (name.startsWith(QLatin1String("lblForceUnits"))) expected = QStringLiteral("Newtons");
        else if (name.startsWith(QLatin1String("lblLengthUnits"))) expected = QStringLiteral("mm");
        else if (name.startsWith(QLatin1String("lblFlowUnits"))) expected = QStringLiteral("L/min");
        else if (name == QLatin1String("lblAreaUnits")) expected = QStringLiteral("Sq. mm");
        else if (name == QLatin1String("lbltemperatureUnits")) expected = degreeC;
        else if (name == QLatin1String("lblVolumeUnits")) expected = QStringLiteral("Cubic mm");
        QCOMPARE(it.value(), expected);
    }
    // Captions without a unit system stay.
    QCOMPARE(control<QLabel>(window, QStringLiteral("Label31"))->text(), QStringLiteral("Seconds"));
    QCOMPARE(control<QLabel>(window, QStringLiteral("Label43"))->text(), QStringLiteral("Per Minute"));

    switchTo(window, 0);
    QCOMPARE(window.unitSystem(), qint16(0));
    QCOMPARE(unitCaptions(window), imperial);
    QCOMPARE(imperial.value("lbltemperatureUnits"), degreeF);
    QCOMPARE(imperial.value("lblAreaUnits"), QStringLiteral("Sq. Inches"));
}

void tst_UnitSwitch::roundTripOfEveryField()
{
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    fillEveryField(window);
    QCOMPARE(text(window, "txtAreaRequired"), QStringLiteral("6.25"));
    QCOMPARE(text(window, "txtPushForce"), QStringLiteral("251.32741"));
    // The rod diameter of 1 inch, typed last, is what has the focus.
    typeInto(window, QStringLiteral("txtRodDiameter"), QStringLiteral("1"));
    const QMap<QString, QString> before = fieldTexts(window);

    // The first switch converts every field; switching back restores every
    // text as it was, not its conversion (80 psi would come back as
    // 80.0000000000001, 1 inch as 1.00076).
    const QList<std::pair<QString, QString>> metric{
        {"txtAirPressure(0)", "5.51724137931035"},
        {"txtAirPressure(1)", "5.51724137931035"},
        {"txtAirPressure(2)", "4.13793103448276"},
        {"txtCylinderBore(0)", "50.8"},
        {"txtCylinderBore(1)", "38.1"},
        {"txtAreaRequired", "4032.25"},
        {"txtForceRequired", "2250"},
        {"txtInstFlow", "75.4748824845"},
        {"txtMinBoreSize", "71.65213"},
        {"txtPullForce", "1020.52674"},
        {"txtPushForce", "1130.973345"},
        {"txtRodDiameter", "25.4"},
        {"txtRoomTemp", "21.11111"},
        {"txtSystemFlow", "283.1685"},
        {"txtStrokeLength", "101.6"},
        {"txtVolume", "16387"},
        {"txtPressureDrop", "0.344827586206897"},
        {"txtAirConsumption", "79.5966831705"},
        {"txtSystemConsumption", "159.193366341"},
        // The stroke-time and rod-buckling panels as they start.
        {"txtTimeAirPressure", "0"}, {"txtTimePressureDrop", "0"}, {"txtTimeBore", "0"}, {"txtTimeStroke", "0"},
        {"txtTimeRoomTemp", "20"}, {"txtValveCoefficient", "0"}, {"txtTimeFlow", "0"}, {"txtPistonSpeed", "0"},
        {"txtBuckleRod", "0"}, {"txtBuckleLength", "0"}, {"txtModulus", "206896.551724138"},
        {"txtYieldStrength", "344.827586206897"}, {"txtBuckleForce", "0"}, {"txtBucklingLoad", "0"},
        {"txtAllowableForce", "0"}, {"txtMaxBuckleLength", "0"}, {"txtMinRodDiameter", "0"}};
    QCOMPARE(metric.size(), convertedFields().size());

    switchTo(window, 1);
    QCOMPARE(window.unitSystem(), qint16(1));
    for (const auto &[name, text] : metric)
        QCOMPARE(WindowDriver::text(window, name), text);
    for (const QString &name : keptFields)
        QCOMPARE(text(window, name), before.value(name));

    switchTo(window, 0);
    QCOMPARE(window.unitSystem(), qint16(0));
    QCOMPARE(fieldTexts(window), before);
    QVERIFY(boxes.seen().isEmpty());
}

void tst_UnitSwitch::roundTripsKeepEveryText_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("trips");
    QTest::newRow("from imperial, one round trip") << 0 << 1;
    QTest::newRow("from imperial, eleven round trips") << 0 << 11;
    QTest::newRow("from metric, one round trip") << 1 << 1;
    QTest::newRow("from metric, eleven round trips") << 1 << 11;
}

void tst_UnitSwitch::roundTripsKeepEveryText()
{
    // Without an edit, neither system's texts drift, however often the user
    // looks at the other one; cleaning a field into the same text is no edit.
    QFETCH(int, start);
    QFETCH(int, trips);
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, start);
    fillEveryField(window);
    const QMap<QString, QString> before = fieldTexts(window);

    switchTo(window, 1 - start);
    const QMap<QString, QString> other = fieldTexts(window);
    for (const QString &name : convertedFields())
        QVERIFY2(other.value(name) != before.value(name) || other.value(name) == QLatin1String("0"),
                 qPrintable(name));
    for (int trip = 0; trip < trips; ++trip) {
        switchTo(window, start);
        QCOMPARE(window.unitSystem(), qint16(start));
        QCOMPARE(fieldTexts(window), before);
        // Tabbing through a field cleans it into the text it holds.
        typeAndTab(window, QStringLiteral("txtCylinderBore(1)"), before.value("txtCylinderBore(1)"));
        switchTo(window, 1 - start);
        QCOMPARE(fieldTexts(window), other);
    }
    QVERIFY(boxes.seen().isEmpty());
}

void tst_UnitSwitch::roundTripConvertsWhatChanged_data()
{
    // A field edited (or, for a result, written by a command) in the other
    // system is converted on the way back, from its new text; every other
    // field is restored.
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("changed"); // the new text in the other system
    QTest::addColumn<QString>("back");    // its text back in the first system
    // 2 in each metric unit, in imperial units.
    const QList<std::pair<QString, QString>> fromMetric{
        {"txtAirPressure(0)", "29"},      {"txtAirPressure(1)", "29"},      {"txtAirPressure(2)", "29"},
        {"txtCylinderBore(0)", "0.0788"}, {"txtCylinderBore(1)", "0.0788"}, {"txtAreaRequired", "0.0031"},
        {"txtForceRequired", "0.444444444444444"}, {"txtInstFlow", "0.07062934"}, {"txtMinBoreSize", "0.0788"},
        {"txtPullForce", "0.444444444444444"}, {"txtPushForce", "0.444444444444444"},
        {"txtRodDiameter", "0.0788"},     {"txtRoomTemp", "35.6"},          {"txtSystemFlow", "0.07062934"},
        {"txtStrokeLength", "0.0788"},    {"txtVolume", "0.000122"},        {"txtPressureDrop", "29"},
        {"txtAirConsumption", "0.07062934"}, {"txtSystemConsumption", "0.07062934"},
        {"txtTimeAirPressure", "29"}, {"txtTimePressureDrop", "29"}, {"txtTimeBore", "0.0788"},
        {"txtTimeStroke", "0.0788"}, {"txtTimeRoomTemp", "35.6"}, {"txtValveCoefficient", "2.30149597238205"},
        {"txtTimeFlow", "0.07062934"}, {"txtPistonSpeed", "0.0788"}, {"txtBuckleRod", "0.0788"},
        {"txtBuckleLength", "0.0788"}, {"txtModulus", "290"}, {"txtYieldStrength", "290"},
        {"txtBuckleForce", "0.444444444444444"}, {"txtBucklingLoad", "0.444444444444444"},
        {"txtAllowableForce", "0.444444444444444"}, {"txtMaxBuckleLength", "0.0788"},
        {"txtMinRodDiameter", "0.0788"}};
    // 2 in each imperial unit, in metric units.
    const QList<std::pair<QString, QString>> fromImperial{
        {"txtAirPressure(0)", "0.137931034482759"}, {"txtAirPressure(1)", "0.137931034482759"},
        {"txtAirPressure(2)", "0.137931034482759"}, {"txtCylinderBore(0)", "50.8"},
        {"txtCylinderBore(1)", "50.8"},   {"txtAreaRequired", "1290.32"},   {"txtForceRequired", "9"},
        {"txtInstFlow", "56.6337"},       {"txtMinBoreSize", "50.8"},       {"txtPullForce", "9"},
        {"txtPushForce", "9"},            {"txtRodDiameter", "50.8"},       {"txtRoomTemp", "-16.66667"},
        {"txtSystemFlow", "56.6337"},     {"txtStrokeLength", "50.8"},      {"txtVolume", "32774"},
        {"txtPressureDrop", "0.137931034482759"},
        {"txtAirConsumption", "56.6337"}, {"txtSystemConsumption", "56.6337"},
        {"txtTimeAirPressure", "0.137931034482759"}, {"txtTimePressureDrop", "0.137931034482759"},
        {"txtTimeBore", "50.8"}, {"txtTimeStroke", "50.8"}, {"txtTimeRoomTemp", "-16.66667"},
        {"txtValveCoefficient", "1.738"}, {"txtTimeFlow", "56.6337"}, {"txtPistonSpeed", "50.8"},
        {"txtBuckleRod", "50.8"}, {"txtBuckleLength", "50.8"}, {"txtModulus", "0.0137931034482759"},
        {"txtYieldStrength", "0.0137931034482759"}, {"txtBuckleForce", "9"}, {"txtBucklingLoad", "9"},
        {"txtAllowableForce", "9"}, {"txtMaxBuckleLength", "50.8"}, {"txtMinRodDiameter", "50.8"}};
    QCOMPARE(fromMetric.size(), convertedFields().size());
    QCOMPARE(fromImperial.size(), convertedFields().size());
    for (const auto &[name, back] : fromMetric)
        QTest::addRow("from imperial, %s", qPrintable(name)) << 0 << name << "2" << back;
    for (const auto &[name, back] : fromImperial)
        QTest::addRow("from metric, %s", qPrintable(name)) << 1 << name << "2" << back;
    // Cleaned into another text: "abc" becomes 0, which stays 0.
    QTest::newRow("from imperial, rod cleaned to 0") << 0 << "txtRodDiameter" << "abc" << "0";
}

void tst_UnitSwitch::roundTripConvertsWhatChanged()
{
    QFETCH(int, start);
    QFETCH(QString, fieldName);
    QFETCH(QString, changed);
    QFETCH(QString, back);
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, start);
    fillEveryField(window);
    const QMap<QString, QString> before = fieldTexts(window);

    switchTo(window, 1 - start);
    changeField(window, fieldName, changed);
    switchTo(window, start);
    QCOMPARE(text(window, fieldName), back);
    // The standard bore is chosen again when its minimum bore or pressure
    // changed; every other field has its text from before.
    const bool standardChosenAgain = fieldName == QLatin1String("txtMinBoreSize")
                                     || fieldName == QLatin1String("txtAirPressure(0)");
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (it.key() != fieldName && !(standardChosenAgain && standardBoreFields.contains(it.key())))
            QCOMPARE(text(window, it.key()), it.value());
    }
    // Back again, the changed text is restored: the conversion just written
    // has not been touched.
    switchTo(window, 1 - start);
    QCOMPARE(text(window, fieldName), changed == QLatin1String("abc") ? QStringLiteral("0") : changed);
    QVERIFY(boxes.seen().isEmpty());
}

void tst_UnitSwitch::refusedSwitchRestoresNothing()
{
    // The way back refused: every field keeps its text in the other system,
    // and the next switch still restores what the refused one did not touch.
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    fillEveryField(window);
    const QMap<QString, QString> imperial = fieldTexts(window);
    switchTo(window, 1);
    // 1E308 bar is beyond the largest double in psi.
    typeAndTab(window, QStringLiteral("txtPressureDrop"), QStringLiteral("1E308"));
    const QMap<QString, QString> metric = fieldTexts(window);

    switchTo(window, 0);
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(window.unitSystem(), qint16(1));
    QCOMPARE(fieldTexts(window), metric);

    typeAndTab(window, QStringLiteral("txtPressureDrop"), QStringLiteral("1"));
    switchTo(window, 0);
    QCOMPARE(window.unitSystem(), qint16(0));
    QMap<QString, QString> expected = imperial;
    expected.insert(QStringLiteral("txtPressureDrop"), QStringLiteral("14.5"));
    QCOMPARE(fieldTexts(window), expected);
    QCOMPARE(boxes.seen().size(), 1);
}

void tst_UnitSwitch::zerosStayZeroButTheTemperature()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    switchTo(window, 1);
    // The fields that start at 0; the others start elsewhere.
    const QHash<QString, QString> notZero{{"txtRoomTemp", "-17.77778"},
                                          {"txtTimeRoomTemp", "20"},
                                          {"txtModulus", "206896.551724138"},
                                          {"txtYieldStrength", "344.827586206897"}};
    for (const QString &name : convertedFields())
        QCOMPARE(text(window, name), notZero.value(name, QStringLiteral("0")));
    QCOMPARE(text(window, "txtNumCylinders"), QStringLiteral("1"));

    typeAndTab(window, QStringLiteral("txtRoomTemp"), QStringLiteral("0"));
    typeAndTab(window, QStringLiteral("txtStrokeLength"), QStringLiteral("0.0000"));
    QCOMPARE(text(window, "txtStrokeLength"), QStringLiteral("0"));
    switchTo(window, 0);
    QCOMPARE(text(window, "txtRoomTemp"), QStringLiteral("32"));
    QCOMPARE(text(window, "txtStrokeLength"), QStringLiteral("0"));
}

void tst_UnitSwitch::textThatIsNoNumberIsSkipped()
{
    // Only code can leave a result field without a number; the fields after
    // it are converted all the same.
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    field(window, QStringLiteral("txtPullForce"))->setText(QStringLiteral("n/a"));
    field(window, QStringLiteral("txtPushForce"))->setText(QStringLiteral("100"));
    typeAndTab(window, QStringLiteral("txtPressureDrop"), QStringLiteral("29"));
    switchTo(window, 1);
    QCOMPARE(text(window, "txtPullForce"), QStringLiteral("n/a"));
    QCOMPARE(text(window, "txtPushForce"), QStringLiteral("450"));
    QCOMPARE(text(window, "txtPressureDrop"), QStringLiteral("2"));
}

void tst_UnitSwitch::clickOnTheSelectedButtonChangesNothing()
{
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    typeAndTab(window, QStringLiteral("txtRoomTemp"), QStringLiteral("70"));
    typeAndTab(window, QStringLiteral("txtStrokeLength"), QStringLiteral("1"));

    const QMap<QString, QString> imperialTexts = fieldTexts(window);
    const QMap<QString, QString> imperialCaptions = unitCaptions(window);
    switchTo(window, 0);
    QCOMPARE(window.unitSystem(), qint16(0));
    QVERIFY(selected(window, 0) && !selected(window, 1));
    QCOMPARE(fieldTexts(window), imperialTexts);
    QCOMPARE(unitCaptions(window), imperialCaptions);

    switchTo(window, 1);
    const QMap<QString, QString> metricTexts = fieldTexts(window);
    const QMap<QString, QString> metricCaptions = unitCaptions(window);
    QCOMPARE(metricTexts.value("txtStrokeLength"), QStringLiteral("25.4"));
    switchTo(window, 1);
    switchTo(window, 1);
    QCOMPARE(window.unitSystem(), qint16(1));
    QVERIFY(selected(window, 1) && !selected(window, 0));
    QCOMPARE(fieldTexts(window), metricTexts);
    QCOMPARE(unitCaptions(window), metricCaptions);
    QVERIFY(boxes.seen().isEmpty());
}

void tst_UnitSwitch::pendingEditIsCleanedFirst_data()
{
    QTest::addColumn<bool>("buttonTakesFocus");
    QTest::newRow("button takes the focus") << true;
    QTest::newRow("button takes no focus") << false;
}

void tst_UnitSwitch::pendingEditIsCleanedFirst()
{
    // "-1" read as it stands would become -25.4; cleaned first it is 1 inch.
    QFETCH(bool, buttonTakesFocus);
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    if (!buttonTakesFocus)
        control(window, QStringLiteral("Option1(1)"))->setFocusPolicy(Qt::NoFocus);
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtRodDiameter"), QStringLiteral("-1"));
    switchTo(window, 1);
    QCOMPARE(field(window, QStringLiteral("txtRodDiameter"))->hasFocus(), !buttonTakesFocus);
    QCOMPARE(text(window, "txtRodDiameter"), QStringLiteral("25.4"));
}

void tst_UnitSwitch::germanDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    typeAndTab(window, QStringLiteral("txtRodDiameter"), QStringLiteral("2,5"));
    typeAndTab(window, QStringLiteral("txtRoomTemp"), QStringLiteral("70,5"));
    switchTo(window, 1);
    QCOMPARE(text(window, "txtRodDiameter"), QStringLiteral("63,5"));
    QCOMPARE(text(window, "txtRoomTemp"), QStringLiteral("21,38889"));
    QCOMPARE(text(window, "txtAirPressure(0)"), QStringLiteral("0"));
    typeAndTab(window, QStringLiteral("txtStrokeLength"), QStringLiteral("63,5"));
    switchTo(window, 0);
    QCOMPARE(text(window, "txtRodDiameter"), QStringLiteral("2,5"));
    QCOMPARE(text(window, "txtRoomTemp"), QStringLiteral("70,5"));
    // Typed in mm, converted: 63.5 times 0.0394.
    QCOMPARE(text(window, "txtStrokeLength"), QStringLiteral("2,5019"));
}

void tst_UnitSwitch::hebrewNegativeNumbers()
{
    // Hebrew writes a direction mark before its minus sign; what the switch
    // writes there it must read back on the next switch.
    QLocale::setDefault(QLocale(QStringLiteral("he_IL")));
    const QString minus = QLocale().negativeSign();
    QCOMPARE(minus, QStringLiteral("\u200E-"));
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    // A rod wider than the bore gives a negative pull force.
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("1"));
    typeInto(window, QStringLiteral("txtRodDiameter"), QStringLiteral("2"));
    typeInto(window, QStringLiteral("txtAirPressure(1)"), QStringLiteral("100"));
    click(window, QStringLiteral("btnCalcForce"));
    QCOMPARE(text(window, "txtPullForce"), minus + QStringLiteral("235.61945"));

    switchTo(window, 1);
    QCOMPARE(window.unitSystem(), qint16(1));
    QCOMPARE(text(window, "txtRoomTemp"), minus + QStringLiteral("17.77778"));
    QCOMPARE(text(window, "txtPullForce"), minus + QStringLiteral("1060.287525"));
    switchTo(window, 0);
    QCOMPARE(window.unitSystem(), qint16(0));
    QCOMPARE(text(window, "txtRoomTemp"), QStringLiteral("0"));
    QCOMPARE(text(window, "txtPullForce"), minus + QStringLiteral("235.61945"));
    QVERIFY2(boxes.seen().isEmpty(), qPrintable(boxes.seen().value(0).text));
}

void tst_UnitSwitch::commandsUseTheSystemInForce()
{
    // The switch converts the inputs; a new calculation then uses the metric
    // formula on the converted values.
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("50"));
    typeInto(window, QStringLiteral("txtRodDiameter"), QStringLiteral("20"));
    typeInto(window, QStringLiteral("txtAirPressure(1)"), QStringLiteral("6"));
    switchTo(window, 1);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("50"));
    typeInto(window, QStringLiteral("txtRodDiameter"), QStringLiteral("20"));
    typeInto(window, QStringLiteral("txtAirPressure(1)"), QStringLiteral("6"));
    click(window, QStringLiteral("btnCalcForce"));
    QCOMPARE(text(window, "txtPushForce"), QStringLiteral("1178.09725"));
    QCOMPARE(text(window, "txtPullForce"), QStringLiteral("989.60169"));
}

void tst_UnitSwitch::standardBoreIsChosenAgain_data()
{
    // The bore panel calculated in one system, then switched to the other and
    // back: the minimum bore is converted, the standard bore is the other
    // series' pick for it (never a converted bore) at the converted pressure.
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("force");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QStringList>("before");   // standard bore, push force
    QTest::addColumn<QString>("minBore");      // after the switch
    QTest::addColumn<QStringList>("switched"); // standard bore, push force
    QTest::addColumn<QStringList>("back");     // after switching back
    const QStringList none{"", ""};
    QTest::newRow("2.82095 in becomes 71.65213 mm, so 80 mm")
        << 0 << "500" << "80" << QStringList{"3.25", "663.66145"} << "71.65213"
        << QStringList{"80", "2773.268"} << QStringList{"3.25", "663.66145"};
    QTest::newRow("65.147 mm becomes 2.5667918 in, so 3.25 in")
        << 1 << "2000" << "6" << QStringList{"80", "3015.92895"} << "2.5667918"
        << QStringList{"3.25", "721.73182"} << QStringList{"80", "3015.92895"};
    QTest::newRow("325.735 mm has no ISO bore, 12.834 in has 14 in")
        << 1 << "50000" << "6" << none << "12.833959394" << QStringList{"14", "13392.60948"} << none;
    QTest::newRow("12.61566 in has 14 in, 320.438 mm has no ISO bore")
        << 0 << "10000" << "80" << QStringList{"14", "12315.0432"} << "320.437764" << none
        << QStringList{"14", "12315.0432"};
    QTest::newRow("no pressure, no standard bore either way")
        << 0 << "500" << "0" << none << "0" << none << none;
}

void tst_UnitSwitch::standardBoreIsChosenAgain()
{
    QFETCH(int, from);
    QFETCH(QString, force);
    QFETCH(QString, pressure);
    QFETCH(QStringList, before);
    QFETCH(QString, minBore);
    QFETCH(QStringList, switched);
    QFETCH(QStringList, back);
    const auto standardTexts = [](const frmPressureCalc &window) {
        return QStringList{text(window, "txtStandardBore"), text(window, "txtStandardForce")};
    };

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, from);
    typeAndTab(window, QStringLiteral("txtForceRequired"), force);
    typeAndTab(window, QStringLiteral("txtAirPressure(0)"), pressure);
    typeAndTab(window, QStringLiteral("txtSafetyFactor"), QStringLiteral("1"));
    click(window, QStringLiteral("btnCalcBoreSize"));
    QCOMPARE(standardTexts(window), before);

    switchTo(window, 1 - from);
    QCOMPARE(text(window, "txtMinBoreSize"), minBore);
    QCOMPARE(standardTexts(window), switched);
    // The unit captions beside the two fields follow the system.
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblLengthUnits(5)"))->text(),
             from == 0 ? QStringLiteral("mm") : QStringLiteral("Inches"));
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblForceUnits(3)"))->text(),
             from == 0 ? QStringLiteral("Newtons") : QStringLiteral("Pounds"));

    switchTo(window, from);
    QCOMPARE(standardTexts(window), back);
    QVERIFY(boxes.seen().isEmpty());
}

void tst_UnitSwitch::switchThatCannotBeDoneChangesNothing_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    const QString toMetric = QStringLiteral("is too large to convert to metric units. "
                                            "Nothing was changed: the window stays in imperial units.");
    const QString toImperial = QStringLiteral("is too large to convert to imperial units. "
                                              "Nothing was changed: the window stays in metric units.");
    // 1E308 inches is more than the largest double in mm (25.4 times).
    QTest::newRow("rod 1E308 inches") << 1 << "txtRodDiameter" << "1E308"
                                      << "The value in \"Rod Diameter\" on the Cylinder Force panel " + toMetric;
    QTest::newRow("bore 1E308 inches") << 1 << "txtCylinderBore(1)" << "1E308"
                                       << "The value in \"Bore Size\" on the Valve Flow panel " + toMetric;
    QTest::newRow("pressure 1E308 bar") << 0 << "txtAirPressure(0)" << "1E308"
                                        << "The value in \"Air Pressure\" on the Cylinder Bore panel " + toImperial;
    QTest::newRow("last input 1E308 bar") << 0 << "txtPressureDrop" << "1E308"
                                          << "The value in \"Pressure Drop\" on the Valve Flow panel " + toImperial;
    QTest::newRow("temperature 1E308 degrees C") << 0 << "txtRoomTemp" << "1E308"
                                                 << "The value in \"Room Temperature\" on the Valve Flow panel " + toImperial;
    // 1E308 psi converts, but the standard bore's force at that pressure is
    // beyond the largest double.
    QTest::newRow("standard bore at 1E308 psi")
        << 1 << "txtAirPressure(0)" << "1E308"
        << "The value in \"Push Force\" on the Cylinder Bore panel is too large to work out in metric units. "
           "Nothing was changed: the window stays in imperial units.";
}

void tst_UnitSwitch::switchThatCannotBeDoneChangesNothing()
{
    QFETCH(int, target);
    QFETCH(QString, fieldName);
    QFETCH(QString, value);
    QFETCH(QString, message);
    const int from = 1 - target;

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    switchTo(window, from);
    // Fields before and after the failing one in the order of conversion.
    typeAndTab(window, QStringLiteral("txtAirPressure(1)"), QStringLiteral("100"));
    typeAndTab(window, QStringLiteral("txtForceRequired"), QStringLiteral("100"));
    // A standard bore on show, which a refused switch must keep too.
    typeAndTab(window, QStringLiteral("txtAirPressure(0)"), QStringLiteral("80"));
    click(window, QStringLiteral("btnCalcBoreSize"));
    QVERIFY(!text(window, "txtStandardForce").isEmpty());
    typeAndTab(window, QStringLiteral("txtRoomTemp"), QStringLiteral("70"));
    typeAndTab(window, fieldName, value);
    QVERIFY(boxes.seen().isEmpty());
    const QMap<QString, QString> texts = fieldTexts(window);
    const QMap<QString, QString> captions = unitCaptions(window);

    switchTo(window, target);
    QCOMPARE(boxes.seen().size(), 1);
    const MessageBoxWatcher::Seen box = boxes.seen().first();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QGuiApplication::applicationDisplayName());
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttonCount, 1);

    QCOMPARE(window.unitSystem(), qint16(from));
    QVERIFY(selected(window, from));
    QVERIFY(!selected(window, target));
    QCOMPARE(fieldTexts(window), texts);
    QCOMPARE(unitCaptions(window), captions);
    // Tab still reaches the unit selector through its selected button.
    QCOMPARE(control(window, QStringLiteral("Option1(%1)").arg(from))->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(control(window, QStringLiteral("Option1(%1)").arg(target))->focusPolicy(), Qt::ClickFocus);

    // A second try fails the same way; with the value put right it works.
    switchTo(window, target);
    QCOMPARE(boxes.seen().size(), 2);
    QCOMPARE(window.unitSystem(), qint16(from));
    typeAndTab(window, fieldName, QStringLiteral("1"));
    switchTo(window, target);
    QCOMPARE(boxes.seen().size(), 2);
    QCOMPARE(window.unitSystem(), qint16(target));
    QVERIFY(selected(window, target) && !selected(window, from));
    QVERIFY(text(window, "txtForceRequired") != texts.value("txtForceRequired"));
}

void tst_UnitSwitch::refusalNamesTheFirstFieldConverted_data()
{
    // Two values too large for metric units; the message names the one the
    // switch converts first, which is not always the first on screen.
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("named"); // caption and panel
    QTest::newRow("pull force before push force")
        << QStringList{"txtPushForce", "txtPullForce"} << "\"Force (Pull)\" on the Cylinder Force";
    QTest::newRow("bore of the force panel before the force required")
        << QStringList{"txtForceRequired", "txtCylinderBore(0)"} << "\"Bore Size\" on the Cylinder Force";
    QTest::newRow("bore of the valve panel before the rod diameter")
        << QStringList{"txtRodDiameter", "txtCylinderBore(1)"} << "\"Bore Size\" on the Valve Flow";
    QTest::newRow("total system flow before the volume")
        << QStringList{"txtSystemFlow", "txtVolume"} << "\"Total System Flow\" on the Valve Flow";
    QTest::newRow("air consumption after every other field")
        << QStringList{"txtSystemConsumption", "txtAirConsumption", "txtRodDiameter"}
        << "\"Rod Diameter\" on the Cylinder Force";
    QTest::newRow("air consumption before its total")
        << QStringList{"txtSystemConsumption", "txtAirConsumption"} << "\"Air Consumption\" on the Valve Flow";
}

void tst_UnitSwitch::refusalNamesTheFirstFieldConverted()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, named);
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    for (const QString &name : fields) {
        if (field(window, name)->isReadOnly())
            field(window, name)->setText(QStringLiteral("1E308"));
        else
            typeAndTab(window, name, QStringLiteral("1E308"));
    }
    switchTo(window, 1);
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().text,
             QStringLiteral("The value in %1 panel is too large to convert to metric units. "
                            "Nothing was changed: the window stays in imperial units.")
                 .arg(named));
    QCOMPARE(window.unitSystem(), qint16(0));
}

QTEST_MAIN(tst_UnitSwitch)
#include "tst_unitSwitch.moc"
