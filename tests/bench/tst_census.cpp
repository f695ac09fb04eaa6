// SPDX-License-Identifier: MIT
// The census behind the benchmarks' baseline: a window of every kind of
// control and layout it knows gives the same census as the plain window
// rebuilt from it, and as the census written to a file and read back.
#include "bareWindow.h"

#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace Bench;

namespace {

// A census as lines of text, so that a difference shows where it is.
QStringList described(const WindowCensus &census)
{
    QStringList lines{QStringLiteral("window '%1' layout %2").arg(census.title).arg(census.layout)};
    for (const PlainControl &control : census.controls) {
        QString line = QStringLiteral("control %1 in %2 layout %3 '%4' picture %5x%6 hidden %7 checked %8 read-only %9")
                           .arg(int(control.kind))
                           .arg(control.container)
                           .arg(control.layout)
                           .arg(control.text)
                           .arg(control.picture.width())
                           .arg(control.picture.height())
                           .arg(int(control.hidden))
                           .arg(int(control.checked))
                           .arg(int(control.readOnly));
        for (const PlainMenu &menu : control.menus) {
            line += QStringLiteral(" menu '%1':").arg(menu.title);
            for (const PlainMenu::Action &action : menu.actions)
                line += QStringLiteral(" '%1' %2 %3").arg(action.text, action.shortcut.toString()).arg(int(action.checkable));
        }
        lines << line;
    }
    for (const PlainLayout &layout : census.layouts) {
        QString line = QStringLiteral("layout %1 current %2 menu bar %3:")
                           .arg(int(layout.kind))
                           .arg(layout.current)
                           .arg(layout.menuBar);
        for (const PlainLayout::Item &item : layout.items)
            line += QStringLiteral(" [control %1 layout %2 at %3,%4 span %5x%6 stretch %7 alignment %8]")
                        .arg(item.control)
                        .arg(item.layout)
                        .arg(item.row)
                        .arg(item.column)
                        .arg(item.rowSpan)
                        .arg(item.columnSpan)
                        .arg(item.stretch)
                        .arg(item.alignment);
        lines << line;
    }
    return lines;
}

// Every kind of control and layout the census knows: a menu bar on a box of
// fixed size, a row with aligned and stretched items and a stretch, a stack
// of two pages (a grid with a spanning cell and a nested box, and a form)
// nested in a box, a hidden label outside any layout and a status bar.
std::unique_ptr<QWidget> everyKind()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Census"));
    auto *top = new QVBoxLayout(window.get());
    top->setSizeConstraint(QLayout::SetFixedSize);

    auto *bar = new QMenuBar;
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Save"))->setShortcut(QKeySequence::Save);
    file->addSeparator();
    file->addAction(QStringLiteral("&Large"))->setCheckable(true);
    top->setMenuBar(bar);

    auto *row = new QWidget;
    auto *rowLayout = new QHBoxLayout(row);
    auto *units = new QGroupBox(QStringLiteral("Units"));
    auto *unitButtons = new QVBoxLayout(units);
    unitButtons->addWidget(new QRadioButton(QStringLiteral("Imperial")));
    auto *metric = new QRadioButton(QStringLiteral("Metric"));
    metric->setChecked(true);
    unitButtons->addWidget(metric);
    rowLayout->addWidget(units, 0, Qt::AlignTop);
    QPixmap picture(8, 4);
    picture.fill(Qt::red);
    auto *logo = new QLabel;
    logo->setPixmap(picture);
    rowLayout->addWidget(logo, 1, Qt::AlignCenter);
    rowLayout->addStretch(2);
    top->addWidget(row);

    // A stack raises and lowers its pages, which reorders the children of
    // their container: the pages have one of their own, as in the calculator
    // window, so that the plain window lists them in the same order.
    auto *pages = new QWidget;
    auto *stack = new QStackedLayout;
    (new QVBoxLayout(pages))->addLayout(stack);
    top->addWidget(pages);
    auto *first = new QGroupBox(QStringLiteral("Inputs"));
    auto *grid = new QGridLayout(first);
    grid->addWidget(new QLabel(QStringLiteral("Bore")), 0, 0);
    auto *result = new QLineEdit(QStringLiteral("2.5"));
    result->setReadOnly(true);
    grid->addWidget(result, 0, 1);
    grid->addWidget(new QPlainTextEdit(QStringLiteral("Notes")), 1, 0, 1, 2);
    auto *commands = new QHBoxLayout;
    commands->addWidget(new QPushButton(QStringLiteral("Calculate")));
    grid->addLayout(commands, 2, 1, Qt::AlignRight);
    (new QLabel(first))->hide();
    stack->addWidget(first);
    auto *second = new QWidget;
    auto *form = new QFormLayout(second);
    form->addRow(QStringLiteral("Rod"), new QLineEdit(QStringLiteral("0.625")));
    form->addRow(new QPushButton(QStringLiteral("Reset")));
    stack->addWidget(second);
    stack->setCurrentIndex(1);

    top->addWidget(new QStatusBar);
    return window;
}

WindowCensus censusOfShown(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was not exposed");
    return takeCensus(window);
}

} // namespace

class CensusTest : public QObject
{
    Q_OBJECT

private slots:
    void plainWindowHasTheSameCensus()
    {
        const std::unique_ptr<QWidget> window = everyKind();
        const WindowCensus census = censusOfShown(*window);
        QCOMPARE(census.controls.size(), std::size_t(18));
        QCOMPARE(census.layouts.size(), qsizetype(8));

        const std::unique_ptr<QWidget> plain = makePlainWindow(census);
        QCOMPARE(described(censusOfShown(*plain)), described(census));
        QCOMPARE(plain->layout()->sizeConstraint(), QLayout::SetFixedSize);
        QVERIFY(qobject_cast<QMenuBar *>(plain->layout()->menuBar()));
    }

    void fileGivesTheSameCensus()
    {
        const std::unique_ptr<QWidget> window = everyKind();
        const WindowCensus census = censusOfShown(*window);
        const QTemporaryDir directory;
        const QString name = directory.filePath(QStringLiteral("census.dat"));
        QVERIFY(writeCensus(census, name));
        const std::optional<WindowCensus> read = readCensus(name);
        QVERIFY(read);
        QCOMPARE(described(*read), described(census));

        // A file cut short is refused, not half read.
        QFile file(name);
        QVERIFY(file.resize(file.size() - 8));
        QVERIFY(!readCensus(name));
    }
};

QTEST_MAIN(CensusTest)
#include "tst_census.moc"
