// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QProxyStyle>
#include <QRect>
#include <QSize>

namespace ControlTable { struct Control; }

// How large the window is drawn. The layout was drawn for Qt's usual 9-point
// application font; a larger application font enlarges every place, size and
// font in proportion, and the user's zoom (Ctrl+Plus, Ctrl+Minus, Ctrl+0)
// multiplies that. The zoom lives as long as the window and is not saved.
namespace WindowScale {

// The application font the layout was drawn for, and the window's own font
// at that size.
constexpr double designApplicationPointSize = 9.0;
constexpr double designFormPointSize = 8.25;

// The window's font at a scale. The layout was drawn for MS Sans Serif at
// 8.25 points; where that face is missing, a sans serif of the same narrow
// metrics keeps every caption inside its control.
QFont formFont(double scale);

// The zoom steps, smallest to largest; 1.0 is the size the window opens at.
constexpr double zoomSteps[] = {0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// The scale the application font asks for: its size over the design size.
double fontScale(const QFont &applicationFont);

// The next step up or down from a zoom; the zoom itself at either end.
double zoomedIn(double zoom);
double zoomedOut(double zoom);

// A control's place and size in pixels at a scale.
QRect pixelGeometry(const ControlTable::Control &entry, double scale);
// The window's client area in pixels at a scale.
QSize clientSize(double scale);

// The largest scale at which the client area and everything around it (the
// window's decorations, a menu bar, a status bar) still fit the available
// area of the screen.
double largestFittingScale(QSize around, QSize available);

// A style's size in pixels at a zoom, never below one pixel.
int zoomed(int pixels, double zoom);

// Draws the indicators of option buttons, and the space after them, in
// proportion to the zoom, in a style that takes their size from its pixel
// metrics (Fusion does). At zoom 1 it is the application's style unchanged.
class ZoomedIndicators : public QProxyStyle
{
public:
    void setZoom(double zoom) { m_zoom = zoom; }
    double zoom() const { return m_zoom; }
    // The size the application's style gives, before the zoom.
    int unzoomedMetric(PixelMetric metric, const QWidget *widget) const;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    double m_zoom = 1.0;
};

} // namespace WindowScale
