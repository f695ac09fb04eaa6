// SPDX-License-Identifier: MIT
// Captions drawn smaller where they would not fit their fixed control: the
// size found, the sizes remembered across caption changes, and every caption
// of the window fitting after switching units.
#include "applicationInfo.h"
#include "captionFit.h"
#include "frmPressureCalc.h"
#include "windowDriver.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QMenuBar>
#include <QScreen>
#include <QSet>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

namespace {

constexpr double designPointSize = 10.0;
constexpr double smallestPointSize = 6.0;
constexpr double step = 0.25;

int labelRoom(const QLabel &label) { return label.contentsRect().width() - 2 * label.margin(); }

int buttonRoom(const QRadioButton &button)
{
    const QStyle *style = button.style();
    return button.width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &button)
           - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &button) - 2;
}

int advance(const QFont &font, double pointSize, const QString &caption)
{
    QFont sized = font;
    sized.setPointSizeF(pointSize);
    return QFontMetrics(sized).horizontalAdvance(caption);
}

// The size is the largest step at or below the design size at which the
// caption fits, or the smallest size when none does.
void verifyLargestFit(const QFont &font, const QString &caption, int room)
{
    const double size = font.pointSizeF();
    QVERIFY2(size <= designPointSize && size >= smallestPointSize, qPrintable(QString::number(size)));
    if (size > smallestPointSize)
        QVERIFY2(advance(font, size, caption) <= room, qPrintable(caption));
    if (size < designPointSize)
        QVERIFY2(advance(font, size + step, caption) > room, qPrintable(caption));
}

QLabel *makeLabel(QWidget &parent, int width)
{
    auto *label = new QLabel(&parent);
    QFont font = label->font();
    font.setPointSizeF(designPointSize);
    label->setFont(font);
    label->setGeometry(0, 0, width, 30);
    return label;
}

// Sibling controls that overlap, and controls that stick out of their
// container, named "a/b" and "a!".
QSet<QString> layoutFaults(const frmPressureCalc &window)
{
    QSet<QString> faults;
    const auto controls = window.findChildren<QWidget *>(QRegularExpression(QStringLiteral("^[A-Za-z]")));
    for (const QWidget *control : controls) {
        if (control->parentWidget() != &window && !control->parentWidget()->rect().contains(control->geometry()))
            faults.insert(control->objectName() + QLatin1Char('!'));
        for (const QWidget *other : controls)
            if (other != control && other->parentWidget() == control->parentWidget()
                && other->geometry().intersects(control->geometry()) && control->objectName() < other->objectName())
                faults.insert(control->objectName() + QLatin1Char('/') + other->objectName());
    }
    return faults;
}

// Captions that do not fit the room of their label or option button.
QStringList uncutCaptionFaults(const frmPressureCalc &window)
{
    QStringList cut;
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (!label->text().isEmpty()
            && QFontMetrics(label->font()).horizontalAdvance(label->text()) > labelRoom(*label))
            cut.append(label->objectName());
    for (const QRadioButton *button : window.findChildren<QRadioButton *>())
        if (QFontMetrics(button->font()).horizontalAdvance(button->text()) > buttonRoom(*button))
            cut.append(button->objectName());
    return cut;
}

} // namespace

class tst_captionFit : public QObject
{
    Q_OBJECT

private slots:
    void labelGetsTheLargestSizeThatFits_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::newRow("short caption, wide label") << QStringLiteral("psi") << 200;
        QTest::newRow("caption a little too long") << QStringLiteral("Number of Cylinders") << 110;
        QTest::newRow("caption far too long") << QStringLiteral("Total System Flow Required at Pressure") << 60;
        QTest::newRow("empty caption") << QString() << 10;
    }

    void labelGetsTheLargestSizeThatFits()
    {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QWidget parent;
        QLabel *label = makeLabel(parent, width);
        label->setText(caption);
        CaptionFit::fit(label);
        verifyLargestFit(label->font(), caption, labelRoom(*label));
    }

    // A unit label alternates between its imperial and metric caption; each
    // must get the same size every time, the size a first fit gives it.
    void alternatingCaptionsKeepTheirSizes()
    {
        const QString longCaption = QStringLiteral("Standard cubic feet per minute");
        const QString shortCaption = QStringLiteral("l/min");
        QWidget parent;
        QLabel *label = makeLabel(parent, 120);
        QLabel *fresh = makeLabel(parent, 120);
        fresh->setText(longCaption);
        CaptionFit::fit(fresh);
        const double longSize = fresh->font().pointSizeF();
        QVERIFY(longSize < designPointSize);

        for (int round = 0; round < 3; ++round) {
            label->setText(longCaption);
            CaptionFit::fit(label);
            QCOMPARE(label->font().pointSizeF(), longSize);
            label->setText(shortCaption);
            CaptionFit::fit(label);
            QCOMPARE(label->font().pointSizeF(), designPointSize);
        }
    }

    // A size found for one width is not reused for another.
    void narrowerLabelIsFittedAgain()
    {
        const QString caption = QStringLiteral("Cylinder Stroke Length");
        QWidget parent;
        QLabel *label = makeLabel(parent, 150);
        label->setText(caption);
        CaptionFit::fit(label);
        const double wideSize = label->font().pointSizeF();

        label->resize(90, label->height());
        CaptionFit::fit(label);
        verifyLargestFit(label->font(), caption, labelRoom(*label));
        QVERIFY(label->font().pointSizeF() < wideSize);

        label->resize(150, label->height());
        CaptionFit::fit(label);
        QCOMPARE(label->font().pointSizeF(), wideSize);
    }

    void captionInAnotherFontIsMeasuredAgain_data()
    {
        QTest::addColumn<QFont>("other");
        QFont font;
        font.setPointSizeF(designPointSize);
        QFont bold = font;
        bold.setWeight(QFont::Black);
        QTest::newRow("bolder") << bold;
        QFont spaced = font;
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, 2.0);
        QTest::newRow("letters spaced apart") << spaced;
        QFont fixedPitch = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixedPitch.setPointSizeF(designPointSize);
        QTest::newRow("fixed pitch") << fixedPitch;
    }

    // Sizes found once are used again only for the same caption, room and
    // font: the same caption in a label just wide enough for it, then in a
    // wider-set font of the same size, needs a smaller size there.
    void captionInAnotherFontIsMeasuredAgain()
    {
        QFETCH(QFont, other);
        const QString caption = QStringLiteral("Instantaneous Flow");
        QWidget parent;
        QLabel *first = makeLabel(parent, 10);
        first->resize(QFontMetrics(first->font()).horizontalAdvance(caption), first->height());
        first->setText(caption);
        CaptionFit::fit(first);
        QCOMPARE(first->font().pointSizeF(), designPointSize);

        QLabel *second = makeLabel(parent, first->width());
        second->setFont(other);
        QVERIFY(QFontMetrics(other).horizontalAdvance(caption) > labelRoom(*second));
        second->setText(caption);
        CaptionFit::fit(second);
        verifyLargestFit(second->font(), caption, labelRoom(*second));
        QVERIFY(second->font().pointSizeF() < designPointSize);
    }

    void optionButtonsShareTheSmallestSize()
    {
        QWidget parent;
        QList<QWidget *> buttons;
        for (const QString &caption : {QStringLiteral("Bore"), QStringLiteral("Cylinder Force Output")}) {
            auto *button = new QRadioButton(caption, &parent);
            QFont font = button->font();
            font.setPointSizeF(designPointSize);
            button->setFont(font);
            button->setGeometry(0, 0, 110, 24);
            buttons.append(button);
        }
        CaptionFit::fitTogether(buttons);
        auto *longButton = static_cast<QRadioButton *>(buttons.at(1));
        verifyLargestFit(longButton->font(), longButton->text(), buttonRoom(*longButton));
        QVERIFY(longButton->font().pointSizeF() < designPointSize);
        QCOMPARE(buttons.at(0)->font().pointSizeF(), longButton->font().pointSizeF());

        // Drawn smaller only for the group's sake, both return to the design
        // size once every caption fits.
        longButton->setText(QStringLiteral("Force"));
        CaptionFit::fitTogether(buttons);
        QCOMPARE(buttons.at(0)->font().pointSizeF(), designPointSize);
        QCOMPARE(longButton->font().pointSizeF(), designPointSize);
    }

    void zoomKeepsEveryCaptionAndPlace_data()
    {
        // Keys: + Ctrl+Plus, = Ctrl+=, - Ctrl+Minus, 0 Ctrl+0. Zoom 0: held
        // at the screen's edge.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("zoom");
        QTest::newRow("as opened") << QString() << 1.0;
        QTest::newRow("Ctrl+Plus, 110 %") << QStringLiteral("+") << 1.1;
        QTest::newRow("Ctrl+= three times, 150 %") << QStringLiteral("===") << 1.5;
        QTest::newRow("Ctrl+Plus five times, 200 %") << QStringLiteral("+++++") << 2.0;
        QTest::newRow("Ctrl+Minus, 90 %") << QStringLiteral("-") << 0.9;
        QTest::newRow("Ctrl+Minus four times, 67 %") << QStringLiteral("----") << 0.67;
        QTest::newRow("no smaller than 67 %") << QStringLiteral("--------") << 0.67;
        QTest::newRow("Ctrl+0 after zooming in") << QStringLiteral("+++0") << 1.0;
        QTest::newRow("Ctrl+0 after zooming out") << QStringLiteral("--0") << 1.0;
        QTest::newRow("held at the screen's edge") << QStringLiteral("++++++++++++") << 0.0;
    }

    // Each step scales the window and every control; no caption is cut, no
    // control overlaps another or leaves its container that did not as drawn.
    void zoomKeepsEveryCaptionAndPlace()
    {
        QFETCH(QString, keys);
        QFETCH(double, zoom);
        ApplicationInfo::apply();
        frmPressureCalc window;
        const QSet<QString> drawnFaults = layoutFaults(window);
        QVERIFY(WindowDriver::showAndActivate(window));
        WindowDriver::typeInto(window, QStringLiteral("txtAirPressure(0)"), QStringLiteral("5"));
        const QHash<QChar, Qt::Key> keyOf{{'+', Qt::Key_Plus}, {'=', Qt::Key_Equal}, {'-', Qt::Key_Minus},
                                          {'0', Qt::Key_0}};
        for (const QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), keyOf.value(key), Qt::ControlModifier);

        const QRect available = window.screen()->availableGeometry();
        // The menu bar keeps the desktop's menu font: the panels alone zoom.
        const auto *bar = window.findChild<QMenuBar *>();
        QVERIFY(bar);
        QCOMPARE(bar->font().pointSizeF(), QApplication::font(bar).pointSizeF());
        const QWidget *canvas = WindowDriver::control(window, QStringLiteral("canvas"));
        const int panels = canvas->height();
        if (zoom == 0.0) {
            QVERIFY(panels > 2 * 545);
            QVERIFY(window.frameGeometry().height() <= available.height());
            const QSize held = window.size();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(window.size(), held);
            zoom = canvas->height() * 15.0 / 8175;
        } else {
            // The panels at the zoom; the menu bar and the status bar add their heights.
            QVERIFY2(std::abs(canvas->width() - 379 * zoom) <= 1.0 && std::abs(canvas->height() - 545 * zoom) <= 1.0,
                     qPrintable(QStringLiteral("%1x%2").arg(canvas->width()).arg(canvas->height())));
        }
        QVERIFY(window.frameGeometry().width() <= available.width());
        QCOMPARE(window.font().pointSizeF() > 8.25 * zoom - 0.1, true);
        QVERIFY(std::abs(WindowDriver::control(window, QStringLiteral("Frame2"))->width() - 313 * zoom) <= 1.5);

        for (int panel = 0; panel < 4; ++panel) {
            WindowDriver::selectPanel(window, panel);
            QCOMPARE(uncutCaptionFaults(window).join(QLatin1Char(' ')), QString());
        }
        QCOMPARE(layoutFaults(window) - drawnFaults, QSet<QString>());
        QCOMPARE(WindowDriver::text(window, QStringLiteral("txtAirPressure(0)")), QStringLiteral("5"));
    }

    // In the window itself: every label's caption fits (or is at the smallest
    // size) in either unit system, and a switch there and back leaves every
    // caption at the size it had at start-up.
    void windowCaptionsFitInBothUnitSystems()
    {
        ApplicationInfo::apply();
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        const auto labels = window.findChildren<QLabel *>();
        QVERIFY(labels.size() > 17);
        QMap<QString, double> startSizes;
        for (const QLabel *label : labels)
            startSizes.insert(label->objectName(), label->font().pointSizeF());

        for (const char *units : {"Option1(1)", "Option1(0)"}) {
            WindowDriver::click(window, QString::fromLatin1(units));
            for (const QLabel *label : labels) {
                if (label->text().isEmpty() || label->font().pointSizeF() <= smallestPointSize)
                    continue;
                QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= labelRoom(*label),
                         qPrintable(label->objectName() + ": " + label->text()));
            }
        }
        for (const QLabel *label : labels)
            QCOMPARE(label->font().pointSizeF(), startSizes.value(label->objectName()));
    }
};

QTEST_MAIN(tst_captionFit)
#include "tst_captionFit.moc"
