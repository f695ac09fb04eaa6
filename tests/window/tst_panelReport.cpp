// SPDX-License-Identifier: MIT
// The report of the visible panel as the window makes it: saved as PDF and
// read back, on the clipboard, printed, refused; and the menu bar that holds
// its commands, used from the keyboard alone.
#include "applicationInfo.h"
#include "fields.h"
#include "frmPressureCalc.h"
#include "language.h"
#include "messageBoxWatcher.h"
#include "windowDriver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using namespace WindowDriver;

namespace {

const QString staleText = QStringLiteral(
    "Inputs changed after the last calculation: press Calculate before relying on these results.");
const QString adviceLine = QStringLiteral(
    "These calculations are only valid when the pressure drop is at least 53% of the initial air pressure");

// "field=text" pairs typed in this order.
using Typing = QStringList;

void typeAll(frmPressureCalc &window, const Typing &typing)
{
    for (const QString &pair : typing) {
        const qsizetype equals = pair.indexOf(u'=');
        typeInto(window, pair.left(equals), pair.mid(equals + 1));
    }
}

// Selects the panel, the units and the coefficient kind (-1: left as it is),
// types the inputs and presses the panel's Calculate button.
void calculate(frmPressureCalc &window, int panel, int units, int kind, const Typing &typing)
{
    useUnits(window, units);
    selectPanel(window, panel);
    if (kind >= 0)
        click(window, QStringLiteral("optCVType(%1)").arg(kind));
    typeAll(window, typing);
    // The cycle rate of the air-consumption work, where the window has it.
    if (window.findChild<QLineEdit *>(QStringLiteral("txtCycleRate")))
        typeInto(window, QStringLiteral("txtCycleRate"), QStringLiteral("30"));
    const char *buttons[] = {"btnCalcBoreSize", "btnCalcForce", "btnCalcCV"};
    click(window, QString::fromLatin1(buttons[panel]));
}

QString pdfText(const QString &path, bool layout = true)
{
    QProcess pdftotext;
    QStringList arguments;
    if (layout)
        arguments << QStringLiteral("-layout");
    pdftotext.start(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// A row of the PDF's table: caption, value and unit on one line, in order.
bool hasPdfRow(const QString &text, const QString &caption, const QString &value, const QString &unit)
{
    QString pattern = QStringLiteral("(^|\\n)\\s*") + QRegularExpression::escape(caption) + QStringLiteral("\\s+")
                      + QRegularExpression::escape(value);
    if (!unit.isEmpty())
        pattern += QStringLiteral("\\s+") + QRegularExpression::escape(unit);
    pattern += QStringLiteral("\\s*(\\n|$)");
    return QRegularExpression(pattern).match(text).hasMatch();
}

QAction *action(const frmPressureCalc &window, const char *name)
{
    auto *found = window.findChild<QAction *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

QMenu *openMenu()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

// Files in a folder, for checking that a failed save left none behind.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

class tst_PanelReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QLocale::setDefault(QLocale::c()); }
    void savedReportHoldsEveryField_data();
    void savedReportHoldsEveryField();
    void staleLine_data();
    void staleLine();
    void notCalculatedLine_data();
    void notCalculatedLine();
    void valuesAsShownInTheLocale();
    void clipboardHasTextAndHtml();
    void saveIntoUnwritableFolderLeavesNothing();
    void savedReportIsNoted_data();
    void savedReportIsNoted();
    void saveAsSuggestsANameInDocuments();
    void printPrintsTheSamePage();
    void reportActionsDisabledOnTheDisclaimer();
    void shortcuts_data();
    void shortcuts();
    void menusFromTheKeyboard_data();
    void menusFromTheKeyboard();
    void aboutBox();
    void barsAroundTheCanvasKeepOneSize();
    void panelKeysGiveThePanelTheFocus_data();
    void panelKeysGiveThePanelTheFocus();
    void dialogsGiveTheFocusBack_data();
    void dialogsGiveTheFocusBack();
    void saveAsOffersTheLastFolder_data();
    void saveAsOffersTheLastFolder();

private:
    QTemporaryDir m_folder;
};

void tst_PanelReport::initTestCase()
{
    ApplicationInfo::apply();
    QVERIFY(m_folder.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is needed to read the saved reports back");
}

void tst_PanelReport::savedReportHoldsEveryField_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("kind");
    QTest::addColumn<Typing>("typing");
    // "caption|field|unit" for each field, in screen order.
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("panelName");
    // Whether Calculate shows the 53 % advice, and so the report repeats it.
    QTest::addColumn<bool>("advice");
    // The window's language and locale: German and de_DE, Japanese and ja_JP, or as they are.
    QTest::addColumn<QString>("language");

    const QStringList bore{"Air Pressure|txtAirPressure(0)|%1", "Force Required|txtForceRequired|%2",
                           "Safety Factor|txtSafetyFactor|", "Area Required|txtAreaRequired|%3",
                           "Minimum Bore Size|txtMinBoreSize|%4", "Standard Bore|txtStandardBore|%4",
                           "Push Force|txtStandardForce|%2"};
    const QStringList force{"Air Pressure|txtAirPressure(1)|%1", "Bore Size|txtCylinderBore(0)|%4",
                            "Rod Diameter|txtRodDiameter|%4", "Force (Push)|txtPushForce|%2",
                            "Force (Pull)|txtPullForce|%2"};
    const QStringList valve{"Air Pressure|txtAirPressure(2)|%1", "Bore Size|txtCylinderBore(1)|%4",
                            "Room Temperature|txtRoomTemp|%5", "Stroke Length|txtStrokeLength|%4",
                            "Stroke Time|txtStrokTime|Seconds", "Number of Cylinders|txtNumCylinders|",
                            "Pressure Drop|txtPressureDrop|%1", "Volume|txtVolume|%6",
                            "Flow coefficient|txtCvFactor|%7", "Instantaneous Flow|txtInstFlow|%8",
                            "Total System Flow|txtSystemFlow|%8"};
    // %1 pressure, %2 force, %3 area, %4 length, %5 temperature, %6 volume,
    // %7 coefficient kind, %8 flow.
    const auto withUnits = [](QStringList rows, const QStringList &units) {
        for (QString &row : rows)
            for (qsizetype unit = 0; unit < units.size(); ++unit)
                row.replace(QStringLiteral("%%1").arg(unit + 1), units[unit]);
        return rows;
    };
    const auto imperial = [withUnits](const QStringList &rows, const QString &kind = QString()) {
        return withUnits(rows, {"PSI", "Pounds", "Sq. Inches", "Inches", QStringLiteral("\u00b0 F"), "Cubic Inch.",
                                kind, "SCFM"});
    };
    const auto metric = [withUnits](const QStringList &rows, const QString &kind = QString()) {
        return withUnits(rows, {"Bar", "Newtons", "Sq. mm", "mm", QStringLiteral("\u00b0 c"), "Cubic mm", kind,
                                "L/min"});
    };
    const Typing boreInputs{"txtAirPressure(0)=80", "txtForceRequired=500"};
    const Typing forceInputs{"txtCylinderBore(0)=2", "txtRodDiameter=0.625", "txtAirPressure(1)=80"};
    const Typing valveImperial{"txtAirPressure(2)=80", "txtStrokeLength=4", "txtStrokTime=1", "txtCylinderBore(1)=2",
                               "txtRoomTemp=68", "txtNumCylinders=1", "txtPressureDrop=5"};
    const Typing valveMetric{"txtAirPressure(2)=6", "txtStrokeLength=100", "txtStrokTime=1", "txtCylinderBore(1)=50",
                             "txtRoomTemp=20", "txtNumCylinders=1", "txtPressureDrop=0.5"};

    QTest::newRow("bore, imperial") << 0 << 0 << -1 << boreInputs << imperial(bore) << "Cylinder Bore" << false
                                    << QString();
    QTest::newRow("bore, metric") << 0 << 1 << -1 << Typing{"txtAirPressure(0)=6", "txtForceRequired=2000"}
                                  << metric(bore) << "Cylinder Bore" << false << QString();
    QTest::newRow("force, imperial") << 1 << 0 << -1 << forceInputs << imperial(force) << "Cylinder Force" << false
                                     << QString();
    QTest::newRow("force, metric") << 1 << 1 << -1
                                   << Typing{"txtCylinderBore(0)=50", "txtRodDiameter=20", "txtAirPressure(1)=6"}
                                   << metric(force) << "Cylinder Force" << false << QString();
    QTest::newRow("valve, imperial, Cv") << 2 << 0 << 0 << valveImperial << imperial(valve, "CV Factor")
                                         << "Valve Flow" << false << QString();
    QTest::newRow("valve, imperial, Kv") << 2 << 0 << 1 << valveImperial << imperial(valve, "kV Factor")
                                         << "Valve Flow" << false << QString();
    QTest::newRow("valve, metric, Kv") << 2 << 1 << 1 << valveMetric << metric(valve, "kV Factor") << "Valve Flow"
                                       << false << QString();
    QTest::newRow("valve, metric, Cv") << 2 << 1 << 0 << valveMetric << metric(valve, "CV Factor") << "Valve Flow"
                                       << false << QString();
    Typing outsideRange = valveImperial;
    outsideRange.last() = QStringLiteral("txtPressureDrop=50");
    QTest::newRow("valve, imperial, drop outside the formula's range")
        << 2 << 0 << 0 << outsideRange << imperial(valve, "CV Factor") << "Valve Flow" << true << QString();
    const QStringList germanValve{
        "Betriebsdruck|txtAirPressure(2)|bar", "Kolbendurchmesser|txtCylinderBore(1)|mm",
        "Umgebungstemperatur|txtRoomTemp|°C", "Hub|txtStrokeLength|mm", "Hubzeit|txtStrokTime|s",
        "Anzahl Zylinder|txtNumCylinders|", "Druckabfall|txtPressureDrop|bar", "Hubvolumen|txtVolume|mm³",
        "Durchflusskoeffizient|txtCvFactor|Kv-Wert", "Momentaner Durchfluss|txtInstFlow|Nl/min",
        "Gesamtdurchfluss|txtSystemFlow|Nl/min"};
    Typing germanTyping = valveMetric;
    germanTyping.replaceInStrings(QStringLiteral("=0.5"), QStringLiteral("=0,5"));
    QTest::newRow("valve, metric, Kv, in German") << 2 << 1 << 1 << germanTyping << germanValve << "Ventildurchfluss"
                                                  << false << "de";
    const QStringList japaneseValve{
        "使用圧力|txtAirPressure(2)|Bar", "シリンダ内径|txtCylinderBore(1)|mm", "周囲温度|txtRoomTemp|°C",
        "ストローク|txtStrokeLength|mm", "ストローク時間|txtStrokTime|秒", "シリンダ本数|txtNumCylinders|",
        "圧力降下|txtPressureDrop|Bar", "行程容積|txtVolume|mm³", "流量係数|txtCvFactor|Kv値",
        "瞬時流量|txtInstFlow|L/min (ANR)", "システム総流量|txtSystemFlow|L/min (ANR)"};
    QTest::newRow("valve, metric, Kv, in Japanese") << 2 << 1 << 1 << valveMetric << japaneseValve << "バルブ流量"
                                                    << false << "ja";
}

// After a worked case, the saved PDF holds every field of the panel as a row
// of caption, text as shown and unit; the plain text has the same rows as
// tab-separated lines. No stale line: nothing changed after Calculate. The
// 53 % advice is there exactly when Calculate showed it.
void tst_PanelReport::savedReportHoldsEveryField()
{
    QFETCH(int, panel);
    QFETCH(int, units);
    QFETCH(int, kind);
    QFETCH(Typing, typing);
    QFETCH(QStringList, rows);
    QFETCH(QString, panelName);
    QFETCH(bool, advice);
    QFETCH(QString, language);

    // Gone with the test: a translator takes itself out of the application.
    Language translation;
    if (!language.isEmpty()) {
        QLocale::setDefault(QLocale(language));
        translation.load(Language::fromCode(language));
        translation.install();
    }
    // The report's own texts in the window's language.
    const auto say = [](const char *context, const char *text) { return QCoreApplication::translate(context, text); };

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;
    calculate(window, panel, units, kind, typing);
    const bool adviceShown = std::ranges::any_of(boxes.seen(), [](const auto &box) { return box.text == adviceLine; });
    QCOMPARE(adviceShown, advice);
    QCOMPARE(boxes.seen().size(), advice ? 1 : 0);
    const WindowDriver::WindowState before = stateOf(window);

    const QString path = m_folder.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    QVERIFY(window.saveReport(path));
    QCOMPARE(stateOf(window), before);
    const QString pdf = pdfText(path);
    QVERIFY2(!pdf.isEmpty(), "pdftotext read nothing");
    const QString plain = window.reportText();

    QVERIFY(pdf.contains(QStringLiteral("Corvane Calculator 2.00.0041")));
    QVERIFY(pdf.contains(panelName));
    QVERIFY(pdf.contains(say("frmPressureCalc", units == 0 ? "Imperial" : "Metric")));
    for (const QString &heading : {say("PanelReport", "Input Values"), say("PanelReport", "Output Values")})
        QVERIFY(pdf.contains(heading) && plain.contains(heading));
    QCOMPARE(plain.contains(say("PanelReport", "System Totals")), panel == 2);

    qsizetype previousLine = -1;
    int decimalCommas = 0;
    int decimalPoints = 0;
    const QStringList plainLines = plain.split(u'\n');
    for (const QString &row : rows) {
        const QStringList parts = row.split(u'|');
        QString value = text(window, parts[1]);
        QString unit = parts[2];
        if (value.isEmpty()) {
            value = say("PanelReport", "none");
            unit.clear();
        }
        // Numbers as de_DE writes them: a decimal comma, points only between
        // groups of thousands.
        if (language == QLatin1String("de") && value != say("PanelReport", "none")) {
            static const QRegularExpression german(QStringLiteral("^-?(\\d+|\\d{1,3}(\\.\\d{3})+)(,\\d+)?$"));
            QVERIFY2(german.match(value).hasMatch(), qPrintable(row + QStringLiteral(" = ") + value));
            decimalCommas += value.contains(u',');
        }
        // As ja_JP writes them: a decimal point, commas only between groups
        // of thousands.
        if (language == QLatin1String("ja") && value != say("PanelReport", "none")) {
            static const QRegularExpression japanese(QStringLiteral("^-?(\\d+|\\d{1,3}(,\\d{3})+)(\\.\\d+)?$"));
            QVERIFY2(japanese.match(value).hasMatch(), qPrintable(row + QStringLiteral(" = ") + value));
            decimalPoints += value.contains(u'.');
        }
        QVERIFY2(hasPdfRow(pdf, parts[0], value, unit), qPrintable(row + QStringLiteral(" = ") + value));
        const qsizetype line = plainLines.indexOf(QStringList{parts[0], value, unit}.join(u'\t'));
        QVERIFY2(line > previousLine, qPrintable(row));
        previousLine = line;
    }
    QVERIFY(language != QLatin1String("de") || decimalCommas > 0);
    QVERIFY(language != QLatin1String("ja") || decimalPoints > 0);
    // Every field of the panel is in the report, whatever rows the field
    // table gains: its caption and its text on one line.
    for (const Field &tableField : window.fields()) {
        if (tableField.panel != panel)
            continue;
        const QLineEdit *field = tableField.edit;
        const QString expected = field->accessibleName() + u'\t'
                                 + (field->text().isEmpty() ? say("PanelReport", "none") : field->text());
        QVERIFY2(std::ranges::any_of(plainLines, [&](const QString &line) { return line.startsWith(expected); }),
                 tableField.row->field);
    }

    QVERIFY(!pdf.contains(QStringLiteral("Inputs changed")));
    QVERIFY(!plain.contains(staleText));
    // The advice, as the box showed it, on one line of the plain text.
    QCOMPARE(plainLines.contains(adviceLine), adviceShown);
    QCOMPARE(pdf.contains(QStringLiteral("53%")), adviceShown);
    // The disclaimer's last sentence, however the page breaks its lines.
    const auto squeezed = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); };
    QVERIFY(squeezed(pdf).contains(squeezed(frmPressureCalc::disclaimerText().section(QStringLiteral(". "), -1))));
    QVERIFY(plain.trimmed().endsWith(frmPressureCalc::disclaimerText()));
}

void tst_PanelReport::staleLine_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<Typing>("typing");
    QTest::addColumn<bool>("calculate");
    // What happens after Calculate: "type field=text", "units N", "kind N",
    // "panel N" (and back), "add" (Total System Flow).
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("stale");

    const Typing bore{"txtAirPressure(0)=80", "txtForceRequired=500"};
    const Typing force{"txtCylinderBore(0)=2", "txtRodDiameter=0.625", "txtAirPressure(1)=80"};
    const Typing valve{"txtAirPressure(2)=80", "txtStrokeLength=4", "txtStrokTime=1", "txtCylinderBore(1)=2",
                       "txtRoomTemp=68", "txtNumCylinders=1", "txtPressureDrop=5"};

    // Never calculated is said otherwise (notCalculatedLine).
    QTest::newRow("bore, never calculated") << 0 << Typing{} << false << QStringList{} << false;
    QTest::newRow("valve, typed but not calculated") << 2 << valve << false << QStringList{} << false;
    QTest::newRow("bore, calculated") << 0 << bore << true << QStringList{} << false;
    QTest::newRow("bore, force edited after") << 0 << bore << true << QStringList{"type txtForceRequired=600"}
                                              << true;
    QTest::newRow("bore, safety factor edited after")
        << 0 << bore << true << QStringList{"type txtSafetyFactor=2"} << true;
    QTest::newRow("force, rod edited after") << 1 << force << true << QStringList{"type txtRodDiameter=1"} << true;
    QTest::newRow("force, edited then calculated again")
        << 1 << force << true << QStringList{"type txtRodDiameter=1", "calculate"} << false;
    QTest::newRow("force, unit switch after") << 1 << force << true << QStringList{"units 1"} << false;
    QTest::newRow("force, switched there and back") << 1 << force << true << QStringList{"units 1", "units 0"}
                                                    << false;
    QTest::newRow("force, another panel edited") << 1 << force << true
                                                 << QStringList{"type txtAirPressure(0)=90"} << false;
    QTest::newRow("valve, calculated") << 2 << valve << true << QStringList{} << false;
    QTest::newRow("valve, kind changed after") << 2 << valve << true << QStringList{"kind 1"} << false;
    QTest::newRow("valve, added to the total") << 2 << valve << true << QStringList{"add"} << false;
    QTest::newRow("valve, drop edited after") << 2 << valve << true << QStringList{"type txtPressureDrop=4"}
                                              << true;
}

// The stale line appears when an input of the panel was edited after its
// last Calculate, or it was never calculated; not after the unit switch, the
// coefficient kind or the total, which convert or add but edit no input.
void tst_PanelReport::staleLine()
{
    QFETCH(int, panel);
    QFETCH(Typing, typing);
    QFETCH(bool, calculate);
    QFETCH(QStringList, after);
    QFETCH(bool, stale);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;
    const char *buttons[] = {"btnCalcBoreSize", "btnCalcForce", "btnCalcCV"};
    selectPanel(window, panel);
    typeAll(window, typing);
    if (calculate)
        click(window, QString::fromLatin1(buttons[panel]));
    for (const QString &step : after) {
        const QString argument = step.section(u' ', 1);
        if (step.startsWith(QStringLiteral("type ")))
            typeAll(window, {argument});
        else if (step.startsWith(QStringLiteral("units ")))
            useUnits(window, argument.toInt());
        else if (step.startsWith(QStringLiteral("kind ")))
            click(window, QStringLiteral("optCVType(%1)").arg(argument));
        else if (step == QStringLiteral("add"))
            click(window, QStringLiteral("btnSumSCFM"));
        else if (step == QStringLiteral("calculate"))
            click(window, QString::fromLatin1(buttons[panel]));
        else
            QFAIL(qPrintable(step));
        // The report is of the panel that was calculated.
        selectPanel(window, panel);
    }
    QCOMPARE(boxes.seen().size(), 0);
    QCOMPARE(window.reportText().split(u'\n').contains(staleText), stale);
    if (calculate) {
        // Read back from the PDF too, for one case of each.
        const QString path = m_folder.filePath(QStringLiteral("stale-%1.pdf").arg(QTest::currentDataTag()));
        QVERIFY(window.saveReport(path));
        QCOMPARE(pdfText(path, false).simplified().contains(QStringLiteral("press Calculate before relying")),
                 stale);
    }
}

// The report takes each text as shown, in the user's locale: a German window
// shows and reports a decimal comma.
void tst_PanelReport::notCalculatedLine_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<Typing>("typing");
    QTest::addColumn<bool>("calculate");
    QTest::addColumn<bool>("notCalculated");
    const Typing valve{"txtAirPressure(2)=80", "txtStrokeLength=4", "txtStrokTime=1", "txtCylinderBore(1)=2",
                       "txtRoomTemp=68", "txtNumCylinders=1", "txtPressureDrop=5"};
    QTest::newRow("bore, never calculated") << 0 << Typing{} << false << true;
    QTest::newRow("valve, typed but not calculated") << 2 << valve << false << true;
    QTest::newRow("valve, calculated") << 2 << valve << true << false;
    Typing tooMany = valve;
    tooMany.append(QStringLiteral("txtNumCylinders=40000"));
    QTest::newRow("valve, Calculate refused") << 2 << tooMany << true << true;
}

// A panel never calculated says so, and not that its inputs changed since.
void tst_PanelReport::notCalculatedLine()
{
    QFETCH(int, panel);
    QFETCH(Typing, typing);
    QFETCH(bool, calculate);
    QFETCH(bool, notCalculated);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;
    selectPanel(window, panel);
    typeAll(window, typing);
    if (calculate)
        click(window, panel == 0 ? QStringLiteral("btnCalcBoreSize") : QStringLiteral("btnCalcCV"));
    const QStringList lines = window.reportText().split(u'\n');
    QCOMPARE(lines.contains(QStringLiteral("Not calculated yet")), notCalculated);
    QVERIFY(!lines.contains(staleText));
    const QString path = m_folder.filePath(QStringLiteral("not-calculated-%1.pdf").arg(QTest::currentDataTag()));
    QVERIFY(window.saveReport(path));
    QCOMPARE(pdfText(path, false).contains(QStringLiteral("Not calculated yet")), notCalculated);
}

void tst_PanelReport::valuesAsShownInTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculate(window, 1, 0, -1, {"txtCylinderBore(0)=2", "txtRodDiameter=0,625", "txtAirPressure(1)=80"});
    const QString pull = text(window, QStringLiteral("txtPullForce"));
    QVERIFY2(pull.contains(u','), qPrintable(pull));
    const QStringList lines = window.reportText().split(u'\n');
    QVERIFY(lines.contains(QStringLiteral("Rod Diameter\t0,625\tInches")));
    QVERIFY(lines.contains(QStringLiteral("Force (Pull)\t") + pull + QStringLiteral("\tPounds")));
}

// Copy Results puts the plain text (a row a line, three tab-separated
// columns) and an HTML table on the clipboard.
void tst_PanelReport::clipboardHasTextAndHtml()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculate(window, 1, 0, -1, {"txtCylinderBore(0)=2", "txtRodDiameter=0.625", "txtAirPressure(1)=80"});
    QApplication::clipboard()->clear();
    action(window, "actionCopyResults")->trigger();

    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QVERIFY(copied->hasText() && copied->hasHtml());
    const QStringList lines = copied->text().split(u'\n');
    const QString push = text(window, QStringLiteral("txtPushForce"));
    QVERIFY(lines.contains(QStringLiteral("Force (Push)\t") + push + QStringLiteral("\tPounds")));
    QVERIFY(lines.contains(QStringLiteral("Bore Size\t2\tInches")));
    for (const QString &line : lines)
        QVERIFY2(line.count(u'\t') <= 2, qPrintable(line));
    const QString html = copied->html();
    QVERIFY(html.contains(QStringLiteral("<table")));
    QVERIFY(html.contains(QStringLiteral("Force (Pull)")));
    QVERIFY(html.contains(push));
    // The same report as reportText(), but for the minute it was made in.
    const auto withoutTime = [](QString text) { return text.split(u'\n').mid(3).join(u'\n'); };
    QCOMPARE(withoutTime(copied->text()), withoutTime(window.reportText()));
}

// A folder nothing can be written into: false, one message box with the
// reason, no file, the window as it was. As root, permission bits stop
// nothing, so the test writes into /proc/sys, which takes no new files.
void tst_PanelReport::saveIntoUnwritableFolderLeavesNothing()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculate(window, 0, 0, -1, {"txtAirPressure(0)=80", "txtForceRequired=500"});
    QString folder = m_folder.filePath(QStringLiteral("locked"));
    if (geteuid() == 0) {
        folder = QStringLiteral("/proc/sys");
    } else {
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("locked")));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QStringList before = entries(folder);
    const WindowDriver::WindowState state = stateOf(window);
    const QString path = folder + QStringLiteral("/corvane-report.pdf");

    MessageBoxWatcher boxes;
    QVERIFY(!window.saveReport(path));
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().front().icon, QMessageBox::Warning);
    QVERIFY2(boxes.seen().front().text.contains(path), qPrintable(boxes.seen().front().text));
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(entries(folder), before);
    QCOMPARE(stateOf(window), state);
    QCOMPARE(notesShown(window), QString());
    if (folder.startsWith(m_folder.path()))
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void tst_PanelReport::savedReportIsNoted_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("short name") << "noted.pdf";
    // One word wider than the window: the note breaks it.
    QTest::newRow("name wider than the window") << "corvane-" + QString(120, u'x') + ".pdf";
}

// A report saved says where, in the notes everyone sees, until the next
// action.
void tst_PanelReport::savedReportIsNoted()
{
    QFETCH(QString, name);
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculate(window, 0, 0, -1, {"txtAirPressure(0)=80", "txtForceRequired=500"});
    const QString path = m_folder.filePath(name);
    QVERIFY(window.saveReport(path));
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(notesShown(window), "Report saved as " + QDir::toNativeSeparators(path) + ".");
    QTRY_COMPARE(notesNotWhole(window), QString());
    typeInto(window, QStringLiteral("txtForceRequired"), QStringLiteral("600"));
    QCOMPARE(notesShown(window), QString());
}

// Save Report as PDF offers corvane-<panel>-<date>.pdf in the documents
// folder, adds ".pdf" to a name without it, and saves nothing when cancelled.
void tst_PanelReport::saveAsSuggestsANameInDocuments()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    QString suggested;
    QString answer;
    window.setSaveFileAsker([&](QWidget *parent, const QString &offered) {
        if (parent != &window)
            qWarning("the file dialog has no parent");
        suggested = offered;
        return answer;
    });
    selectPanel(window, 0);
    action(window, "actionSaveReport")->trigger();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(suggested, QDir(documents).filePath(QStringLiteral("corvane-cylinder-bore-%1.pdf")
                                                     .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")))));
    QVERIFY(entries(m_folder.path()).filter(QStringLiteral("chosen")).isEmpty());

    selectPanel(window, 2);
    answer = m_folder.filePath(QStringLiteral("chosen"));
    action(window, "actionSaveReport")->trigger();
    QVERIFY(suggested.endsWith(QStringLiteral("/corvane-valve-flow-%1.pdf")
                                   .arg(QDate::currentDate().toString(Qt::ISODate))));
    QVERIFY(pdfText(answer + QStringLiteral(".pdf")).contains(QStringLiteral("Valve Flow")));
}

// Print sets up the printer, asks the print dialog and prints the same page;
// here the dialog sends it to a PDF file, as "Print to File" does. A
// cancelled dialog prints nothing.
void tst_PanelReport::printPrintsTheSamePage()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    calculate(window, 1, 1, -1, {"txtCylinderBore(0)=50", "txtRodDiameter=20", "txtAirPressure(1)=6"});
    const QString path = m_folder.filePath(QStringLiteral("printed.pdf"));
    bool accept = false;
    int asked = 0;
    window.setPrintDialogRunner([&](QWidget *, QPrinter *printer) {
        ++asked;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return accept;
    });
    action(window, "actionPrint")->trigger();
    QCOMPARE(asked, 1);
    QVERIFY(!QFileInfo::exists(path));

    accept = true;
    action(window, "actionPrint")->trigger();
    QCOMPARE(asked, 2);
    const QString printed = pdfText(path);
    QVERIFY(hasPdfRow(printed, QStringLiteral("Force (Push)"), text(window, QStringLiteral("txtPushForce")),
                      QStringLiteral("Newtons")));
    QVERIFY(printed.contains(QStringLiteral("Metric")));
}

void tst_PanelReport::reportActionsDisabledOnTheDisclaimer()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    int asked = 0;
    window.setSaveFileAsker([&](QWidget *, const QString &) {
        ++asked;
        return QString();
    });
    const char *reportActions[] = {"actionSaveReport", "actionPrint", "actionCopyResults"};
    for (int panel : {0, 1, 2, 3, 1}) {
        selectPanel(window, panel);
        for (const char *name : reportActions)
            QCOMPARE(action(window, name)->isEnabled(), panel != 3);
    }
    selectPanel(window, 3);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(asked, 0);
    for (const char *name : {"actionQuit", "actionZoomIn", "actionWebsite", "actionAbout"})
        QVERIFY(action(window, name)->isEnabled());
}

void tst_PanelReport::shortcuts_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("effect");
    QTest::newRow("Ctrl+1") << "Ctrl+1" << "panel 0";
    QTest::newRow("Ctrl+2") << "Ctrl+2" << "panel 1";
    QTest::newRow("Ctrl+3") << "Ctrl+3" << "panel 2";
    QTest::newRow("Ctrl+4") << "Ctrl+4" << "panel 4";
    QTest::newRow("Ctrl+5") << "Ctrl+5" << "panel 5";
    // The disclaimer, Frame(3), is listed last.
    QTest::newRow("Ctrl+6") << "Ctrl+6" << "panel 3";
    QTest::newRow("Ctrl+S") << "Ctrl+S" << "save";
    QTest::newRow("Ctrl+P") << "Ctrl+P" << "print";
    QTest::newRow("Ctrl+Shift+C") << "Ctrl+Shift+C" << "copy";
    QTest::newRow("Ctrl+Q") << "Ctrl+Q" << "quit";
    QTest::newRow("Ctrl+C stays with the field") << "Ctrl+C" << "field copy";
}

// Each shortcut works with the focus in a field of the panel, where a user
// has it while working.
void tst_PanelReport::shortcuts()
{
    QFETCH(QString, keys);
    QFETCH(QString, effect);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("2"));
    QLineEdit *bore = WindowDriver::field(window, QStringLiteral("txtCylinderBore(0)"));
    bore->selectAll();
    int saved = 0;
    int printed = 0;
    window.setSaveFileAsker([&](QWidget *, const QString &) {
        ++saved;
        return QString();
    });
    window.setPrintDialogRunner([&](QWidget *, QPrinter *) {
        ++printed;
        return false;
    });
    QApplication::clipboard()->setText(QStringLiteral("before"));

    const QKeySequence sequence(keys);
    QTest::keySequence(QApplication::focusWidget(), sequence);
    QVERIFY(window.isVisible() == (effect != QStringLiteral("quit")));
    if (effect.startsWith(QStringLiteral("panel "))) {
        const int panel = effect.mid(6).toInt();
        QCOMPARE(window.currentCalculator(), panel);
        QVERIFY(control(window, QStringLiteral("Frame(%1)").arg(panel))->isVisible());
    }
    QCOMPARE(saved, effect == QStringLiteral("save") ? 1 : 0);
    QCOMPARE(printed, effect == QStringLiteral("print") ? 1 : 0);
    const QString clipboard = QApplication::clipboard()->text();
    if (effect == QStringLiteral("copy"))
        QVERIFY(clipboard.split(u'\n').contains(QStringLiteral("Bore Size\t2\tInches")));
    else if (effect == QStringLiteral("field copy"))
        QCOMPARE(clipboard, QStringLiteral("2"));
    else
        QCOMPARE(clipboard, QStringLiteral("before"));
}

void tst_PanelReport::menusFromTheKeyboard_data()
{
    QTest::addColumn<QString>("menuKey");
    QTest::addColumn<QString>("menuName");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("effect");
    QTest::newRow("File, Save Report as PDF") << "F" << "menuFile" << 0 << "save";
    QTest::newRow("File, Print") << "F" << "menuFile" << 1 << "print";
    QTest::newRow("File, Quit") << "F" << "menuFile" << 2 << "quit";
    QTest::newRow("Edit, Copy Results") << "E" << "menuEdit" << 0 << "copy";
    QTest::newRow("View, Cylinder Force") << "V" << "menuView" << 1 << "panel 1";
    QTest::newRow("View, Valve Flow") << "V" << "menuView" << 2 << "panel 2";
    QTest::newRow("View, Stroke Time") << "V" << "menuView" << 3 << "panel 4";
    QTest::newRow("View, Rod Buckling") << "V" << "menuView" << 4 << "panel 5";
    QTest::newRow("View, Disclaimer") << "V" << "menuView" << 5 << "panel 3";
    QTest::newRow("View, Zoom In") << "V" << "menuView" << 6 << "zoom in";
    QTest::newRow("View, Zoom Out") << "V" << "menuView" << 7 << "zoom out";
    QTest::newRow("View, Actual Size") << "V" << "menuView" << 8 << "actual size";
    QTest::newRow("Help, Corvane Website") << "H" << "menuHelp" << 0 << "website";
    QTest::newRow("Help, About") << "H" << "menuHelp" << 1 << "about";
}

// Alt and the menu's letter open it; the arrow keys walk it (skipping
// separators) and Return triggers the action.
void tst_PanelReport::menusFromTheKeyboard()
{
    QFETCH(QString, menuKey);
    QFETCH(QString, menuName);
    QFETCH(int, downs);
    QFETCH(QString, effect);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("2"));
    const QSize actualSize = window.size();
    if (effect == QStringLiteral("actual size") || effect == QStringLiteral("zoom out"))
        QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    const QSize zoomedFrom = window.size();
    int saved = 0;
    int printed = 0;
    int opened = 0;
    window.setSaveFileAsker([&](QWidget *, const QString &) {
        ++saved;
        return QString();
    });
    window.setPrintDialogRunner([&](QWidget *, QPrinter *) {
        ++printed;
        return false;
    });
    window.setWebsiteOpener([&](const QUrl &, const WebsiteLink::OpenedCallback &done) {
        ++opened;
        done(true);
    });
    QApplication::clipboard()->setText(QStringLiteral("before"));
    MessageBoxWatcher boxes;

    QTest::keyClick(QApplication::focusWidget(), menuKey.at(0).toLatin1(), Qt::AltModifier);
    QTRY_VERIFY(openMenu());
    QCOMPARE(openMenu()->objectName(), menuName);
    // The first action is active when the menu opens from the keyboard.
    for (int step = 0; step < downs; ++step)
        QTest::keyClick(openMenu(), Qt::Key_Down);
    QTest::keyClick(openMenu(), Qt::Key_Return);
    QTRY_VERIFY(!openMenu());

    QCOMPARE(saved, effect == QStringLiteral("save") ? 1 : 0);
    QCOMPARE(printed, effect == QStringLiteral("print") ? 1 : 0);
    QCOMPARE(opened, effect == QStringLiteral("website") ? 1 : 0);
    QCOMPARE(window.isVisible(), effect != QStringLiteral("quit"));
    QCOMPARE(QApplication::clipboard()->text().contains(QStringLiteral("Bore Size\t2\tInches")),
             effect == QStringLiteral("copy"));
    QCOMPARE(window.currentCalculator(), effect.startsWith(QStringLiteral("panel ")) ? effect.mid(6).toInt() : 1);
    if (effect == QStringLiteral("zoom in"))
        QVERIFY(window.width() > zoomedFrom.width() && window.height() > zoomedFrom.height());
    if (effect == QStringLiteral("zoom out") || effect == QStringLiteral("actual size"))
        QVERIFY(window.width() < zoomedFrom.width() && window.height() < zoomedFrom.height());
    if (effect == QStringLiteral("actual size"))
        QCOMPARE(window.size(), actualSize);
    if (effect == QStringLiteral("about"))
        QTRY_COMPARE(boxes.seen().size(), 1);
    else
        QCOMPARE(boxes.seen().size(), 0);
}

// About: the name, the version, what it does, the licence and the Qt version.
void tst_PanelReport::aboutBox()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;
    action(window, "actionAbout")->trigger();
    QCOMPARE(boxes.seen().size(), 1);
    const MessageBoxWatcher::Seen &about = boxes.seen().front();
    QCOMPARE(about.title, QStringLiteral("About Corvane Calculator"));
    QCOMPARE(about.buttonCount, 1);
    for (const QString &part : {QStringLiteral("Corvane Calculator 2.00.0041"), QStringLiteral("pneumatic cylinders"),
                                QStringLiteral("MIT"), QStringLiteral("LICENSE"),
                                QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion()))})
        QVERIFY2(about.text.contains(part), qPrintable(part));
}

// The menu bar lies above the canvas across the window's width and the
// status bar below it; the window keeps its size on every panel and through
// a calculation and the report commands, whose notes the status bar shows.
void tst_PanelReport::barsAroundTheCanvasKeepOneSize()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    const auto *bar = window.findChild<QMenuBar *>();
    QVERIFY(bar);
    QVERIFY(bar->height() > 0);
    const QWidget *canvas = control(window, QStringLiteral("canvas"));
    const auto *notes = control<QStatusBar>(window, QStringLiteral("statusBar"));
    QCOMPARE(bar->geometry(), QRect(0, 0, window.width(), bar->height()));
    QCOMPARE(canvas->geometry(), QRect(0, bar->height(), window.width(), canvas->height()));
    QCOMPARE(notes->geometry(), QRect(0, bar->height() + canvas->height(), window.width(), notes->height()));
    QCOMPARE(window.height(), bar->height() + canvas->height() + notes->height());

    const QSize size = window.size();
    for (int panel : {1, 2, 3, 0}) {
        selectPanel(window, panel);
        QCOMPARE(window.size(), size);
    }
    // A note in the status bar: no air flows. The watcher answers any box.
    MessageBoxWatcher boxes;
    calculate(window, 2, 0, 0, {"txtAirPressure(2)=80", "txtStrokeLength=4", "txtStrokTime=1",
                                "txtCylinderBore(1)=2", "txtRoomTemp=68", "txtNumCylinders=1",
                                "txtPressureDrop=90"});
    QVERIFY(!notes->currentMessage().isEmpty());
    QCOMPARE(window.size(), size);
    QVERIFY(window.saveReport(m_folder.filePath(QStringLiteral("size.pdf"))));
    action(window, "actionCopyResults")->trigger();
    QCOMPARE(window.size(), size);

    QStringList titles;
    for (const QAction *menu : bar->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({"&File", "&Edit", "&View", "&Help"}));
}

void tst_PanelReport::panelKeysGiveThePanelTheFocus_data()
{
    QTest::addColumn<QString>("start"); // the control that has the focus first
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("focused");

    QTest::newRow("disclaimer, from a field")
        << "txtAirPressure(0)" << QStringList{"Ctrl+6"} << 3 << "txtdisclaimer";
    QTest::newRow("disclaimer, then cylinder bore")
        << "txtAirPressure(0)" << QStringList{"Ctrl+6", "Ctrl+1"} << 0 << "txtAirPressure(0)";
    QTest::newRow("disclaimer, from the logo") << "Picture1" << QStringList{"Ctrl+6"} << 3 << "txtdisclaimer";
    QTest::newRow("disclaimer, then cylinder bore, from the logo")
        << "Picture1" << QStringList{"Ctrl+6", "Ctrl+1"} << 0 << "txtAirPressure(0)";
    QTest::newRow("cylinder bore, from the logo") << "Picture1" << QStringList{"Ctrl+1"} << 0 << "txtAirPressure(0)";
    QTest::newRow("cylinder force, from the unit selector")
        << "Option1(0)" << QStringList{"Ctrl+2"} << 1 << "txtAirPressure(1)";
    QTest::newRow("valve flow, from the calculator selector")
        << "optCalculator(0)" << QStringList{"Ctrl+3"} << 2 << "txtAirPressure(2)";
    QTest::newRow("stroke time, from a result")
        << "txtAreaRequired" << QStringList{"Ctrl+4"} << 4 << "txtTimeAirPressure";
    QTest::newRow("rod buckling, from a command") << "btnCalcBoreSize" << QStringList{"Ctrl+5"} << 5 << "txtBuckleRod";
    QTest::newRow("the panel shown, from its command")
        << "btnCalcBoreSize" << QStringList{"Ctrl+1"} << 0 << "txtAirPressure(0)";
}

// The panel's key (Ctrl+1 upwards, the View menu's) chooses the panel: its
// first input takes the focus, or on the disclaimer its text, wherever the
// focus was.
void tst_PanelReport::panelKeysGiveThePanelTheFocus()
{
    QFETCH(QString, start);
    QFETCH(QStringList, keys);
    QFETCH(int, panel);
    QFETCH(QString, focused);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    control(window, start)->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), control(window, start));
    for (const QString &keys : std::as_const(keys))
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys));
    QCOMPARE(window.currentCalculator(), panel);
    QCOMPARE(QApplication::focusWidget(), control(window, focused));
    // Typing replaces an input's text, as after Tab.
    if (auto *input = qobject_cast<QLineEdit *>(QApplication::focusWidget())) {
        QTest::keyClicks(input, QStringLiteral("42"));
        QCOMPARE(input->text(), QStringLiteral("42"));
    }
}

void tst_PanelReport::dialogsGiveTheFocusBack_data()
{
    QTest::addColumn<QString>("command"); // the action triggered
    QTest::addColumn<QString>("answer");  // the file name given, or for Print "accept" or "cancel"
    QTest::addColumn<int>("boxes");       // message boxes shown after the dialog

    QTest::newRow("save, a name") << "actionSaveReport" << "saved" << 0;
    QTest::newRow("save, cancelled") << "actionSaveReport" << "" << 0;
    QTest::newRow("save, into a folder that takes no file") << "actionSaveReport" << "/proc/sys/saved" << 1;
    QTest::newRow("print, accepted") << "actionPrint" << "accept" << 0;
    QTest::newRow("print, cancelled") << "actionPrint" << "cancel" << 0;
    QTest::newRow("about") << "actionAbout" << "" << 1;
}

// However a dialog is answered, the window is active again once it has
// closed and the field keeps the focus: the next key reaches it. A window
// manager may leave no window active (openbox after the overwrite question
// of the file dialog); the offscreen platform never gives the focus back.
void tst_PanelReport::dialogsGiveTheFocusBack()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(int, boxes);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("2"));
    QLineEdit *bore = field(window, QStringLiteral("txtCylinderBore(0)"));

    // A dialog of the window that takes the focus while it is up.
    int dialogs = 0;
    const auto runDialog = [&dialogs](QWidget *parent) {
        ++dialogs;
        QDialog dialog(parent);
        QTimer closer;
        int waited = 0;
        QObject::connect(&closer, &QTimer::timeout, &dialog, [&dialog, &waited] {
            if (QApplication::activeWindow() == &dialog)
                dialog.accept();
            else if (++waited == 5000)
                dialog.reject(); // the check below fails: the window never lost the focus
        });
        closer.start(1);
        dialog.exec();
        if (waited >= 5000)
            qWarning("the dialog did not take the focus");
    };
    const QString path = answer.isEmpty() || answer.startsWith(u'/') ? answer : m_folder.filePath(answer);
    window.setSaveFileAsker([&](QWidget *parent, const QString &) {
        runDialog(parent);
        return path;
    });
    window.setPrintDialogRunner([&](QWidget *parent, QPrinter *printer) {
        runDialog(parent);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_folder.filePath(QStringLiteral("printed-for-focus.pdf")));
        return answer == QStringLiteral("accept");
    });
    MessageBoxWatcher watcher;

    action(window, qPrintable(command))->trigger();
    QCOMPARE(dialogs, command == QStringLiteral("actionAbout") ? 0 : 1);
    QTRY_COMPARE(watcher.seen().size(), boxes);
    QTRY_COMPARE(QApplication::activeWindow(), &window);
    QTRY_COMPARE(QApplication::focusWidget(), bore);
    if (command == QStringLiteral("actionSaveReport") && answer == QStringLiteral("saved"))
        QVERIFY(QFileInfo::exists(path + QStringLiteral(".pdf")));

    // The next Ctrl+S asks again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs, command == QStringLiteral("actionAbout") ? 1 : 2);
}

void tst_PanelReport::saveAsOffersTheLastFolder_data()
{
    // The names given in turn, under a folder of the test's: "" cancels, a
    // folder that does not exist takes no file.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("panel"); // shown for the last Save as
    QTest::addColumn<QString>("offeredFolder"); // under the test's folder; "" for the documents folder

    QTest::newRow("at first, the documents folder") << QStringList{} << 0 << "";
    QTest::newRow("after a save, its folder") << QStringList{"a/one"} << 0 << "a";
    QTest::newRow("after a save, its folder, for another panel") << QStringList{"a/one"} << 2 << "a";
    QTest::newRow("the last of two") << QStringList{"a/one", "b/two.pdf"} << 0 << "b";
    QTest::newRow("a cancel changes nothing") << QStringList{"a/one", ""} << 0 << "a";
    QTest::newRow("a failed save changes nothing") << QStringList{"a/one", "missing/two"} << 0 << "a";
    QTest::newRow("a failed first save, the documents folder") << QStringList{"missing/one"} << 0 << "";
}

// Save Report as PDF offers the folder the last report was saved in, for
// the rest of the run; the name is made anew for the panel shown.
void tst_PanelReport::saveAsOffersTheLastFolder()
{
    QFETCH(QStringList, answers);
    QFETCH(int, panel);
    QFETCH(QString, offeredFolder);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    for (const char *folder : {"a", "b"})
        QVERIFY(QDir(root.path()).mkdir(QString::fromLatin1(folder)));

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    MessageBoxWatcher boxes;
    QString answer;
    QString offered;
    window.setSaveFileAsker([&](QWidget *, const QString &suggested) {
        offered = suggested;
        return answer;
    });
    for (const QString &name : std::as_const(answers)) {
        answer = name.isEmpty() ? name : root.filePath(name);
        action(window, "actionSaveReport")->trigger();
    }
    QCOMPARE(boxes.seen().size(), answers.filter(QStringLiteral("missing/")).size());
    selectPanel(window, panel);
    answer.clear();
    action(window, "actionSaveReport")->trigger();

    const QString folder = offeredFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : root.filePath(offeredFolder);
    const QString names[] = {"cylinder-bore", "cylinder-force", "valve-flow"};
    QCOMPARE(offered, QDir(folder).filePath(QStringLiteral("corvane-%1-%2.pdf")
                                                .arg(names[panel], QDate::currentDate().toString(Qt::ISODate))));
}

QTEST_MAIN(tst_PanelReport)
#include "tst_panelReport.moc"
