// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <memory>

class QMimeData;

// The report of one panel: what it holds, and its plain-text and HTML forms.
// Every text is taken as the window shows it (locale separators included);
// nothing here computes or formats a value.
namespace Report {

// One field: its caption, its text as shown, its unit label (may be empty).
struct Row
{
    QString caption;
    QString value;
    QString unit;
};

// "Input Values", "Output Values", the system totals: a heading and its rows
// in screen order.
struct Section
{
    QString heading;
    QList<Row> rows;
};

struct Content
{
    QString title;       // the program's name and version
    QString panel;       // the panel's name, "Valve Flow"
    QDateTime created;   // written in the default locale's long date and short time
    QString unitSystem;  // "Imperial" or "Metric"
    QList<Section> sections;
    QStringList notes;   // the stale-input warning, the 53 % advice; often none
    QString disclaimer;
};

// The date and time line as the report writes it, in the default locale.
QString createdText(const QDateTime &created);

// One line per row: the header lines, each section's heading and its rows as
// "caption<TAB>value<TAB>unit" (an empty unit leaves the third column empty),
// the notes, the disclaimer. Blank lines between the blocks. A tab or line
// break inside a text becomes a space, so a row is always one line of three
// columns.
QString plainText(const Content &content);

// The same as an HTML document: one table per section, every text escaped.
QString html(const Content &content);

// The clipboard's form: text/plain from plainText(), text/html from html().
std::unique_ptr<QMimeData> mimeData(const Content &content);

// The paper a locale prints on: Letter where the locale measures in US
// customary units, A4 everywhere else.
QPageSize pageSizeFor(const QLocale &locale);

} // namespace Report
