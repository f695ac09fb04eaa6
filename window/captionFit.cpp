// SPDX-License-Identifier: MIT
#include "captionFit.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace CaptionFit {
namespace {

constexpr const char *designSizeProperty = "corvaneDesignPointSize";
constexpr double smallestPointSize = 6.0;
constexpr double step = 0.25;

} // namespace

void fit(QWidget *control)
{
    QFont font = control->font();
    QVariant design = control->property(designSizeProperty);
    if (!design.isValid()) {
        design = font.pointSizeF();
        control->setProperty(designSizeProperty, design);
    }
    font.setPointSizeF(design.toDouble());
    control->setFont(font);
    while (control->sizeHint().width() > control->width() && font.pointSizeF() > smallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - step);
        control->setFont(font);
    }
}

void fitTogether(const QList<QWidget *> &controls)
{
    double smallest = 0.0;
    for (QWidget *control : controls) {
        fit(control);
        const double size = control->font().pointSizeF();
        smallest = smallest == 0.0 ? size : std::min(smallest, size);
    }
    for (QWidget *control : controls) {
        QFont font = control->font();
        font.setPointSizeF(smallest);
        control->setFont(font);
    }
}

} // namespace CaptionFit
