// SPDX-License-Identifier: MIT
#include "reportContent.h"

#include <QCoreApplication>
#include <QMimeData>

namespace Report {

namespace {

// The labels of the header rows; the panel, the date and the unit system
// come in as the window shows them.
const char *const panelLabel = QT_TRANSLATE_NOOP("Report", "Panel");
const char *const dateLabel = QT_TRANSLATE_NOOP("Report", "Date");
const char *const unitsLabel = QT_TRANSLATE_NOOP("Report", "Units");

QString translated(const char *text)
{
    return QCoreApplication::translate("Report", text);
}

// The header as label and value pairs, the same in both forms.
QList<std::pair<QString, QString>> headerRows(const Content &content)
{
    return {{translated(panelLabel), content.panel},
            {translated(dateLabel), createdText(content.created)},
            {translated(unitsLabel), content.unitSystem}};
}

// A text as one cell of one line: a tab would add a column, a line break a
// row, so both become a space.
QString oneCell(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QString createdText(const QDateTime &created)
{
    if (!created.isValid())
        return QString();
    const QLocale locale;
    return locale.toString(created.date(), QLocale::LongFormat) + u' '
           + locale.toString(created.time(), QLocale::ShortFormat);
}

QString plainText(const Content &content)
{
    QStringList lines{oneCell(content.title)};
    for (const auto &[label, value] : headerRows(content))
        lines << oneCell(label) + u'\t' + oneCell(value);

    for (const Section &section : content.sections) {
        lines << QString() << oneCell(section.heading);
        for (const Row &row : section.rows)
            lines << oneCell(row.caption) + u'\t' + oneCell(row.value) + u'\t' + oneCell(row.unit);
    }

    if (!content.notes.isEmpty())
        lines << QString();
    for (const QString &note : content.notes)
        lines << oneCell(note);

    if (!content.disclaimer.isEmpty())
        lines << QString() << oneCell(content.disclaimer);

    return lines.join(u'\n') + u'\n';
}

QString html(const Content &content)
{
    // Plain markup that both a spreadsheet pasting it and QTextDocument,
    // which draws the printed page from it, understand.
    QString out = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>")
                  + escaped(content.title) + QStringLiteral("</title></head>\n<body>\n");
    out += QStringLiteral("<h2>") + escaped(content.title) + QStringLiteral("</h2>\n");

    out += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">\n");
    for (const auto &[label, value] : headerRows(content)) {
        out += QStringLiteral("<tr><td>") + escaped(label) + QStringLiteral("</td><td><b>")
               + escaped(value) + QStringLiteral("</b></td></tr>\n");
    }
    out += QStringLiteral("</table>\n");

    for (const Section &section : content.sections) {
        out += QStringLiteral("<h3>") + escaped(section.heading) + QStringLiteral("</h3>\n");
        out += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\""
                              " style=\"border-collapse: collapse; border-color: #808080; margin-bottom: 12px\">\n");
        for (const Row &row : section.rows) {
            out += QStringLiteral("<tr><td width=\"50%\">") + escaped(row.caption)
                   + QStringLiteral("</td><td width=\"25%\" align=\"right\">") + escaped(row.value)
                   + QStringLiteral("</td><td width=\"25%\">") + escaped(row.unit)
                   + QStringLiteral("</td></tr>\n");
        }
        out += QStringLiteral("</table>\n");
    }

    // The notes and the disclaimer keep their spaces: the disclaimer has two
    // after some of its sentences.
    for (const QString &note : content.notes) {
        out += QStringLiteral("<p style=\"white-space: pre-wrap\"><b>") + escaped(note)
               + QStringLiteral("</b></p>\n");
    }
    if (!content.disclaimer.isEmpty()) {
        out += QStringLiteral("<p style=\"white-space: pre-wrap\"><small>") + escaped(content.disclaimer)
               + QStringLiteral("</small></p>\n");
    }
    out += QStringLiteral("</body></html>\n");
    return out;
}

std::unique_ptr<QMimeData> mimeData(const Content &content)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(plainText(content));
    data->setHtml(html(content));
    return data;
}

QPageSize pageSizeFor(const QLocale &locale)
{
    // Only the US customary system means Letter. Britain's "imperial" locale
    // still buys A4 paper, as does the rest of the world Qt calls metric.
    if (locale.measurementSystem() == QLocale::ImperialUSSystem)
        return QPageSize(QPageSize::Letter);
    return QPageSize(QPageSize::A4);
}

} // namespace Report
