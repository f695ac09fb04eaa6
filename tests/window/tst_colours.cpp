// SPDX-License-Identifier: MIT
// Every text of the window stays readable in light and dark colour schemes.
#include "applicationInfo.h"
#include "frmPressureCalc.h"
#include "resultColours.h"
#include "windowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

using namespace WindowDriver;

namespace {

const QColor resultBlue(0, 0, 192);

// The dark scheme many Fusion-styled desktops use; its highlighted text is
// given as a parameter, being white in some themes and black in others.
QPalette darkPalette(const QColor &highlightedText)
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, highlightedText);
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    return dark;
}

// A light scheme whose selection is black on yellow.
QPalette lightPaletteWithBlackHighlightedText()
{
    QPalette light = QApplication::style()->standardPalette();
    light.setColor(QPalette::Highlight, Qt::yellow);
    light.setColor(QPalette::HighlightedText, Qt::black);
    return light;
}

struct Drawn {
    QColor text;
    QColor background;
};

// The colours a control's text is drawn in and what lies behind it: fields
// and buttons fill their own background; labels, option buttons and frame
// titles are drawn on the window.
Drawn drawnColours(const QWidget *widget, QPalette::ColorGroup group)
{
    const QPalette colours = widget->palette();
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget))
        return {colours.color(group, QPalette::Text), colours.color(group, QPalette::Base)};
    if (qobject_cast<const QPushButton *>(widget))
        return {colours.color(group, QPalette::ButtonText), colours.color(group, QPalette::Button)};
    return {colours.color(group, QPalette::WindowText), widget->window()->palette().color(group, QPalette::Window)};
}

bool showsText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return !frame->title().isEmpty();
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QPlainTextEdit *>(widget);
}

// Every text control whose contrast is below the readable least, with it.
QStringList unreadable(const frmPressureCalc &window)
{
    QStringList found;
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (!showsText(widget))
            continue;
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            const Drawn drawn = drawnColours(widget, group);
            const double ratio = ResultColours::contrast(drawn.text, drawn.background);
            if (ratio < ResultColours::readableContrast)
                found.append(QStringLiteral("%1 %2 on %3: %4:1")
                                 .arg(widget->objectName(), drawn.text.name(), drawn.background.name())
                                 .arg(ratio, 0, 'f', 2));
        }
    }
    return found;
}

const char *resultNames[] = {"txtAreaRequired", "txtMinBoreSize",    "txtPushForce",
                             "txtPullForce",    "txtVolume",         "txtCvFactor",
                             "txtInstFlow",     "txtSystemFlow",     "txtAirConsumption",
                             "txtSystemConsumption"};

} // namespace

class tst_Colours : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ApplicationInfo::apply();
        m_startPalette = QApplication::palette();
    }
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QApplication::setPalette(m_startPalette); }

    void contrastOfKnownPairs_data();
    void contrastOfKnownPairs();
    void everyTextIsReadable_data();
    void everyTextIsReadable();

private:
    QPalette m_startPalette;
};

void tst_Colours::contrastOfKnownPairs_data()
{
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same colour") << QColor(128, 64, 32) << QColor(128, 64, 32) << 1.0;
    QTest::newRow("result blue on white") << resultBlue << QColor(Qt::white) << 11.92;
    QTest::newRow("result blue on black") << resultBlue << QColor(Qt::black) << 1.76;
    QTest::newRow("order does not matter") << QColor(Qt::black) << resultBlue << 1.76;
    QTest::newRow("mid grey on white") << QColor(119, 119, 119) << QColor(Qt::white) << 4.48;
}

void tst_Colours::contrastOfKnownPairs()
{
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(ResultColours::contrast(first, second) - ratio) < 0.01,
             qPrintable(QString::number(ResultColours::contrast(first, second))));
}

void tst_Colours::everyTextIsReadable_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("describedColours");
    QTest::newRow("default") << QApplication::style()->standardPalette() << true;
    QTest::newRow("dark, white highlighted text") << darkPalette(Qt::white) << true;
    QTest::newRow("dark, black highlighted text") << darkPalette(Qt::black) << false;
    QTest::newRow("light, black highlighted text") << lightPaletteWithBlackHighlightedText() << false;
}

// Checked for a window opened in the scheme and for one whose scheme changes
// while it is open.
void tst_Colours::everyTextIsReadable()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, describedColours);

    frmPressureCalc switched;
    QVERIFY(showAndActivate(switched));
    QApplication::setPalette(palette);
    frmPressureCalc opened;
    QVERIFY(showAndActivate(opened));

    for (const frmPressureCalc *window : {&switched, &opened}) {
        const QStringList found = unreadable(*window);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
        for (const char *name : resultNames) {
            const QPalette colours = field(*window, QString::fromLatin1(name))->palette();
            if (describedColours) {
                QCOMPARE(colours.color(QPalette::Active, QPalette::Text), resultBlue);
                QCOMPARE(colours.color(QPalette::Active, QPalette::Base), palette.color(QPalette::HighlightedText));
            } else {
                QCOMPARE(colours.color(QPalette::Active, QPalette::Text), palette.color(QPalette::Text));
                QCOMPARE(colours.color(QPalette::Active, QPalette::Base), palette.color(QPalette::Base));
            }
        }
    }

    // Back to the start scheme, the results take the described colours again.
    QApplication::setPalette(m_startPalette);
    // Widgets hear of a new application palette from the event loop.
    QLineEdit *push = field(switched, QStringLiteral("txtPushForce"));
    QTRY_COMPARE(push->palette().color(QPalette::Active, QPalette::Text), resultBlue);
    QCOMPARE(push->palette().color(QPalette::Active, QPalette::Base), m_startPalette.color(QPalette::HighlightedText));
    QVERIFY(unreadable(switched).isEmpty());
}

QTEST_MAIN(tst_Colours)
#include "tst_colours.moc"
