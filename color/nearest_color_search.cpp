#include "nearest_color_search.h"

#include "color_spaces.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <queue>
#include <vector>

// Each search is "the colour nearest to a target whose key lies in a set of intervals": a
// branch and bound over boxes of the RGB cube. Both the key and the LMS stage of OKLab rise
// with every channel, so a box's corners bound its keys and its LMS, and from those a lower
// bound of its distance follows.

namespace LegibilitySearch {
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

    // LMS of red, green and blue per unit of linear light on the keys' scale.
    std::array<Triple, 3> keyColumn{};

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
            for (std::size_t k = 0; k < 3; ++k)
                m.keyColumn[channel][k] = column[k] / KeyLinearWhite;
            for (std::size_t value = 0; value < 256; ++value) {
                const double linear = ColorSpaces::srgbToLinear(static_cast<double>(value) / 255);
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

// The bound sums luminance as LuminanceKeyTable::keyOf does, the same products in the same
// order, so a corner's luminance is its key to the last bit and an allowed interval is used
// as it is.
constexpr Triple KeyPerLinear = LuminanceKeyWeights;
constexpr Triple LinearPerKey = {1 / KeyPerLinear[0], 1 / KeyPerLinear[1], 1 / KeyPerLinear[2]};

double dot(const Triple& a, const Triple& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The most that c . x reaches for x in the box [from, to] of linear light (on the keys'
// scale) with a key in [least, most]: the corner that c points to, then moved into the band
// by the channels that give up the least per unit of luminance. Vacuous when the box misses
// the band.
double mostWithin(const Triple& c, const Triple& from, const Triple& to, double least, double most)
{
    Triple x{};
    for (std::size_t k = 0; k < 3; ++k)
        x[k] = c[k] > 0 ? to[k] : from[k];
    double y = dot(KeyPerLinear, x);
    if (y > most || y < least) {
        const bool lower = y > most;
        // A channel that cannot move in this direction has no room, whatever its place.
        Triple cost{};
        for (std::size_t k = 0; k < 3; ++k)
            cost[k] = (lower ? c[k] : -c[k]) * LinearPerKey[k];
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
            const double room = std::abs(x[k] - limit) * KeyPerLinear[k];
            const double need = lower ? y - most : least - y;
            if (room >= need) {
                x[k] += (lower ? -need : need) * LinearPerKey[k];
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
        , m_keys(luminanceKeyTable())
        , m_allowed(allowed)
        , m_targetRoots(m_model.roots(redOf(target), greenOf(target), blueOf(target)))
        , m_targetLab(multiply(LmsToOklab, m_targetRoots))
    {
    }

    // The nearest colour of the range with an allowed key, when nearer than `limit`.
    std::optional<NearestColor> run(const ColorRange& range, double limit)
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
        return NearestColor{*m_best, std::sqrt(m_bestSquared)};
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
        const double lowKey = m_keys.keyOf(rgbColor(box.low[0], box.low[1], box.low[2]));
        const double highKey = m_keys.keyOf(rgbColor(box.high[0], box.high[1], box.high[2]));
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
                perLinear[c] += weight[k] * slope[k] * m_model.keyColumn[c][k];
            from[c] = m_keys.linear[box.low[c]];
            to[c] = m_keys.linear[box.high[c]];
        }
        double most = -Infinity;
        for (int i = 0; i < m_allowed.count; ++i) {
            const auto& part = m_allowed.parts[static_cast<std::size_t>(i)];
            if (part.low > highKey || part.high < lowKey)
                continue;
            most = std::max(most, mostWithin(perLinear, from, to, part.low, part.high));
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
                    if (!m_allowed.contains(m_keys.keyOf(color)))
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
    const LuminanceKeyTable& m_keys;
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

} // namespace

ColorRange clampedToCube(const ColorRange& range)
{
    ColorRange out = range;
    for (std::size_t c = 0; c < 3; ++c) {
        out.low[c] = std::clamp(range.low[c], 0, 255);
        out.high[c] = std::clamp(range.high[c], 0, 255);
    }
    return out;
}

std::optional<NearestColor> nearestWithKey(ColorValue target, const KeySet& allowed,
                                           const ColorRange& range, double limit)
{
    if (allowed.empty())
        return std::nullopt;
    if (inRange(target, range) && allowed.contains(luminanceKey(target)))
        return NearestColor{target, 0};
    return NearestSearch(target, allowed).run(range, limit);
}

} // namespace LegibilitySearch
