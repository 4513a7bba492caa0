#pragma once

#include <string_view>

#include <QString>

// A unit's name from session/units.h, for a label.
inline QString UnitText(std::string_view unit)
{
    return QString::fromUtf8(unit.data(), static_cast<qsizetype>(unit.size()));
}
