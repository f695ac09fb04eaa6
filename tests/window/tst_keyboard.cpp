// SPDX-License-Identifier: MIT
// Using the window from the keyboard alone, and what a screen reader is told
// about its controls.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "messageBoxWatcher.h"
#include "panel.h"
#include "websiteLink.h"
#include "windowDriver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>

using namespace WindowDriver;

namespace {

// Field names with texts.
using NamedTexts = QList<std::pair<QString, QString>>;

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

QStringList allNamedTexts(const frmPressureCalc &window)
{
    QStringList texts;
    for (const QLineEdit *field : window.findChildren<QLineEdit *>())
        texts.append(field->objectName() + QLatin1Char('=') + field->text());
    return texts;
}

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The last field of a panel's table: the last result, the logo's tab stop
// comes after it.
QString lastFieldOf(const frmPressureCalc &window, int panel)
{
    return window.panels().at(panel)->fields().back().edit->objectName();
}

// Records each page the logo asks for and reports it opened.
struct RecordingOpener {
    QStringList pages;
    WebsiteLink::Opener opener()
    {
        return [this](const QUrl &page, const WebsiteLink::OpenedCallback &opened) {
            pages.append(page.toString());
            opened(true);
        };
    }
};

} // namespace

class tst_Keyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }
    void init() { QLocale::setDefault(QLocale::c()); }

    void tabGoesRoundAndShiftTabGoesBack_data();
    void tabGoesRoundAndShiftTabGoesBack();
    void returnDoesWhatCalculateDoes_data();
    void returnDoesWhatCalculateDoes();
    void returnInAResultFieldCalculatesNothing();
    void keysPressTheFocusedButton_data();
    void keysPressTheFocusedButton();
    void tabReachesTheSelectedUnitAfterARefusedSwitch();
    void keysActivateTheLogo_data();
    void keysActivateTheLogo();
    void logoShowsTheKeyboardFocus();
    void keysSelectOptionButtons_data();
    void keysSelectOptionButtons();
    void captionsAreBuddiesOfTheirFields();
    void everyFieldAndButtonHasAName();
    void logoIsAPressableLinkForScreenReaders();
};

void tst_Keyboard::tabGoesRoundAndShiftTabGoesBack_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<bool>("otherSelections"); // metric units and kV
    QTest::newRow("cylinder bore") << 0 << false;
    QTest::newRow("cylinder force") << 1 << false;
    QTest::newRow("valve flow") << 2 << false;
    QTest::newRow("stroke time") << 4 << false;
    QTest::newRow("rod buckling") << 5 << false;
    QTest::newRow("disclaimer") << 3 << false;
    QTest::newRow("valve flow, metric and kV selected") << 2 << true;
}

// Tab goes once round the panel shown and the window's own controls, each
// once, and back to where it began; Shift+Tab goes the same way backwards.
// An option group is one stop, at its selected button wherever that lies.
// (The order itself follows the panel's table; see tst_startUp.)
void tst_Keyboard::tabGoesRoundAndShiftTabGoesBack()
{
    QFETCH(int, panel);
    QFETCH(bool, otherSelections);
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, panel);
    if (otherSelections) {
        click(window, QStringLiteral("Option1(1)"));
        click(window, QStringLiteral("optCVType(1)"));
    }
    const auto shown = std::ranges::find(window.panels(), panel, &Panel::index);
    QWidget *start = (*shown)->firstFocus();
    start->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(focusName(), start->objectName());

    const qsizetype controls = window.findChildren<QWidget *>().size();
    QStringList forward;
    do {
        pressKey(Qt::Key_Tab);
        forward.append(focusName());
    } while (QApplication::focusWidget() != start && forward.size() <= controls);
    QCOMPARE(forward.last(), start->objectName());
    QCOMPARE(QSet<QString>(forward.begin(), forward.end()).size(), forward.size());
    for (const QString &stop : forward)
        QVERIFY2(control(window, stop)->isVisible(), qPrintable(stop));
    for (const QRadioButton *option : window.findChildren<QRadioButton *>())
        if (option->isVisible())
            QVERIFY2(forward.contains(option->objectName()) == option->isChecked(), qPrintable(option->objectName()));

    QStringList backward;
    for (qsizetype step = 0; step < forward.size(); ++step) {
        pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        backward.append(focusName());
    }
    QStringList reversed(forward.rbegin() + 1, forward.rend());
    reversed.append(start->objectName());
    QCOMPARE(backward, reversed);
}

void tst_Keyboard::returnDoesWhatCalculateDoes_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<NamedTexts>("inputs"); // typed in this order; the focus stays in the last
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");
    QTest::addColumn<NamedTexts>("results");

    QTest::newRow("force, Return in air pressure")
        << 1 << NamedTexts{{"txtCylinderBore(0)", "2"}, {"txtRodDiameter", "0.625"}, {"txtAirPressure(1)", "80"}}
        << int(Qt::Key_Return) << "btnCalcForce"
        << NamedTexts{{"txtPushForce", "251.32741"}, {"txtPullForce", "226.78372"}};
    QTest::newRow("force, Enter in a rod typed negative")
        << 1 << NamedTexts{{"txtCylinderBore(0)", "2"}, {"txtAirPressure(1)", "80"}, {"txtRodDiameter", "-0.625"}}
        << int(Qt::Key_Enter) << "btnCalcForce"
        << NamedTexts{{"txtRodDiameter", "0.625"}, {"txtPushForce", "251.32741"}, {"txtPullForce", "226.78372"}};
    QTest::newRow("bore, Return in safety factor")
        << 0 << NamedTexts{{"txtForceRequired", "100"}, {"txtAirPressure(0)", "50"}, {"txtSafetyFactor", "0"}}
        << int(Qt::Key_Return) << "btnCalcBoreSize"
        << NamedTexts{{"txtAreaRequired", "2"}, {"txtMinBoreSize", "1.59577"}};
    QTest::newRow("bore, Return in force that is no number")
        << 0 << NamedTexts{{"txtAirPressure(0)", "50"}, {"txtForceRequired", "abc"}}
        << int(Qt::Key_Return) << "btnCalcBoreSize"
        << NamedTexts{{"txtForceRequired", "0"}, {"txtAreaRequired", "0"}, {"txtMinBoreSize", "0"}};
    QTest::newRow("valve flow, Return in pressure drop")
        << 2
        << NamedTexts{{"txtAirPressure(2)", "80"}, {"txtCylinderBore(1)", "2"}, {"txtRoomTemp", "68"},
                      {"txtStrokeLength", "10"}, {"txtStrokTime", "1"}, {"txtPressureDrop", "5"}}
        << int(Qt::Key_Return) << "btnCalcCV" << NamedTexts{};
    QTest::newRow("valve flow, Return in cycle rate")
        << 2
        << NamedTexts{{"txtAirPressure(2)", "80"}, {"txtCylinderBore(1)", "2"}, {"txtStrokeLength", "4"},
                      {"txtCycleRate", "30"}}
        << int(Qt::Key_Return) << "btnCalcCV" << NamedTexts{{"txtAirConsumption", "2.81093"}};
}

// The same inputs are given to two windows; one gets the key, the other a
// click on the Calculate button. Every field and every message must agree.
void tst_Keyboard::returnDoesWhatCalculateDoes()
{
    QFETCH(int, panel);
    QFETCH(NamedTexts, inputs);
    QFETCH(int, key);
    QFETCH(QString, button);
    QFETCH(NamedTexts, results);

    const auto fillIn = [&](frmPressureCalc &window) {
        selectPanel(window, panel);
        for (const auto &[name, typed] : inputs)
            typeInto(window, name, typed);
    };

    QStringList byKey, byClick;
    QList<QString> keyMessages, clickMessages;
    {
        frmPressureCalc window;
        QVERIFY(showAndActivate(window));
        MessageBoxWatcher boxes;
        fillIn(window);
        const QStringList before = allNamedTexts(window);
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(field(window, inputs.last().first), Qt::Key(key), modifiers);
        QCOMPARE(focusName(), inputs.last().first);
        for (const auto &[name, expected] : results)
            QCOMPARE(text(window, name), expected);
        byKey = allNamedTexts(window);
        if (results.isEmpty())
            QVERIFY2(byKey != before, "the key calculated nothing");
        for (const auto &box : boxes.seen())
            keyMessages.append(box.title + QLatin1Char('|') + box.text);
    }
    {
        frmPressureCalc window;
        QVERIFY(showAndActivate(window));
        MessageBoxWatcher boxes;
        fillIn(window);
        click(window, button);
        byClick = allNamedTexts(window);
        for (const auto &box : boxes.seen())
            clickMessages.append(box.title + QLatin1Char('|') + box.text);
    }
    QCOMPARE(byKey, byClick);
    QCOMPARE(keyMessages, clickMessages);
}

void tst_Keyboard::returnInAResultFieldCalculatesNothing()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("2"));
    typeInto(window, QStringLiteral("txtAirPressure(1)"), QStringLiteral("80"));
    QLineEdit *push = field(window, QStringLiteral("txtPushForce"));
    push->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(push->hasFocus());
    QTest::keyClick(push, Qt::Key_Return);
    QCOMPARE(push->text(), QStringLiteral("0"));
    QCOMPARE(text(window, QStringLiteral("txtPullForce")), QStringLiteral("0"));
}

void tst_Keyboard::keysPressTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void tst_Keyboard::keysPressTheFocusedButton()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, 1);
    typeInto(window, QStringLiteral("txtAirPressure(1)"), QStringLiteral("80"));
    typeInto(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("2"));
    typeInto(window, QStringLiteral("txtRodDiameter"), QStringLiteral("0.625"));
    pressKey(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("btnCalcForce"));
    pressKey(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(text(window, QStringLiteral("txtPushForce")), QStringLiteral("251.32741"));
    QCOMPARE(text(window, QStringLiteral("txtPullForce")), QStringLiteral("226.78372"));
    QCOMPARE(focusName(), QStringLiteral("btnCalcForce"));

    // On the valve panel the key adds the shown flow to the total, once per press.
    selectPanel(window, 2);
    field(window, QStringLiteral("txtInstFlow"))->setText(QStringLiteral("2.5"));
    control(window, QStringLiteral("btnSumSCFM"))->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(focusName(), QStringLiteral("btnSumSCFM"));
    pressKey(key, Qt::KeyboardModifiers(modifiers));
    pressKey(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(text(window, QStringLiteral("txtSystemFlow")), QStringLiteral("5"));
}

// A refused unit switch puts "Imperial" back while "Metric", which was
// clicked, gets the focus back with the window; the group's tab stop is
// still the selected button.
void tst_Keyboard::tabReachesTheSelectedUnitAfterARefusedSwitch()
{
    MessageBoxWatcher boxes;
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    typeAndTab(window, QStringLiteral("txtCylinderBore(0)"), QStringLiteral("1e308"));
    click(window, QStringLiteral("Option1(1)"));
    QCOMPARE(boxes.seen().size(), 1);
    QVERIFY(control<QRadioButton>(window, QStringLiteral("Option1(0)"))->isChecked());
    // The desktop hands the activation back when the message box closes.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(focusName(), QStringLiteral("Option1(1)"));

    control(window, QStringLiteral("optCalculator(1)"))->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(focusName(), QStringLiteral("optCalculator(1)"));
    pressKey(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("Option1(0)"));
    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("optCalculator(1)"));
}

void tst_Keyboard::keysActivateTheLogo_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void tst_Keyboard::keysActivateTheLogo()
{
    QFETCH(int, key);
    frmPressureCalc window;
    RecordingOpener opener;
    window.setWebsiteOpener(opener.opener());
    QVERIFY(showAndActivate(window));

    // The logo follows the last result field of the bore panel.
    const QString lastResult = lastFieldOf(window, 0);
    field(window, lastResult)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(focusName(), lastResult);
    pressKey(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("Picture1"));
    QVERIFY(opener.pages.isEmpty());
    pressKey(key);
    QCOMPARE(opener.pages, QStringList{WebsiteLink::address});
    pressKey(key);
    QCOMPARE(opener.pages.size(), 2);
}

void tst_Keyboard::logoShowsTheKeyboardFocus()
{
    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    QWidget *logo = control(window, QStringLiteral("Picture1"));
    const QImage unfocused = logo->grab().toImage();

    const QString lastResult = lastFieldOf(window, 0);
    field(window, lastResult)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(focusName(), lastResult);
    pressKey(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("Picture1"));
    QVERIFY2(logo->grab().toImage() != unfocused, "the focused logo looks like the unfocused one");

    pressKey(Qt::Key_Tab);
    QVERIFY(!logo->hasFocus());
    QCOMPARE(logo->grab().toImage(), unfocused);
}

void tst_Keyboard::keysSelectOptionButtons_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("expectedPanel");
    QTest::addColumn<int>("expectedUnits");

    QTest::newRow("Down in the unit selector selects Metric")
        << 0 << "Option1(0)" << int(Qt::Key_Down) << "Option1(1)" << 0 << 1;
    QTest::newRow("Down in the calculator selector selects the force panel")
        << 0 << "optCalculator(0)" << int(Qt::Key_Down) << "optCalculator(1)" << 1 << 0;
    QTest::newRow("Up from the force panel selects the bore panel")
        << 1 << "optCalculator(1)" << int(Qt::Key_Up) << "optCalculator(0)" << 0 << 0;
    QTest::newRow("Right in the coefficient kind selects kV")
        << 2 << "optCVType(0)" << int(Qt::Key_Right) << "optCVType(1)" << 2 << 0;
    QTest::newRow("Space selects the focused panel button")
        << 0 << "optCalculator(2)" << int(Qt::Key_Space) << "optCalculator(2)" << 2 << 0;
    QTest::newRow("Space selects the focused unit button")
        << 0 << "Option1(1)" << int(Qt::Key_Space) << "Option1(1)" << 0 << 1;
}

void tst_Keyboard::keysSelectOptionButtons()
{
    QFETCH(int, panel);
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(QString, selected);
    QFETCH(int, expectedPanel);
    QFETCH(int, expectedUnits);

    frmPressureCalc window;
    QVERIFY(showAndActivate(window));
    selectPanel(window, panel);
    control(window, focused)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(focusName(), focused);
    pressKey(key);

    QVERIFY(control<QRadioButton>(window, selected)->isChecked());
    QCOMPARE(focusName(), selected);
    QCOMPARE(window.currentCalculator(), qint16(expectedPanel));
    QCOMPARE(window.unitSystem(), qint16(expectedUnits));
    // The group's one tab stop moves with the selection.
    QCOMPARE(control(window, selected)->focusPolicy(), Qt::StrongFocus);
}

void tst_Keyboard::captionsAreBuddiesOfTheirFields()
{
    frmPressureCalc window;
    int captioned = 0;
    for (const Field &field : window.fields()) {
        if (!field.row->caption)
            continue;
        const char *name = field.row->field;
        auto *caption = control<QLabel>(window, QString::fromLatin1(field.row->caption));
        QLineEdit *edit = WindowDriver::field(window, QString::fromLatin1(name));
        QVERIFY2(caption->buddy() == edit, name);
        QVERIFY2(!caption->text().isEmpty(), name);
        QVERIFY2(accessibleName(edit) == caption->text(), name);

        // A screen reader finds the caption as the field's label.
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(edit);
        QVERIFY2(iface, name);
        bool labelled = false;
        for (const auto &[other, relation] : iface->relations(QAccessible::Label))
            labelled = labelled || other->object() == caption;
        QVERIFY2(labelled, name);
        ++captioned;
    }
    QVERIFY(captioned > 0);
}

// Every control that can take the focus has a name; buttons and option
// buttons are named by their captions.
void tst_Keyboard::everyFieldAndButtonHasAName()
{
    frmPressureCalc window;
    QSet<const QWidget *> named;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        const QString name = widget->objectName();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
            // The selector shows its captions, not the placeholder "Option2".
            QVERIFY2(button->text() != QLatin1StringView("Option2"), qPrintable(name));
            QCOMPARE(accessibleName(const_cast<QWidget *>(widget)), button->text());
        }
        QVERIFY2(!accessibleName(const_cast<QWidget *>(widget)).isEmpty(), qPrintable(name));
        named.insert(widget);
    }
    // They are the panels' tab stops, the logo and the two selectors: none
    // was left out.
    QSet<const QWidget *> reachable{control(window, QStringLiteral("Picture1"))};
    for (const Panel *panel : window.panels())
        for (const QWidget *stop : panel->tabStops())
            reachable.insert(stop);
    for (const QString &selector : {QStringLiteral("optCalculator"), QStringLiteral("Option1")})
        for (const QWidget *option : controlArray(window, selector))
            reachable.insert(option);
    QCOMPARE(named, reachable);
    QCOMPARE(accessibleName(control(window, QStringLiteral("txtCvFactor"))), QStringLiteral("Flow coefficient"));
    QCOMPARE(accessibleName(control(window, QStringLiteral("txtdisclaimer"))), QStringLiteral("Legal Disclaimer"));
    QCOMPARE(accessibleName(control(window, QStringLiteral("Picture1"))), QStringLiteral("Corvane website"));
}

void tst_Keyboard::logoIsAPressableLinkForScreenReaders()
{
    frmPressureCalc window;
    RecordingOpener opener;
    window.setWebsiteOpener(opener.opener());
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control(window, QStringLiteral("Picture1")));
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Link);
    QVERIFY(iface->text(QAccessible::Description).contains(WebsiteLink::address));
    QAccessibleActionInterface *actions = iface->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(opener.pages, QStringList{WebsiteLink::address});
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
