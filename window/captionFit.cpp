// SPDX-License-Identifier: MIT
#include "captionFit.h"

#include "windowScale.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QRadioButton>
#include <QRect>
#include <QStyle>
#include <QVariant>

#include <algorithm>
#include <optional>

namespace CaptionFit {
namespace {

constexpr const char *designSizeProperty = "corvaneDesignPointSize";
// Captions shrink to smallestPointSize at most, or proportionally less in a
// window drawn smaller than its design size.
constexpr double step = 0.25;

// The caption and the width the control leaves for it. Worked out from the
// font metrics rather than sizeHint(), which buttons cache across font changes.
std::pair<QString, int> captionAndRoom(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QRadioButton *>(control)) {
        const QStyle *style = button->style();
        const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
                              + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        return {button->text(), optionRoom(button->width(), indicator)};
    }
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const int margin = label->margin();
        const QRect contents = label->contentsRect().adjusted(margin, 0, -margin, 0).translated(label->pos());
        // Only a field beside the label, on its right, limits its caption.
        const QWidget *field = label->buddy();
        const bool besideIt = field && field->parentWidget() == label->parentWidget() && field->x() > label->x();
        return {label->text(), labelRoom(contents, besideIt ? field->geometry() : QRect())};
    }
    return {QString(), control->width()};
}

double smallestIn(const QFont &font)
{
    return std::min(smallestPointSize, font.pointSizeF() * smallestPointSize / WindowScale::designFormPointSize);
}

// The largest size, in steps down from the design size, at which the caption
// fits its room.
double measuredPointSize(QFont font, const QString &caption, int room)
{
    const double smallest = smallestIn(font);
    while (QFontMetrics(font).horizontalAdvance(caption) > room && font.pointSizeF() > smallest)
        font.setPointSizeF(font.pointSizeF() - step);
    return font.pointSizeF();
}

// The sizes found so far. Measuring a caption (shaping its text) is nearly
// all a fit costs, and the same caption is fitted again and again: the window
// fits each caption as the control is built, again when start-up writes the
// selector's and the unit captions, and again when it applies its scale; the
// unit switch fits every unit caption on each switch; and many controls share
// a caption ("Inches", "PSI"). The size found depends on the caption, the
// room and the font alone, so each caption is measured once in a font and
// room, and the size is kept while the application runs.
struct Measured {
    QString caption;
    int room;
    QFont font;
    bool operator==(const Measured &) const = default;
};

// Hashing a whole font costs as much as the rest of a fit; its size tells
// the fonts of one window apart well enough, and equality compares all of it.
size_t qHash(const Measured &key, size_t seed = 0)
{
    return qHashMulti(seed, key.caption, key.room, key.font.pointSizeF());
}

// Far more than one window's captions at a few zoom steps.
constexpr qsizetype rememberedSizes = 1000;
QHash<Measured, double> measured;
bool forgetAtExit = false;

// The fonts go before the application does: a font can hold on to the font
// engine it was drawn with, which the application's end releases.
void forgetMeasured()
{
    measured.clear();
    forgetAtExit = false;
}

} // namespace

double fittedPointSize(const QFont &font, const QString &caption, int room)
{
    Measured key{caption, room, font};
    if (const auto found = measured.constFind(key); found != measured.cend())
        return found.value();
    const double pointSize = measuredPointSize(font, caption, room);
    if (measured.size() >= rememberedSizes)
        measured.clear();
    measured.insert(std::move(key), pointSize);
    if (!forgetAtExit) {
        qAddPostRoutine(forgetMeasured);
        forgetAtExit = true;
    }
    return pointSize;
}

namespace {

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

int labelRoom(const QRect &contents, const QRect &field)
{
    const int end = field.isNull() ? contents.right() + 1
                                   : std::min(contents.right() + 1, field.left() - fieldDistance);
    return end - contents.left();
}

int optionRoom(int width, int indicator)
{
    return width - indicator - 2;
}

bool fitsWithoutShrinkingTooFar(const QFont &font, const QString &caption, int room)
{
    const double size = fittedPointSize(font, caption, room);
    if (size < smallestPointSize)
        return false;
    QFont fitted = font;
    fitted.setPointSizeF(size);
    return QFontMetrics(fitted).horizontalAdvance(caption) <= room;
}

void fit(QWidget *control)
{
    QFont font = control->font();
    if (const std::optional<double> designSize = rememberedDesignSize(control))
        font.setPointSizeF(*designSize);
    const auto [caption, room] = captionAndRoom(control);
    setPointSize(control, fittedPointSize(font, caption, room));
}

void refit(QWidget *control)
{
    // A control that inherits its font has the window's already. Looking a
    // property up by name walks all of the control's properties: only one
    // that was drawn smaller has a design size to forget.
    if (control->testAttribute(Qt::WA_SetFont)) {
        if (control->dynamicPropertyNames().contains(designSizeProperty))
            control->setProperty(designSizeProperty, QVariant());
        control->setFont(QFont());
    }
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
