// SPDX-License-Identifier: MIT
// The window as it opens: its controls, start-up state, tab order and the
// calculator selector.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "panel.h"
#include "quantityTable.h"
#include "windowDriver.h"
#include "zoom.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

#include <algorithm>

using namespace WindowDriver;

namespace {

const QString degreeF = QChar(0x00B0) + QStringLiteral(" F");
const QString degreeC = QChar(0x00B0) + QStringLiteral(" c");

// Results too, but empty until there is a standard bore to show.
const QStringList standardBoreFields{"txtStandardBore", "txtStandardForce"};

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

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

// The one frame of a panel with the title given, or nullptr.
const QGroupBox *frameTitled(const Panel &panel, const QString &title)
{
    const QGroupBox *found = nullptr;
    for (const QGroupBox *frame : panel.findChildren<QGroupBox *>()) {
        if (frame->title() != title)
            continue;
        if (found)
            return nullptr;
        found = frame;
    }
    return found;
}

// What Tab should walk on a panel, as its table gives it: the inputs in
// table order, the command buttons from left to right, the results and
// totals in table order, an option pair at its selected button before the
// field it names; then the logo and the selected buttons of the calculator
// and unit selectors. The panel must be shown, so that its buttons are laid
// out.
QStringList tabWalkFromTheTable(const frmPressureCalc &window, const Panel &panel)
{
    QStringList walk;
    const auto addFields = [&](bool inputs) {
        for (const Field &field : panel.fields()) {
            if ((field.row->role == FieldTable::Role::Input) != inputs)
                continue;
            for (const QRadioButton *option : field.unitOptions)
                if (option->isChecked())
                    walk.append(option->objectName());
            walk.append(field.edit->objectName());
        }
    };
    addFields(true);
    // A frame of choices below the inputs (the mounting): its selected button.
    for (const QRadioButton *option : panel.findChildren<QRadioButton *>()) {
        const bool namesAField = std::ranges::any_of(panel.fields(), [option](const Field &field) {
            return field.unitOptions.contains(option);
        });
        if (!namesAField && option->isChecked())
            walk.append(option->objectName());
    }
    QList<QPushButton *> commands = panel.findChildren<QPushButton *>();
    std::ranges::sort(commands, {}, [&panel](const QPushButton *button) { return button->mapTo(&panel, QPoint()).x(); });
    for (const QPushButton *command : commands)
        walk.append(command->objectName());
    addFields(false);
    if (panel.fields().empty())
        // A panel without rows: its text.
        for (const QPlainTextEdit *text : panel.findChildren<QPlainTextEdit *>())
            walk.append(text->objectName());
    walk.append(QStringLiteral("Picture1"));
    walk.append(QStringLiteral("optCalculator(%1)").arg(panel.index()));
    walk.append(QStringLiteral("Option1(%1)").arg(window.unitSystem()));
    return walk;
}

// Sets the application font for as long as it lives.
class ApplicationFont
{
public:
    explicit ApplicationFont(double pointSize) : m_saved(QApplication::font())
    {
        QFont font = m_saved;
        font.setPointSizeF(pointSize);
        QApplication::setFont(font);
    }
    ~ApplicationFont() { QApplication::setFont(m_saved); }
    ApplicationFont(const ApplicationFont &) = delete;
    ApplicationFont &operator=(const ApplicationFont &) = delete;

private:
    QFont m_saved;
};

} // namespace

class tst_StartUp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void windowIsItsLayoutsSizeAndFixed();
    void windowSizeFollowsTheApplicationFont();
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
    void tabWalksThePanelThenTheSelectors();
};

void tst_StartUp::windowIsItsLayoutsSizeAndFixed()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Corvane Calculator"));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("2.00.0041"));
    // Not resizable: the size its layout asks for, no more and no less.
    QCOMPARE(window.size(), window.sizeHint());
    QCOMPARE(window.minimumSize(), window.size());
    QCOMPARE(window.maximumSize(), window.size());
    // The menu bar above the canvas, the status bar below it, all three
    // inside the window.
    const QWidget *menuBar = control(window, QStringLiteral("menuBar"));
    const QWidget *canvas = control(window, QStringLiteral("canvas"));
    const QWidget *statusBar = control(window, QStringLiteral("statusBar"));
    QVERIFY(statusBar->height() > 0);
    QVERIFY(menuBar->geometry().bottom() < canvas->geometry().top());
    QVERIFY(canvas->geometry().bottom() < statusBar->geometry().top());
    for (const QWidget *part : {menuBar, canvas, statusBar})
        QVERIFY2(window.rect().contains(part->geometry()), qPrintable(part->objectName()));
}

// At Qt's usual application font and 100 % the window fits a small screen;
// a larger application font makes every part, and so the window, larger.
void tst_StartUp::windowSizeFollowsTheApplicationFont()
{
    QList<QSize> sizes;
    for (const double pointSize : {Zoom::designApplicationPointSize, 10.5, 13.5}) {
        const ApplicationFont font(pointSize);
        frmPressureCalc window;
        // The screen is large enough for every one of them at 100 %.
        const auto *zoom = window.findChild<Zoom *>();
        QVERIFY(zoom);
        QCOMPARE(zoom->zoom(), 1.0);
        sizes.append(window.size());
    }
    // 460x620 holds four panels; each further panel adds its selector button.
    frmPressureCalc window;
    const int selectorRows = int(window.panels().size()) - 4;
    const int bound = 620 + selectorRows * control(window, QStringLiteral("optCalculator(0)"))->sizeHint().height();
    QVERIFY2(sizes.first().width() <= 460 && sizes.first().height() <= bound,
             qPrintable(QStringLiteral("%1x%2").arg(sizes.first().width()).arg(sizes.first().height())));
    for (qsizetype index = 1; index < sizes.size(); ++index)
        QVERIFY2(sizes[index].width() > sizes[index - 1].width() && sizes[index].height() > sizes[index - 1].height(),
                 qPrintable(QStringLiteral("font %1").arg(index)));
}

void tst_StartUp::everyControlHasItsKindAndPlace()
{
    frmPressureCalc window;
    // The controls no row of a panel names: their kind and what holds them.
    struct Placed {
        QString name;
        const char *kind;
        QString inside;
    };
    QList<Placed> placed{
        {"menuBar", "QMenuBar", "frmPressureCalc"},
        {"canvas", "QWidget", "frmPressureCalc"},
        {"statusBar", "QStatusBar", "frmPressureCalc"},
        {"frameUnits", "QGroupBox", "canvas"},
        {"Option1(0)", "QRadioButton", "frameUnits"},
        {"Option1(1)", "QRadioButton", "frameUnits"},
        {"Picture1", "QLabel", "canvas"},
        {"frameCalculators", "QGroupBox", "canvas"},
        {"Frame2", "QGroupBox", "Frame(0)"},
        {"Frame1", "QGroupBox", "Frame(0)"},
        {"btnCalcBoreSize", "QPushButton", "Frame(0)"},
        {"Frame3", "QGroupBox", "Frame(1)"},
        {"Frame4", "QGroupBox", "Frame(1)"},
        {"btnCalcForce", "QPushButton", "Frame(1)"},
        {"Frame5", "QGroupBox", "Frame(2)"},
        {"Frame6", "QGroupBox", "Frame(2)"},
        {"btnCalcCV", "QPushButton", "Frame(2)"},
        {"btnSumSCFM", "QPushButton", "Frame(2)"},
        {"btnResetSCFM", "QPushButton", "Frame(2)"},
        {"cvLabel", "QLabel", "Frame6"},
        {"Frame7", "QGroupBox", "Frame(3)"},
        {"txtdisclaimer", "QPlainTextEdit", "Frame7"},
    };
    for (const Panel *panel : window.panels()) {
        placed.append({QStringLiteral("Frame(%1)").arg(panel->index()), "QGroupBox", "canvas"});
        placed.append({QStringLiteral("optCalculator(%1)").arg(panel->index()), "QRadioButton", "frameCalculators"});
    }
    const auto holder = [&window](const QString &name) -> const QWidget * {
        return name == window.objectName() ? &window : control(window, name);
    };
    for (const Placed &entry : placed) {
        const QWidget *widget = control(window, entry.name);
        QVERIFY2(widget->inherits(entry.kind), qPrintable(entry.name));
        QVERIFY2(holder(entry.inside)->isAncestorOf(widget), qPrintable(entry.name));
    }

    // Each field with its caption and unit in its panel's frame of inputs
    // or of results.
    for (const Panel *panel : window.panels()) {
        QCOMPARE(panel->objectName(), QStringLiteral("Frame(%1)").arg(panel->index()));
        for (const Field &field : panel->fields()) {
            const bool input = field.row->role == FieldTable::Role::Input;
            const QGroupBox *frame = frameTitled(*panel, input ? QStringLiteral("Input Values")
                                                               : QStringLiteral("Output Values"));
            QVERIFY2(frame, field.row->field);
            QList<const QWidget *> parts{field.edit, field.caption, field.unitLabel};
            for (const QRadioButton *option : field.unitOptions)
                parts.append(option);
            for (const QWidget *part : parts)
                if (part)
                    QVERIFY2(frame->isAncestorOf(part), qPrintable(part->objectName()));
        }
    }

    // No two controls share a name: a name finds the one control it names.
    QHash<QString, int> names;
    for (const QObject *child : window.findChildren<QWidget *>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1StringView("qt_")))
            ++names[child->objectName()];
    for (auto name = names.cbegin(); name != names.cend(); ++name)
        QVERIFY2(name.value() == 1, qPrintable(name.key()));

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
    // At 100 % the logo is drawn at its own size.
    const auto *zoom = window.findChild<Zoom *>();
    QVERIFY(zoom);
    QCOMPARE(zoom->zoom(), 1.0);
    const QPixmap logo = control<QLabel>(window, QStringLiteral("Picture1"))->pixmap();
    QVERIFY(!logo.isNull());
    QCOMPARE(logo.size(), QPixmap(QStringLiteral(":/corvane/logo.png")).size());
}

void tst_StartUp::controlArraysHaveTheirElementCounts()
{
    // Every control named as an array element, "txtAirPressure(2)", by array.
    frmPressureCalc window;
    static const QRegularExpression elementName(QStringLiteral(R"(^(\w+)\((\d+)\)$)"));
    QHash<QString, QList<int>> arrays;
    for (const QWidget *widget : window.findChildren<QWidget *>())
        if (const QRegularExpressionMatch match = elementName.match(widget->objectName()); match.hasMatch())
            arrays[match.captured(1)].append(match.captured(2).toInt());

    // An element for each panel, two unit systems, two coefficient kinds.
    const qsizetype panels = qsizetype(window.panels().size());
    const QList<std::pair<QString, qsizetype>> counts{
        {"Frame", panels}, {"optCalculator", panels}, {"Option1", 2}, {"optCVType", 2}};
    for (const auto &[name, count] : counts)
        QVERIFY2(arrays.value(name).size() == count, qPrintable(name));
    // Every array, those the panels' rows name too, numbered from 0 without
    // a gap, each element once.
    for (auto array = arrays.begin(); array != arrays.end(); ++array) {
        QList<int> indices = array.value();
        std::ranges::sort(indices);
        for (int index = 0; index < indices.size(); ++index)
            QVERIFY2(indices[index] == index, qPrintable(QStringLiteral("%1(%2)").arg(array.key()).arg(index)));
        QCOMPARE(controlArray(window, array.key()).size(), indices.size());
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
    // The selector names each panel, Frame(3), the disclaimer, last.
    const QStringList captions{"Cylinder Bore", "Cylinder Force", "Valve Flow", "Disclaimer", "Stroke Time",
                               "Rod Buckling"};
    QCOMPARE(qsizetype(window.panels().size()), captions.size());
    QCOMPARE(window.panels().back()->index(), 3);
    for (const Panel *panel : window.panels()) {
        const QString name = QStringLiteral("optCalculator(%1)").arg(panel->index());
        QCOMPARE(panel->name(), captions[panel->index()]);
        QCOMPARE(control<QRadioButton>(window, name)->text(), panel->name());
        QCOMPARE(checked(window, name), panel->index() == 0);
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
    for (const Field &field : window.fields()) {
        const QString name = field.edit->objectName();
        // No standard bore before the first calculation; one cylinder; a
        // room at 68 °F for the stroke time; a steel rod with the usual
        // margin against buckling.
        const QHash<QString, QString> startTexts{{"txtNumCylinders", "1"},   {"txtTimeCylinders", "1"},
                                                 {"txtTimeRoomTemp", "68"},  {"txtModulus", "30000000"},
                                                 {"txtYieldStrength", "50000"}, {"txtBuckleSafety", "3.5"}};
        const QString expected = standardBoreFields.contains(name) ? QString()
                                                                    : startTexts.value(name, QStringLiteral("0"));
        QVERIFY2(field.edit->text() == expected, qPrintable(name));
    }
}

void tst_StartUp::outputAndDisclaimerFieldsRejectTyping()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    int results = 0;
    for (const Field &result : window.fields()) {
        if (result.row->role == FieldTable::Role::Input)
            continue;
        selectPanel(window, result.panel);
        QLineEdit *field = result.edit;
        const QString name = field->objectName();
        const QString startUpText = field->text();
        QVERIFY2(field->isReadOnly(), qPrintable(name));
        QCOMPARE(field->palette().color(QPalette::Text), QColor(0, 0, 192));
        field->setFocus();
        QTRY_VERIFY2(field->hasFocus(), qPrintable(name));
        QTest::keyClicks(field, "123");
        QCOMPARE(field->text(), startUpText);
        ++results;
    }
    QVERIFY(results > 0);
    selectPanel(window, panelOf(window, QStringLiteral("txtdisclaimer")));
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

// Tab from a panel's first stop goes once round the panel and the window's
// own controls, in the order of the panel's table.
void tst_StartUp::tabWalksThePanelThenTheSelectors()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    for (const Panel *panel : window.panels()) {
        selectPanel(window, panel->index());
        const QStringList walk = tabWalkFromTheTable(window, *panel);
        QCOMPARE(panel->firstFocus()->objectName(), walk.first());
        panel->firstFocus()->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(focusName(), walk.first());
        QStringList walked;
        for (qsizetype step = 0; step < walk.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.append(focusName());
        }
        QCOMPARE(walked, walk.mid(1) + walk.first(1));
    }
}

QTEST_MAIN(tst_StartUp)
#include "tst_startUp.moc"
