// SPDX-License-Identifier: MIT
#include "reportPage.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

namespace Report {

namespace {

constexpr double largestPoints = 11;
constexpr double smallestPoints = 6;
constexpr double pointStep = 0.5;

QMarginsF pageMargins()
{
    return {pageMarginMillimetres, pageMarginMillimetres, pageMarginMillimetres,
            pageMarginMillimetres};
}

QString documentName(const Content &content)
{
    return content.panel.isEmpty() ? content.title : content.title + QStringLiteral(" - ") + content.panel;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool paintPage(const Content &content, QPagedPaintDevice *device)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;

    // The painter's origin is the top left corner inside the margins, and
    // the device's size is the area inside them.
    const QSizeF area(device->width(), device->height());

    QTextDocument document;
    document.documentLayout()->setPaintDevice(device);
    document.setDocumentMargin(0);
    document.setTextWidth(area.width());
    document.setHtml(html(content));

    // Without ligatures: text copied from the page or searched in it reads
    // "ffi" as three letters, not one sign.
    QFont font = document.defaultFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    for (double points = largestPoints;; points -= pointStep) {
        font.setPointSizeF(points);
        document.setDefaultFont(font);
        if (document.size().height() <= area.height() || points <= smallestPoints)
            break;
    }

    // Content far beyond what a panel holds: keep it on the page, smaller.
    // Laid out wider in its own units, it still fills the page's width once
    // scaled, and grows no taller for it.
    const double height = document.size().height();
    if (height > area.height()) {
        const double scale = area.height() / height;
        document.setTextWidth(area.width() / scale);
        painter.scale(scale, scale);
    }

    document.drawContents(&painter);
    return painter.end();
}

bool writePdf(const Content &content, const QString &path, QString *error, const QPageSize &pageSize)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());

    bool painted = false;
    {
        // The writer finishes the file when it is destroyed, before commit.
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, pageMargins(),
                                         QPageLayout::Millimeter));
        writer.setTitle(documentName(content));
        writer.setCreator(content.title);
        painted = paintPage(content, &writer);
    }
    if (!painted) {
        file.cancelWriting();
        return fail(error, QCoreApplication::translate("Report", "The page could not be drawn."));
    }
    // A write that failed on the way (a full disk) makes commit fail too; the
    // temporary file is then removed and path left as it was.
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

void setUpPrinter(QPrinter *printer, const Content &content, const QLocale &locale)
{
    printer->setPageLayout(QPageLayout(pageSizeFor(locale), QPageLayout::Portrait, pageMargins(),
                                       QPageLayout::Millimeter));
    printer->setDocName(documentName(content));
    printer->setCreator(content.title);
}

bool print(const Content &content, QPrinter *printer)
{
    return paintPage(content, printer);
}

} // namespace Report
