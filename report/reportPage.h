// SPDX-License-Identifier: MIT
#pragma once

#include "reportContent.h"

#include <QLocale>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QPrinter;

// The report as one printed page: the same drawing goes into a PDF file and
// to a printer. Nothing here creates a printer; print support starts only
// when the window makes one for its Print command.
namespace Report {

// The margin on every side of the page.
inline constexpr double pageMarginMillimetres = 15;

// Draws the report on the device's current page, inside its margins: the
// HTML form laid out as wide as the page, in the largest font from 11 down to
// 6 points whose layout fits the page's height, and scaled down as a whole if
// not even 6 points fits. Text stays text. Returns false when the device
// cannot be painted on.
bool paintPage(const Content &content, QPagedPaintDevice *device);

// Writes the one-page report as a PDF file at path, whole or not at all: the
// page goes to a temporary file beside it that replaces path only once it is
// complete. On failure returns false, leaves no file behind and puts the
// reason in *error (if error is not null).
bool writePdf(const Content &content, const QString &path, QString *error,
              const QPageSize &pageSize = pageSizeFor(QLocale()));

// Gives a printer the report's paper for the locale, its margins and a
// document name, before the print dialog shows them.
void setUpPrinter(QPrinter *printer, const Content &content, const QLocale &locale = QLocale());

// Prints the page on a printer the print dialog accepted. Returns false when
// the printer could not be started.
bool print(const Content &content, QPrinter *printer);

} // namespace Report
