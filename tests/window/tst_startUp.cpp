// SPDX-License-Identifier: MIT
// The window as it opens: its controls, start-up state, tab order and the
// calculator selector.
#include "applicationInfo.h"
#include "controlTable.h"
#include "quantityTable.h"
#include "frmPressureCalc.h"
#include "windowDriver.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QLayout>
#include <QTest>

using namespace WindowDriver;

namespace {

// What the menu bar adds to the window's height.
int menuBarHeight(const frmPressureCalc &window)
{
    const auto *bar = window.findChild<QMenuBar *>();
    return bar ? bar->height() : 0;
}

const QString degreeF = QChar(0x00B0) + QStringLiteral(" F");
const QString degreeC = QChar(0x00B0) + QStringLiteral(" c");

const QStringList outputFields{"txtAreaRequired", "txtMinBoreSize",    "txtPushForce",
                               "txtPullForce",    "txtVolume",         "txtCvFactor",
                               "txtInstFlow",     "txtSystemFlow",     "txtAirConsumption",
                               "txtSystemConsumption"};
// Results too, but empty until there is a standard bore to show.
const QStringList standardBoreFields{"txtStandardBore", "txtStandardForce"};
const QStringList inputFields{"txtAirPressure(0)", "txtForceRequired",   "txtSafetyFactor",
                              "txtAirPressure(1)", "txtCylinderBore(0)", "txtRodDiameter",
                              "txtAirPressure(2)", "txtCylinderBore(1)", "txtRoomTemp",
                              "txtStrokeLength",   "txtStrokTime",       "txtNumCylinders",
                              "txtPressureDrop",   "txtCycleRate"};

QList<QWidget *> visiblePanels(const frmPressureCalc &window)
{
    QList<QWidget *> visible;
    for (QWidget *panel : controlArray(window, QStringLiteral("Frame")))
        if (panel->isVisibleTo(const_cast<frmPressureCalc *>(&window)))
            visible.append(panel);
    return visible;
}

bool checked(const frmPressureCalc &window, const QString &name)
{
    return control<QRadioButton>(window, name)->isChecked();
}

} // namespace

class tst_StartUp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void windowFrame();
    void layoutScalesWithTheApplicationFont_data();
    void layoutScalesWithTheApplicationFont();
    void everyControlHasItsKindAndPlace();
    void controlArraysHaveTheirElementCounts();
    void startUpState();
    void unitCaptionsAreImperial();
    void fieldsHoldStartUpTexts();
    void outputAndDisclaimerFieldsRejectTyping();
    void disclaimerText();
    void selectorGroupsAreIndependent();
    void selectingPanelsKeepsOneVisibleAndKeepsTexts();
    void selectingTheSelectedPanelChangesNothing();
    void tabOrderFollowsTabIndices_data();
    void tabOrderFollowsTabIndices();
};

void tst_StartUp::windowFrame()
{
    frmPressureCalc window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Corvane Calculator"));
    // The panels at their design size, the menu bar above them and the
    // status bar below.
    const int menu = menuBarHeight(window);
    QVERIFY(menu > 0);
    const int bar = control(window, QStringLiteral("statusBar"))->sizeHint().height();
    QVERIFY(bar > 0);
    QCOMPARE(control(window, QStringLiteral("canvas"))->size(), QSize(379, 545));
    QCOMPARE(window.size(), QSize(379, menu + 545 + bar));
    window.layout()->activate();
    QCOMPARE(control(window, QStringLiteral("statusBar"))->y(), menu + 545);
    // It may be maximised or made larger, never smaller than the layout.
    QCOMPARE(window.minimumSize(), QSize(379, menu + 545 + bar));
    QVERIFY(window.maximumSize().width() > 379 && window.maximumSize().height() > menu + 545 + bar);
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("2.00.0041"));
}

void tst_StartUp::layoutScalesWithTheApplicationFont_data()
{
    QTest::addColumn<double>("pointSize");
    QTest::newRow("9 pt, as drawn") << 9.0;
    QTest::newRow("10.5 pt") << 10.5;
    QTest::newRow("13.5 pt, half as large again") << 13.5;
}

// Every place, size and font grows in proportion to the application font
// (within a pixel of the exact proportion).
void tst_StartUp::layoutScalesWithTheApplicationFont()
{
    QFETCH(double, pointSize);
    const QFont applicationFont = QApplication::font();
    QFont larger = applicationFont;
    larger.setPointSizeF(pointSize);
    QApplication::setFont(larger);
    const double scale = pointSize / 9.0;
    {
        frmPressureCalc window;
        const auto near = [scale](int pixels, int twips) { return std::abs(pixels - twips * scale / 15.0) <= 1.0; };
        const QWidget *canvas = control(window, QStringLiteral("canvas"));
        QVERIFY(near(canvas->width(), 5685) && near(canvas->height(), 8175));
        QCOMPARE(window.height(),
                 menuBarHeight(window) + canvas->height() + control(window, QStringLiteral("statusBar"))->height());
        QCOMPARE(window.font().pointSizeF(), 8.25 * scale);
        for (const ControlTable::Control &entry : ControlTable::controls()) {
            const QRect place = control(window, QString::fromLatin1(entry.name))->geometry();
            QVERIFY2(near(place.x(), entry.left) && near(place.y(), entry.top) && near(place.width(), entry.width)
                         && near(place.height(), entry.height),
                     entry.name);
        }
        for (const QLabel *label : window.findChildren<QLabel *>())
            QVERIFY2(label->font().pointSizeF() <= 8.25 * scale && label->font().pointSizeF() > 6.0 * scale - 1.5,
                     qPrintable(label->objectName()));
    }
    QApplication::setFont(applicationFont);
}

void tst_StartUp::everyControlHasItsKindAndPlace()
{
    using ControlTable::Kind;
    frmPressureCalc window;
    int checkedControls = 0;
    for (const ControlTable::Control &entry : ControlTable::controls()) {
        const QString name = QString::fromLatin1(entry.name);
        QWidget *widget = window.findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QVERIFY2(widget == control(window, name), qPrintable(name));

        const char *expectedClass = nullptr;
        switch (entry.kind) {
        case Kind::Frame: expectedClass = "QGroupBox"; break;
        case Kind::OptionButton: expectedClass = "QRadioButton"; break;
        case Kind::InputField:
        case Kind::OutputField: expectedClass = "QLineEdit"; break;
        case Kind::DisclaimerField: expectedClass = "QPlainTextEdit"; break;
        case Kind::CommandButton: expectedClass = "QPushButton"; break;
        case Kind::Label:
        case Kind::PictureBox: expectedClass = "QLabel"; break;
        }
        QVERIFY2(widget->inherits(expectedClass), qPrintable(name));

        // Window-level controls lie on the canvas that fills the client area.
        QWidget *canvas = window.findChild<QWidget *>(QStringLiteral("canvas"));
        QVERIFY(canvas && canvas->parentWidget() == &window);
        QWidget *expectedParent = entry.container ? control(window, QString::fromLatin1(entry.container))
                                                  : canvas;
        QVERIFY2(widget->parentWidget() == expectedParent, qPrintable(name));
        QCOMPARE(widget->geometry(),
                 QRect(qRound(entry.left / 15.0), qRound(entry.top / 15.0),
                       qRound(entry.width / 15.0), qRound(entry.height / 15.0)));
        // Wholly inside its container, the client area included.
        QVERIFY2(expectedParent->rect().contains(widget->geometry()), qPrintable(name));
        ++checkedControls;
    }
    QCOMPARE(checkedControls, 103);
    QCOMPARE(control<QPushButton>(window, QStringLiteral("btnSumSCFM"))->toolTip(),
             QStringLiteral("Click here to accumulate values for your Total System Flow and your System Consumption"));
    QCOMPARE(control<QPushButton>(window, QStringLiteral("btnResetSCFM"))->toolTip(),
             QStringLiteral("Click here to set your Total System Flow and your System Consumption back to 0"));
    QCOMPARE(field(window, QStringLiteral("txtCycleRate"))->toolTip(),
             QStringLiteral("Complete cycles (extend and retract) each cylinder makes per minute"));
    QCOMPARE(field(window, QStringLiteral("txtAirConsumption"))->toolTip(),
             QStringLiteral("Free air the group uses per minute: both strokes at full bore, filled to the air "
                            "pressure (the rod's volume is not subtracted, which errs on the safe side)"));
    QCOMPARE(field(window, QStringLiteral("txtSystemConsumption"))->toolTip(),
             QStringLiteral("Running total of Air Consumption over the groups added with Total System Flow: what "
                            "the compressor must supply"));
    QCOMPARE(field(window, QStringLiteral("txtStandardBore"))->toolTip(),
             QStringLiteral("The smallest standard bore (NFPA in inches, ISO 3320 in mm) that gives at least the "
                            "area required"));
    QCOMPARE(field(window, QStringLiteral("txtStandardForce"))->toolTip(),
             QStringLiteral("The push force of the standard bore at this air pressure"));
    QVERIFY(!control<QLabel>(window, QStringLiteral("Picture1"))->pixmap().isNull());
    QCOMPARE(control<QLabel>(window, QStringLiteral("Picture1"))->pixmap().size(), QSize(156, 60));
}

void tst_StartUp::controlArraysHaveTheirElementCounts()
{
    frmPressureCalc window;
    const QList<std::pair<QString, int>> counts{
        {"Frame", 4},          {"optCalculator", 4},   {"Option1", 2},       {"txtAirPressure", 3},
        {"txtCylinderBore", 2}, {"lblPressureUnits", 4}, {"lblForceUnits", 4}, {"lblLengthUnits", 6},
        {"lblFlowUnits", 4},   {"optCVType", 2}};
    for (const auto &[name, count] : counts) {
        const QList<QWidget *> elements = controlArray(window, name);
        QCOMPARE(elements.size(), count);
        for (int index = 0; index < count; ++index)
            QCOMPARE(elements[index]->objectName(), QStringLiteral("%1(%2)").arg(name).arg(index));
    }
}

void tst_StartUp::startUpState()
{
    frmPressureCalc window;
    QCOMPARE(window.currentCalculator(), qint16(0));
    QCOMPARE(window.unitSystem(), qint16(0));
    const QList<QWidget *> visible = visiblePanels(window);
    QCOMPARE(visible.size(), 1);
    QCOMPARE(visible.first()->objectName(), QStringLiteral("Frame(0)"));

    QVERIFY(checked(window, "Option1(0)"));
    QVERIFY(!checked(window, "Option1(1)"));
    QVERIFY(checked(window, "optCVType(0)"));
    QVERIFY(!checked(window, "optCVType(1)"));
    const QStringList captions{"Cylinder Bore", "Cylinder Force", "Valve Flow", "Disclaimer"};
    for (int index = 0; index < 4; ++index) {
        const QString name = QStringLiteral("optCalculator(%1)").arg(index);
        QCOMPARE(control<QRadioButton>(window, name)->text(), captions[index]);
        QCOMPARE(checked(window, name), index == 0);
    }

    // The unit captions of both systems, as the quantity table gives them.
    using QuantityTable::Quantity;
    QCOMPARE(QuantityTable::caption(Quantity::Temperature, frmPressureCalc::Imperial), degreeF);
    QCOMPARE(QuantityTable::caption(Quantity::Temperature, frmPressureCalc::Metric), degreeC);
    QCOMPARE(QuantityTable::caption(Quantity::Temperature, frmPressureCalc::Imperial).size(), 3);
    QCOMPARE(QuantityTable::caption(Quantity::Volume, frmPressureCalc::Metric), QStringLiteral("Cubic mm"));
}

void tst_StartUp::unitCaptionsAreImperial()
{
    frmPressureCalc window;
    const auto labelText = [&](const QString &name) { return control<QLabel>(window, name)->text(); };
    const QList<std::pair<QString, QString>> arrays{{"lblPressureUnits", "PSI"},
                                                    {"lblForceUnits", "Pounds"},
                                                    {"lblLengthUnits", "Inches"},
                                                    {"lblFlowUnits", "SCFM"}};
    for (const auto &[array, caption] : arrays)
        for (QWidget *label : controlArray(window, array))
            QCOMPARE(qobject_cast<QLabel *>(label)->text(), caption);
    QCOMPARE(labelText("lblAreaUnits"), QStringLiteral("Sq. Inches"));
    QCOMPARE(labelText("lbltemperatureUnits"), degreeF);
    QCOMPARE(labelText("lblVolumeUnits"), QStringLiteral("Cubic Inch."));
    QCOMPARE(labelText("Label31"), QStringLiteral("Seconds"));
    QCOMPARE(labelText("Label43"), QStringLiteral("Per Minute"));
    QCOMPARE(labelText("Label40"), QStringLiteral("Cycle Rate"));
    QCOMPARE(labelText("Label41"), QStringLiteral("Air Consumption"));
    QCOMPARE(labelText("Label42"), QStringLiteral("System Consumption"));
    QCOMPARE(labelText("txtStrokeTime"), QStringLiteral("Stroke Time"));
    QCOMPARE(labelText("cvLabel"), QString());
}

void tst_StartUp::fieldsHoldStartUpTexts()
{
    frmPressureCalc window;
    for (const QString &name : inputFields + outputFields)
        QCOMPARE(text(window, name), name == "txtNumCylinders" ? QStringLiteral("1") : QStringLiteral("0"));
    for (const QString &name : inputFields)
        QVERIFY2(!field(window, name)->isReadOnly(), qPrintable(name));
    // No standard bore before the first calculation.
    for (const QString &name : standardBoreFields)
        QCOMPARE(text(window, name), QString());
}

void tst_StartUp::outputAndDisclaimerFieldsRejectTyping()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    const auto rejectsTyping = [&window](const QString &name, const QString &startUpText) {
        QLineEdit *field = WindowDriver::field(window, name);
        QVERIFY2(field->isReadOnly(), qPrintable(name));
        QCOMPARE(field->palette().color(QPalette::Text), QColor(0, 0, 192));
        field->setFocus();
        QTest::keyClicks(field, "123");
        QCOMPARE(field->text(), startUpText);
    };
    selectPanel(window, 2);
    for (const char *name :
         {"txtVolume", "txtCvFactor", "txtInstFlow", "txtSystemFlow", "txtAirConsumption", "txtSystemConsumption"})
        rejectsTyping(QString::fromLatin1(name), QStringLiteral("0"));
    selectPanel(window, 0);
    for (const QString &name : standardBoreFields)
        rejectsTyping(name, QString());
    selectPanel(window, 3);
    auto *disclaimer = control<QPlainTextEdit>(window, QStringLiteral("txtdisclaimer"));
    QVERIFY(disclaimer->isReadOnly());
    QVERIFY(disclaimer->font().bold());
    disclaimer->setFocus();
    QTest::keyClicks(disclaimer, "xyz");
    QCOMPARE(disclaimer->toPlainText(), frmPressureCalc::disclaimerText());
}

void tst_StartUp::disclaimerText()
{
    frmPressureCalc window;
    const QString shown = control<QPlainTextEdit>(window, QStringLiteral("txtdisclaimer"))->toPlainText();
    QVERIFY(shown.startsWith("This program is furnished only as a guide. The material contained"));
    QVERIFY(shown.contains("in any way.  Corvane reserves the right"));
    QVERIFY(shown.contains("without notice.  All calculations"));
    QVERIFY(shown.endsWith("by a Certified Pneumatic Specialist."));
    QVERIFY(!shown.contains('\n'));
    QCOMPARE(shown.size(), 634);
}

void tst_StartUp::selectorGroupsAreIndependent()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    click(window, "optCVType(1)");
    QVERIFY(checked(window, "optCVType(1)"));
    QVERIFY(!checked(window, "optCVType(0)"));
    // The other groups keep their selection.
    QVERIFY(checked(window, "optCalculator(2)"));
    QVERIFY(checked(window, "Option1(0)"));
    int selectedCalculators = 0;
    for (QWidget *button : controlArray(window, "optCalculator"))
        selectedCalculators += qobject_cast<QRadioButton *>(button)->isChecked();
    QCOMPARE(selectedCalculators, 1);
}

void tst_StartUp::selectingPanelsKeepsOneVisibleAndKeepsTexts()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 2);
    field(window, "txtStrokeLength")->setText("12.5");
    for (int index : {3, 0, 1, 2}) {
        selectPanel(window, index);
        QCOMPARE(window.currentCalculator(), qint16(index));
        const QList<QWidget *> visible = visiblePanels(window);
        QCOMPARE(visible.size(), 1);
        QCOMPARE(visible.first()->objectName(), QStringLiteral("Frame(%1)").arg(index));
    }
    QCOMPARE(text(window, "txtStrokeLength"), QStringLiteral("12.5"));
    QCOMPARE(window.unitSystem(), qint16(0));
}

void tst_StartUp::selectingTheSelectedPanelChangesNothing()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 1);
    selectPanel(window, 1);
    QCOMPARE(window.currentCalculator(), qint16(1));
    QCOMPARE(visiblePanels(window).size(), 1);
    QVERIFY(control(window, "Frame(1)")->isVisible());
}

void tst_StartUp::tabOrderFollowsTabIndices_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("cylinder bore") << 0
                                   << QStringList{"txtAirPressure(0)", "txtForceRequired", "txtSafetyFactor",
                                                  "btnCalcBoreSize", "txtMinBoreSize", "txtAreaRequired"};
    QTest::newRow("cylinder force") << 1
                                    << QStringList{"txtAirPressure(1)", "txtCylinderBore(0)", "txtRodDiameter",
                                                   "btnCalcForce", "txtPushForce", "txtPullForce"};
    QTest::newRow("valve flow")
        << 2
        << QStringList{"txtAirPressure(2)", "txtCylinderBore(1)", "txtRoomTemp", "txtStrokeLength",
                       "txtStrokTime", "txtNumCylinders", "txtPressureDrop", "txtCycleRate", "btnCalcCV",
                       "btnSumSCFM", "btnResetSCFM", "txtSystemFlow", "txtAirConsumption",
                       "txtSystemConsumption", "txtInstFlow", "txtVolume", "Picture1",
                       "txtCvFactor", "optCalculator(2)", "Option1(0)", "optCVType(0)"};
}

void tst_StartUp::tabOrderFollowsTabIndices()
{
    QFETCH(int, panel);
    QFETCH(QStringList, order);
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, panel);
    field(window, order.first())->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.first());
    for (const QString &next : order.mid(1)) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
}

QTEST_MAIN(tst_StartUp)
#include "tst_startUp.moc"
