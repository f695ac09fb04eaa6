// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>

#include <functional>

class QLabel;
class QWidget;

// How large the window is drawn. Ctrl+Plus (or Ctrl+=), Ctrl+Minus and
// Ctrl+0 step the zoom; the window's fonts and the logo follow it and Qt's
// layouts do the rest. The zoom lives as long as the window and is not
// saved.
//
// A step is taken only when the window's whole frame, title bar and borders
// included, fits the available area of its screen. Under Wayland, where a
// program cannot see the compositor's panels, 48 pixels at the top and at
// the bottom are left free. At start-up (and at Ctrl+0) the window takes
// the largest step up to 100 % that fits, or the smallest step when none
// does. The smallest step is the smallest at which no text is below
// 6 points.
class Zoom : public QObject
{
    Q_OBJECT

public:
    // From smallest to largest; 1.0 is the size the window opens at.
    static constexpr double steps[] = {0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
    // No text of the window is drawn smaller.
    static constexpr double smallestPointSize = 6.0;
    // The caption and unit labels' size at Qt's usual 9-point application
    // font; they follow the application font in proportion.
    static constexpr double labelPointSize = 8.25;
    static constexpr double designApplicationPointSize = 9.0;
    // Kept free above and below the window under Wayland.
    static constexpr int waylandMargin = 48;

    // Zooms the window's own font, the labels' font and the logo; the
    // widgets in `keepFont` (the menu bar) keep the application's font.
    // `fontsSet` runs after each change of fonts, before the window is laid
    // out again.
    Zoom(QWidget *window, QList<QLabel *> labels, QLabel *logo, QList<QWidget *> keepFont,
         std::function<void()> fontsSet = {});

    double zoom() const { return m_zoom; }
    void zoomIn();
    void zoomOut();
    // Back to 100 %, or the largest step below that fits.
    void reset();

    // The labels' font and the window's font at a zoom, for the application
    // font in use.
    static QFont labelFont(double zoom);
    static QFont windowFont(double zoom);
    // The smallest step at which no text is below smallestPointSize.
    static double smallestStep();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Draws the window at a step.
    void apply(double zoom);
    // The largest step from `from` down that fits the screen, or the
    // smallest step.
    void applyLargestFitting(double from);
    bool fitsScreen() const;
    QSize decorations() const;
    void keepOnScreen();

    QWidget *m_window;
    QList<QPointer<QLabel>> m_labels;
    QPointer<QLabel> m_logo;
    QList<QPointer<QWidget>> m_keepFont;
    double m_zoom = 0.0;
    // Whether the window has been laid out at a zoom before.
    bool m_laidOut = false;
    // The step asked for last; the screen may have held the window smaller.
    double m_asked = 1.0;
    QSize m_decorationsAssumed;
    std::function<void()> m_fontsSet;
};
