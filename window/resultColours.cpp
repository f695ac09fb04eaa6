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

// Recolours its field when the palette it inherits changes. It watches the
// field's container too: a new theme that changes only the text and base
// colours leaves the field's own palette, where those are set, as it was.
class PaletteFollower : public QObject
{
public:
    explicit PaletteFollower(QLineEdit *field) : QObject(field), m_field(field) { recolour(); }

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
        // Setting the palette reports a change of palette itself.
        if (m_recolouring)
            return;
        m_recolouring = true;
        const QPalette surroundings =
            m_field->parentWidget() ? m_field->parentWidget()->palette() : QPalette();
        QPalette colours = m_field->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const Pair pair = resultColours(surroundings, group);
            colours.setColor(group, QPalette::Text, pair.text);
            colours.setColor(group, QPalette::Base, pair.background);
        }
        m_field->setPalette(colours);
        m_recolouring = false;
    }

    QLineEdit *m_field;
    bool m_recolouring = false;
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

void follow(QLineEdit *field)
{
    auto *follower = new PaletteFollower(field);
    field->installEventFilter(follower);
    if (field->parentWidget())
        field->parentWidget()->installEventFilter(follower);
}

} // namespace ResultColours
