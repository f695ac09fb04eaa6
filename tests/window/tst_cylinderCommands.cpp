// SPDX-License-Identifier: MIT
// The Calculate buttons of the cylinder-force and cylinder-bore panels, and
// how a result too long for its field is shown.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "windowDriver.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

using namespace WindowDriver;

namespace {

const QString overflowMessage = QStringLiteral("The result is too large to calculate. No result was changed.");

struct Inputs {
    QString first, second, third;
};

QString statusNote(const frmPressureCalc &window)
{
    return control<QStatusBar>(window, QStringLiteral("statusBar"))->currentMessage();
}

void calculateForce(frmPressureCalc &window, const Inputs &in)
{
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), in.first);
    typeInto(window, QStringLiteral("txtRodDiameter"), in.second);
    typeInto(window, QStringLiteral("txtAirPressure(1)"), in.third);
    click(window, QStringLiteral("btnCalcForce"));
}

void calculateBore(frmPressureCalc &window, const Inputs &in)
{
    selectPanel(window, 0);
    typeInto(window, QStringLiteral("txtForceRequired"), in.first);
    typeInto(window, QStringLiteral("txtAirPressure(0)"), in.second);
    typeInto(window, QStringLiteral("txtSafetyFactor"), in.third);
    click(window, QStringLiteral("btnCalcBoreSize"));
}

} // namespace

class tst_CylinderCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void force_data();
    void force();
    void bore_data();
    void bore();
    void resultsAreWrittenLastInOrder();
    void inputsAreCleanedByTheClick();
    void inputsAreCleanedWhenTheButtonTakesNoFocus();
    void germanDecimalComma();
    void overflowWritesNothing_data();
    void overflowWritesNothing();
    void textThatIsNoNumberWritesNothing();
    void longResultShowsItsFirstDigit();
};

void tst_CylinderCommands::force_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("bore");
    QTest::addColumn<QString>("rod");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("push");
    QTest::addColumn<QString>("pull");
    QTest::addColumn<QString>("note"); // in the status bar
    const QString noPull = QStringLiteral("The rod is as large as the bore: there is no pull force.");
    QTest::newRow("imperial 2 in") << 0 << "2" << "0.625" << "80" << "251.32741" << "226.78372" << "";
    QTest::newRow("imperial 4 in") << 0 << "4" << "1" << "100" << "1256.63706" << "1178.09725" << "";
    // The values stay as computed; the note says what they mean.
    QTest::newRow("imperial rod wider than bore") << 0 << "1" << "2" << "100" << "78.53982" << "-235.61945" << noPull;
    QTest::newRow("imperial rod as large as the bore") << 0 << "2" << "2" << "80" << "251.32741" << "0" << noPull;
    QTest::newRow("imperial rod but no bore") << 0 << "0" << "1" << "80" << "0" << "-62.83185" << noPull;
    QTest::newRow("imperial zeros") << 0 << "0" << "0" << "0" << "0" << "0" << "";
    QTest::newRow("metric 50 mm") << 1 << "50" << "20" << "6" << "1178.09725" << "989.60169" << "";
    QTest::newRow("metric rod wider than bore") << 1 << "20" << "50" << "6" << "188.49556" << "-989.60169" << noPull;
    QTest::newRow("metric zeros") << 1 << "0" << "0" << "0" << "0" << "0" << "";
    // The same inputs as the first row, taken as mm and bar.
    QTest::newRow("metric 2 mm") << 1 << "2" << "0.625" << "80" << "25.13274" << "22.67837" << "";
}

void tst_CylinderCommands::force()
{
    QFETCH(int, system);
    QFETCH(QString, bore);
    QFETCH(QString, rod);
    QFETCH(QString, pressure);
    QFETCH(QString, push);
    QFETCH(QString, pull);
    QFETCH(QString, note);

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, system);
    calculateForce(window, {bore, rod, pressure});
    QCOMPARE(text(window, "txtPushForce"), push);
    QCOMPARE(text(window, "txtPullForce"), pull);
    QCOMPARE(statusNote(window), note);
    // The screen reader hears the results, then the note.
    QVERIFY(control(window, QStringLiteral("btnCalcForce"))->accessibleDescription().endsWith(note));
    QVERIFY(boxes.seen().isEmpty());
    QCOMPARE(window.unitSystem(), qint16(system));
    // The bore panel's results are another command's.
    QCOMPARE(text(window, "txtAreaRequired"), QStringLiteral("0"));
}

void tst_CylinderCommands::bore_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("force");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("safetyFactor");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("minBore");
    QTest::addColumn<QString>("standardBore");
    QTest::addColumn<QString>("standardForce");
    QTest::addColumn<QString>("note"); // in the status bar
    const QString smallFactor = QStringLiteral("A safety factor below 1 makes the area smaller than the force needs.");
    const QString noBore = QStringLiteral("No standard bore is that large.");
    QTest::newRow("imperial 500 lb") << 0 << "500" << "80" << "1" << "6.25" << "2.82095" << "3.25" << "663.66145" << "";
    QTest::newRow("imperial 1000 lb") << 0 << "1000" << "100" << "1" << "10" << "3.56825" << "4" << "1256.63706" << "";
    QTest::newRow("imperial no pressure") << 0 << "500" << "0" << "1" << "0" << "0" << "" << "" << "";
    QTest::newRow("imperial no force") << 0 << "0" << "80" << "1" << "0" << "0" << "" << "" << "";
    QTest::newRow("metric 2000 N") << 1 << "2000" << "6" << "1" << "3333.33333" << "65.147" << "80" << "3015.92895" << "";
    QTest::newRow("metric no pressure") << 1 << "2000" << "0" << "1" << "0" << "0" << "" << "" << "";
    QTest::newRow("safety factor 2 doubles the area")
        << 0 << "500" << "80" << "2" << "12.5" << "3.98942" << "4" << "1005.30965" << "";
    QTest::newRow("safety factor 0 counts as 1") << 0 << "500" << "80" << "0" << "6.25" << "2.82095" << "3.25"
                                                 << "663.66145" << "";
    QTest::newRow("metric safety factor 1.5") << 1 << "2000" << "6" << "1.5" << "5000" << "79.78846" << "80"
                                              << "3015.92895" << "";
    // A minimum bore that is a bore of the series needs nothing bigger.
    QTest::newRow("imperial exactly 2 in") << 0 << "3.14159265358979" << "1" << "1" << "3.14159" << "2" << "2"
                                           << "3.14159" << "";
    QTest::newRow("metric below the smallest bore") << 1 << "10" << "6" << "1" << "16.66667" << "4.60659" << "8"
                                                    << "30.15929" << "";
    // No standard cylinder is that big.
    QTest::newRow("imperial beyond 14 in") << 0 << "1000000" << "80" << "1" << "12500" << "126.15663" << ""
                                           << "" << noBore;
    QTest::newRow("metric beyond 320 mm") << 1 << "1000000" << "6" << "1" << "1666666.66667" << "1456.73124"
                                          << "" << "" << noBore;
    // The results stay as computed; the note says what they mean.
    QTest::newRow("safety factor 0.5 halves the area") << 0 << "500" << "80" << "0.5" << "3.125" << "1.99471"
                                                        << "2" << "251.32741" << smallFactor;
    QTest::newRow("safety factor 0.5, beyond 14 in") << 0 << "1000000" << "80" << "0.5" << "6250" << "89.20621"
                                                      << "" << "" << smallFactor + " " + noBore;
}

void tst_CylinderCommands::bore()
{
    QFETCH(int, system);
    QFETCH(QString, force);
    QFETCH(QString, pressure);
    QFETCH(QString, safetyFactor);
    QFETCH(QString, area);
    QFETCH(QString, minBore);
    QFETCH(QString, standardBore);
    QFETCH(QString, standardForce);
    QFETCH(QString, note);

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, system);
    // A run before the one checked, so an empty result must be written, not
    // merely left over from start-up.
    calculateBore(window, {"4", "1", "1"});
    QCOMPARE(text(window, "txtStandardBore"), system == 0 ? QStringLiteral("2.5") : QStringLiteral("8"));
    calculateBore(window, {force, pressure, safetyFactor});
    QCOMPARE(text(window, "txtAreaRequired"), area);
    QCOMPARE(text(window, "txtMinBoreSize"), minBore);
    QCOMPARE(text(window, "txtStandardBore"), standardBore);
    QCOMPARE(text(window, "txtStandardForce"), standardForce);
    QCOMPARE(statusNote(window), note);
    QVERIFY(control(window, QStringLiteral("btnCalcBoreSize"))->accessibleDescription().endsWith(note));
    QVERIFY(boxes.seen().isEmpty());
    QCOMPARE(text(window, "txtPushForce"), QStringLiteral("0"));
}

void tst_CylinderCommands::resultsAreWrittenLastInOrder()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    QStringList written;
    const QStringList watched{"txtCylinderBore(0)", "txtRodDiameter", "txtAirPressure(1)", "txtPushForce",
                              "txtPullForce"};
    for (const QString &name : watched)
        connect(field(window, name), &QLineEdit::textChanged, &window, [&written, name] { written << name; });
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("2"));
    typeInto(window, QStringLiteral("txtRodDiameter"), QStringLiteral("0.625"));
    typeInto(window, QStringLiteral("txtAirPressure(1)"), QStringLiteral("80.0"));
    written.clear();
    click(window, QStringLiteral("btnCalcForce"));
    // The pressure is cleaned as the focus leaves it, then come the results.
    QCOMPARE(written, QStringList({"txtAirPressure(1)", "txtPushForce", "txtPullForce"}));
}

void tst_CylinderCommands::inputsAreCleanedByTheClick()
{
    // The field being typed in loses the focus to the button first.
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 0);
    typeInto(window, QStringLiteral("txtForceRequired"), QStringLiteral("500"));
    typeInto(window, QStringLiteral("txtSafetyFactor"), QStringLiteral("1"));
    typeInto(window, QStringLiteral("txtAirPressure(0)"), QStringLiteral("-80"));
    click(window, QStringLiteral("btnCalcBoreSize"));
    QCOMPARE(text(window, "txtAirPressure(0)"), QStringLiteral("80"));
    QCOMPARE(text(window, "txtAreaRequired"), QStringLiteral("6.25"));
    QCOMPARE(text(window, "txtMinBoreSize"), QStringLiteral("2.82095"));
}

void tst_CylinderCommands::inputsAreCleanedWhenTheButtonTakesNoFocus()
{
    // Where buttons take no focus, the command cleans the pending edit itself:
    // "abc" must count as 0 and raise no message.
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 1);
    control(window, QStringLiteral("btnCalcForce"))->setFocusPolicy(Qt::NoFocus);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("2"));
    typeInto(window, QStringLiteral("txtRodDiameter"), QStringLiteral("0.625"));
    typeInto(window, QStringLiteral("txtAirPressure(1)"), QStringLiteral("80"));
    click(window, QStringLiteral("btnCalcForce"));
    QCOMPARE(text(window, "txtPushForce"), QStringLiteral("251.32741"));

    typeInto(window, QStringLiteral("txtAirPressure(1)"), QStringLiteral("abc"));
    click(window, QStringLiteral("btnCalcForce"));
    QVERIFY(field(window, QStringLiteral("txtAirPressure(1)"))->hasFocus());
    QCOMPARE(text(window, "txtAirPressure(1)"), QStringLiteral("0"));
    QCOMPARE(text(window, "txtPushForce"), QStringLiteral("0"));
    QCOMPARE(text(window, "txtPullForce"), QStringLiteral("0"));
    QVERIFY(boxes.seen().isEmpty());
}

void tst_CylinderCommands::germanDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculateForce(window, {"2", "0,625", "80"});
    QCOMPARE(text(window, "txtRodDiameter"), QStringLiteral("0,625"));
    QCOMPARE(text(window, "txtPushForce"), QStringLiteral("251,32741"));
    QCOMPARE(text(window, "txtPullForce"), QStringLiteral("226,78372"));
    calculateBore(window, {"500", "80", "1,5"});
    QCOMPARE(text(window, "txtAreaRequired"), QStringLiteral("9,375"));
    QCOMPARE(text(window, "txtMinBoreSize"), QStringLiteral("3,45494"));
    QCOMPARE(text(window, "txtStandardBore"), QStringLiteral("4"));
    QCOMPARE(text(window, "txtStandardForce"), QStringLiteral("1005,30965"));
}

void tst_CylinderCommands::overflowWritesNothing_data()
{
    QTest::addColumn<bool>("forcePanel");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("third");
    QTest::newRow("force, bore 1E300") << true << "1E300" << "1" << "80";
    QTest::newRow("force, pressure 1E308") << true << "2" << "1" << "1E308";
    QTest::newRow("bore, force over a tiny pressure") << false << "1E308" << "1E-10" << "1";
    QTest::newRow("bore, safety factor 1E308") << false << "500" << "80" << "1E308";
    // Area and minimum bore are tiny and fine; the standard bore's push force is not.
    QTest::newRow("bore, standard bore at 1.5E308 psi") << false << "500" << "1.5E308" << "1";
}

void tst_CylinderCommands::overflowWritesNothing()
{
    QFETCH(bool, forcePanel);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, third);
    const auto calculate = forcePanel ? calculateForce : calculateBore;
    const QString out1 = forcePanel ? QStringLiteral("txtPushForce") : QStringLiteral("txtAreaRequired");
    const QString out2 = forcePanel ? QStringLiteral("txtPullForce") : QStringLiteral("txtMinBoreSize");
    const QStringList boreResults{"txtAreaRequired", "txtMinBoreSize", "txtStandardBore", "txtStandardForce"};
    const auto boreTexts = [&boreResults](const frmPressureCalc &window) {
        QStringList texts;
        for (const QString &name : boreResults)
            texts << text(window, name);
        return texts;
    };

    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    // Results that every bore field shows, the standard bore's too.
    const Inputs good = forcePanel ? Inputs{"4", "1", "100"} : Inputs{"4", "1", "1"};
    calculate(window, good);
    const QString before1 = text(window, out1);
    const QString before2 = text(window, out2);
    QVERIFY(before1 != QStringLiteral("0"));
    const QStringList boreBefore = boreTexts(window);
    if (!forcePanel)
        QVERIFY(!text(window, "txtStandardForce").isEmpty());

    calculate(window, {first, second, third});
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().text, overflowMessage);
    QCOMPARE(boxes.seen().first().title, QGuiApplication::applicationDisplayName());
    QVERIFY(!boxes.seen().first().title.isEmpty());
    QCOMPARE(boxes.seen().first().icon, QMessageBox::Warning);
    QCOMPARE(boxes.seen().first().buttonCount, 1);
    QCOMPARE(text(window, out1), before1);
    QCOMPARE(text(window, out2), before2);
    // None of the bore panel's four results changes, whichever failed.
    QCOMPARE(boreTexts(window), boreBefore);

    // The window goes on working.
    calculate(window, good);
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(text(window, out1), before1);
}

void tst_CylinderCommands::textThatIsNoNumberWritesNothing()
{
    // Validation keeps every input a number, so only code can leave one
    // holding other text; the command still must not write half a result.
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculateForce(window, {"2", "0.625", "80"});
    field(window, QStringLiteral("txtRodDiameter"))->setText(QStringLiteral("abc"));
    click(window, QStringLiteral("btnCalcForce"));
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().text,
             QStringLiteral("\"Rod Diameter\" does not hold a number. No result was changed."));
    QCOMPARE(boxes.seen().first().icon, QMessageBox::Warning);
    QCOMPARE(text(window, "txtPushForce"), QStringLiteral("251.32741"));
    QCOMPARE(text(window, "txtPullForce"), QStringLiteral("226.78372"));
}

// A result wider than its field shows its first digit. No result has more
// than 15 digits with a sign and an exponent, which the cylinder panels'
// fields hold whole; the valve panel's are narrower, leaving room for its
// longer captions and units. The bore is enlarged until the volume no
// longer fits its field.
void tst_CylinderCommands::longResultShowsItsFirstDigit()
{
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, panelOf(window, QStringLiteral("txtVolume")));
    typeInto(window, QStringLiteral("txtAirPressure(2)"), QStringLiteral("80"));
    typeInto(window, QStringLiteral("txtStrokeLength"), QStringLiteral("10"));
    typeInto(window, QStringLiteral("txtStrokTime"), QStringLiteral("1"));
    typeInto(window, QStringLiteral("txtPressureDrop"), QStringLiteral("5"));
    QLineEdit *volume = field(window, QStringLiteral("txtVolume"));
    const auto overflows = [volume] {
        return volume->fontMetrics().horizontalAdvance(volume->text()) > volume->contentsRect().width();
    };
    for (int exponent = 0; exponent <= 150 && !overflows(); exponent += 10) {
        typeInto(window, QStringLiteral("txtCylinderBore(1)"), QStringLiteral("1E%1").arg(exponent));
        click(window, QStringLiteral("btnCalcCV"));
    }
    QVERIFY(boxes.seen().isEmpty());
    QVERIFY2(overflows(), qPrintable(QStringLiteral("\"%1\" fits its field, so this case shows nothing")
                                         .arg(volume->text())));
    QCOMPARE(volume->cursorPosition(), 0);
    // Drawing the field scrolls it to its cursor; the start stays in view.
    volume->grab();
    QVERIFY2(volume->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < volume->width() / 4,
             "the field shows the end of its text");
}

QTEST_MAIN(tst_CylinderCommands)
#include "tst_cylinderCommands.moc"
