// SPDX-License-Identifier: MIT
// Each input field cleans its own text when the keyboard focus leaves it.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "windowDriver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

#include <algorithm>

using namespace WindowDriver;

namespace {

const QLocale german(QLocale::German, QLocale::Germany);

QString statusNote(const frmPressureCalc &window)
{
    return control<QStatusBar>(window, QStringLiteral("statusBar"))->currentMessage();
}

// One step of a user's session: "type NAME TEXT" types over a field and
// stays there, "tab" moves the focus on, "click NAME" clicks a control.
void perform(frmPressureCalc &window, const QString &step)
{
    const QStringList words = step.split(QLatin1Char(' '));
    if (words.first() == QLatin1String("type")) {
        selectPanel(window, panelOf(window, words.at(1)));
        typeInto(window, words.at(1), words.value(2));
    } else if (words.first() == QLatin1String("tab")) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } else if (words.first() == QLatin1String("click")) {
        click(window, words.at(1));
    } else {
        qFatal("unknown step %s", qPrintable(step));
    }
}

} // namespace

class tst_FieldValidation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void cleansTextOnTab_data();
    void cleansTextOnTab();
    void noteGoesOnTheNextAction_data();
    void noteGoesOnTheNextAction();
    void notesAreShownWhole_data();
    void notesAreShownWhole();
    void everyInputFieldIsCleaned_data();
    void everyInputFieldIsCleaned();
    void boreResultFieldsAreCleaned();
    void clickOnAnotherControlCleans();
    void onlyTheElementThatLostTheFocusChanges();
    void cleansAlsoWhenTheTextDidNotChange();
    void germanDecimalComma_data();
    void germanDecimalComma();
    void contextMenuDoesNotClean();
    void selectorCleansWhenItTakesNoFocus();
    void switchingApplicationsKeepsAHalfTypedNumber_data();
    void switchingApplicationsKeepsAHalfTypedNumber();
    void leavingTheFieldWhileTheWindowIsInactiveCleans_data();
    void leavingTheFieldWhileTheWindowIsInactiveCleans();
    void pasteBeyondTheLimitIsCutAndNoted_data();
    void pasteBeyondTheLimitIsCutAndNoted();
};

void tst_FieldValidation::cleansTextOnTab_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("note"); // in the status bar; none for a mere reformat

    const QString force = QStringLiteral("txtForceRequired");
    const QString pressure = QStringLiteral("txtAirPressure(0)");
    QTest::newRow("letters") << pressure << "abc" << "0" << "Air Pressure: \"abc\" is not a number; set to 0.";
    QTest::newRow("number then letters") << force << "12abc" << "0"
                                         << "Force Required: \"12abc\" is not a number; set to 0.";
    QTest::newRow("empty") << force << "" << "0" << "Force Required: empty; set to 0.";
    QTest::newRow("blank") << force << "   " << "0" << "Force Required: empty; set to 0.";
    QTest::newRow("negative") << force << "-2.5" << "2.5" << "Force Required: -2.5 taken as 2.5.";
    QTest::newRow("negative bore") << "txtCylinderBore(0)" << "-2" << "2" << "Bore Size: -2 taken as 2.";
    QTest::newRow("blanks around") << force << " 7 " << "7" << "";
    QTest::newRow("trailing zero") << force << "1.50" << "1.5" << "";
    QTest::newRow("trailing zeros, 2.50") << force << "2.50" << "2.5" << "";
    QTest::newRow("leading zeros") << force << "007" << "7" << "";
    QTest::newRow("exponent") << force << "1e3" << "1000" << "";
    QTest::newRow("negative zero") << force << "-0" << "0" << "";
    QTest::newRow("large exponent") << force << "1e20" << "1E+20" << "";
    // Digit grouping is always said: the user may have meant the other way.
    QTest::newRow("grouped") << force << "1,500" << "1500" << "Force Required: \"1,500\" read as 1500.";
    QTest::newRow("grouped with decimals") << force << "1,234.5" << "1234.5"
                                           << "Force Required: \"1,234.5\" read as 1234.5.";
    QTest::newRow("sixteen digits") << force << "0.1234567890123456" << "0.123456789012346"
                                    << "Force Required: 0.1234567890123456 taken as 0.123456789012346.";
    QTest::newRow("beyond the double range") << pressure << "1e400" << "0"
                                             << "Air Pressure: 1e400 is too large; set to 0.";
    QTest::newRow("beyond the double range, 1e999") << force << "1e999" << "0"
                                                    << "Force Required: 1e999 is too large; set to 0.";
    QTest::newRow("too close to 0") << pressure << "1e-400" << "0" << "Air Pressure: 1e-400 is too small; set to 0.";
    QTest::newRow("smallest double") << pressure << "4.94065645841247E-324" << "4.94065645841247E-324" << "";
    // Rounding the largest double up to 15 digits would leave the range; its
    // last digit is cut so the field keeps a number.
    QTest::newRow("largest double") << force << "1.7976931348623157e308" << "1.79769313486231E+308"
                                    << "Force Required: 1.7976931348623157e308 taken as 1.79769313486231E+308.";
    // The C locale groups with commas: a comma after a lone 0 is no grouping.
    QTest::newRow("comma after a lone 0") << pressure << "0,625" << "0"
        << "Air Pressure: \"0,625\" is not a number here; the decimal separator is \".\"; set to 0.";
    QTest::newRow("count not made whole") << "txtNumCylinders" << "2.5" << "2.5" << "";
    QTest::newRow("negative count") << "txtNumCylinders" << "-3" << "3" << "Number of Cylinders: -3 taken as 3.";
    QTest::newRow("temperature negative") << "txtRoomTemp" << "-10" << "-10" << "";
    QTest::newRow("temperature not reformatted") << "txtRoomTemp" << "68.0" << "68.0" << "";
    QTest::newRow("temperature keeps blanks") << "txtRoomTemp" << " 68 " << " 68 " << "";
    QTest::newRow("temperature letters") << "txtRoomTemp" << "abc" << "0"
                                         << "Room Temperature: \"abc\" is not a number; set to 0.";
    QTest::newRow("temperature empty") << "txtRoomTemp" << "" << "0" << "Room Temperature: empty; set to 0.";
    QTest::newRow("temperature beyond the range") << "txtRoomTemp" << "-1e999" << "0"
                                                  << "Room Temperature: -1e999 is too large; set to 0.";
    QTest::newRow("temperature too close to 0") << "txtRoomTemp" << "-1e-400" << "0"
                                                << "Room Temperature: -1e-400 is too small; set to 0.";
}

void tst_FieldValidation::cleansTextOnTab()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, note);

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, panelOf(window, fieldName));
    typeInto(window, fieldName, typed);
    QCOMPARE(text(window, fieldName), typed); // nothing is filtered while typing
    QCOMPARE(statusNote(window), QString());
    QTest::keyClick(field(window, fieldName), Qt::Key_Tab);
    QVERIFY(!field(window, fieldName)->hasFocus());
    QCOMPARE(text(window, fieldName), expected);
    QVERIFY(boxes.seen().isEmpty()); // no box interrupts the user
    QCOMPARE(statusNote(window), note);
    // A screen reader hears the note on the control the focus went to.
    if (!note.isEmpty())
        QCOMPARE(QApplication::focusWidget()->accessibleDescription(), note);
}

void tst_FieldValidation::noteGoesOnTheNextAction_data()
{
    // What the status bar says after each step: a note stays until the
    // user's next action (an edit, a command, another noted cleaning).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("notes"); // after each step
    const QString abc = QStringLiteral("Air Pressure: \"abc\" is not a number; set to 0.");
    const QString minus = QStringLiteral("Force Required: -5 taken as 5.");
    QTest::newRow("typing in another field clears it")
        << QStringList{"type txtAirPressure(0) abc", "tab", "type txtForceRequired 5"} << QStringList{"", abc, ""};
    QTest::newRow("tabbing through a clean field keeps it")
        << QStringList{"type txtAirPressure(0) abc", "tab", "tab", "tab"} << QStringList{"", abc, abc, abc};
    QTest::newRow("another noted cleaning replaces it")
        << QStringList{"type txtAirPressure(0) abc", "tab", "type txtForceRequired -5", "tab"}
        << QStringList{"", abc, "", minus};
    QTest::newRow("a click on Calculate keeps it with the results, the next command clears it")
        << QStringList{"type txtAirPressure(0) abc", "click btnCalcBoreSize", "click btnCalcBoreSize"}
        << QStringList{"", abc, ""};
    QTest::newRow("Calculate after Tab keeps it once")
        << QStringList{"type txtAirPressure(0) abc", "tab", "click btnCalcBoreSize", "click btnCalcBoreSize"}
        << QStringList{"", abc, abc, ""};
    QTest::newRow("a unit switch clears it")
        << QStringList{"type txtAirPressure(0) abc", "tab", "click btnCalcBoreSize", "click Option1(1)"}
        << QStringList{"", abc, abc, ""};
    QTest::newRow("a command's note goes on an edit")
        << QStringList{"type txtSafetyFactor 0.5", "click btnCalcBoreSize", "type txtForceRequired 1"}
        << QStringList{"", "A safety factor below 1 makes the area smaller than the force needs.", ""};
    QTest::newRow("a noted cleaning replaces a command's note")
        << QStringList{"type txtSafetyFactor 0.5", "click btnCalcBoreSize", "type txtForceRequired -5", "tab"}
        << QStringList{"", "A safety factor below 1 makes the area smaller than the force needs.", "", minus};
    // A note belongs to the panel it was made on.
    const QString noBore = QStringLiteral("No standard bore is that large.");
    QTest::newRow("another panel shown clears a command's note, which does not come back")
        << QStringList{"type txtForceRequired 1000000", "type txtAirPressure(0) 80", "type txtSafetyFactor 1",
                       "click btnCalcBoreSize", "click optCalculator(1)", "click optCalculator(0)"}
        << QStringList{"", "", "", noBore, "", ""};
    QTest::newRow("another panel shown clears a cleaning's note, and the next command does not bring it")
        << QStringList{"type txtAirPressure(0) abc", "tab", "click optCalculator(2)", "click btnCalcCV"}
        << QStringList{"", abc, "", ""};
    QTest::newRow("a mere reformat says nothing")
        << QStringList{"type txtAirPressure(0) 2.50", "tab"} << QStringList{"", ""};
}

void tst_FieldValidation::noteGoesOnTheNextAction()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, notes);
    QCOMPARE(steps.size(), notes.size());
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    for (qsizetype step = 0; step < steps.size(); ++step) {
        perform(window, steps.at(step));
        QVERIFY2(statusNote(window) == notes.at(step),
                 qPrintable(steps.at(step) + QStringLiteral(": ") + statusNote(window)));
    }
}

void tst_FieldValidation::notesAreShownWhole_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("notes");
    const QString dropLeavesNothing = QStringLiteral("The pressure drop is at least the absolute air pressure.");
    QTest::newRow("de_DE, point after a lone 0")
        << "de_DE" << QStringList{"type txtAirPressure(0) 0.625", "tab"}
        << QStringList{"Air Pressure: \"0.625\" is not a number here; the decimal separator is \",\"; set to 0."};
    QTest::newRow("en_US, comma after a lone 0")
        << "en_US" << QStringList{"type txtAirPressure(0) 0,625", "tab"}
        << QStringList{"Air Pressure: \"0,625\" is not a number here; the decimal separator is \".\"; set to 0."};
    // A word wider than the window breaks inside; a long text is quoted by
    // its start.
    const QString wide(60, QLatin1Char('W'));
    QTest::newRow("a word wider than the window")
        << "en_US" << QStringList{"type txtAirPressure(0) " + wide, "tab"}
        << QStringList{"Air Pressure: \"" + wide.first(39) + QChar(0x2026) + "\" is not a number; set to 0."};
    const QString digits = QStringLiteral("1") + QString(400, QLatin1Char('0'));
    QTest::newRow("401 digits")
        << "C" << QStringList{"type txtForceRequired " + digits, "tab"}
        << QStringList{"Force Required: " + digits.first(39) + QChar(0x2026) + " is too large; set to 0."};
    const QStringList valve{"type txtPressureDrop 80", "type txtAirPressure(2) abc", "click btnCalcCV"};
    QTest::newRow("en_US, a cleaning and a refusal")
        << "en_US" << valve << QStringList{"Air Pressure: \"abc\" is not a number; set to 0.", dropLeavesNothing};
    QTest::newRow("de_DE, a cleaning and a refusal")
        << "de_DE" << valve << QStringList{"Air Pressure: \"abc\" is not a number; set to 0.", dropLeavesNothing};
}

// However long, the notes are shown whole: they wrap at the window's width,
// and the window grows by the lines they take. Its width stays.
void tst_FieldValidation::notesAreShownWhole()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, notes);
    QLocale::setDefault(QLocale(locale));
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    const QSize startSize = window.size();
    const int startHeight = control(window, QStringLiteral("statusBar"))->height();
    for (const QString &step : std::as_const(steps))
        perform(window, step);

    const QString text = notes.join(QLatin1Char(' '));
    QCOMPARE(notesShown(window), text);
    QCOMPARE(statusNote(window), text);
    QVERIFY2(QFontMetrics(window.font()).horizontalAdvance(text) > window.width(),
             "a note that fits one line shows nothing here");
    QTRY_COMPARE(notesNotWhole(window), QString());
    const int grownBy = control(window, QStringLiteral("statusBar"))->height() - startHeight;
    QVERIFY(grownBy > 0);
    QCOMPARE(window.size(), startSize + QSize(0, grownBy));
}

void tst_FieldValidation::everyInputFieldIsCleaned_data()
{
    QTest::addColumn<QString>("fieldName");
    for (const char *name : {"txtAirPressure(0)", "txtForceRequired", "txtSafetyFactor", "txtAirPressure(1)",
                             "txtCylinderBore(0)", "txtRodDiameter", "txtAirPressure(2)", "txtCylinderBore(1)",
                             "txtStrokeLength", "txtStrokTime", "txtNumCylinders", "txtPressureDrop",
                             "txtCycleRate"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_FieldValidation::everyInputFieldIsCleaned()
{
    QFETCH(QString, fieldName);
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    typeAndTab(window, fieldName, QStringLiteral("-2.50"));
    QCOMPARE(text(window, fieldName), QStringLiteral("2.5"));
    typeAndTab(window, fieldName, QStringLiteral("x1"));
    QCOMPARE(text(window, fieldName), QStringLiteral("0"));
}

void tst_FieldValidation::boreResultFieldsAreCleaned()
{
    // The bore panel's results are read-only and always hold the numbers the
    // command wrote, so a stale text is put there the only way possible.
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    for (const char *name : {"txtAreaRequired", "txtMinBoreSize"}) {
        QLineEdit *result = field(window, QString::fromLatin1(name));
        result->setText(QStringLiteral("-6.250"));
        QTest::mouseClick(result, Qt::LeftButton);
        QVERIFY(result->hasFocus());
        QTest::keyClick(result, Qt::Key_Tab);
        QCOMPARE(result->text(), QStringLiteral("6.25"));
    }
    // The push and pull results are not validated.
    selectPanel(window, 1);
    QLineEdit *push = field(window, QStringLiteral("txtPushForce"));
    push->setText(QStringLiteral("-6.250"));
    QTest::mouseClick(push, Qt::LeftButton);
    QTest::keyClick(push, Qt::Key_Tab);
    QCOMPARE(push->text(), QStringLiteral("-6.250"));
}

void tst_FieldValidation::clickOnAnotherControlCleans()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    typeInto(window, QStringLiteral("txtForceRequired"), QStringLiteral("-12.50"));
    QTest::mouseClick(field(window, QStringLiteral("txtSafetyFactor")), Qt::LeftButton);
    QCOMPARE(text(window, "txtForceRequired"), QStringLiteral("12.5"));
    QCOMPARE(text(window, "txtSafetyFactor"), QStringLiteral("0"));
}

void tst_FieldValidation::onlyTheElementThatLostTheFocusChanges()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    typeInto(window, QStringLiteral("txtAirPressure(2)"), QStringLiteral("-5"));
    // Raw texts in the other elements, which a wrong element index would clean.
    field(window, QStringLiteral("txtAirPressure(0)"))->setText(QStringLiteral("-1"));
    field(window, QStringLiteral("txtAirPressure(1)"))->setText(QStringLiteral(" 3 "));
    field(window, QStringLiteral("txtCylinderBore(0)"))->setText(QStringLiteral("abc"));
    QTest::keyClick(field(window, QStringLiteral("txtAirPressure(2)")), Qt::Key_Tab);
    QVERIFY(field(window, QStringLiteral("txtCylinderBore(1)"))->hasFocus());
    QTest::keyClicks(field(window, QStringLiteral("txtCylinderBore(1)")), QStringLiteral("-7"));
    QTest::keyClick(field(window, QStringLiteral("txtCylinderBore(1)")), Qt::Key_Tab);

    QCOMPARE(text(window, "txtAirPressure(2)"), QStringLiteral("5"));
    QCOMPARE(text(window, "txtCylinderBore(1)"), QStringLiteral("7"));
    QCOMPARE(text(window, "txtAirPressure(0)"), QStringLiteral("-1"));
    QCOMPARE(text(window, "txtAirPressure(1)"), QStringLiteral(" 3 "));
    QCOMPARE(text(window, "txtCylinderBore(0)"), QStringLiteral("abc"));
}

void tst_FieldValidation::cleansAlsoWhenTheTextDidNotChange()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    QLineEdit *force = field(window, QStringLiteral("txtForceRequired"));
    force->setText(QStringLiteral("-1.50")); // not typed: no edit is pending
    QTest::mouseClick(force, Qt::LeftButton);
    QVERIFY(force->hasFocus());
    QTest::keyClick(force, Qt::Key_Tab);
    QCOMPARE(force->text(), QStringLiteral("1.5"));

    // A start-up text already in the general format stays as it is.
    QLineEdit *safety = field(window, QStringLiteral("txtSafetyFactor"));
    QVERIFY(safety->hasFocus());
    QTest::keyClick(safety, Qt::Key_Tab);
    QCOMPARE(safety->text(), QStringLiteral("0"));
}

void tst_FieldValidation::germanDecimalComma_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("note");
    const QString rod = QStringLiteral("txtRodDiameter");
    QTest::newRow("comma kept") << rod << "2,5" << "2,5" << "";
    QTest::newRow("negative with trailing zero") << rod << "-1,50" << "1,5" << "Rod Diameter: -1,50 taken as 1,5.";
    QTest::newRow("exponent") << rod << "1,5e20" << "1,5E+20" << "";
    QTest::newRow("temperature kept") << "txtRoomTemp" << "-3,50" << "-3,50" << "";
    QTest::newRow("letters") << "txtRoomTemp" << "abc" << "0" << "Room Temperature: \"abc\" is not a number; set to 0.";
    // Grouping with points is read only when well formed, and then said.
    QTest::newRow("one group") << "txtAirPressure(0)" << "1.500" << "1500"
                               << "Air Pressure: \"1.500\" read as 1500.";
    QTest::newRow("two groups and decimals") << rod << "12.345.678,5" << "12345678,5"
                                             << "Rod Diameter: \"12.345.678,5\" read as 12345678,5.";
    QTest::newRow("temperature grouped, kept as typed") << "txtRoomTemp" << "-1.500" << "-1.500"
                                                        << "Room Temperature: \"-1.500\" read as -1500.";
    QTest::newRow("negative grouped") << rod << "-1.500" << "1500" << "Rod Diameter: -1.500 taken as 1500.";
    QTest::newRow("too close to 0") << rod << "1,5e-400" << "0" << "Rod Diameter: 1,5e-400 is too small; set to 0.";
    const QString here = QStringLiteral("is not a number here; the decimal separator is \",\"; set to 0.");
    QTest::newRow("point after a lone 0") << "txtAirPressure(0)" << "0.625" << "0"
                                          << "Air Pressure: \"0.625\" " + here;
    QTest::newRow("point before two digits") << rod << "1.50" << "0" << "Rod Diameter: \"1.50\" " + here;
    QTest::newRow("point before four digits") << rod << "1.5000" << "0" << "Rod Diameter: \"1.5000\" " + here;
    QTest::newRow("temperature, point after a lone 0") << "txtRoomTemp" << "-0.5" << "0"
                                                       << "Room Temperature: \"-0.5\" " + here;
    QTest::newRow("two ill-formed groups") << rod << "1.234.5" << "0"
                                           << "Rod Diameter: \"1.234.5\" is not a number; set to 0.";
}

void tst_FieldValidation::germanDecimalComma()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, note);
    QLocale::setDefault(german);
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    typeAndTab(window, fieldName, typed);
    QCOMPARE(text(window, fieldName), expected);
    QCOMPARE(statusNote(window), note);
}

void tst_FieldValidation::contextMenuDoesNotClean()
{
    // The field's context menu takes the focus while it is open; the user has
    // not left the field, so a paste must still find the text as typed.
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    typeInto(window, QStringLiteral("txtForceRequired"), QStringLiteral("abc"));
    QLineEdit *force = field(window, QStringLiteral("txtForceRequired"));
    QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, QPoint(5, 5), force->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(force, &menuRequest);
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    QCOMPARE(force->text(), QStringLiteral("abc"));
    QApplication::activePopupWidget()->close();
    QTRY_VERIFY(force->hasFocus());
    QCOMPARE(force->text(), QStringLiteral("abc"));
    QTest::keyClick(force, Qt::Key_Tab);
    QCOMPARE(force->text(), QStringLiteral("0"));
}

void tst_FieldValidation::selectorCleansWhenItTakesNoFocus()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    control(window, QStringLiteral("optCalculator(1)"))->setFocusPolicy(Qt::NoFocus);
    typeInto(window, QStringLiteral("txtForceRequired"), QStringLiteral("-4"));
    selectPanel(window, 1);
    QCOMPARE(window.currentCalculator(), qint16(1));
    QCOMPARE(text(window, "txtForceRequired"), QStringLiteral("4"));
}

void tst_FieldValidation::switchingApplicationsKeepsAHalfTypedNumber_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("typedAfter");
    QTest::addColumn<QString>("cleaned");
    QTest::newRow("decimal point") << "txtAirPressure(0)" << "2." << "5" << "2.5";
    QTest::newRow("exponent without digits") << "txtForceRequired" << "1.5e" << "3" << "1500";
    QTest::newRow("minus sign") << "txtAirPressure(2)" << "-5" << "0" << "50";
    QTest::newRow("temperature minus alone") << "txtRoomTemp" << "-" << "4" << "-4";
}

// Another application's window taking the activation is not leaving the
// field: coming back, the user carries on typing where they were.
void tst_FieldValidation::switchingApplicationsKeepsAHalfTypedNumber()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QFETCH(QString, typedAfter);
    QFETCH(QString, cleaned);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, panelOf(window, fieldName));
    typeInto(window, fieldName, typed);
    QLineEdit *field = WindowDriver::field(window, fieldName);

    QWidget otherApplication;
    otherApplication.setGeometry(window.geometry().translated(window.width() + 20, 0));
    otherApplication.show();
    otherApplication.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&otherApplication));
    QVERIFY(!window.isActiveWindow());
    QCOMPARE(field->text(), typed);

    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_VERIFY(field->hasFocus());
    QCOMPARE(field->text(), typed);
    QTest::keyClicks(field, typedAfter);
    QCOMPARE(field->text(), typed + typedAfter);
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(field->text(), cleaned);
}

void tst_FieldValidation::leavingTheFieldWhileTheWindowIsInactiveCleans_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("panel");
    QTest::newRow("another field") << "txtSafetyFactor" << 0;
    QTest::newRow("calculator selector") << "optCalculator(1)" << 1;
}

// A click on another control of the inactive window moves the focus there
// before the window is active again, and the field hears of no focus loss;
// it is still cleaned, before the click's own handler runs.
void tst_FieldValidation::leavingTheFieldWhileTheWindowIsInactiveCleans()
{
    QFETCH(QString, clicked);
    QFETCH(int, panel);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    typeInto(window, QStringLiteral("txtForceRequired"), QStringLiteral("-4."));

    QWidget otherApplication;
    otherApplication.setGeometry(window.geometry().translated(window.width() + 20, 0));
    otherApplication.show();
    otherApplication.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&otherApplication));
    QCOMPARE(text(window, "txtForceRequired"), QStringLiteral("-4."));

    QTest::mouseClick(control(window, clicked), Qt::LeftButton);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(QApplication::focusWidget(), control(window, clicked));
    QCOMPARE(window.currentCalculator(), qint16(panel));
    QCOMPARE(text(window, "txtForceRequired"), QStringLiteral("4"));
}

void tst_FieldValidation::pasteBeyondTheLimitIsCutAndNoted_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("before");   // the field's text before the paste
    QTest::addColumn<int>("cursor");       // where the paste goes in it; -1: over all of it, selected
    QTest::addColumn<QString>("how");      // Ctrl+V, Shift+Insert or the context menu's Paste
    QTest::addColumn<int>("pasted");       // characters on the clipboard
    QTest::addColumn<int>("kept");         // of them, in the field afterwards
    QTest::addColumn<QString>("note");

    const QString pressure = QStringLiteral("txtAirPressure(0)");
    const QString cut = QStringLiteral(
        "Air Pressure: the text was longer than the 32767 characters a field holds; the rest was cut.");
    QTest::newRow("exactly what a field holds") << pressure << "" << -1 << "Ctrl+V" << 32767 << 32767 << "";
    QTest::newRow("one character more") << pressure << "" << -1 << "Ctrl+V" << 32768 << 32767 << cut;
    QTest::newRow("far more") << pressure << "" << -1 << "Ctrl+V" << 100000 << 32767 << cut;
    QTest::newRow("over a selected text, Shift+Insert") << pressure << "80" << -1 << "Shift+Insert" << 40000 << 32767
                                                        << cut;
    QTest::newRow("into the middle of a text") << pressure << "12" << 1 << "Ctrl+V" << 32766 << 32765 << cut;
    QTest::newRow("after a text, just fitting") << pressure << "12" << 2 << "Ctrl+V" << 32765 << 32765 << "";
    QTest::newRow("the context menu, another panel")
        << "txtRoomTemp" << "" << -1 << "menu" << 32768 << 32767
        << "Room Temperature: the text was longer than the 32767 characters a field holds; the rest was cut.";
}

// A field holds 32767 characters. A paste that does not fit is cut to what
// does, as QLineEdit cuts it, and the status bar and a screen reader say so.
void tst_FieldValidation::pasteBeyondTheLimitIsCutAndNoted()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, how);
    QFETCH(int, pasted);
    QFETCH(int, kept);
    QFETCH(QString, note);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, panelOf(window, fieldName));
    typeInto(window, fieldName, before);
    QLineEdit *edit = field(window, fieldName);
    if (cursor < 0)
        edit->selectAll();
    else
        edit->setCursorPosition(cursor);
    // Digits that tell which part of the paste was kept.
    QString clip;
    while (clip.size() < pasted)
        clip += QStringLiteral("1234567890");
    clip.truncate(pasted);
    QApplication::clipboard()->setText(clip);

    if (how == QLatin1String("menu")) {
        QContextMenuEvent menuRequest(QContextMenuEvent::Keyboard, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit, &menuRequest);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const QList<QAction *> actions = menu->actions();
        const auto paste = std::ranges::find_if(
            actions, [](const QAction *action) { return action->text().startsWith(QStringLiteral("&Paste")); });
        QVERIFY(paste != actions.end() && (*paste)->isEnabled());
        // As a click on it: the menu closes, then its action runs.
        QTest::qWait(20);
        menu->hide();
        (*paste)->trigger();
    } else {
        QTest::keySequence(edit, QKeySequence(how));
    }

    const QString expected = cursor < 0 ? clip.left(kept) : before.left(cursor) + clip.left(kept) + before.mid(cursor);
    QTRY_COMPARE(edit->text().size(), expected.size());
    QTest::qWait(10);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(statusNote(window), note);
    if (!note.isEmpty())
        QCOMPARE(edit->accessibleDescription(), note);
    QVERIFY(edit->hasFocus());
}

QTEST_MAIN(tst_FieldValidation)
#include "tst_fieldValidation.moc"
