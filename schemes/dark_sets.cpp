#include "dark_sets.h"

#include "scheme_value.h"

#include <QList>

namespace {

constexpr ColorValue LargestColor = 0xFFFFFFu;

// A run of ASCII digits without sign, blank or leading "+"; nullopt past 24 bits.
std::optional<ColorValue> readColorNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 8)
        return std::nullopt;
    ColorValue value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + static_cast<ColorValue>(c.unicode() - u'0');
    }
    if (value > LargestColor)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<BodyColorSet> readDarkSchemeColors(const QString& value)
{
    const QList<QStringView> fields = QStringView(value).split(u',');
    if (fields.size() != SlotCount)
        return std::nullopt;
    BodyColorSet colors{};
    for (int slot = 0; slot < SlotCount; ++slot) {
        const std::optional<ColorValue> color = readColorNumber(fields[slot]);
        if (!color)
            return std::nullopt;
        colors[static_cast<std::size_t>(slot)] = *color;
    }
    return colors;
}

QString darkSchemeValueText(const BodyColorSet& colors)
{
    return schemeValueText(colors);
}
