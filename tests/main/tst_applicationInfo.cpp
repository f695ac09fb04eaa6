// SPDX-License-Identifier: MIT
#include "applicationInfo.h"

#include <QApplication>
#include <QPainter>
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

    void drawsAsAnIconGivenTheSameFiles_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("mode");
        QTest::addRow("16 px") << QSize(16, 16) << int(QIcon::Normal);
        QTest::addRow("24 px, between two files") << QSize(24, 24) << int(QIcon::Normal);
        QTest::addRow("100 px, between two files") << QSize(100, 100) << int(QIcon::Normal);
        QTest::addRow("400 px, above the largest file") << QSize(400, 400) << int(QIcon::Normal);
        QTest::addRow("20 x 40, not square") << QSize(20, 40) << int(QIcon::Normal);
        QTest::addRow("300 x 50, not square") << QSize(300, 50) << int(QIcon::Normal);
        QTest::addRow("32 px, disabled") << QSize(32, 32) << int(QIcon::Disabled);
        QTest::addRow("48 px, active") << QSize(48, 48) << int(QIcon::Active);
        QTest::addRow("40 px, selected") << QSize(40, 40) << int(QIcon::Selected);
    }

    // The icon reads its files only when first drawn; what it draws, and the
    // sizes it reports, are those of a plain icon given the same files.
    void drawsAsAnIconGivenTheSameFiles()
    {
        QFETCH(QSize, size);
        QFETCH(int, mode);
        const auto iconMode = QIcon::Mode(mode);
        QIcon plain;
        for (const int fileSize : ApplicationInfo::iconSizes)
            plain.addFile(QStringLiteral(":/corvane/icon-%1.png").arg(fileSize), QSize(fileSize, fileSize));
        const QIcon icon = ApplicationInfo::icon();

        QCOMPARE(icon.actualSize(size, iconMode), plain.actualSize(size, iconMode));
        QCOMPARE(icon.availableSizes(iconMode), plain.availableSizes(iconMode));
        const QImage drawn = icon.pixmap(size, iconMode).toImage();
        QVERIFY(!drawn.isNull());
        QCOMPARE(drawn, plain.pixmap(size, iconMode).toImage());

        const auto painted = [&](const QIcon &which) {
            QImage image(size + QSize(6, 6), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            which.paint(&painter, QRect(QPoint(3, 3), size), Qt::AlignCenter, iconMode);
            painter.end();
            return image;
        };
        QCOMPARE(painted(icon), painted(plain));
        // A copy that is changed gets an engine of its own and still draws.
        QIcon copy = icon;
        copy.addFile(QStringLiteral(":/corvane/icon-16.png"), QSize(16, 16), QIcon::Normal, QIcon::On);
        QCOMPARE(copy.pixmap(size, iconMode).toImage(), drawn);
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
