#include "fix_all_colors.h"

#include "nearest_color_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace LegibilitySearch {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

double lightnessOfKey(double key)
{
    return std::cbrt(key / WhiteLuminanceKey);
}
double keyOfLightness(double lightness)
{
    return WhiteLuminanceKey * lightness * lightness * lightness;
}

// TEXT is swept through bands of its key, each band's colour nearest to the present TEXT
// tried with every link at its nearest given that TEXT. The sum as a function of the band
// can have several valleys (links above or below the text), so the bands around each of
// the best few valleys are split, and split again. The bands are even in the cube root of
// luminance, which follows OKLab's lightness.
class FixAllSearch {
public:
    FixAllSearch(const BodyColorSet& colors, FixLevel level, const ColorRange& range)
        : m_colors(colors)
        , m_range(range)
        , m_darkOnBackground(
              darkPassing(luminanceKey(colors[BGCOLOR]), requiredHundredths(BGCOLOR, level)))
        , m_lightOnBackground(
              lightPassing(luminanceKey(colors[BGCOLOR]), requiredHundredths(BGCOLOR, level)))
        , m_onBackground(
              passingKeys(luminanceKey(colors[BGCOLOR]), requiredHundredths(BGCOLOR, level)))
        , m_textKeys(intersect(m_onBackground, roomForLinks()))
    {
    }

    std::optional<BodyColorSet> run()
    {
        std::vector<Band> coarse;
        for (int i = 0; i < m_textKeys.count; ++i) {
            const auto& piece = m_textKeys.parts[static_cast<std::size_t>(i)];
            const double from = lightnessOfKey(piece.low);
            const double to = lightnessOfKey(piece.high);
            // The very ends too: some backgrounds leave room for links only at black or
            // white, and at the end of a piece the links have the least room.
            std::vector<Band> bands = {{from, std::min(to, from + EndWidth), i}};
            for (int n = 0; n < CoarseBands; ++n) {
                const Band band{std::max(from, static_cast<double>(n) / CoarseBands),
                                std::min(to, static_cast<double>(n + 1) / CoarseBands), i};
                if (band.low <= band.high)
                    bands.push_back(band);
            }
            bands.push_back({std::max(from, to - EndWidth), to, i});
            for (Band& band : bands) {
                tryBand(band);
                coarse.push_back(band);
            }
        }
        if (!m_best)
            return std::nullopt;

        std::vector<Band> valleys;
        for (std::size_t i = 0; i < coarse.size(); ++i) {
            const auto lower = [&](std::size_t j) {
                return j >= coarse.size() || coarse[j].piece != coarse[i].piece ||
                       coarse[i].cost <= coarse[j].cost;
            };
            if (coarse[i].cost < Infinity && lower(i - 1) && lower(i + 1))
                valleys.push_back(coarse[i]);
        }
        std::sort(valleys.begin(), valleys.end(),
                  [](const Band& a, const Band& b) { return a.cost < b.cost; });
        if (valleys.size() > Valleys)
            valleys.resize(Valleys);
        for (Band around : valleys) {
            const auto& piece = m_textKeys.parts[static_cast<std::size_t>(around.piece)];
            double reach = 1.0 / CoarseBands;
            for (int round = 0; round < RefineRounds; ++round) {
                const double low = std::max(lightnessOfKey(piece.low), around.text - reach);
                const double high = std::min(lightnessOfKey(piece.high), around.text + reach);
                Band best = around;
                for (int n = 0; n < RefineBands; ++n) {
                    Band band{low + (high - low) * n / RefineBands,
                              low + (high - low) * (n + 1) / RefineBands, around.piece};
                    // Only a band that beats this valley's best so far is worth following.
                    tryBand(band, best.cost);
                    if (band.cost < best.cost)
                        best = band;
                }
                around = best;
                reach /= 3;
            }
        }
        return m_best ? std::optional(m_best->first) : std::nullopt;
    }

private:
    static constexpr int CoarseBands = 24;
    static constexpr std::size_t Valleys = 2;
    static constexpr int RefineBands = 6;
    static constexpr int RefineRounds = 4;
    static constexpr double EndWidth = 1e-3;

    // Lightness from `low` to `high` within piece `piece` of the text's keys; once tried,
    // the lightness of the TEXT it gave and the sum, infinite when none below the limit.
    struct Band {
        double low, high;
        int piece;
        double text = 0;
        double cost = Infinity;
    };

    // The text keys that leave each link at least one colour of the range passing against
    // both BGCOLOR and TEXT: a text dark enough for the lightest link that passes against
    // BGCOLOR to pass above it, or light enough for the darkest to pass below it.
    KeySet roomForLinks() const
    {
        const double lowest =
            luminanceKey(rgbColor(m_range.low[0], m_range.low[1], m_range.low[2]));
        const double highest =
            luminanceKey(rgbColor(m_range.high[0], m_range.high[1], m_range.high[2]));
        double lightest = -1, darkest = Infinity;
        if (m_lightOnBackground && highest >= m_lightOnBackground->low)
            lightest = highest;
        else if (m_darkOnBackground)
            lightest = greatestKeyUpTo(m_darkOnBackground->high, m_range);
        if (m_darkOnBackground && lowest <= m_darkOnBackground->high)
            darkest = lowest;
        else if (m_lightOnBackground)
            darkest = leastKeyFrom(m_lightOnBackground->low, m_range);
        const int onText = requiredHundredths(TEXT, FixLevel::AA);
        std::optional<KeyInterval> below, above;
        if (lightest >= 0)
            below = darkPassing(lightest, onText);
        if (darkest < Infinity)
            above = lightPassing(darkest, onText);
        KeySet room;
        if (below && above && above->low <= below->high) {
            room.add(0, WhiteLuminanceKey);
        } else {
            if (below)
                room.add(below->low, below->high);
            if (above)
                room.add(above->low, above->high);
        }
        return room;
    }

    void tryBand(Band& band, double limit = Infinity)
    {
        const auto& part = m_textKeys.parts[static_cast<std::size_t>(band.piece)];
        KeySet keys;
        keys.add(std::max(part.low, keyOfLightness(band.low)),
                 std::min(part.high, keyOfLightness(band.high)));
        const std::optional<NearestColor> text =
            nearestWithKey(m_colors[TEXT], keys, m_range, limit);
        if (!text)
            return;
        BodyColorSet colors = m_colors;
        colors[TEXT] = text->color;
        double cost = text->distance;
        const KeySet linkKeys =
            intersect(m_onBackground, passingKeys(luminanceKey(text->color),
                                                  requiredHundredths(TEXT, FixLevel::AA)));
        for (const ColorSlot link : {LINK, VLINK, ALINK}) {
            const std::optional<NearestColor> found =
                nearestWithKey(m_colors[link], linkKeys, m_range, limit - cost);
            if (!found)
                return; // none at all, or none that keeps the sum below the limit
            colors[link] = found->color;
            cost += found->distance;
        }
        band.text = lightnessOfKey(luminanceKey(text->color));
        band.cost = cost;
        if (!m_best || cost < m_best->second)
            m_best = std::pair{colors, cost};
    }

    const BodyColorSet& m_colors;
    const ColorRange& m_range;
    const std::optional<KeyInterval> m_darkOnBackground;
    const std::optional<KeyInterval> m_lightOnBackground;
    const KeySet m_onBackground;
    const KeySet m_textKeys; // passing against BGCOLOR, with room for the links
    std::optional<std::pair<BodyColorSet, double>> m_best; // and its summed distance
};

} // namespace

std::optional<BodyColorSet> nearestPassingSet(const BodyColorSet& colors, FixLevel level,
                                              const ColorRange& range)
{
    const ColorRange within = clampedToCube(range);
    return FixAllSearch(colors, level, within).run();
}

} // namespace LegibilitySearch
