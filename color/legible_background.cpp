#include "legible_background.h"

#include "color_spaces.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

// Whether all seven pairs can pass depends on the background's luminance alone, since the
// four other colours may be any; a closed form of that tells which backgrounds are worth
// handing to fixAllColors, which has the last word.

namespace {

using ColorSpaces::Triple;

// Steps of OKLab lightness and of chroma (as eighths of the most the gamut allows) that
// the search tries; finer than 8-bit colours can follow in the dark, where it matters.
constexpr double LightnessStep = 0.0025;
constexpr int ChromaSteps = 8;

struct Candidate {
    ColorValue color;
    double key;
    double distance;
};

// Colours of the target's hue, from black to white and from grey to its chroma.
std::vector<Candidate> candidatesNear(ColorValue target)
{
    const Triple targetLab = ColorSpaces::oklabOf(target);
    const Triple lch = ColorSpaces::labToLch(targetLab);
    const int steps = static_cast<int>(std::ceil(1 / LightnessStep));
    std::map<ColorValue, Candidate> found;
    const auto add = [&](ColorValue color) {
        found.try_emplace(color,
                          Candidate{color, luminanceKey(color),
                                    ColorSpaces::deltaEOK(ColorSpaces::oklabOf(color), targetLab)});
    };
    for (int i = 0; i <= steps; ++i) {
        const double lightness = static_cast<double>(i) / steps;
        const double most = ColorSpaces::srgbGamutChroma(lightness, lch[1], lch[2]);
        for (int j = 0; j <= ChromaSteps; ++j)
            add(ColorSpaces::toColorValue(
                ColorSpaces::oklchToSrgb({lightness, most * j / ChromaSteps, lch[2]})));
    }
    std::vector<Candidate> out;
    out.reserve(found.size());
    for (const auto& entry : found)
        out.push_back(entry.second);
    return out;
}

// Whether some text and link luminances (any real ones, not only those of 8-bit colours)
// let all seven pairs pass on a background of relative luminance `y`: the foregrounds that
// pass on it must hold two, one at least 3:1 from the other. Checked in closed form, so
// that fixAllColors runs only for backgrounds that are likely to pass.
bool roomForAll(double y, FixLevel level)
{
    constexpr double Flare = 0.05;
    const double onBackground = requiredHundredths(BGCOLOR, level) / 100.0;
    const double onText = requiredHundredths(TEXT, level) / 100.0;
    const double darkest = onBackground * (y + Flare) - Flare;  // lighter foregrounds from here
    const double lightest = (y + Flare) / onBackground - Flare; // darker ones up to here
    const bool light = darkest <= 1, dark = lightest >= 0;
    if (!light && !dark)
        return false;
    const double low = dark ? 0 : darkest;
    const double high = light ? 1 : lightest;
    return high + Flare >= onText * (low + Flare);
}

} // namespace

std::optional<BodyColorSet> nearestLegibleBackground(const BodyColorSet& colors, FixLevel level)
{
    if (std::optional<BodyColorSet> fixed = fixAllColors(colors, level))
        return fixed;
    // Which backgrounds let them pass is no simple run of luminance (on a mid grey, black
    // text and white links fit in a narrow band), so the candidates are tried nearest first.
    std::vector<Candidate> candidates = candidatesNear(colors[BGCOLOR]);
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
    for (const Candidate& candidate : candidates) {
        if (candidate.color == colors[BGCOLOR] ||
            !roomForAll(candidate.key / WhiteLuminanceKey, level))
            continue;
        BodyColorSet trial = colors;
        trial[BGCOLOR] = candidate.color;
        if (std::optional<BodyColorSet> fixed = fixAllColors(trial, level))
            return fixed;
    }
    return std::nullopt;
}
