#pragma once

#include "body_colors.h"
#include "css_rules.h"

#include <array>

// The five colours a browser draws for the document in one reading, and which of them an
// author's declaration decides (directly, by inheritance or through a custom property);
// the others are the browser's own.
struct CssReading {
    BodyColorSet colors{};
    std::array<bool, SlotCount> decided{};
    bool operator==(const CssReading&) const = default;
};

// The cascade of the sheet over the document: the light reading, then the dark one.
std::array<CssReading, 2> cascadeCss(const CssSheet& sheet);
