#include "legible_background.h"

#include "color_spaces.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

// Whether all seven pairs can pass depends on the background's luminance alone, since the
// four other colours may be any: a darker dark background or a lighter light one only
// widens the bands they must fit. So the keys that fail form one run between the two ends,
// and a bisection on each side of a failing key finds where passing starts.

namespace {

using ColorSpaces::Triple;

// Steps of OKLab lightness and of chroma (as eighths of the most the gamut allows) that
// the search tries; finer than 8-bit colours can follow in the dark, where it matters.
constexpr double LightnessStep = 0.0025;
constexpr int ChromaSteps = 8;
constexpr int GamutSteps = 18; // bisections of the chroma at the gamut's edge

struct Candidate {
    ColorValue color;
    double key;
    double distance;
};

Triple srgbOfLch(double lightness, double chroma, double hue)
{
    return ColorSpaces::xyzToSrgb(
        ColorSpaces::oklabToXyz(ColorSpaces::lchToLab({lightness, chroma, hue})));
}

bool inGamut(const Triple& srgb)
{
    constexpr double Slack = 1e-9;
    return std::all_of(srgb.begin(), srgb.end(),
                       [](double v) { return v >= -Slack && v <= 1 + Slack; });
}

// The most chroma up to `chroma` that sRGB holds at this lightness and hue.
double gamutChroma(double lightness, double chroma, double hue)
{
    if (inGamut(srgbOfLch(lightness, chroma, hue)))
        return chroma;
    double inside = 0, outside = chroma;
    for (int step = 0; step < GamutSteps; ++step) {
        const double middle = (inside + outside) / 2;
        (inGamut(srgbOfLch(lightness, middle, hue)) ? inside : outside) = middle;
    }
    return inside;
}

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
    add(target);
    for (int i = 0; i <= steps; ++i) {
        const double lightness = static_cast<double>(i) / steps;
        const double most = gamutChroma(lightness, lch[1], lch[2]);
        for (int j = 0; j <= ChromaSteps; ++j)
            add(ColorSpaces::toColorValue(srgbOfLch(lightness, most * j / ChromaSteps, lch[2])));
    }
    std::vector<Candidate> out;
    out.reserve(found.size());
    for (const auto& entry : found)
        out.push_back(entry.second);
    return out;
}

class BackgroundTrial {
public:
    BackgroundTrial(const BodyColorSet& colors, FixLevel level)
        : m_colors(colors)
        , m_level(level)
    {
    }

    const std::optional<BodyColorSet>& operator()(ColorValue background)
    {
        const auto it = m_tried.find(background);
        if (it != m_tried.end())
            return it->second;
        BodyColorSet colors = m_colors;
        colors[BGCOLOR] = background;
        return m_tried.emplace(background, fixAllColors(colors, m_level)).first->second;
    }

private:
    const BodyColorSet& m_colors;
    FixLevel m_level;
    std::map<ColorValue, std::optional<BodyColorSet>> m_tried;
};

// Within `sorted` (by key, ascending), the count of leading candidates that pass when
// passing ends at some key (fromDark) or the index where it starts (otherwise).
template <typename Passes>
std::size_t passingEdge(const std::vector<Candidate>& sorted, bool fromDark, Passes passes)
{
    std::size_t low = 0, high = sorted.size(); // the edge lies in [low, high]
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const bool ok = passes(sorted[middle].color);
        if (fromDark)
            ok ? low = middle + 1 : high = middle;
        else
            ok ? high = middle : low = middle + 1;
    }
    return low;
}

} // namespace

std::optional<BodyColorSet> nearestLegibleBackground(const BodyColorSet& colors, FixLevel level)
{
    BackgroundTrial trial(colors, level);
    const ColorValue target = colors[BGCOLOR];
    if (trial(target))
        return trial(target);
    std::vector<Candidate> candidates = candidatesNear(target);
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.key < b.key; });
    const auto passes = [&](ColorValue c) { return trial(c).has_value(); };
    const double pivot = luminanceKey(target);
    const auto split = std::partition_point(candidates.begin(), candidates.end(),
                                            [&](const Candidate& c) { return c.key < pivot; });
    const std::vector<Candidate> dark(candidates.begin(), split);
    const std::vector<Candidate> light(split, candidates.end());
    std::vector<Candidate> passing(
        dark.begin(), dark.begin() + static_cast<std::ptrdiff_t>(passingEdge(dark, true, passes)));
    passing.insert(passing.end(),
                   light.begin() + static_cast<std::ptrdiff_t>(passingEdge(light, false, passes)),
                   light.end());
    const auto nearest = std::min_element(
        passing.begin(), passing.end(),
        [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
    if (nearest == passing.end())
        return std::nullopt;
    return trial(nearest->color);
}
