// SPDX-License-Identifier: MIT
#include "applicationInfo.h"

#include <QApplication>
#include <QtTest>

class tst_applicationInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationInfo::apply(); }

    void iconSize_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : ApplicationInfo::iconSizes)
            QTest::addRow("%dpx", size) << size;
    }

    // Each size is its own picture of exactly that size: a missing resource
    // or a mislabelled file would be scaled from another size or be empty.
    void iconSize()
    {
        QFETCH(int, size);
        const QIcon icon = ApplicationInfo::icon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QPixmap pixmap = icon.pixmap(QSize(size, size));
        QCOMPARE(pixmap.size(), QSize(size, size));
        const QImage image(QStringLiteral(":/corvane/icon-%1.png").arg(size));
        QCOMPARE(image.size(), QSize(size, size));
    }

    void applicationCarriesEverySize()
    {
        const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
        QCOMPARE(sizes.size(), qsizetype(std::size(ApplicationInfo::iconSizes)));
        QCOMPARE(QGuiApplication::applicationVersion(), QString::fromLatin1(Corvane::version));
    }
};

QTEST_MAIN(tst_applicationInfo)
#include "tst_applicationInfo.moc"
