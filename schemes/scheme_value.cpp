#include "scheme_value.h"

#include "stored_numbers.h"

namespace {

constexpr ColorValue ColorMask = 0xFFFFFFu; // the 24 bits of red, green and blue

ColorValue maskedColor(int number)
{
    return static_cast<ColorValue>(static_cast<std::uint32_t>(number)) & ColorMask;
}

} // namespace

std::optional<BodyColorSet> readSchemeColors(const QString& value)
{
    const auto numbers = scanIntegers(value, SlotCount);
    if (!numbers)
        return std::nullopt;
    BodyColorSet colors{};
    for (int slot = 0; slot < SlotCount; ++slot)
        colors[static_cast<std::size_t>(slot)] =
            maskedColor((*numbers)[static_cast<std::size_t>(slot)]);
    return colors;
}

QString schemeValueText(const BodyColorSet& colors)
{
    QString text;
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (slot > 0)
            text += u',';
        text += QString::number(colors[static_cast<std::size_t>(slot)] & ColorMask);
    }
    return text;
}

bool isStorableSchemeName(const QString& name)
{
    if (name.startsWith(u';'))
        return false;
    // '=' would cut the key short; a line break or NUL would cut the line.
    for (QChar c : name) {
        if (c == u'=' || c == u'\r' || c == u'\n' || c == u'\0')
            return false;
    }
    return QString::compare(name, LastEndKey, Qt::CaseInsensitive) != 0;
}
