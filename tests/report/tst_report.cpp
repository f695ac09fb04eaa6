// SPDX-License-Identifier: MIT
// The report in its three forms: the clipboard's plain text and HTML, and the
// one-page PDF read back with poppler's pdftotext and pdfinfo.
#include "reportContent.h"
#include "reportPage.h"

#include <QDir>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextTable>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

Q_DECLARE_METATYPE(Report::Content)

using Report::Content;
using Report::Row;
using Report::Section;

namespace {

const QString staleNote = QStringLiteral(
    "Inputs changed after the last calculation: press Calculate before relying on these results.");
const QString adviceNote = QStringLiteral(
    "The pressure drop is more than 53 % of the absolute supply pressure: the flow formula does not hold.");
// As long as the program's own disclaimer.
const QString disclaimer = QStringLiteral(
    "This program is furnished only as a guide. The material contained within the program is "
    "provided as is without warranty of any kind, including, but not limited to, the implied "
    "warranties of merchantability or fitness for a particular purpose. Corvane by offering the "
    "program will not assume any liability should the program produce results other than intended "
    "by Corvane or should the performance of the program prove defective in any way.  Corvane "
    "reserves the right to improve, update, or otherwise modify the program at any time without "
    "notice.  All calculations should be approved and verified by a Certified Pneumatic Specialist.");

Content valvePanel(bool metric, QStringList notes = {})
{
    const auto unit = [metric](const char *imperial, const char *metricUnit) {
        return QString::fromUtf8(metric ? metricUnit : imperial);
    };
    Content content;
    content.title = QStringLiteral("Corvane Calculator 2.00.0041");
    content.panel = QStringLiteral("Valve Flow");
    content.created = QDateTime(QDate(2025, 12, 9), QTime(14, 30));
    content.unitSystem = metric ? QStringLiteral("Metric") : QStringLiteral("Imperial");
    content.sections = {
        {QStringLiteral("Input Values"),
         {{"Air Pressure", metric ? "5,51581" : "80", unit("PSI", "Bar")},
          {"Bore Size", metric ? "50,8" : "2", unit("Inches", "mm")},
          {"Room Temperature", metric ? "20" : "68", unit("° F", "° c")},
          {"Stroke Length", metric ? "152,4" : "6", unit("Inches", "mm")},
          {"Stroke Time", metric ? "0,5" : "0.5", "Seconds"},
          {"Number of Cylinders", "2", ""},
          {"Pressure Drop", metric ? "0,34474" : "5", unit("PSI", "Bar")}}},
        {QStringLiteral("Output Values"),
         {{"Volume", metric ? "1.234,5" : "37.69911", unit("Cubic Inch.", "Cubic mm")},
          {"Flow Coefficient", metric ? "0,18" : "0.21", metric ? "kV Factor" : "CV Factor"},
          {"Instantaneous Flow", metric ? "145,08" : "5.12345", unit("SCFM", "L/min")}}},
        {QStringLiteral("System Totals"),
         {{"Total System Flow", metric ? "290,16" : "10.2469", unit("SCFM", "L/min")},
          {"Cylinders in Total", "4", ""}}},
    };
    content.notes = notes;
    content.disclaimer = disclaimer;
    return content;
}

// A panel with more rows than any real one, to push the page to its limits.
Content longPanel(int rows)
{
    Content content = valvePanel(false);
    content.sections[0].rows.clear();
    for (int i = 1; i <= rows; ++i)
        content.sections[0].rows.append({QStringLiteral("Row %1").arg(i), QString::number(i * 11), "PSI"});
    return content;
}

QStringList nonEmptyLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    lines.removeAll(QString());
    return lines;
}

QString collapsedBlanks(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

// Runs one of poppler's tools on a file; fails the test when it is missing.
QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        QTest::qFail(qPrintable(tool + QStringLiteral(" not found: install poppler-utils")), __FILE__, __LINE__);
        return QString();
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        QTest::qFail(qPrintable(tool + QStringLiteral(" failed: ") + process.readAllStandardError()),
                     __FILE__, __LINE__);
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class tst_Report : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void plainTextRows_data();
    void plainTextRows();
    void dateInTheLocale();
    void htmlTables_data();
    void htmlTables();
    void clipboardCarriesBothForms();
    void pageSize_data();
    void pageSize();

    void pdfPage_data();
    void pdfPage();
    void printDrawsTheSamePage();
    void writeFails_data();
    void writeFails();
    void fullDiskLeavesTheOldFile();
};

void tst_Report::plainTextRows_data()
{
    QTest::addColumn<Content>("content");

    QTest::newRow("imperial, no notes") << valvePanel(false);
    QTest::newRow("metric, both notes") << valvePanel(true, {staleNote, adviceNote});
    Content awkward = valvePanel(false, {QStringLiteral("two\nlines")});
    awkward.sections[0].rows[0] = {QStringLiteral("Air\tPressure"), QStringLiteral("8\r\n0"), QString()};
    QTest::newRow("tabs and line breaks in the texts") << awkward;
    Content bare = valvePanel(false);
    bare.disclaimer.clear();
    bare.sections.removeLast();
    QTest::newRow("no disclaimer, two sections") << bare;
}

void tst_Report::plainTextRows()
{
    QFETCH(Content, content);
    const QString text = Report::plainText(content);
    QVERIFY(text.endsWith(u'\n'));

    const auto cell = [](QString s) {
        return s.replace(QRegularExpression(QStringLiteral("[\t\r\n]")), QStringLiteral(" "));
    };
    QStringList expected{content.title, QStringLiteral("Panel\tValve Flow"),
                         QStringLiteral("Date\t") + Report::createdText(content.created),
                         QStringLiteral("Units\t") + content.unitSystem};
    for (const Section &section : content.sections) {
        expected << section.heading;
        for (const Row &row : section.rows)
            expected << cell(row.caption) + u'\t' + cell(row.value) + u'\t' + cell(row.unit);
    }
    for (const QString &note : content.notes)
        expected << cell(note);
    if (!content.disclaimer.isEmpty())
        expected << content.disclaimer;
    QCOMPARE(nonEmptyLines(text), expected);

    // Every row pastes into three spreadsheet columns, an empty unit included.
    const QStringList lines = text.split(u'\n');
    for (const Section &section : content.sections) {
        const qsizetype heading = lines.indexOf(section.heading);
        QVERIFY(heading >= 0);
        for (qsizetype i = 1; i <= section.rows.size(); ++i)
            QCOMPARE(lines[heading + i].split(u'\t').size(), 3);
    }
}

void tst_Report::dateInTheLocale()
{
    const QDateTime created(QDate(2025, 12, 9), QTime(14, 30));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString german = Report::createdText(created);
    QVERIFY2(german.contains(QStringLiteral("Dezember 2025")) && german.contains(QStringLiteral("14:30")),
             qPrintable(german));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString american = Report::createdText(created);
    QVERIFY2(american.contains(QStringLiteral("December 9, 2025")) && american.contains(QStringLiteral("2:30")),
             qPrintable(american));
    QCOMPARE(Report::createdText(QDateTime()), QString());
}

void tst_Report::htmlTables_data()
{
    QTest::addColumn<Content>("content");

    QTest::newRow("imperial, both notes") << valvePanel(false, {staleNote, adviceNote});
    Content markup = valvePanel(true);
    markup.panel = QStringLiteral("Valve <Flow> & \"Totals\"");
    markup.sections[1].rows[0] = {QStringLiteral("<b>Bore & Rod</b>"), QStringLiteral("1 < 2 && 3 > 2"),
                                  QStringLiteral("&amp;")};
    markup.notes = {QStringLiteral("<script>alert(1)</script>")};
    QTest::newRow("markup in every kind of text") << markup;
}

void tst_Report::htmlTables()
{
    QFETCH(Content, content);
    const QString html = Report::html(content);
    QVERIFY(!html.contains(QStringLiteral("<b>Bore")));
    QVERIFY(!html.contains(QStringLiteral("<script>")));

    // Read back, every text is there as it was given: nothing was taken for markup.
    QTextDocument document;
    document.setHtml(html);
    const QString shown = document.toPlainText();
    for (const QString &text : {content.title, content.panel, content.disclaimer})
        QVERIFY2(shown.contains(text), qPrintable(text));
    for (const QString &note : content.notes)
        QVERIFY2(shown.contains(note), qPrintable(note));

    // The header table, then one table per section: a row per field, three cells each.
    QList<QTextTable *> tables;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            tables.append(table);
    }
    QCOMPARE(tables.size(), content.sections.size() + 1);
    QCOMPARE(tables[0]->rows(), 3);
    for (qsizetype s = 0; s < content.sections.size(); ++s) {
        const QList<Row> &rows = content.sections[s].rows;
        QTextTable *table = tables[s + 1];
        QCOMPARE(table->rows(), rows.size());
        QCOMPARE(table->columns(), 3);
        for (int r = 0; r < table->rows(); ++r) {
            const auto cellText = [&](int column) {
                const QTextTableCell cell = table->cellAt(r, column);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                return cursor.selectedText();
            };
            QCOMPARE(cellText(0), rows[r].caption);
            QCOMPARE(cellText(1), rows[r].value);
            QCOMPARE(cellText(2), rows[r].unit);
        }
    }
}

void tst_Report::clipboardCarriesBothForms()
{
    const Content content = valvePanel(false, {staleNote});
    const std::unique_ptr<QMimeData> data = Report::mimeData(content);
    QVERIFY(data->hasText());
    QVERIFY(data->hasHtml());
    QCOMPARE(data->text(), Report::plainText(content));
    QCOMPARE(data->html(), Report::html(content));
}

void tst_Report::pageSize_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("expected");

    QTest::newRow("en_US: Letter") << "en_US" << int(QPageSize::Letter);
    QTest::newRow("es_US: Letter") << "es_US" << int(QPageSize::Letter);
    QTest::newRow("de_DE: A4") << "de_DE" << int(QPageSize::A4);
    QTest::newRow("en_GB, imperial but A4") << "en_GB" << int(QPageSize::A4);
    QTest::newRow("fr_FR: A4") << "fr_FR" << int(QPageSize::A4);
    QTest::newRow("C: A4") << "C" << int(QPageSize::A4);
}

void tst_Report::pageSize()
{
    QFETCH(QString, locale);
    QFETCH(int, expected);
    QCOMPARE(int(Report::pageSizeFor(QLocale(locale)).id()), expected);
}

void tst_Report::pdfPage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Content>("content");
    QTest::addColumn<QString>("pageSize"); // as pdfinfo names it

    QTest::newRow("imperial on Letter") << "en_US" << valvePanel(false, {staleNote, adviceNote}) << "(letter)";
    QTest::newRow("decimal comma on A4") << "de_DE" << valvePanel(true) << "(A4)";
    QTest::newRow("40 rows still on one page") << "en_US" << longPanel(40) << "(letter)";
    QTest::newRow("150 rows still on one page") << "de_DE" << longPanel(150) << "(A4)";
}

void tst_Report::pdfPage()
{
    QFETCH(QString, locale);
    QFETCH(Content, content);
    QFETCH(QString, pageSize);
    QLocale::setDefault(QLocale(locale));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QString error;
    QVERIFY2(Report::writePdf(content, path, &error), qPrintable(error));
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("report.pdf")});

    const QString info = popplerOutput(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"), QRegularExpression::MultilineOption)),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Page size:.*") + QRegularExpression::escape(pageSize),
                                              QRegularExpression::MultilineOption)),
             qPrintable(info));

    // The text is text, and each row keeps caption, value and unit on one line.
    const QString text =
        popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    for (const QString &header : {content.title, content.panel, content.unitSystem})
        QVERIFY2(text.contains(header), qPrintable(header));
    for (const Section &section : content.sections) {
        QVERIFY2(text.contains(section.heading), qPrintable(section.heading));
        for (const Row &row : section.rows) {
            const QString pattern = QRegularExpression::escape(row.caption) + QStringLiteral("\\s+")
                                    + QRegularExpression::escape(row.value) + QStringLiteral("\\s*")
                                    + QRegularExpression::escape(row.unit) + QStringLiteral("\\s*$");
            QVERIFY2(text.contains(QRegularExpression(pattern, QRegularExpression::MultilineOption)),
                     qPrintable(pattern + QStringLiteral(" not in:\n") + text));
        }
    }
    for (const QString &note : content.notes)
        QVERIFY2(collapsedBlanks(text).contains(note), qPrintable(note));
    QVERIFY2(collapsedBlanks(text).contains(collapsedBlanks(content.disclaimer)), qPrintable(text));
}

void tst_Report::printDrawsTheSamePage()
{
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    const Content content = valvePanel(false, {adviceNote});
    QTemporaryDir folder;
    QVERIFY(folder.isValid());

    const QString written = folder.filePath(QStringLiteral("written.pdf"));
    QString error;
    QVERIFY2(Report::writePdf(content, written, &error), qPrintable(error));

    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        Report::setUpPrinter(&printer, content, QLocale(QStringLiteral("en_US")));
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
        QVERIFY(Report::print(content, &printer));
    }

    QVERIFY(popplerOutput(QStringLiteral("pdfinfo"), {printed}).contains(QStringLiteral("(letter)")));
    const auto textOf = [](const QString &path) {
        return collapsedBlanks(popplerOutput(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}));
    };
    const QString printedText = textOf(printed);
    QVERIFY(printedText.contains(adviceNote));
    QCOMPARE(printedText, textOf(written));
}

void tst_Report::writeFails_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder is a file") << "file";
    QTest::newRow("folder missing") << "missing";
    QTest::newRow("folder not writable") << "readOnly";
}

void tst_Report::writeFails()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QString watched = folder.path();
    QString path;
    if (kind == QStringLiteral("file")) {
        QFile file(folder.filePath(QStringLiteral("plain")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        path = file.fileName() + QStringLiteral("/report.pdf");
    } else if (kind == QStringLiteral("missing")) {
        path = folder.filePath(QStringLiteral("gone/report.pdf"));
    } else if (geteuid() == 0) {
        // Permission bits stop no one running as root; /proc/sys takes no
        // new files even then.
        watched = QStringLiteral("/proc/sys");
        path = QStringLiteral("/proc/sys/corvane-report.pdf");
    } else {
        watched = folder.filePath(QStringLiteral("locked"));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("locked")));
        QVERIFY(QFile::setPermissions(watched, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        path = watched + QStringLiteral("/report.pdf");
    }
    const QStringList before = entries(watched);

    QString error;
    QVERIFY(!Report::writePdf(valvePanel(false), path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(entries(watched), before);
    if (watched.startsWith(folder.path()))
        QFile::setPermissions(watched, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void tst_Report::fullDiskLeavesTheOldFile()
{
    // A file size limit fails the writes half way, as a full disk does, for
    // root too. The limit's signal would end the test instead.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the report saved before");
    old.close();

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 2000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = Report::writePdf(valvePanel(false), path, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(entries(folder.path()), QStringList{QStringLiteral("report.pdf")});
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the report saved before"));
}

QTEST_MAIN(tst_Report)
#include "tst_report.moc"
