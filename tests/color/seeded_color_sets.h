#pragma once

#include "body_colors.h"

#include <random>
#include <vector>

// Colour sets to derive dark counterparts from: 40 drawn from a fixed seed (every other one a
// light page, the rest any five colours), then pages as people make them.
inline std::vector<BodyColorSet> seededColorSets()
{
    std::vector<BodyColorSet> sets;
    std::minstd_rand random(28);
    for (int i = 0; i < 40; ++i) {
        BodyColorSet set{};
        for (ColorValue& c : set)
            c = static_cast<ColorValue>(random() & 0xFFFFFFu);
        if (i % 2 == 0)
            set[BGCOLOR] = rgbColor(200 + static_cast<int>(random() % 56),
                                    200 + static_cast<int>(random() % 56),
                                    200 + static_cast<int>(random() % 56));
        sets.push_back(set);
    }
    const auto web = [](std::uint32_t rrggbb) { return swapWebOrder(rrggbb); };
    const BodyColorSet pages[] = {
        {web(0x008080), web(0xFFFFFF), web(0x0000FF), web(0x00FFFF), web(0xFF00FF)}, // start
        {web(0xFFFFFF), web(0x000000), web(0x0000EE), web(0x551A8B), web(0xFF0000)}, // browser
        {web(0xFFFFFF), web(0x212529), web(0x0D6EFD), web(0x6F42C1), web(0x0A58CA)},
        {web(0xF4ECD8), web(0x5B4636), web(0x8B4513), web(0x6B4E71), web(0xA0522D)}, // sepia
        {web(0x777777), web(0x000000), web(0x0000FF), web(0x800080), web(0xFF0000)},
        {web(0xFFFF00), web(0xFF0000), web(0x00FF00), web(0x0000FF), web(0xFF00FF)},
        {web(0x1E1E1E), web(0xD4D4D4), web(0x569CD6), web(0xC586C0), web(0xCE9178)}, // dark
        {web(0x000000), web(0x000000), web(0x000000), web(0x000000), web(0x000000)},
    };
    sets.insert(sets.end(), std::begin(pages), std::end(pages));
    return sets;
}
