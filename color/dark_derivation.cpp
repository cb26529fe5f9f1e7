#include "dark_derivation.h"

#include "color_spaces.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

// fixAllColors finds the nearest colours in any direction, and on a dark page that often
// means another hue (a light blue text turned green). Here each colour may move only
// within the plane of its own hue in OKLCH (lightness and chroma, the grey axis included),
// sampled finely, and the sum is minimised exactly over those samples: a text sample,
// then each link at its nearest among the samples whose luminance passes against both
// the background and that text, read from a range-minimum table over samples sorted by
// luminance.

namespace {

using ColorSpaces::Triple;

constexpr int LightnessSamples = 256; // per unit of OKLab lightness
constexpr int ChromaSamples = 12;     // from grey to the most the gamut holds
constexpr double BackgroundMargin = 0.003;

Triple lchOf(ColorValue color)
{
    return ColorSpaces::labToLch(ColorSpaces::oklabOf(color));
}

double hueGap(double a, double b)
{
    const double gap = std::fmod(std::abs(a - b), 360.0);
    return std::min(gap, 360 - gap);
}

struct Sample {
    ColorValue color;
    double key;
    double distance;
};

// A slot's samples sorted by luminance key, with the nearest of any run at hand.
class SlotSamples {
public:
    explicit SlotSamples(std::vector<Sample> samples)
        : m_samples(std::move(samples))
    {
        std::sort(m_samples.begin(), m_samples.end(),
                  [](const Sample& a, const Sample& b) { return a.key < b.key; });
        std::vector<std::uint32_t> level(m_samples.size());
        for (std::size_t i = 0; i < level.size(); ++i)
            level[i] = static_cast<std::uint32_t>(i);
        m_nearest.push_back(std::move(level));
        for (std::size_t width = 2; width <= m_samples.size(); width *= 2) {
            const std::vector<std::uint32_t>& below = m_nearest.back();
            std::vector<std::uint32_t> next(m_samples.size() - width + 1);
            for (std::size_t i = 0; i < next.size(); ++i)
                next[i] = nearer(below[i], below[i + width / 2]);
            m_nearest.push_back(std::move(next));
        }
    }

    const std::vector<Sample>& samples() const { return m_samples; }

    // The index of the nearest sample of [from, to), or -1 when the run is empty.
    long nearestIn(std::size_t from, std::size_t to) const
    {
        if (from >= to)
            return -1;
        std::size_t level = 0;
        while ((std::size_t{2} << level) <= to - from)
            ++level;
        const std::vector<std::uint32_t>& row = m_nearest[level];
        return nearer(row[from], row[to - (std::size_t{1} << level)]);
    }

    // The runs of samples whose pair with a colour of key `other` shows `hundredths`: the
    // dark run [0, first) and the light run [second, size).
    std::pair<std::size_t, std::size_t> passingRuns(double other, int hundredths) const
    {
        const auto passes = [&](const Sample& s) {
            return contrastHundredthsOfKeys(s.key, other) >= hundredths;
        };
        const auto middle = std::partition_point(m_samples.begin(), m_samples.end(),
                                                 [&](const Sample& s) { return s.key < other; });
        const auto darkEnd = std::partition_point(m_samples.begin(), middle, passes);
        const auto lightStart = std::partition_point(middle, m_samples.end(),
                                                     [&](const Sample& s) { return !passes(s); });
        return {static_cast<std::size_t>(darkEnd - m_samples.begin()),
                static_cast<std::size_t>(lightStart - m_samples.begin())};
    }

private:
    std::uint32_t nearer(std::uint32_t a, std::uint32_t b) const
    {
        return m_samples[b].distance < m_samples[a].distance ? b : a;
    }

    std::vector<Sample> m_samples;
    std::vector<std::vector<std::uint32_t>> m_nearest; // [level][i]: nearest of 2^level from i
};

// Colours in the plane of `light`'s hue that keep its hue, each with its distance to `target`.
// Where samples are taken: lightness from low to high, chroma up to maxChroma; a sample that
// rounding to 8 bits takes beyond [lowest, highest] or beyond maxChroma by more than a
// rounding's worth is not offered.
struct SampleSpan {
    double low = 0, high = 1, maxChroma = 1;
    double lowest = 0, highest = 1;
};
constexpr double RoundingChroma = 0.01;

std::vector<Sample> samplesKeepingHue(ColorValue light, ColorValue target, const SampleSpan& span)
{
    const Triple lightLch = lchOf(light);
    const Triple targetLab = ColorSpaces::oklabOf(target);
    const double hue = lightLch[1] >= DarkHueMinChroma ? lightLch[2] : lchOf(target)[2];
    std::vector<Sample> samples;
    const auto add = [&](ColorValue color) {
        const Triple lab = ColorSpaces::oklabOf(color);
        const Triple lch = ColorSpaces::labToLch(lab);
        // Rounding to 8 bits may step over an edge; such a colour is not offered.
        if (lab[0] < span.lowest || lab[0] > span.highest ||
            lch[1] > span.maxChroma + RoundingChroma)
            return;
        if (lightLch[1] >= DarkHueMinChroma && lch[1] >= DarkHueMinChroma &&
            hueGap(lightLch[2], lch[2]) > DarkHueTolerance)
            return;
        samples.push_back({color, luminanceKey(color), ColorSpaces::deltaEOK(lab, targetLab)});
    };
    add(target);
    const int steps =
        std::max(1, static_cast<int>(std::ceil((span.high - span.low) * LightnessSamples)));
    for (int i = 0; i <= steps; ++i) {
        const double lightness = span.low + (span.high - span.low) * i / steps;
        const double most = ColorSpaces::srgbGamutChroma(lightness, span.maxChroma, hue);
        for (int j = 0; j <= ChromaSamples; ++j)
            add(ColorSpaces::toColorValue(
                ColorSpaces::oklchToSrgb({lightness, most * j / ChromaSamples, hue})));
    }
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.color < b.color; });
    samples.erase(std::unique(samples.begin(), samples.end(),
                              [](const Sample& a, const Sample& b) { return a.color == b.color; }),
                  samples.end());
    return samples;
}

class DarkSearch {
public:
    DarkSearch(const BodyColorSet& light, const BodyColorSet& mirrored, FixLevel level)
        : m_level(level)
        , m_slots{SlotSamples({}), SlotSamples(samplesKeepingHue(light[TEXT], mirrored[TEXT], {})),
                  SlotSamples(samplesKeepingHue(light[LINK], mirrored[LINK], {})),
                  SlotSamples(samplesKeepingHue(light[VLINK], mirrored[VLINK], {})),
                  SlotSamples(samplesKeepingHue(light[ALINK], mirrored[ALINK], {}))}
    {
    }

    // The four colours of the least summed distance that pass against `background`.
    std::optional<BodyColorSet> solve(ColorValue background) const
    {
        const double backgroundKey = luminanceKey(background);
        const int onBackground = requiredHundredths(BGCOLOR, m_level);
        const int onText = requiredHundredths(TEXT, m_level);
        std::array<std::pair<std::size_t, std::size_t>, SlotCount> againstBackground{};
        for (const ColorSlot slot : {TEXT, LINK, VLINK, ALINK})
            againstBackground[slot] = m_slots[slot].passingRuns(backgroundKey, onBackground);
        const std::vector<Sample>& texts = m_slots[TEXT].samples();
        double best = std::numeric_limits<double>::infinity();
        std::optional<BodyColorSet> found;
        for (std::size_t t = 0; t < texts.size(); ++t) {
            const auto [dark, light] = againstBackground[TEXT];
            if (t >= dark && t < light)
                continue;
            BodyColorSet colors{background, texts[t].color, 0, 0, 0};
            double sum = texts[t].distance;
            for (const ColorSlot link : {LINK, VLINK, ALINK}) {
                const long nearest =
                    nearestPassing(m_slots[link], againstBackground[link], texts[t].key, onText);
                if (nearest < 0) {
                    sum = best;
                    break;
                }
                const Sample& s = m_slots[link].samples()[static_cast<std::size_t>(nearest)];
                colors[link] = s.color;
                sum += s.distance;
            }
            if (sum < best) {
                best = sum;
                found = colors;
            }
        }
        return found;
    }

private:
    // Within the runs passing against the background, the nearest that passes against text.
    static long nearestPassing(const SlotSamples& slot,
                               std::pair<std::size_t, std::size_t> onBackground, double textKey,
                               int hundredths)
    {
        const auto [textDark, textLight] = slot.passingRuns(textKey, hundredths);
        const std::size_t n = slot.samples().size();
        const std::pair<std::size_t, std::size_t> runs[] = {
            {0, std::min(onBackground.first, textDark)},
            {std::max(onBackground.second, textLight), n},
            {textLight, onBackground.first},
            {onBackground.second, textDark},
        };
        long best = -1;
        for (const auto& [from, to] : runs) {
            const long i = slot.nearestIn(from, to);
            if (i >= 0 && (best < 0 || slot.samples()[static_cast<std::size_t>(i)].distance <
                                           slot.samples()[static_cast<std::size_t>(best)].distance))
                best = i;
        }
        return best;
    }

    FixLevel m_level;
    std::array<SlotSamples, SlotCount> m_slots;
};

} // namespace

ColorValue mirroredColor(ColorValue color, double lowest, double highest)
{
    Triple lch = lchOf(color);
    lch[0] = std::clamp(1 - lch[0], lowest, highest);
    lch[1] = ColorSpaces::srgbGamutChroma(lch[0], lch[1], lch[2]);
    return ColorSpaces::toColorValue(ColorSpaces::oklchToSrgb(lch));
}

BodyColorSet mirroredSet(const BodyColorSet& light)
{
    BodyColorSet dark = invertedSet(light);
    dark[BGCOLOR] = mirroredColor(light[BGCOLOR], DarkBackgroundLowest, DarkBackgroundHighest);
    return dark;
}

BodyColorSet invertedSet(const BodyColorSet& light)
{
    BodyColorSet dark{};
    for (std::size_t slot = 0; slot < dark.size(); ++slot)
        dark[slot] = mirroredColor(light[slot]);
    return dark;
}

std::optional<BodyColorSet> deriveDarkSet(const BodyColorSet& light, FixLevel level)
{
    const BodyColorSet mirrored = mirroredSet(light);
    const DarkSearch search(light, mirrored, level);
    // Backgrounds from the mirrored one down to the darkest allowed, less chromatic too.
    const Triple mirroredLch = lchOf(mirrored[BGCOLOR]);
    // Taken a little inside the range and a little above the mirrored lightness, since
    // rounding to 8 bits moves a dark colour's lightness by up to a few thousandths.
    const SampleSpan span{DarkBackgroundLowest + BackgroundMargin,
                          std::clamp(mirroredLch[0] + BackgroundMargin,
                                     DarkBackgroundLowest + BackgroundMargin,
                                     DarkBackgroundHighest - BackgroundMargin),
                          mirroredLch[1], DarkBackgroundLowest, DarkBackgroundHighest};
    std::vector<Sample> backgrounds = samplesKeepingHue(light[BGCOLOR], mirrored[BGCOLOR], span);
    // A darker background only widens the bands, so the ones that leave room are those up
    // to some luminance: found by bisection, then the nearest of them is taken.
    std::sort(backgrounds.begin(), backgrounds.end(),
              [](const Sample& a, const Sample& b) { return a.key < b.key; });
    std::size_t low = 0, high = backgrounds.size(); // [0, low) pass, [high, size) do not
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        (search.solve(backgrounds[middle].color) ? low = middle + 1 : high = middle);
    }
    const auto nearest = std::min_element(
        backgrounds.begin(), backgrounds.begin() + static_cast<std::ptrdiff_t>(low),
        [](const Sample& a, const Sample& b) { return a.distance < b.distance; });
    if (low == 0)
        return std::nullopt;
    return search.solve(nearest->color);
}
