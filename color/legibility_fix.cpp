#include "legibility_fix.h"

#include "color_spaces.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <queue>
#include <vector>

// Contrast depends on luminance alone, so every pair bounds one colour's luminance key to
// at most two intervals (dark enough or light enough), and the text's key moves the links'
// intervals. Each search is then "the colour nearest to a target whose key lies in a set
// of intervals": a branch and bound over boxes of the RGB cube. Both the key and the LMS
// stage of OKLab rise with every channel, so a box's corners bound its keys and its LMS,
// and from those a lower bound of its distance follows.

namespace {

using ColorSpaces::LmsToOklab;
using ColorSpaces::Matrix;
using ColorSpaces::multiply;
using ColorSpaces::Triple;
using ColorSpaces::XyzToLms;

constexpr double Infinity = std::numeric_limits<double>::infinity();

// The cube root to the last bit or two, at half the cost of std::cbrt: a first guess from
// the exponent, then three of Halley's steps, each of which triples the correct digits.
// It serves the bounds, where a last-bit error could only matter between equal distances.
double quickCbrt(double x)
{
    if (x <= 0)
        return 0;
    double y = std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) / 3 + 0x2A9F7893782DA1CEull);
    for (int step = 0; step < 3; ++step) {
        const double cube = y * y * y;
        y *= (cube + 2 * x) / (2 * cube + x);
    }
    return y;
}

// OKLab of 8-bit colours, quickly: linear light adds up, so each channel value's share of
// LMS is a table entry, and a colour costs three sums and three cube roots.
struct OklabModel {
    std::array<std::array<Triple, 256>, 3> lms{}; // [red, green, blue][channel value]
    // The distance in OKLab is at least the gap in one cube-rooted LMS component times
    // this: one over the length of the matching row of LmsToOklab's inverse.
    Triple slabScale{};

    std::array<double, 256> linear{}; // linear light of a channel value
    std::array<Triple, 3> column{};   // LMS of linear red, green, blue at 1

    Triple sum(int red, int green, int blue) const
    {
        const Triple& r = lms[0][static_cast<std::size_t>(red)];
        const Triple& g = lms[1][static_cast<std::size_t>(green)];
        const Triple& b = lms[2][static_cast<std::size_t>(blue)];
        return {r[0] + g[0] + b[0], r[1] + g[1] + b[1], r[2] + g[2] + b[2]};
    }
    Triple roots(int red, int green, int blue) const
    {
        const Triple s = sum(red, green, blue);
        return {std::cbrt(s[0]), std::cbrt(s[1]), std::cbrt(s[2])};
    }
};

// Built on the first search, never at start.
const OklabModel& oklabModel()
{
    static const OklabModel model = [] {
        OklabModel m;
        for (std::size_t channel = 0; channel < 3; ++channel) {
            Triple unit{};
            unit[channel] = 1;
            // Every entry is positive, so LMS rises with each channel.
            const Triple column = multiply(XyzToLms, ColorSpaces::linearSrgbToXyz(unit));
            m.column[channel] = column;
            for (std::size_t value = 0; value < 256; ++value) {
                const double linear = ColorSpaces::srgbToLinear(static_cast<double>(value) / 255);
                m.linear[value] = linear;
                for (std::size_t k = 0; k < 3; ++k)
                    m.lms[channel][value][k] = linear * column[k];
            }
        }
        const Matrix& back = ColorSpaces::OklabToLms;
        for (std::size_t k = 0; k < 3; ++k)
            m.slabScale[k] = 1 / std::hypot(back[k][0], back[k][1], back[k][2]);
        return m;
    }();
    return model;
}

// Closed intervals of luminance keys, ascending and apart.
struct KeySet {
    struct Interval {
        double low, high;
    };
    std::array<Interval, 4> parts{};
    int count = 0;

    void add(double low, double high)
    {
        if (low <= high && count < static_cast<int>(parts.size()))
            parts[static_cast<std::size_t>(count++)] = {low, high};
    }
    bool empty() const { return count == 0; }
    bool contains(double key) const
    {
        for (int i = 0; i < count; ++i) {
            if (key >= parts[static_cast<std::size_t>(i)].low &&
                key <= parts[static_cast<std::size_t>(i)].high)
                return true;
        }
        return false;
    }
    // Whether some key of [low, high] lies in the set.
    bool meets(double low, double high) const
    {
        for (int i = 0; i < count; ++i) {
            if (low <= parts[static_cast<std::size_t>(i)].high &&
                high >= parts[static_cast<std::size_t>(i)].low)
                return true;
        }
        return false;
    }
};

KeySet intersect(const KeySet& a, const KeySet& b)
{
    KeySet out;
    for (int i = 0; i < a.count; ++i) {
        for (int j = 0; j < b.count; ++j) {
            const auto& x = a.parts[static_cast<std::size_t>(i)];
            const auto& y = b.parts[static_cast<std::size_t>(j)];
            out.add(std::max(x.low, y.low), std::min(x.high, y.high));
        }
    }
    return out;
}

// Keys are never negative, so their bit patterns sort as they do.
std::uint64_t bitsOf(double key)
{
    return std::bit_cast<std::uint64_t>(key);
}
double keyOf(std::uint64_t bits)
{
    return std::bit_cast<double>(bits);
}

// The last key from `from` towards `to` where `test` still gives what it gives at `from`,
// to the last bit; `test` changes its answer once between them.
template <typename Test> double lastAlike(double from, double to, Test test)
{
    const bool first = test(from);
    std::uint64_t alike = bitsOf(from), unlike = bitsOf(to);
    while (std::max(alike, unlike) - std::min(alike, unlike) > 1) {
        const std::uint64_t mid =
            std::min(alike, unlike) + (std::max(alike, unlike) - std::min(alike, unlike)) / 2;
        (test(keyOf(mid)) == first ? alike : unlike) = mid;
    }
    return keyOf(alike);
}

using KeyInterval = KeySet::Interval;

// The keys darker and lighter than a colour of key `other` whose pair with it shows at
// least `hundredths`, by the very function the window's ratio comes from.
std::optional<KeyInterval> darkPassing(double other, int hundredths)
{
    const auto passes = [&](double key) {
        return contrastHundredthsOfKeys(key, other) >= hundredths;
    };
    if (!passes(0) || passes(other))
        return std::nullopt;
    return KeyInterval{0, lastAlike(0, other, passes)};
}
std::optional<KeyInterval> lightPassing(double other, int hundredths)
{
    const auto passes = [&](double key) {
        return contrastHundredthsOfKeys(key, other) >= hundredths;
    };
    if (!passes(WhiteLuminanceKey) || passes(other))
        return std::nullopt;
    return KeyInterval{lastAlike(WhiteLuminanceKey, other, passes), WhiteLuminanceKey};
}

KeySet passingKeys(double other, int hundredths)
{
    KeySet set;
    if (contrastHundredthsOfKeys(other, other) >= hundredths) { // a level of 1:1 or less
        set.add(0, WhiteLuminanceKey);
        return set;
    }
    if (const auto dark = darkPassing(other, hundredths))
        set.add(dark->low, dark->high);
    if (const auto light = lightPassing(other, hundredths))
        set.add(light->low, light->high);
    return set;
}

struct Found {
    ColorValue color;
    double distance;
};

// The luminance of linear light, as contrastHundredthsOfKeys weighs it: a key is this times
// WhiteLuminanceKey.
constexpr Triple LuminanceWeights = {0.2126, 0.7152, 0.0722};
constexpr Triple PerLuminance = {1 / 0.2126, 1 / 0.7152, 1 / 0.0722};
// Keys and linear light come from two tables that may differ in the last bits.
constexpr double KeySlack = 1e-12;

double dot(const Triple& a, const Triple& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The most that c . x reaches for x in the box [from, to] of linear light with a luminance
// in [least, most]: the corner that c points to, then moved into the band by the channels
// that give up the least per unit of luminance. Vacuous when the box misses the band.
double mostWithin(const Triple& c, const Triple& from, const Triple& to, double least, double most)
{
    Triple x{};
    for (std::size_t k = 0; k < 3; ++k)
        x[k] = c[k] > 0 ? to[k] : from[k];
    double y = dot(LuminanceWeights, x);
    if (y > most || y < least) {
        const bool lower = y > most;
        // A channel that cannot move in this direction has no room, whatever its place.
        Triple cost{};
        for (std::size_t k = 0; k < 3; ++k)
            cost[k] = (lower ? c[k] : -c[k]) * PerLuminance[k];
        std::array<std::size_t, 3> order = {0, 1, 2};
        const auto sortTwo = [&](std::size_t i, std::size_t j) {
            if (cost[order[j]] < cost[order[i]])
                std::swap(order[i], order[j]);
        };
        sortTwo(0, 1);
        sortTwo(1, 2);
        sortTwo(0, 1);
        for (const std::size_t k : order) {
            const double limit = lower ? from[k] : to[k];
            const double room = std::abs(x[k] - limit) * LuminanceWeights[k];
            const double need = lower ? y - most : least - y;
            if (room >= need) {
                x[k] += (lower ? -need : need) * PerLuminance[k];
                break;
            }
            x[k] = limit;
            y += lower ? -room : room;
        }
    }
    return dot(c, x);
}

// A box of the RGB cube, each channel within [low, high].
struct Box {
    std::array<std::uint8_t, 3> low, high;
};

// Boxes this small are tried colour by colour rather than split further.
constexpr int LeafVolume = 16;

class NearestSearch {
public:
    NearestSearch(ColorValue target, const KeySet& allowed)
        : m_model(oklabModel())
        , m_allowed(allowed)
        , m_targetRoots(m_model.roots(redOf(target), greenOf(target), blueOf(target)))
        , m_targetLab(multiply(LmsToOklab, m_targetRoots))
    {
    }

    // The nearest colour of the range with an allowed key, when nearer than `limit`.
    std::optional<Found> run(const ColorRange& range, double limit)
    {
        Box root{};
        for (std::size_t c = 0; c < 3; ++c) {
            if (range.low[c] > range.high[c])
                return std::nullopt;
            root.low[c] = static_cast<std::uint8_t>(range.low[c]);
            root.high[c] = static_cast<std::uint8_t>(range.high[c]);
        }
        m_bestSquared = limit * limit;
        m_best.reset();
        m_queue = {};
        consider(root);
        while (!m_queue.empty()) {
            const Node node = m_queue.top();
            m_queue.pop();
            if (node.bound >= m_bestSquared)
                break; // every box left is at least this far
            if (volume(node.box) <= LeafVolume) {
                tryEach(node.box);
                continue;
            }
            std::size_t axis = 0;
            for (std::size_t c = 1; c < 3; ++c) {
                if (node.box.high[c] - node.box.low[c] > node.box.high[axis] - node.box.low[axis])
                    axis = c;
            }
            const auto middle =
                static_cast<std::uint8_t>((node.box.low[axis] + node.box.high[axis]) / 2);
            Box lower = node.box, upper = node.box;
            lower.high[axis] = middle;
            upper.low[axis] = static_cast<std::uint8_t>(middle + 1);
            consider(lower);
            consider(upper);
        }
        if (!m_best)
            return std::nullopt;
        return Found{*m_best, std::sqrt(m_bestSquared)};
    }

private:
    struct Node {
        double bound; // squared
        Box box;
        bool operator>(const Node& other) const { return bound > other.bound; }
    };

    static int volume(const Box& box)
    {
        int v = 1;
        for (std::size_t c = 0; c < 3; ++c)
            v *= box.high[c] - box.low[c] + 1;
        return v;
    }

    void consider(const Box& box)
    {
        const double lowKey = luminanceKey(rgbColor(box.low[0], box.low[1], box.low[2]));
        const double highKey = luminanceKey(rgbColor(box.high[0], box.high[1], box.high[2]));
        if (!m_allowed.meets(lowKey, highKey))
            return;
        const double bound = boundSquared(box, lowKey, highKey);
        if (bound < m_bestSquared)
            m_queue.push({bound, box});
    }

    // No colour of the box with an allowed key lies nearer than this (squared). Each cube
    // root of LMS, being concave, lies on or above its chord between the box's corners and
    // at most a known gap above it; so the box lies in the chords' (linear) image of its box
    // of linear light, widened by the gaps. Luminance is linear in linear light as well, so
    // the allowed keys cut that box by planes, and how far the cut image reaches towards
    // the target is a small linear programme. Along each root, the corners bound it too.
    double boundSquared(const Box& box, double lowKey, double highKey) const
    {
        const Triple lowLms = m_model.sum(box.low[0], box.low[1], box.low[2]);
        const Triple highLms = m_model.sum(box.high[0], box.high[1], box.high[2]);
        Triple low{}, slope{}, gap{}, centre{};
        double slab = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            low[k] = quickCbrt(lowLms[k]);
            const double high = quickCbrt(highLms[k]);
            const double outside =
                std::max({0.0, low[k] - m_targetRoots[k], m_targetRoots[k] - high});
            slab = std::max(slab, outside * m_model.slabScale[k]);
            const double span = highLms[k] - lowLms[k];
            if (span > 0) {
                slope[k] = (high - low[k]) / span;
                // Where the cube root's own slope equals the chord's, it is farthest above.
                const double top = 1 / std::sqrt(3 * slope[k]);
                gap[k] = std::max(0.0, top - low[k] - slope[k] * (top * top * top - lowLms[k]));
            }
            centre[k] = low[k] + slope[k] * span / 2; // LMS is linear in linear light
        }
        Triple toward = multiply(LmsToOklab, centre);
        for (std::size_t k = 0; k < 3; ++k)
            toward[k] = m_targetLab[k] - toward[k];
        const double distance = std::sqrt(dot(toward, toward));
        if (distance == 0)
            return 0;
        // The unit vector u = toward / distance weighs the roots by u^T LmsToOklab; through
        // the chords, linear light by those weights, the slopes and the LMS columns.
        Triple weight{};
        const double unit = 1 / distance;
        for (std::size_t k = 0; k < 3; ++k) {
            for (std::size_t row = 0; row < 3; ++row)
                weight[k] += toward[row] * unit * LmsToOklab[row][k];
        }
        double fixed = 0; // the part of u . p that does not move with linear light, at most
        for (std::size_t k = 0; k < 3; ++k)
            fixed +=
                weight[k] * (low[k] - slope[k] * lowLms[k]) + std::max(0.0, weight[k]) * gap[k];
        Triple perLinear{}, from{}, to{};
        for (std::size_t c = 0; c < 3; ++c) {
            for (std::size_t k = 0; k < 3; ++k)
                perLinear[c] += weight[k] * slope[k] * m_model.column[c][k];
            from[c] = m_model.linear[box.low[c]];
            to[c] = m_model.linear[box.high[c]];
        }
        double most = -Infinity;
        for (int i = 0; i < m_allowed.count; ++i) {
            const auto& part = m_allowed.parts[static_cast<std::size_t>(i)];
            if (part.low > highKey || part.high < lowKey)
                continue;
            most = std::max(most, mostWithin(perLinear, from, to,
                                             part.low / WhiteLuminanceKey * (1 - KeySlack),
                                             part.high / WhiteLuminanceKey * (1 + KeySlack)));
        }
        // u . target = u . centre's image + distance.
        const double towards = distance + dot(weight, centre) - fixed - most;
        const double bound = std::max({0.0, slab, towards});
        return bound * bound;
    }

    void tryEach(const Box& box)
    {
        for (int r = box.low[0]; r <= box.high[0]; ++r) {
            for (int g = box.low[1]; g <= box.high[1]; ++g) {
                for (int b = box.low[2]; b <= box.high[2]; ++b) {
                    const ColorValue color = rgbColor(r, g, b);
                    if (!m_allowed.contains(luminanceKey(color)))
                        continue;
                    const Triple lab = multiply(LmsToOklab, m_model.roots(r, g, b));
                    double squared = 0;
                    for (std::size_t k = 0; k < 3; ++k)
                        squared += (lab[k] - m_targetLab[k]) * (lab[k] - m_targetLab[k]);
                    if (squared < m_bestSquared) {
                        m_bestSquared = squared;
                        m_best = color;
                    }
                }
            }
        }
    }

    const OklabModel& m_model;
    const KeySet& m_allowed;
    Triple m_targetRoots;
    Triple m_targetLab;
    double m_bestSquared = Infinity;
    std::optional<ColorValue> m_best;
    std::priority_queue<Node, std::vector<Node>, std::greater<>> m_queue;
};

bool inRange(ColorValue color, const ColorRange& range)
{
    const int channels[3] = {redOf(color), greenOf(color), blueOf(color)};
    for (std::size_t c = 0; c < 3; ++c) {
        if (channels[c] < range.low[c] || channels[c] > range.high[c])
            return false;
    }
    return true;
}

std::optional<Found> nearestWithKey(ColorValue target, const KeySet& allowed,
                                    const ColorRange& range, double limit = Infinity)
{
    if (allowed.empty())
        return std::nullopt;
    if (inRange(target, range) && allowed.contains(luminanceKey(target)))
        return Found{target, 0};
    return NearestSearch(target, allowed).run(range, limit);
}

double keyOf(int red, int green, int blue)
{
    return luminanceKey(rgbColor(red, green, blue));
}

// The greatest key of a colour of the range at or below `limit`; -1 when there is none. A
// column of blue rises with blue, and the columns with green and red, so only the columns
// that straddle the limit need a search.
double greatestKeyUpTo(double limit, const ColorRange& range)
{
    const int g0 = range.low[1], g1 = range.high[1], b0 = range.low[2], b1 = range.high[2];
    double best = -1;
    for (int r = range.low[0]; r <= range.high[0]; ++r) {
        if (keyOf(r, g0, b0) > limit)
            break;
        // The first green whose column ends above the limit; the one before ends below.
        int first = g0, past = g1 + 1;
        while (first < past) {
            const int mid = (first + past) / 2;
            if (keyOf(r, mid, b1) > limit)
                past = mid;
            else
                first = mid + 1;
        }
        if (first > g0)
            best = std::max(best, keyOf(r, first - 1, b1));
        for (int g = first; g <= g1 && keyOf(r, g, b0) <= limit; ++g) {
            int low = b0, high = b1; // at or below the limit, above it
            while (high - low > 1) {
                const int mid = (low + high) / 2;
                (keyOf(r, g, mid) <= limit ? low : high) = mid;
            }
            best = std::max(best, keyOf(r, g, low));
        }
    }
    return best;
}

// The least key of a colour of the range at or above `limit`; infinity when there is none.
double leastKeyFrom(double limit, const ColorRange& range)
{
    const int g0 = range.low[1], g1 = range.high[1], b0 = range.low[2], b1 = range.high[2];
    double best = Infinity;
    for (int r = range.high[0]; r >= range.low[0]; --r) {
        if (keyOf(r, g1, b1) < limit)
            break;
        // The first green whose column starts at or above the limit.
        int first = g0, past = g1 + 1;
        while (first < past) {
            const int mid = (first + past) / 2;
            if (keyOf(r, mid, b0) >= limit)
                past = mid;
            else
                first = mid + 1;
        }
        if (first <= g1)
            best = std::min(best, keyOf(r, first, b0));
        for (int g = first - 1; g >= g0 && keyOf(r, g, b1) >= limit; --g) {
            int low = b0, high = b1; // below the limit, at or above it
            while (high - low > 1) {
                const int mid = (low + high) / 2;
                (keyOf(r, g, mid) >= limit ? high : low) = mid;
            }
            best = std::min(best, keyOf(r, g, high));
        }
    }
    return best;
}

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
        return m_best;
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
        const double lowest = keyOf(m_range.low[0], m_range.low[1], m_range.low[2]);
        const double highest = keyOf(m_range.high[0], m_range.high[1], m_range.high[2]);
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
        const std::optional<Found> text = nearestWithKey(m_colors[TEXT], keys, m_range, limit);
        if (!text)
            return;
        BodyColorSet colors = m_colors;
        colors[TEXT] = text->color;
        double cost = text->distance;
        const KeySet linkKeys =
            intersect(m_onBackground, passingKeys(luminanceKey(text->color),
                                                  requiredHundredths(TEXT, FixLevel::AA)));
        for (const ColorSlot link : {LINK, VLINK, ALINK}) {
            const std::optional<Found> found =
                nearestWithKey(m_colors[link], linkKeys, m_range, limit - cost);
            if (!found)
                return; // none at all, or none that keeps the sum below the limit
            colors[link] = found->color;
            cost += found->distance;
        }
        band.text = lightnessOfKey(luminanceKey(text->color));
        band.cost = cost;
        if (cost < m_bestCost) {
            m_bestCost = cost;
            m_best = colors;
        }
    }

    const BodyColorSet& m_colors;
    const ColorRange& m_range;
    const std::optional<KeyInterval> m_darkOnBackground;
    const std::optional<KeyInterval> m_lightOnBackground;
    const KeySet m_onBackground;
    const KeySet m_textKeys; // passing against BGCOLOR, with room for the links
    double m_bestCost = Infinity;
    std::optional<BodyColorSet> m_best;
};

// Channels beyond 0..255 mean their ends.
ColorRange clamped(const ColorRange& range)
{
    ColorRange out = range;
    for (std::size_t c = 0; c < 3; ++c) {
        out.low[c] = std::clamp(range.low[c], 0, 255);
        out.high[c] = std::clamp(range.high[c], 0, 255);
    }
    return out;
}

} // namespace

int requiredHundredths(ColorSlot background, FixLevel level)
{
    if (background != BGCOLOR)
        return 300;
    return level == FixLevel::AA ? 450 : 700;
}

bool rowPasses(const LegibilityRow& row, FixLevel level)
{
    return row.hundredths >= requiredHundredths(row.background, level);
}

std::optional<ColorValue> nearestPassingColor(ColorValue foreground, ColorValue other,
                                              int hundredths, const ColorRange& range)
{
    const KeySet allowed = passingKeys(luminanceKey(other), hundredths);
    const std::optional<Found> found = nearestWithKey(foreground, allowed, clamped(range));
    if (!found)
        return std::nullopt;
    return found->color;
}

LegibilitySuggestions legibilitySuggestions(const LegibilityTable& table, FixLevel level)
{
    LegibilitySuggestions suggestions{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const LegibilityRow& row = table[i];
        if (!rowPasses(row, level))
            suggestions[i] = nearestPassingColor(row.foregroundColor, row.backgroundColor,
                                                 requiredHundredths(row.background, level));
    }
    return suggestions;
}

std::optional<BodyColorSet> fixAllColors(const BodyColorSet& colors, FixLevel level,
                                         const ColorRange& range)
{
    const LegibilityTable table = legibilityTable(colors);
    if (std::all_of(table.begin(), table.end(),
                    [&](const LegibilityRow& row) { return rowPasses(row, level); }))
        return colors;
    const ColorRange within = clamped(range);
    return FixAllSearch(colors, level, within).run();
}
