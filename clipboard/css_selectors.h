#pragma once

#include "css_tokenizer.h"

#include <cstdint>
#include <optional>
#include <vector>

// The one document a style sheet is read for: html > body > p > a (the link has an href),
// seen in six worlds: the light or the dark reading, and the link unvisited, visited or
// pressed (hovered, active and focused). In the dark reading html wears the theme markers
// class="dark", data-bs-theme, data-theme and data-color-mode "dark".
namespace CssDocument {
enum Element { Html, Body, P, A, ElementCount };
enum LinkState { Unvisited, Visited, Pressed, LinkStateCount };
constexpr int WorldCount = 2 * LinkStateCount;

constexpr int world(bool dark, LinkState state)
{
    return (dark ? LinkStateCount : 0) + state;
}
constexpr std::uint32_t bit(int world, Element e)
{
    return 1u << (world * ElementCount + e);
}
// An element in every world; all elements of one world; the worlds of a link state.
constexpr std::uint32_t elementBits(Element e)
{
    std::uint32_t m = 0;
    for (int w = 0; w < WorldCount; ++w)
        m |= bit(w, e);
    return m;
}
constexpr std::uint32_t worldBits(int w)
{
    return 0xFu << (w * ElementCount);
}
constexpr std::uint32_t stateBits(LinkState state)
{
    return worldBits(world(false, state)) | worldBits(world(true, state));
}
} // namespace CssDocument

// For each world and element, whether a selector matches: bit(world, element).
using CssMatchMask = std::uint32_t;

// Selectors Level 4 specificity packed as ids << 20 | classes << 10 | types, each at most
// 1023, so that it compares as one number.
using CssSpecificity = std::uint32_t;

struct CssSelectorMatch {
    CssMatchMask mask = 0;
    CssSpecificity specificity = 0;
};

// What "&" stands for in a nested rule: its parent's selector list as :is() reads it.
struct CssNestParent {
    CssMatchMask mask = 0;
    CssSpecificity specificity = 0;
};

// Matches a selector list, tokens [begin, end) with their white space, against the document.
// One result per complex selector; nullopt when the list is invalid (and with it the rule).
// `parent`: the rule this one is nested in, or nullptr at the top level.
std::optional<std::vector<CssSelectorMatch>>
matchCssSelectors(const CssToken* begin, const CssToken* end, const CssNestParent* parent);
