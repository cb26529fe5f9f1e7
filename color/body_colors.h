#pragma once

#include "color_value.h"

#include <array>
#include <string_view>

// The index of a body colour; the order of every text format and of the settings file.
enum ColorSlot : int { BGCOLOR = 0, TEXT = 1, LINK = 2, VLINK = 3, ALINK = 4 };

constexpr int SlotCount = 5;

// Each slot's attribute name in a BODY tag, in ColorSlot order.
inline constexpr std::array<std::string_view, SlotCount> SlotAttributeNames = {
    "BGCOLOR", "TEXT", "LINK", "VLINK", "ALINK"};

// The five body colours in ColorSlot order.
using BodyColorSet = std::array<ColorValue, SlotCount>;

// Which of a page's two colour sets: the one of the light scheme, or the dark counterpart.
enum class ColorSetKind { Light, Dark };
