// SPDX-License-Identifier: MIT
// Maximising and restoring the window on a real Wayland compositor (run by
// waylandSession.sh): the program survives, the layout moves as one piece
// and restoring brings back the size and every place.
#include "applicationInfo.h"
#include "controlTable.h"
#include "frmPressureCalc.h"
#include "windowDriver.h"

#include <QGuiApplication>
#include <QHash>
#include <QMenuBar>
#include <QTest>

namespace {

// Every control's place in the window's client area.
QHash<QString, QRect> placesIn(const frmPressureCalc &window)
{
    QHash<QString, QRect> places;
    for (const ControlTable::Control &entry : ControlTable::controls()) {
        const QWidget *control = WindowDriver::control(window, QString::fromLatin1(entry.name));
        places.insert(QString::fromLatin1(entry.name),
                      QRect(control->mapTo(&window, QPoint(0, 0)), control->size()));
    }
    return places;
}

} // namespace

class tst_WaylandMaximise : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        ApplicationInfo::apply();
    }

    void maximiseAndRestore()
    {
        frmPressureCalc window;
        QVERIFY(WindowDriver::showAndActivate(window));
        WindowDriver::typeInto(window, QStringLiteral("txtAirPressure(0)"), QStringLiteral("87"));
        const QSize startSize = window.size();
        const QHash<QString, QRect> startPlaces = placesIn(window);

        window.setWindowState(Qt::WindowMaximized);
        QTRY_VERIFY_WITH_TIMEOUT(window.isMaximized() && window.width() > startSize.width()
                                     && window.height() > startSize.height(),
                                 10000);
        // Let the compositor see the maximised frame committed.
        QTest::qWait(500);
        QVERIFY(window.isVisible());
        const QHash<QString, QRect> maximisedPlaces = placesIn(window);
        const QPoint shift = maximisedPlaces.value(QStringLiteral("frameUnits")).topLeft()
                             - startPlaces.value(QStringLiteral("frameUnits")).topLeft();
        QVERIFY(shift.x() >= 0 && shift.y() >= 0);
        for (auto place = startPlaces.cbegin(); place != startPlaces.cend(); ++place)
            QCOMPARE(maximisedPlaces.value(place.key()), place.value().translated(shift));
        // The menu bar stays at the top, across the whole width.
        const auto *bar = window.findChild<QMenuBar *>();
        QVERIFY(bar);
        QCOMPARE(bar->geometry(), QRect(0, 0, window.width(), bar->height()));

        window.setWindowState(Qt::WindowNoState);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isMaximized() && window.size() == startSize, 10000);
        QTest::qWait(500);
        QCOMPARE(window.size(), startSize);
        QCOMPARE(placesIn(window), startPlaces);
        QCOMPARE(WindowDriver::text(window, QStringLiteral("txtAirPressure(0)")), QStringLiteral("87"));
    }
};

QTEST_MAIN(tst_WaylandMaximise)
#include "tst_waylandMaximise.moc"
