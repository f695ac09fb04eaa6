// SPDX-License-Identifier: MIT
#include "captionFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QVariant>

#include <algorithm>
#include <optional>

namespace CaptionFit {
namespace {

constexpr const char *designSizeProperty = "corvaneDesignPointSize";
// Captions shrink to 6 points at most, or proportionally less in a window
// zoomed below its design size.
constexpr double smallestPointSize = 6.0;
constexpr double designPointSize = 8.25;
constexpr double step = 0.25;

// The caption and the width the control leaves for it. Worked out from the
// font metrics rather than sizeHint(), which buttons cache across font changes.
std::pair<QString, int> captionAndRoom(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QRadioButton *>(control)) {
        const QStyle *style = button->style();
        const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
                              + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        return {button->text(), button->width() - indicator - 2};
    }
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return {label->text(), label->contentsRect().width() - 2 * label->margin()};
    return {QString(), control->width()};
}

// The largest size, in steps down from the design size, at which the caption
// fits its room.
double fittedPointSize(QFont font, const QString &caption, int room)
{
    const double smallest = std::min(smallestPointSize, font.pointSizeF() * smallestPointSize / designPointSize);
    while (QFontMetrics(font).horizontalAdvance(caption) > room && font.pointSizeF() > smallest)
        font.setPointSizeF(font.pointSizeF() - step);
    return font.pointSizeF();
}

// A control whose font is inherited still has its design size; one that was
// drawn smaller remembers the size it was designed for.
std::optional<double> rememberedDesignSize(const QWidget *control)
{
    if (!control->testAttribute(Qt::WA_SetFont))
        return std::nullopt;
    const QVariant design = control->property(designSizeProperty);
    return design.isValid() ? std::optional(design.toDouble()) : std::nullopt;
}

void setPointSize(QWidget *control, double pointSize)
{
    QFont font = control->font();
    if (font.pointSizeF() == pointSize)
        return;
    if (!rememberedDesignSize(control))
        control->setProperty(designSizeProperty, font.pointSizeF());
    font.setPointSizeF(pointSize);
    control->setFont(font);
}

} // namespace

void fit(QWidget *control)
{
    QFont font = control->font();
    font.setPointSizeF(rememberedDesignSize(control).value_or(font.pointSizeF()));
    const auto [caption, room] = captionAndRoom(control);
    setPointSize(control, fittedPointSize(font, caption, room));
}

void refit(QWidget *control)
{
    control->setProperty(designSizeProperty, QVariant());
    control->setFont(QFont());
    fit(control);
}

void fitTogether(const QList<QWidget *> &controls)
{
    double smallest = 0.0;
    for (QWidget *control : controls) {
        fit(control);
        const double size = control->font().pointSizeF();
        smallest = smallest == 0.0 ? size : std::min(smallest, size);
    }
    for (QWidget *control : controls)
        setPointSize(control, smallest);
}

} // namespace CaptionFit
