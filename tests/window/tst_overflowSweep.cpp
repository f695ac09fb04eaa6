// SPDX-License-Identifier: MIT
// Values at the top of the double range in every place they can meet a
// command: each input of each Calculate command in both unit systems, every
// converted field in both directions of the unit switch, both texts of the
// system flow total and the coefficient kind.
//
// Each case puts 1E308 into one field, the worked example's values into the
// others, and runs the command. Either the command succeeds, writing every
// one of its results as a number and nothing else; or it shows one clear
// message (the window's warning, saying that nothing was changed) and every
// field, caption and selection is exactly as before. Either way the window
// then still works: the worked example, typed again, gives its known results.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "numberText.h"
#include "windowDriver.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace WindowDriver;

namespace {

const QString huge = QStringLiteral("1E308");
// What a result field holds before a command runs, so that a result left
// unwritten shows.
const QString sentinel = QStringLiteral("12345");
const QString validityTitle = QStringLiteral("Warning");
// Results that are rightly empty when there is nothing to show: no standard
// bore is that large.
const QStringList mayBeEmpty{"txtStandardBore", "txtStandardForce"};

struct Command {
    const char *name;
    int panel;
    const char *button;
    QStringList inputs;  // in the order the command reads them
    QStringList outputs;
    QStringList imperialCase; // the worked example, inputs then results
    QStringList metricCase;
};

const QList<Command> commands{
    {"bore", 0, "btnCalcBoreSize",
     {"txtForceRequired", "txtAirPressure(0)", "txtSafetyFactor"},
     {"txtAreaRequired", "txtMinBoreSize", "txtStandardBore", "txtStandardForce"},
     {"500", "80", "1", "6.25", "2.82095", "3.25", "663.66145"},
     {"2000", "6", "1", "3333.33333", "65.147", "80", "3015.92895"}},
    {"force", 1, "btnCalcForce",
     {"txtCylinderBore(0)", "txtRodDiameter", "txtAirPressure(1)"},
     {"txtPushForce", "txtPullForce"},
     {"2", "0.625", "80", "251.32741", "226.78372"},
     {"50", "20", "6", "1178.09725", "989.60169"}},
    // Imperial with "CV Factor" selected, metric with "kV Factor".
    {"valve", 2, "btnCalcCV",
     {"txtAirPressure(2)", "txtStrokeLength", "txtStrokTime", "txtCylinderBore(1)", "txtRoomTemp",
      "txtNumCylinders", "txtPressureDrop", "txtCycleRate"},
     {"txtVolume", "txtInstFlow", "txtCvFactor", "txtAirConsumption"},
     {"80", "4", "1", "2", "68", "1", "5", "30", "12.56637", "2.66537", "0.12888", "2.81093"},
     {"6", "100", "1", "50", "20", "1", "0.5", "10", "196796.78953", "75.9488", "0.09121", "27.23036"}},
};

// The lines that differ between two states, for a failure message.
QString differences(const WindowState &before, const WindowState &after)
{
    QStringList changed;
    for (qsizetype i = 0; i < before.texts.size() && i < after.texts.size(); ++i)
        if (before.texts.at(i) != after.texts.at(i))
            changed.append(before.texts.at(i) + QStringLiteral(" became ") + after.texts.at(i));
    if (before.captions != after.captions)
        changed.append(QStringLiteral("captions changed"));
    if (before.selections != after.selections)
        changed.append(QStringLiteral("option selection changed"));
    if (before.units != after.units)
        changed.append(QStringLiteral("unit system %1 became %2").arg(before.units).arg(after.units));
    return changed.join(QStringLiteral("; "));
}

// The window's own warning that tells the user what happened and that nothing
// was changed.
bool isClearRefusal(const MessageBoxWatcher::Seen &box)
{
    static const QRegularExpression saysUnchanged(QStringLiteral("(No result was|Nothing was|was not) changed"));
    return box.title == QGuiApplication::applicationDisplayName() && !box.title.isEmpty()
           && box.icon == QMessageBox::Warning && box.buttonCount == 1 && saysUnchanged.match(box.text).hasMatch();
}

// The messages other than the valve formula's validity warning, which may
// come up on the way and does not stop the calculation.
QList<MessageBoxWatcher::Seen> refusals(const MessageBoxWatcher &boxes)
{
    QList<MessageBoxWatcher::Seen> found;
    for (const MessageBoxWatcher::Seen &box : boxes.seen())
        if (box.title != validityTitle)
            found.append(box);
    return found;
}

// Types a text into a field and leaves it, so that it cleans itself.
void enter(frmPressureCalc &window, const QString &name, const QString &text)
{
    typeInto(window, name, text);
    field(window, name)->clearFocus();
}

// A result field cannot be typed into; it is given the text a command or the
// unit switch could have written.
void setResult(frmPressureCalc &window, const QString &name, const QString &text)
{
    field(window, name)->setText(text);
}

bool isInput(const frmPressureCalc &window, const QString &name)
{
    return !field(window, name)->isReadOnly();
}

// Tallies of how the cases ended, printed at the end.
int succeeded = 0;
int refused = 0;

} // namespace

class tst_OverflowSweep : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanupTestCase() { qInfo("%d cases succeeded, %d were refused with a message", succeeded, refused); }

    void calculate_data();
    void calculate();
    void unitSwitch_data();
    void unitSwitch();
    void systemFlowTotal_data();
    void systemFlowTotal();
    void coefficientKind_data();
    void coefficientKind();

private:
    // Checks the outcome of one case: a full success, or a clear refusal that
    // changed nothing.
    void checkOutcome(const frmPressureCalc &window, const MessageBoxWatcher &boxes, const WindowState &before,
                      const QStringList &outputs, bool &wasRefused);
    // Runs a command's worked example and compares its results.
    void checkStillWorks(frmPressureCalc &window, const Command &command);
};

void tst_OverflowSweep::checkOutcome(const frmPressureCalc &window, const MessageBoxWatcher &boxes,
                                     const WindowState &before, const QStringList &outputs, bool &wasRefused)
{
    const WindowState after = stateOf(window);
    const QList<MessageBoxWatcher::Seen> shown = refusals(boxes);
    QVERIFY2(shown.size() <= 1, qPrintable(QStringLiteral("%1 messages").arg(shown.size())));
    wasRefused = !shown.isEmpty();
    if (wasRefused) {
        ++refused;
        QVERIFY2(isClearRefusal(shown.first()), qPrintable(QStringLiteral("unclear message \"%1\" titled \"%2\"")
                                                               .arg(shown.first().text, shown.first().title)));
        QVERIFY2(after == before, qPrintable(QStringLiteral("refused, but: ") + differences(before, after)));
        return;
    }
    ++succeeded;
    for (const QString &name : outputs) {
        const QString text = field(window, name)->text();
        const bool emptyAllowed = text.isEmpty() && mayBeEmpty.contains(name);
        QVERIFY2(NumberText::isNumber(text) || emptyAllowed,
                 qPrintable(name + QStringLiteral(" holds \"") + text + '"'));
        QVERIFY2(text != sentinel, qPrintable(name + QStringLiteral(" was not written")));
    }
    // Nothing but the results changed.
    WindowState expected = before;
    WindowState outputsIgnored = after;
    for (qsizetype i = 0; i < expected.texts.size(); ++i) {
        const QString name = expected.texts.at(i).section(QLatin1Char('='), 0, 0);
        if (outputs.contains(name))
            expected.texts[i] = outputsIgnored.texts[i] = name;
    }
    QVERIFY2(outputsIgnored == expected,
             qPrintable(QStringLiteral("succeeded, but: ") + differences(expected, outputsIgnored)));
}

void tst_OverflowSweep::checkStillWorks(frmPressureCalc &window, const Command &command)
{
    MessageBoxWatcher boxes;
    const QStringList &example = window.unitSystem() == frmPressureCalc::Imperial ? command.imperialCase
                                                                                  : command.metricCase;
    selectPanel(window, command.panel);
    for (qsizetype i = 0; i < command.inputs.size(); ++i)
        enter(window, command.inputs.at(i), example.at(i));
    click(window, QString::fromLatin1(command.button));
    QVERIFY2(boxes.seen().isEmpty(), qPrintable(boxes.seen().isEmpty() ? QString() : boxes.seen().first().text));
    for (qsizetype i = 0; i < command.outputs.size(); ++i)
        QCOMPARE(text(window, command.outputs.at(i)), example.at(command.inputs.size() + i));
}

void tst_OverflowSweep::calculate_data()
{
    QTest::addColumn<int>("commandIndex");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("hugeField");
    for (int index = 0; index < commands.size(); ++index)
        for (int units : {0, 1})
            for (const QString &input : commands.at(index).inputs)
                QTest::addRow("%s, %s, %s", commands.at(index).name, units ? "metric" : "imperial",
                              qPrintable(input))
                    << index << units << input;
}

void tst_OverflowSweep::calculate()
{
    QFETCH(int, commandIndex);
    QFETCH(int, units);
    QFETCH(QString, hugeField);
    const Command &command = commands.at(commandIndex);
    const QStringList &example = units ? command.metricCase : command.imperialCase;

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, units);
    // The worked example's coefficient kind.
    if (command.panel == 2)
        control<QRadioButton>(window, QStringLiteral("optCVType(%1)").arg(units))->setChecked(true);
    selectPanel(window, command.panel);
    for (qsizetype i = 0; i < command.inputs.size(); ++i)
        enter(window, command.inputs.at(i), command.inputs.at(i) == hugeField ? huge : example.at(i));
    for (const QString &output : command.outputs)
        setResult(window, output, sentinel);

    const WindowState before = stateOf(window);
    bool wasRefused = false;
    {
        MessageBoxWatcher boxes;
        click(window, QString::fromLatin1(command.button));
        checkOutcome(window, boxes, before, command.outputs, wasRefused);
        if (QTest::currentTestFailed())
            return;
    }
    checkStillWorks(window, command);
}

void tst_OverflowSweep::unitSwitch_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("hugeField");
    for (int target : {1, 0})
        for (const QString &name : convertedFields())
            QTest::addRow("to %s, %s", target ? "metric" : "imperial", qPrintable(name)) << target << name;
}

void tst_OverflowSweep::unitSwitch()
{
    QFETCH(int, target);
    QFETCH(QString, hugeField);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    useUnits(window, 1 - target);
    if (isInput(window, hugeField)) {
        for (int panel = 0; panel < 3; ++panel)
            if (controlArray(window, QStringLiteral("Frame")).at(panel)->isAncestorOf(field(window, hugeField)))
                selectPanel(window, panel);
        enter(window, hugeField, huge);
    } else {
        setResult(window, hugeField, NumberText::formatGeneral(1e308));
    }

    const WindowState before = stateOf(window);
    const QString hugeText = text(window, hugeField);
    bool wasRefused = false;
    {
        MessageBoxWatcher boxes;
        click(window, QStringLiteral("Option1(%1)").arg(target));
        const WindowState after = stateOf(window);
        const QList<MessageBoxWatcher::Seen> shown = refusals(boxes);
        QVERIFY2(shown.size() <= 1, qPrintable(QStringLiteral("%1 messages").arg(shown.size())));
        wasRefused = !shown.isEmpty();
        if (wasRefused) {
            ++refused;
            QVERIFY2(isClearRefusal(shown.first()), qPrintable(shown.first().text));
            QVERIFY2(after == before, qPrintable(QStringLiteral("refused, but: ") + differences(before, after)));
            QVERIFY(control<QRadioButton>(window, QStringLiteral("Option1(%1)").arg(1 - target))->isChecked());
        } else {
            ++succeeded;
            QCOMPARE(window.unitSystem(), qint16(target));
            QVERIFY(control<QRadioButton>(window, QStringLiteral("Option1(%1)").arg(target))->isChecked());
            const QString converted = text(window, hugeField);
            QVERIFY2(NumberText::isNumber(converted), qPrintable(converted));
            QVERIFY2(converted != hugeText, qPrintable(hugeField + QStringLiteral(" was not converted")));
        }
    }

    // The window still switches and calculates: a plain value where the huge
    // one was, then the switch, then the force example in the new system.
    if (isInput(window, hugeField))
        enter(window, hugeField, QStringLiteral("1"));
    else
        setResult(window, hugeField, QStringLiteral("1"));
    {
        MessageBoxWatcher boxes;
        useUnits(window, target);
        QCOMPARE(window.unitSystem(), qint16(target));
        QVERIFY2(boxes.seen().isEmpty(), qPrintable(boxes.seen().isEmpty() ? QString() : boxes.seen().first().text));
    }
    checkStillWorks(window, commands.at(1));
}

void tst_OverflowSweep::systemFlowTotal_data()
{
    // The same values for the flow and its total, then for the air
    // consumption and its total; one click adds to both totals.
    QTest::addColumn<QString>("valueField");
    QTest::addColumn<QString>("totalField");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("total");
    const QList<std::pair<QString, QString>> pairs{{"txtInstFlow", "txtSystemFlow"},
                                                   {"txtAirConsumption", "txtSystemConsumption"}};
    for (const auto &[valueField, totalField] : pairs) {
        const auto row = [&](const char *name, const char *value, const char *total) {
            QTest::addRow("%s, %s", qPrintable(valueField), name) << valueField << totalField << value << total;
        };
        row("value 1E308", "1E+308", "2.5");
        row("total 1E308", "2.5", "1E+308");
        row("both 1E308", "1E+308", "1E+308");
        row("largest shown values", "1.79769313486231E+308", "1.79769313486231E+308");
        row("negative value onto the largest total", "-1E+308", "-1.79769313486231E+308");
    }
}

void tst_OverflowSweep::systemFlowTotal()
{
    QFETCH(QString, valueField);
    QFETCH(QString, totalField);
    QFETCH(QString, value);
    QFETCH(QString, total);
    const QStringList totals{QStringLiteral("txtSystemFlow"), QStringLiteral("txtSystemConsumption")};

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    setResult(window, valueField, value);
    setResult(window, totalField, total);

    const WindowState before = stateOf(window);
    bool wasRefused = false;
    {
        MessageBoxWatcher boxes;
        click(window, QStringLiteral("btnSumSCFM"));
        checkOutcome(window, boxes, before, totals, wasRefused);
        if (QTest::currentTestFailed())
            return;
    }
    // Reset, then one calculation and one addition.
    MessageBoxWatcher boxes;
    click(window, QStringLiteral("btnResetSCFM"));
    QCOMPARE(text(window, "txtSystemFlow"), QStringLiteral("0"));
    QCOMPARE(text(window, "txtSystemConsumption"), QStringLiteral("0"));
    checkStillWorks(window, commands.at(2));
    click(window, QStringLiteral("btnSumSCFM"));
    QCOMPARE(text(window, "txtSystemFlow"), QStringLiteral("2.66537"));
    QCOMPARE(text(window, "txtSystemConsumption"), QStringLiteral("2.81093"));
    QVERIFY(boxes.seen().isEmpty());
}

void tst_OverflowSweep::coefficientKind_data()
{
    QTest::addColumn<int>("newKind");
    QTest::addColumn<QString>("coefficient");
    QTest::newRow("to kV, 1E308") << 1 << "1E+308";
    QTest::newRow("to CV, 1E308") << 0 << "1E+308";
    QTest::newRow("to CV, the largest shown value") << 0 << "1.79769313486231E+308";
}

void tst_OverflowSweep::coefficientKind()
{
    QFETCH(int, newKind);
    QFETCH(QString, coefficient);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    control<QRadioButton>(window, QStringLiteral("optCVType(%1)").arg(1 - newKind))->setChecked(true);
    setResult(window, QStringLiteral("txtCvFactor"), coefficient);

    const WindowState before = stateOf(window);
    {
        MessageBoxWatcher boxes;
        click(window, QStringLiteral("optCVType(%1)").arg(newKind));
        const WindowState after = stateOf(window);
        const QList<MessageBoxWatcher::Seen> shown = refusals(boxes);
        QVERIFY2(shown.size() <= 1, qPrintable(QStringLiteral("%1 messages").arg(shown.size())));
        if (!shown.isEmpty()) {
            ++refused;
            QVERIFY2(isClearRefusal(shown.first()), qPrintable(shown.first().text));
            // The coefficient shown is still of the old kind, so the old kind
            // must still be the one selected beside it.
            QVERIFY2(after == before, qPrintable(QStringLiteral("refused, but: ") + differences(before, after)));
        } else {
            ++succeeded;
            QVERIFY(control<QRadioButton>(window, QStringLiteral("optCVType(%1)").arg(newKind))->isChecked());
            QVERIFY(NumberText::isNumber(text(window, "txtCvFactor")));
            QVERIFY(text(window, "txtCvFactor") != coefficient);
        }
    }
    // The worked example in the kind selected now: imperial with CV gives
    // 0.12888, with kV that Cv times 0.869.
    Command example = commands.at(2);
    if (control<QRadioButton>(window, QStringLiteral("optCVType(1)"))->isChecked())
        example.imperialCase[example.inputs.size() + example.outputs.indexOf(QStringLiteral("txtCvFactor"))] =
            QStringLiteral("0.11199");
    checkStillWorks(window, example);
}

QTEST_MAIN(tst_OverflowSweep)
#include "tst_overflowSweep.moc"
