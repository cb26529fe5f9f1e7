#pragma once

#include "css_selectors.h"
#include "css_tokenizer.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The properties the cascade computes; every other one is passed over.
enum class CssProperty : std::uint8_t {
    Color,
    BackgroundColor,
    Background,
    ColorScheme,
    All,
    Custom
};

// One author declaration that applies somewhere in the document, in one of the readings.
struct CssDeclaration {
    CssProperty property = CssProperty::Color;
    std::string_view name;                // a custom property's name
    const CssToken* valueBegin = nullptr; // the value, without "!important"
    const CssToken* valueEnd = nullptr;
    bool important = false;
    bool attached = false;            // from a style attribute: above every rule
    int layerRank = 0;                // higher wins among normal declarations; hints lowest
    std::uint32_t order = 0;          // later wins
    std::uint8_t readings = 3;        // bit 0: the light reading, bit 1: the dark one
    std::uint32_t selectorsBegin = 0; // its rule's selectors in CssSheet::selectors
    std::uint32_t selectorsEnd = 0;
};

// The author declarations of one or more style sheets, in order, with what their selectors
// match. Token lists added stay owned here, so the declarations may point into them.
class CssSheet {
public:
    // A style sheet (or a <style> element's text), which must outlive the sheet.
    void addStyleSheet(std::string_view text);
    // A style attribute's declarations for html or body; the text is copied.
    void addStyleAttribute(std::string_view text, CssDocument::Element element);
    // A presentational hint: a colour value for `property` where `mask` matches.
    void addHint(CssProperty property, std::string_view colorText, CssMatchMask mask);
    // Orders the cascade layers; call once, after the last add.
    void finish();

    std::vector<CssDeclaration> declarations;
    std::vector<CssSelectorMatch> selectors;

private:
    friend class CssRuleParser;
    int layerOf(int parent, std::string_view name);

    std::deque<CssTokenList> m_tokens;
    std::deque<std::string> m_texts;
    struct Layer {
        int parent = -1;
        std::vector<int> children; // in the order they were first named
    };
    std::vector<Layer> m_layers{Layer{}}; // 0: the unlayered styles
    std::map<std::pair<int, std::string>, int> m_layerNames;
    std::uint32_t m_order = 0;
};
