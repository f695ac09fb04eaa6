// SPDX-License-Identifier: MIT
// Captions drawn smaller where they would not fit their fixed control: the
// size found, the sizes remembered across caption changes, and every caption
// of the window fitting after switching units.
#include "applicationInfo.h"
#include "captionFit.h"
#include "frmPressureCalc.h"
#include "windowDriver.h"

#include <QFontMetrics>
#include <QLabel>
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
