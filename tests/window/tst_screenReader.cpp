// SPDX-License-Identifier: MIT
// What a screen reader learns from the window: the unit and kind of every
// value, names and roles of the containers, and what each command changed.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "windowDriver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

// Qt raises accessibility events only while an assistive technology listens;
// the platform's accessibility is told that one does.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace WindowDriver;

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString description(QObject *object)
{
    QAccessibleInterface *iface = accessible(object);
    return iface ? iface->text(QAccessible::Description) : QStringLiteral("<no interface>");
}

// Every description change the window raises, with the description the
// object had when it was raised.
struct DescriptionChange {
    QString object;
    QString description;
};
QList<DescriptionChange> descriptionChanges;
// The objects whose name changed, in order.
QList<QObject *> nameChanges;

void recordUpdate(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged)
        nameChanges.append(event->object());
    if (event->type() != QAccessible::DescriptionChanged)
        return;
    QObject *object = event->object();
    descriptionChanges.append({object ? object->objectName() : QStringLiteral("<no object>"), description(object)});
}

// "Force (Push) {txtPushForce} Pounds" with the field's text put in.
QString expand(const frmPressureCalc &window, QString sentence)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{([A-Za-z]+(?:\\(\\d\\))?)\\}"));
    QRegularExpressionMatch match;
    while ((match = placeholder.match(sentence)).hasMatch())
        sentence.replace(match.capturedStart(), match.capturedLength(), text(window, match.captured(1)));
    return sentence;
}

} // namespace

class tst_ScreenReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ApplicationInfo::apply();
        QAccessible::installUpdateHandler(recordUpdate);
        QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }
    void init()
    {
        QLocale::setDefault(QLocale::c());
        descriptionChanges.clear();
        nameChanges.clear();
    }

    void fieldsTellTheirUnits_data();
    void fieldsTellTheirUnits();
    void coefficientTellsItsKind();
    void windowPanelsAndScrollBarsAreNamed();
    void commandsAnnounceWhatChanged_data();
    void commandsAnnounceWhatChanged();
    void announcementMakesWayWhenTheFocusLeaves();
    void sameResultsTwiceAreAnnouncedTwice();
    void refusedCommandAnnouncesNothing();
    void notesAreReadableAtAnyTime_data();
    void notesAreReadableAtAnyTime();
    void resultsAfterTheWarningGoToTheFocusedControl_data();
    void resultsAfterTheWarningGoToTheFocusedControl();
    void arrowKeysInAnOptionGroupAreHeardOnTheButtonReached_data();
    void arrowKeysInAnOptionGroupAreHeardOnTheButtonReached();
};

void tst_ScreenReader::fieldsTellTheirUnits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("imperial");
    QTest::addColumn<QString>("metric");
    const QString degree(QChar(0x00B0));
    const auto row = [](const char *field, const char *caption, const QString &imperial, const QString &metric) {
        QTest::newRow(field) << field << caption << imperial << metric;
    };
    row("txtAirPressure(0)", "Air Pressure", "PSI", "Bar");
    row("txtForceRequired", "Force Required", "Pounds", "Newtons");
    row("txtSafetyFactor", "Safety Factor", "", "");
    row("txtAreaRequired", "Area Required", "Sq. Inches", "Sq. mm");
    row("txtMinBoreSize", "Minimum Bore Size", "Inches", "mm");
    row("txtStandardBore", "Standard Bore", "Inches", "mm");
    row("txtStandardForce", "Push Force", "Pounds", "Newtons");
    row("txtAirPressure(1)", "Air Pressure", "PSI", "Bar");
    row("txtCylinderBore(0)", "Bore Size", "Inches", "mm");
    row("txtRodDiameter", "Rod Diameter", "Inches", "mm");
    row("txtPushForce", "Force (Push)", "Pounds", "Newtons");
    row("txtPullForce", "Force (Pull)", "Pounds", "Newtons");
    row("txtAirPressure(2)", "Air Pressure", "PSI", "Bar");
    row("txtCylinderBore(1)", "Bore Size", "Inches", "mm");
    row("txtRoomTemp", "Room Temperature", degree + " F", degree + " c");
    row("txtStrokeLength", "Stroke Length", "Inches", "mm");
    row("txtStrokTime", "Stroke Time", "Seconds", "Seconds");
    row("txtNumCylinders", "Number of Cylinders", "", "");
    row("txtPressureDrop", "Pressure Drop", "PSI", "Bar");
    row("txtCycleRate", "Cycle Rate", "Per Minute", "Per Minute");
    row("txtValveCoefficient", "Valve Flow Coefficient", "Cv", "Kv");
    row("txtTimeResult", "Stroke Time", "Seconds", "Seconds");
    row("txtPistonSpeed", "Piston Speed", "In/Sec", "mm/Sec");
    row("txtModulus", "Elastic Modulus", "PSI", QString::fromUtf8("N/mm²"));
    row("txtBuckleForce", "Push Force", "Pounds", "Newtons");
    row("txtVolume", "Volume", "Cubic Inch.", "Cubic mm");
    row("txtCvFactor", "Flow coefficient", "Cv", "Cv");
    row("txtInstFlow", "Instantaneous Flow", "SCFM", "L/min");
    row("txtSystemFlow", "Total System Flow", "SCFM", "L/min");
    row("txtAirConsumption", "Air Consumption", "SCFM", "L/min");
    row("txtSystemConsumption", "System Consumption", "SCFM", "L/min");
}

// The unit follows the unit switch both ways; the name stays the caption.
void tst_ScreenReader::fieldsTellTheirUnits()
{
    QFETCH(QString, field);
    QFETCH(QString, caption);
    QFETCH(QString, imperial);
    QFETCH(QString, metric);
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    QLineEdit *edit = WindowDriver::field(window, field);
    QCOMPARE(accessible(edit)->text(QAccessible::Name), caption);
    QCOMPARE(description(edit), imperial);
    useUnits(window, frmPressureCalc::Metric);
    QCOMPARE(description(edit), metric);
    QCOMPARE(accessible(edit)->text(QAccessible::Name), caption);
    useUnits(window, frmPressureCalc::Imperial);
    QCOMPARE(description(edit), imperial);
}

void tst_ScreenReader::coefficientTellsItsKind()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    QLineEdit *coefficient = field(window, QStringLiteral("txtCvFactor"));
    click(window, QStringLiteral("optCVType(1)"));
    // The option button holds the focus and the announcement; the field
    // already says its new kind.
    QCOMPARE(description(coefficient), QStringLiteral("Kv"));
    useUnits(window, frmPressureCalc::Metric);
    QCOMPARE(description(coefficient), QStringLiteral("Kv"));
    click(window, QStringLiteral("optCVType(0)"));
    QCOMPARE(description(coefficient), QStringLiteral("Cv"));
}

void tst_ScreenReader::windowPanelsAndScrollBarsAreNamed()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));

    QAccessibleInterface *top = accessible(&window);
    QCOMPARE(top->role(), QAccessible::Window);
    QCOMPARE(top->text(QAccessible::Name), QStringLiteral("Corvane Calculator"));

    // By Frame index: the disclaimer keeps Frame(3).
    const QStringList panels{"Cylinder Bore", "Cylinder Force", "Valve Flow", "Disclaimer", "Stroke Time",
                             "Rod Buckling"};
    const QList<QWidget *> frames = controlArray(window, QStringLiteral("Frame"));
    QCOMPARE(frames.size(), panels.size());
    for (qsizetype index = 0; index < panels.size(); ++index) {
        QAccessibleInterface *panel = accessible(frames[index]);
        QCOMPARE(panel->text(QAccessible::Name), panels[index]);
        QCOMPARE(panel->role(), QAccessible::Grouping);
    }

    auto *disclaimer = control<QPlainTextEdit>(window, QStringLiteral("txtdisclaimer"));
    for (QScrollBar *bar : {disclaimer->verticalScrollBar(), disclaimer->horizontalScrollBar()}) {
        QCOMPARE(accessible(bar)->role(), QAccessible::ScrollBar);
        QVERIFY2(accessible(bar)->text(QAccessible::Name).startsWith(QStringLiteral("Legal Disclaimer")),
                 qPrintable(accessible(bar)->text(QAccessible::Name)));
    }

    // The empty label below the coefficient is not read out, on any panel.
    QWidget *cvLabel = control(window, QStringLiteral("cvLabel"));
    selectPanel(window, 2);
    QVERIFY(accessible(cvLabel)->state().invisible);
    QVERIFY(control(window, QStringLiteral("txtCvFactor"))->isVisible());
}

void tst_ScreenReader::commandsAnnounceWhatChanged_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("units");
    QTest::addColumn<QStringList>("inputs"); // field=text, typed in this order
    QTest::addColumn<QString>("press");      // a control to click, or "Return" in the last input
    QTest::addColumn<QString>("announcer");
    QTest::addColumn<QString>("sentence"); // {field} stands for the field's text afterwards

    const QStringList force{"txtCylinderBore(0)=2", "txtRodDiameter=0.625", "txtAirPressure(1)=80"};
    const QStringList bore{"txtForceRequired=100", "txtAirPressure(0)=50", "txtSafetyFactor=0"};
    const QStringList valve{"txtAirPressure(2)=80", "txtCylinderBore(1)=2", "txtRoomTemp=68",
                            "txtStrokeLength=10", "txtStrokTime=1", "txtPressureDrop=5", "txtCycleRate=30"};
    const QString valveResults = "Volume {txtVolume} Cubic Inch., Instantaneous Flow {txtInstFlow} SCFM, "
                                 "Flow coefficient {txtCvFactor} Cv, Air Consumption {txtAirConsumption} SCFM";

    QTest::newRow("force, Calculate") << 1 << 0 << force << "btnCalcForce" << "btnCalcForce"
                                      << "Force (Push) 251.32741 Pounds, Force (Pull) 226.78372 Pounds";
    QTest::newRow("force, Return in the air pressure")
        << 1 << 0 << force << "Return" << "txtAirPressure(1)"
        << "Force (Push) 251.32741 Pounds, Force (Pull) 226.78372 Pounds";
    QTest::newRow("force, metric") << 1 << 1 << force << "btnCalcForce" << "btnCalcForce"
                                   << "Force (Push) {txtPushForce} Newtons, Force (Pull) {txtPullForce} Newtons";
    QTest::newRow("bore, Calculate") << 0 << 0 << bore << "btnCalcBoreSize" << "btnCalcBoreSize"
                                     << "Area Required 2 Sq. Inches, Minimum Bore Size 1.59577 Inches, "
                                        "Standard Bore 2 Inches, Push Force 157.07963 Pounds";
    QTest::newRow("bore, metric, Return in the safety factor")
        << 0 << 1 << bore << "Return" << "txtSafetyFactor"
        << "Area Required {txtAreaRequired} Sq. mm, Minimum Bore Size {txtMinBoreSize} mm, "
           "Standard Bore {txtStandardBore} mm, Push Force {txtStandardForce} Newtons";
    QTest::newRow("bore, beyond the standard bores")
        << 0 << 0 << QStringList{"txtForceRequired=1000000", "txtAirPressure(0)=80", "txtSafetyFactor=1"}
        << "btnCalcBoreSize" << "btnCalcBoreSize"
        << "Area Required 12500 Sq. Inches, Minimum Bore Size 126.15663 Inches, Standard Bore none, Push Force none. "
           "No standard bore is that large.";
    // The status bar's notes follow the results.
    QTest::newRow("force, rod as large as the bore")
        << 1 << 0 << QStringList{"txtCylinderBore(0)=2", "txtRodDiameter=2", "txtAirPressure(1)=80"}
        << "btnCalcForce" << "btnCalcForce"
        << "Force (Push) 251.32741 Pounds, Force (Pull) 0 Pounds. "
           "The rod is as large as the bore: there is no pull force.";
    QTest::newRow("force, a cleaning's note with the results")
        << 1 << 0 << QStringList{"txtCylinderBore(0)=2", "txtRodDiameter=0.625", "txtAirPressure(1)=-80"}
        << "btnCalcForce" << "btnCalcForce"
        << "Force (Push) 251.32741 Pounds, Force (Pull) 226.78372 Pounds. Air Pressure: -80 taken as 80.";
    QTest::newRow("valve flow, Calculate") << 2 << 0 << valve << "btnCalcCV" << "btnCalcCV" << valveResults;
    QTest::newRow("stroke time, Return in the coefficient")
        << 4 << 0
        << QStringList{"txtTimeAirPressure=80", "txtTimePressureDrop=10", "txtTimeBore=2", "txtTimeStroke=10",
                       "txtValveCoefficient=1"}
        << "Return" << "txtValveCoefficient"
        << "Instantaneous Flow 28.42116 SCFM, Stroke Time 0.22138 Seconds, Piston Speed 45.17031 In/Sec";
    QTest::newRow("stroke time, refused") << 4 << 0 << QStringList{"txtTimeAirPressure=80"} << "btnCalcTime"
                                          << "btnCalcTime" << "Type the bore and the stroke length.";
    QTest::newRow("rod buckling, Calculate")
        << 5 << 0 << QStringList{"txtBuckleRod=1", "txtBuckleLength=60", "txtBuckleForce=1000"} << "btnCalcBuckling"
        << "btnCalcBuckling"
        << "Buckling Load 4037.27561 Pounds, Allowable Force 1153.50732 Pounds, Maximum Length 64.44087 Inches, "
           "Minimum Rod Diameter 0.96493 Inches. Slender rod: Euler's formula.";
    QTest::newRow("valve flow, metric, Return in the cycle rate")
        << 2 << 1 << valve << "Return" << "txtCycleRate"
        << "Volume {txtVolume} Cubic mm, Instantaneous Flow {txtInstFlow} L/min, Flow coefficient {txtCvFactor} Cv, "
           "Air Consumption {txtAirConsumption} L/min";
    const QStringList results{"txtInstFlow=12.5", "txtAirConsumption=2.81093"};
    QTest::newRow("total system flow") << 2 << 0 << results << "btnSumSCFM" << "btnSumSCFM"
                                       << "Total System Flow 12.5 SCFM, System Consumption 2.81093 SCFM";
    QTest::newRow("total system flow, metric") << 2 << 1 << results << "btnSumSCFM" << "btnSumSCFM"
                                               << "Total System Flow 12.5 L/min, System Consumption 2.81093 L/min";
    QTest::newRow("reset system flow") << 2 << 0 << QStringList{} << "btnResetSCFM" << "btnResetSCFM"
                                       << "Total System Flow 0 SCFM, System Consumption 0 SCFM";
    QTest::newRow("coefficient to Kv") << 2 << 0 << valve << "optCVType(1)" << "optCVType(1)"
                                       << "Flow coefficient now shown as Kv: {txtCvFactor}.";
    QTest::newRow("unit switch to metric") << 0 << 0 << QStringList{} << "Option1(1)" << "Option1(1)"
                                           << "Now in metric units; every value was converted.";
    QTest::newRow("unit switch back to imperial") << 0 << 1 << QStringList{} << "Option1(0)" << "Option1(0)"
                                                  << "Now in imperial units; every value was converted.";
}

// One description change, on the control that has the focus, saying what the
// command changed with captions and units.
void tst_ScreenReader::commandsAnnounceWhatChanged()
{
    QFETCH(int, panel);
    QFETCH(int, units);
    QFETCH(QStringList, inputs);
    QFETCH(QString, press);
    QFETCH(QString, announcer);
    QFETCH(QString, sentence);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, units);
    selectPanel(window, panel);
    QString lastField;
    for (const QString &input : inputs) {
        lastField = input.section(QLatin1Char('='), 0, 0);
        QLineEdit *field = WindowDriver::field(window, lastField);
        if (field->isReadOnly()) // a result the command reads
            field->setText(input.section(QLatin1Char('='), 1));
        else
            typeInto(window, lastField, input.section(QLatin1Char('='), 1));
    }
    if (press == QLatin1StringView("optCVType(1)"))
        click(window, QStringLiteral("btnCalcCV")); // a coefficient to convert
    descriptionChanges.clear();

    if (press == QLatin1StringView("Return"))
        QTest::keyClick(field(window, lastField), Qt::Key_Return);
    else
        click(window, press);

    const QString expected = expand(window, sentence);
    QCOMPARE(QApplication::focusWidget(), control(window, announcer));
    QList<DescriptionChange> onAnnouncer;
    for (const DescriptionChange &change : std::as_const(descriptionChanges))
        if (change.object == announcer)
            onAnnouncer.append(change);
    QVERIFY2(!onAnnouncer.isEmpty(), "no description change on the focused control");
    QCOMPARE(onAnnouncer.last().description, expected);
    QCOMPARE(description(control(window, announcer)), expected);
}

void tst_ScreenReader::notesAreReadableAtAnyTime_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QStringList>("steps"); // "field=text" typed, "Tab", or a control clicked
    QTest::addColumn<QString>("notes");
    QTest::newRow("a cleaning's note") << 0 << QStringList{"txtAirPressure(0)=abc", "Tab"}
                                       << "Air Pressure: \"abc\" is not a number; set to 0.";
    QTest::newRow("a command's note")
        << 1 << QStringList{"txtCylinderBore(0)=2", "txtRodDiameter=2", "txtAirPressure(1)=80", "btnCalcForce"}
        << "The rod is as large as the bore: there is no pull force.";
    QTest::newRow("a cleaning's note and a refusal's")
        << 4 << QStringList{"txtTimeAirPressure=-80", "btnCalcTime"}
        << "Air Pressure: -80 taken as 80. Type the bore and the stroke length.";
    QTest::newRow("gone with an edit") << 0 << QStringList{"txtAirPressure(0)=abc", "Tab", "txtForceRequired=5"}
                                       << "";
}

// What the status bar says, a screen reader can read from it whenever it
// asks, and it hears when that changes: the bar, named "Notes", holds a
// text whose name is the notes.
void tst_ScreenReader::notesAreReadableAtAnyTime()
{
    QFETCH(int, panel);
    QFETCH(QStringList, steps);
    QFETCH(QString, notes);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, panel);
    for (const QString &step : std::as_const(steps)) {
        if (step.contains(QLatin1Char('=')))
            typeInto(window, step.section(QLatin1Char('='), 0, 0), step.section(QLatin1Char('='), 1));
        else if (step == QLatin1StringView("Tab"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        else
            click(window, step);
    }
    QCOMPARE(notesShown(window), notes);

    QAccessibleInterface *bar = accessible(control(window, QStringLiteral("statusBar")));
    QCOMPARE(bar->role(), QAccessible::StatusBar);
    QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("Notes"));
    QStringList texts;
    QObject *text = nullptr;
    for (int index = 0; index < bar->childCount(); ++index) {
        QAccessibleInterface *child = bar->child(index);
        if (child->role() == QAccessible::StaticText && !child->state().invisible) {
            texts.append(child->text(QAccessible::Name));
            text = child->object();
        }
    }
    QCOMPARE(texts, QStringList{notes});
    QVERIFY(nameChanges.contains(text));
}

void tst_ScreenReader::announcementMakesWayWhenTheFocusLeaves()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("2"));
    typeInto(window, QStringLiteral("txtAirPressure(1)"), QStringLiteral("80"));
    QLineEdit *pressure = field(window, QStringLiteral("txtAirPressure(1)"));
    QTest::keyClick(pressure, Qt::Key_Return);
    QVERIFY(description(pressure).startsWith(QStringLiteral("Force (Push) 251.32741 Pounds")));

    // Leaving the field gives it back its unit; the button's tool tip comes
    // back the same way.
    QTest::keyClick(pressure, Qt::Key_Tab);
    QCOMPARE(description(pressure), QStringLiteral("PSI"));

    selectPanel(window, 2);
    QWidget *sum = control(window, QStringLiteral("btnSumSCFM"));
    const QString toolTip = description(sum);
    QVERIFY(!toolTip.isEmpty());
    click(window, QStringLiteral("btnSumSCFM"));
    QCOMPARE(description(sum), QStringLiteral("Total System Flow 0 SCFM, System Consumption 0 SCFM"));
    click(window, QStringLiteral("btnCalcCV"));
    QCOMPARE(description(sum), toolTip);
}

// A screen reader speaks a description only when it differs from the last.
void tst_ScreenReader::sameResultsTwiceAreAnnouncedTwice()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    click(window, QStringLiteral("btnResetSCFM"));
    descriptionChanges.clear();
    click(window, QStringLiteral("btnResetSCFM"));
    QStringList seen;
    for (const DescriptionChange &change : std::as_const(descriptionChanges))
        if (change.object == QLatin1StringView("btnResetSCFM"))
            seen.append(change.description);
    QVERIFY2(seen.size() >= 2, qPrintable(seen.join(QLatin1Char('|'))));
    QCOMPARE(seen.last(), QStringLiteral("Total System Flow 0 SCFM, System Consumption 0 SCFM"));
    // Blanked in between, where the button's tool tip stands in for an empty
    // description.
    QCOMPARE(seen.at(seen.size() - 2), control(window, QStringLiteral("btnResetSCFM"))->toolTip());
}

// The message box speaks for a refused command; no description changes.
void tst_ScreenReader::refusedCommandAnnouncesNothing()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;
    selectPanel(window, 2);
    typeInto(window, QStringLiteral("txtNumCylinders"), QStringLiteral("70000"));
    descriptionChanges.clear();
    click(window, QStringLiteral("btnCalcCV"));
    QTRY_COMPARE(boxes.seen().size(), 1);
    for (const DescriptionChange &change : std::as_const(descriptionChanges))
        QVERIFY2(change.object != QLatin1StringView("btnCalcCV"), qPrintable(change.description));
    QCOMPARE(description(control(window, QStringLiteral("btnCalcCV"))), QString());
}

void tst_ScreenReader::resultsAfterTheWarningGoToTheFocusedControl_data()
{
    QTest::addColumn<QString>("press"); // a button to click, or "Return" in the pressure drop
    QTest::addColumn<QString>("announcer");
    QTest::newRow("Calculate clicked") << "btnCalcCV" << "btnCalcCV";
    QTest::newRow("Return in the pressure drop") << "Return" << "txtPressureDrop";
}

// The 53 % warning takes the focus while the command runs and gives it back
// once closed; the results are written after that. They are said on the
// control that has the focus then, not on the window, and nothing takes the
// sentence away from it afterwards.
void tst_ScreenReader::resultsAfterTheWarningGoToTheFocusedControl()
{
    QFETCH(QString, press);
    QFETCH(QString, announcer);
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;
    selectPanel(window, 2);
    for (const auto &[name, value] : {std::pair{"txtAirPressure(2)", "80"}, {"txtCylinderBore(1)", "2"},
                                      {"txtRoomTemp", "68"}, {"txtStrokeLength", "10"}, {"txtStrokTime", "1"},
                                      {"txtPressureDrop", "40"}})
        typeInto(window, QString::fromLatin1(name), QString::fromLatin1(value));
    descriptionChanges.clear();

    if (press == QLatin1StringView("Return"))
        QTest::keyClick(field(window, QStringLiteral("txtPressureDrop")), Qt::Key_Return);
    else
        click(window, press);
    QTRY_COMPARE(boxes.seen().size(), 1);
    // The window takes the focus back when the box closes, also where no
    // window manager gives it back (the offscreen platform has none).
    QTRY_COMPARE(QApplication::focusWidget(), control(window, announcer));
    // Let whatever the return of the focus sets off run its course.
    QTest::qWait(50);

    const QString expected = expand(window, QStringLiteral("Volume {txtVolume} Cubic Inch., Instantaneous Flow "
                                                           "{txtInstFlow} SCFM, Flow coefficient {txtCvFactor} Cv, "
                                                           "Air Consumption {txtAirConsumption} SCFM"));
    QVERIFY(text(window, QStringLiteral("txtInstFlow")) != QStringLiteral("0"));
    QCOMPARE(QApplication::focusWidget(), control(window, announcer));
    QCOMPARE(description(control(window, announcer)), expected);
    QStringList onAnnouncer;
    for (const DescriptionChange &change : std::as_const(descriptionChanges)) {
        QVERIFY2(change.object != QLatin1StringView("frmPressureCalc"), qPrintable(change.description));
        if (change.object == announcer)
            onAnnouncer.append(change.description);
    }
    QVERIFY(!onAnnouncer.isEmpty());
    QCOMPARE(onAnnouncer.last(), expected);
}

void tst_ScreenReader::arrowKeysInAnOptionGroupAreHeardOnTheButtonReached_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QStringList>("clicks"); // controls clicked first, in order
    QTest::addColumn<QString>("from");       // the selected button that has the focus
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("reached");
    QTest::addColumn<QString>("sentence"); // {field} stands for the field's text; empty: nothing said

    const QString toMetric = QStringLiteral("Now in metric units; every value was converted.");
    const QString toImperial = QStringLiteral("Now in imperial units; every value was converted.");
    QTest::newRow("units, Down to metric")
        << 0 << QStringList{} << "Option1(0)" << int(Qt::Key_Down) << "Option1(1)" << toMetric;
    QTest::newRow("units, Up back to imperial")
        << 2 << QStringList{"Option1(1)"} << "Option1(1)" << int(Qt::Key_Up) << "Option1(0)" << toImperial;
    QTest::newRow("coefficient, Right to Kv, nothing to convert")
        << 2 << QStringList{"txtCvFactor="} << "optCVType(0)" << int(Qt::Key_Right) << "optCVType(1)"
        << "Flow coefficient now shown as Kv.";
    QTest::newRow("coefficient, Right to Kv, a value converted")
        << 2 << QStringList{"txtCvFactor=2"} << "optCVType(0)" << int(Qt::Key_Right) << "optCVType(1)"
        << "Flow coefficient now shown as Kv: {txtCvFactor}.";
    QTest::newRow("coefficient, Left back to Cv, a value converted")
        << 2 << QStringList{"optCVType(1)", "txtCvFactor=2"} << "optCVType(1)" << int(Qt::Key_Left)
        << "optCVType(0)" << "Flow coefficient now shown as Cv: {txtCvFactor}.";
    // The mounting converts no value: the button reached, spoken as it takes
    // the focus, says the choice; the results wait for Calculate.
    QTest::newRow("mounting, Right to Fixed - Fixed")
        << 5 << QStringList{} << "optMounting(1)" << int(Qt::Key_Right) << "optMounting(3)" << "";
    QTest::newRow("mounting, Up to Fixed - Free")
        << 5 << QStringList{} << "optMounting(1)" << int(Qt::Key_Up) << "optMounting(0)" << "";
}

// Qt selects the button an arrow key moves to before giving it the focus: the
// change is announced on the button that has the focus afterwards, as the
// click on it is, not on the one left.
void tst_ScreenReader::arrowKeysInAnOptionGroupAreHeardOnTheButtonReached()
{
    QFETCH(int, panel);
    QFETCH(QStringList, clicks);
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, reached);
    QFETCH(QString, sentence);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, panel);
    for (const QString &step : std::as_const(clicks)) {
        if (step.contains(QLatin1Char('=')))
            field(window, step.section(QLatin1Char('='), 0, 0))->setText(step.section(QLatin1Char('='), 1));
        else
            click(window, step);
    }
    QWidget *start = control(window, from);
    start->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), start);
    const QString before = text(window, QStringLiteral("txtCvFactor"));
    descriptionChanges.clear();

    QTest::keyClick(start, Qt::Key(key));
    QWidget *target = control(window, reached);
    QCOMPARE(QApplication::focusWidget(), target);
    QVERIFY(qobject_cast<QAbstractButton *>(target)->isChecked());
    if (sentence.contains(QStringLiteral("{txtCvFactor}")))
        QVERIFY(text(window, QStringLiteral("txtCvFactor")) != before); // converted, not merely said

    // Let the key's handling run its course.
    QTest::qWait(20);
    const QString expected = expand(window, sentence);
    QCOMPARE(QApplication::focusWidget(), target);
    // Qt gives a button's tool tip for an empty description.
    QCOMPARE(description(start), start->toolTip());
    if (sentence.isEmpty()) {
        QCOMPARE(description(target), target->toolTip());
        for (const DescriptionChange &change : std::as_const(descriptionChanges))
            QFAIL(qPrintable(change.object + QStringLiteral(": ") + change.description));
        return;
    }
    QCOMPARE(description(target), expected);
    QVERIFY(!descriptionChanges.isEmpty());
    QCOMPARE(descriptionChanges.last().object, reached);
}

QTEST_MAIN(tst_ScreenReader)
#include "tst_screenReader.moc"
