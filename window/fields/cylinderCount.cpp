// SPDX-License-Identifier: MIT
#include "cylinderCount.h"

#include "numberText.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace CylinderCount {

std::optional<std::int16_t> fromValue(double value)
{
    // nearbyint rounds by the current mode, which is to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= 0.0 && rounded <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

QString outOfRange(const QString &caption)
{
    return QCoreApplication::translate("CylinderCount", "\"%1\" must lie between %2 and %3. No result was changed.")
        .arg(caption, NumberText::formatGeneral(0), NumberText::formatGeneral(std::numeric_limits<std::int16_t>::max()));
}

} // namespace CylinderCount
