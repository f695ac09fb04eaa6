// SPDX-License-Identifier: MIT
// Colours of the result fields that stay readable in every colour scheme.
//
// Results are drawn dark blue on the highlighted-text colour, white in the
// usual light schemes. Many dark schemes make that colour black, where dark
// blue cannot be read; the field then takes the palette's own text colours.
#include "resultColours.h"

#include <QEvent>
#include <QLineEdit>

#include <algorithm>
#include <array>
#include <cmath>

namespace ResultColours {

namespace {

const QColor describedText(0, 0, 192);

// A colour's relative luminance: its sRGB channels made linear and weighted.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// Recolours the result fields whenever the window's palette changes. Every
// container inherits the window's palette, so the colours are worked out once
// for all fields. Watching the window rather than the fields catches a theme
// that changes only the text and base colours, which leaves the fields' own
// palettes, where those two are set, as they were.
class PaletteFollower : public QObject
{
public:
    PaletteFollower(QWidget *window, QList<QLineEdit *> fields)
        : QObject(window), m_window(window), m_fields(std::move(fields))
    {
        recolour();
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            recolour();
        return false;
    }

private:
    void recolour()
    {
        const QPalette surroundings = m_window->palette();
        std::array<Pair, 3> pairs;
        const std::array groups{QPalette::Active, QPalette::Inactive, QPalette::Disabled};
        for (std::size_t index = 0; index < groups.size(); ++index)
            pairs[index] = resultColours(surroundings, groups[index]);
        for (QLineEdit *field : m_fields) {
            QPalette colours = field->palette();
            for (std::size_t index = 0; index < groups.size(); ++index) {
                colours.setColor(groups[index], QPalette::Text, pairs[index].text);
                colours.setColor(groups[index], QPalette::Base, pairs[index].background);
            }
            field->setPalette(colours);
        }
    }

    QWidget *m_window;
    QList<QLineEdit *> m_fields;
};

} // namespace

double contrast(const QColor &first, const QColor &second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Pair resultColours(const QPalette &surroundings, QPalette::ColorGroup group)
{
    const auto colour = [&](QPalette::ColorRole role) { return surroundings.color(group, role); };
    const std::array<Pair, 3> choices = {{
        {describedText, colour(QPalette::HighlightedText)},
        {colour(QPalette::Text), colour(QPalette::Base)},
        {colour(QPalette::WindowText), colour(QPalette::Window)},
    }};
    for (const Pair &pair : choices)
        if (contrast(pair.text, pair.background) >= readableContrast)
            return pair;
    // A palette with no readable pair at all: black or white on its base,
    // whichever reads better.
    const QColor base = colour(QPalette::Base);
    const QColor text = contrast(Qt::black, base) >= contrast(Qt::white, base) ? QColor(Qt::black) : QColor(Qt::white);
    return {text, base};
}

void follow(QWidget *window, const QList<QLineEdit *> &fields)
{
    new PaletteFollower(window, fields);
}

} // namespace ResultColours
