// SPDX-License-Identifier: MIT
#include "windowScale.h"

#include "controlTable.h"

#include <QFont>
#include <QFontInfo>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace WindowScale {

QFont formFont(double scale)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(designFormPointSize * scale);
    return font;
}

double fontScale(const QFont &applicationFont)
{
    // A font given in pixels (some desktops do) is measured in points.
    const double points = applicationFont.pointSizeF() > 0 ? applicationFont.pointSizeF()
                                                           : QFontInfo(applicationFont).pointSizeF();
    return points > 0 ? points / designApplicationPointSize : 1.0;
}

double zoomedIn(double zoom)
{
    const auto next = std::ranges::upper_bound(zoomSteps, zoom + 1e-9);
    return next == std::end(zoomSteps) ? zoom : *next;
}

double zoomedOut(double zoom)
{
    const auto next = std::ranges::lower_bound(zoomSteps, zoom - 1e-9);
    return next == std::begin(zoomSteps) ? zoom : *std::prev(next);
}

QRect pixelGeometry(const ControlTable::Control &entry, double scale)
{
    using ControlTable::twipsToPixels;
    return QRect(twipsToPixels(entry.left, scale), twipsToPixels(entry.top, scale),
                 twipsToPixels(entry.width, scale), twipsToPixels(entry.height, scale));
}

QSize clientSize(double scale)
{
    return QSize(ControlTable::twipsToPixels(ControlTable::clientWidthTwips, scale),
                 ControlTable::twipsToPixels(ControlTable::clientHeightTwips, scale));
}

double largestFittingScale(QSize around, QSize available)
{
    using ControlTable::twipsPerPixel;
    // twipsToPixels adds up to half a pixel; the scale leaves room for it.
    const double across = (double(available.width() - around.width()) - 0.5) * twipsPerPixel
                          / ControlTable::clientWidthTwips;
    const double down = (double(available.height() - around.height()) - 0.5) * twipsPerPixel
                        / ControlTable::clientHeightTwips;
    return std::max(0.1, std::min(across, down));
}

int zoomed(int pixels, double zoom)
{
    return std::max(1, int(std::lround(pixels * zoom)));
}

int ZoomedIndicators::unzoomedMetric(PixelMetric metric, const QWidget *widget) const
{
    return QProxyStyle::pixelMetric(metric, nullptr, widget);
}

int ZoomedIndicators::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
        return m_zoom == 1.0 ? pixels : zoomed(pixels, m_zoom);
    default:
        return pixels;
    }
}

} // namespace WindowScale
