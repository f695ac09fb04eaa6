// SPDX-License-Identifier: MIT
#include "captionFit.h"

#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QVariant>

#include <algorithm>

namespace CaptionFit {
namespace {

constexpr const char *designSizeProperty = "corvaneDesignPointSize";
constexpr double smallestPointSize = 6.0;
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
    while (QFontMetrics(font).horizontalAdvance(caption) > room && font.pointSizeF() > smallestPointSize)
        font.setPointSizeF(font.pointSizeF() - step);
    return font.pointSizeF();
}

// What decides a fitted size, and so the key it is remembered by.
struct FitKey {
    QString caption;
    QFont font; // at the design size
    int room;
    bool operator==(const FitKey &) const = default;
};

size_t qHash(const FitKey &key, size_t seed = 0) noexcept
{
    return qHashMulti(seed, key.caption, key.font, key.room);
}

// The sizes found so far. Measuring a caption shapes its text, the dearest
// step of fitting; several labels share a caption and room ("PSI"), and a
// unit label only ever alternates between two captions, so each switch of
// units would otherwise measure the same texts again.
QHash<FitKey, double> &fittedSizes()
{
    static QHash<FitKey, double> sizes;
    return sizes;
}

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
    const auto [caption, room] = captionAndRoom(control);

    FitKey key{caption, font, room};
    auto found = fittedSizes().constFind(key);
    if (found == fittedSizes().cend())
        found = fittedSizes().insert(std::move(key), fittedPointSize(font, caption, room));
    font.setPointSizeF(*found);
    if (control->font() != font)
        control->setFont(font);
}

void forgetFittedSizes()
{
    fittedSizes().clear();
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
