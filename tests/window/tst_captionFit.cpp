// SPDX-License-Identifier: MIT
// Captions drawn smaller where they would not fit their fixed control: the
// size found, the sizes remembered across caption changes, and every caption
// of the window fitting after switching units.
#include "applicationInfo.h"
#include "captionFit.h"
#include "controlTable.h"
#include "frmPressureCalc.h"
#include "windowScale.h"
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
#include <QStyleOptionButton>
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

// Captions that do not fit the room of their label or option button, that
// come closer than 3 pixels to the field they name, or are drawn smaller than
// 6 points (named "label<6"); and option buttons whose indicator is cut or
// overlaps another's ("button#").
QStringList captionFaults(const frmPressureCalc &window)
{
    QStringList faults;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const int advance = QFontMetrics(label->font()).horizontalAdvance(label->text());
        if (advance > labelRoom(*label))
            faults.append(label->objectName());
        if (const QWidget *field = label->buddy();
            field && label->x() + label->contentsRect().x() + label->margin() + advance > field->x() - 3)
            faults.append(label->objectName() + QStringLiteral(" touches ") + field->objectName());
        if (label->font().pointSizeF() < smallestPointSize)
            faults.append(label->objectName() + QStringLiteral("<6"));
    }
    QList<std::pair<const QRadioButton *, QRect>> indicators;
    for (const QRadioButton *button : window.findChildren<QRadioButton *>()) {
        if (QFontMetrics(button->font()).horizontalAdvance(button->text()) > buttonRoom(*button))
            faults.append(button->objectName());
        if (button->font().pointSizeF() < smallestPointSize)
            faults.append(button->objectName() + QStringLiteral("<6"));
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect indicator = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
        if (!button->rect().contains(indicator))
            faults.append(button->objectName() + QLatin1Char('#'));
        const QRect inParent = indicator.translated(button->pos());
        for (const auto &[other, otherIndicator] : std::as_const(indicators))
            if (other->parentWidget() == button->parentWidget() && otherIndicator.intersects(inParent))
                faults.append(button->objectName() + QLatin1Char('#') + other->objectName());
        indicators.append({button, inParent});
    }
    return faults;
}

// The zoom the window is drawn at: the step whose size it has.
double zoomStepOf(const frmPressureCalc &window)
{
    const QWidget *canvas = WindowDriver::control(window, QStringLiteral("canvas"));
    for (const double step : WindowScale::zoomSteps)
        if (std::abs(canvas->width() - 379 * step) <= 1.0 && std::abs(canvas->height() - 545 * step) <= 1.0)
            return step;
    return 0.0;
}

void zoom(const QString &keys)
{
    const QHash<QChar, Qt::Key> keyOf{{'+', Qt::Key_Plus}, {'=', Qt::Key_Equal}, {'-', Qt::Key_Minus},
                                      {'0', Qt::Key_0}};
    for (const QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), keyOf.value(key), Qt::ControlModifier);
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
        // at the screen's edge; -1: the smallest step.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("zoom");
        QTest::newRow("as opened") << QString() << 1.0;
        QTest::newRow("Ctrl+Plus, 110 %") << QStringLiteral("+") << 1.1;
        QTest::newRow("Ctrl+= three times, 150 %") << QStringLiteral("===") << 1.5;
        QTest::newRow("Ctrl+Plus five times, 200 %") << QStringLiteral("+++++") << 2.0;
        QTest::newRow("Ctrl+Minus, 90 %") << QStringLiteral("-") << 0.9;
        QTest::newRow("Ctrl+Minus as far as it goes") << QStringLiteral("--------") << -1.0;
        QTest::newRow("Ctrl+0 after zooming in") << QStringLiteral("+++0") << 1.0;
        QTest::newRow("Ctrl+0 after zooming out") << QStringLiteral("--0") << 1.0;
        QTest::newRow("held at the screen's edge") << QStringLiteral("++++++++++++") << 0.0;
    }

    // Each step scales the window and every control; no caption is cut,
    // comes near its field or is drawn below 6 points, no indicator is cut
    // or overlaps another, no control overlaps another or leaves its
    // container that did not as drawn.
    void zoomKeepsEveryCaptionAndPlace()
    {
        QFETCH(QString, keys);
        QFETCH(double, zoom);
        ApplicationInfo::apply();
        frmPressureCalc window;
        const QSet<QString> drawnFaults = layoutFaults(window);
        QVERIFY(WindowDriver::showAndActivate(window));
        WindowDriver::typeInto(window, QStringLiteral("txtAirPressure(0)"), QStringLiteral("5"));
        ::zoom(keys);

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
        } else if (zoom < 0.0) {
            zoom = zoomStepOf(window);
            QVERIFY2(zoom > 0.0 && zoom < 1.0,
                     qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
            const QSize smallest = window.size();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus, Qt::ControlModifier);
            QCOMPARE(window.size(), smallest);
        } else {
            // The panels at the zoom; the menu bar and the status bar add their heights.
            QVERIFY2(std::abs(canvas->width() - 379 * zoom) <= 1.0 && std::abs(canvas->height() - 545 * zoom) <= 1.0,
                     qPrintable(QStringLiteral("%1x%2").arg(canvas->width()).arg(canvas->height())));
        }
        QVERIFY(window.frameGeometry().width() <= available.width());
        QCOMPARE(window.font().pointSizeF() > 8.25 * zoom - 0.1, true);
        QVERIFY(std::abs(WindowDriver::control(window, QStringLiteral("Frame2"))->width() - 313 * zoom) <= 1.5);

        // The indicators grow and shrink with the zoom, the captions' room
        // with them.
        for (QRadioButton *button : window.findChildren<QRadioButton *>()) {
            const int unzoomed =
                QApplication::style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button);
            const int shown = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button);
            QVERIFY2(std::abs(shown - unzoomed * zoom) <= 1.0, qPrintable(button->objectName()));
        }

        for (int panel = 0; panel < 4; ++panel) {
            WindowDriver::selectPanel(window, panel);
            QCOMPARE(captionFaults(window).join(QLatin1Char(' ')), QString());
        }
        QCOMPARE(layoutFaults(window) - drawnFaults, QSet<QString>());
        QCOMPARE(WindowDriver::text(window, QStringLiteral("txtAirPressure(0)")), QStringLiteral("5"));
    }

    // The smallest step is the smallest at which the layout holds: one step
    // further some caption would need less than 6 points, or an indicator
    // would not fit its button or would overlap its neighbour's.
    void smallestStepIsTheSmallestThatHolds()
    {
        ApplicationInfo::apply();
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        ::zoom(QStringLiteral("------------"));
        const double smallest = zoomStepOf(window);
        QVERIFY(smallest > 0.0);
        QCOMPARE(captionFaults(window).join(QLatin1Char(' ')), QString());
        if (smallest == WindowScale::zoomSteps[0])
            return;
        const double below = *std::prev(std::ranges::lower_bound(WindowScale::zoomSteps, smallest));

        // Every caption's room one step below, from the layout's places in
        // twips: to the end of its control, a label's no nearer than 3
        // pixels to its field; an option button's less its indicator and
        // spacing, shrunk as the zoom shrinks them.
        const auto pixels = [below](int twips) { return int((twips * below + 7.0) / 15.0); };
        const auto rowOf = [](const QString &name) {
            for (const ControlTable::Control &entry : ControlTable::controls())
                if (QString::fromLatin1(entry.name) == name)
                    return &entry;
            return static_cast<const ControlTable::Control *>(nullptr);
        };
        QFont atSix = WindowScale::formFont(below);
        atSix.setPointSizeF(smallestPointSize);
        QStringList needSmaller;
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            const ControlTable::Control *entry = rowOf(label->objectName());
            if (!entry || label->text().isEmpty())
                continue;
            int room = pixels(entry->width);
            if (const QWidget *field = label->buddy())
                room = std::min(room, pixels(rowOf(field->objectName())->left) - 3 - pixels(entry->left));
            if (QFontMetrics(atSix).horizontalAdvance(label->text()) > room)
                needSmaller.append(label->objectName());
        }
        for (const QRadioButton *button : window.findChildren<QRadioButton *>()) {
            const ControlTable::Control *entry = rowOf(button->objectName());
            const QStyle *style = QApplication::style();
            const auto zoomed = [style, button, below](QStyle::PixelMetric metric) {
                return int(std::lround(style->pixelMetric(metric, nullptr, button) * below));
            };
            const int indicator = zoomed(QStyle::PM_ExclusiveIndicatorWidth);
            const int spacing = zoomed(QStyle::PM_RadioButtonLabelSpacing);
            if (QFontMetrics(atSix).horizontalAdvance(button->text()) > pixels(entry->width) - indicator - spacing - 2
                || indicator > pixels(entry->height))
                needSmaller.append(button->objectName());
        }
        QVERIFY2(!needSmaller.isEmpty() || WindowScale::formFont(below).pointSizeF() < smallestPointSize,
                 qPrintable(QString::number(below)));
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
