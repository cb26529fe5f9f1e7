#pragma once

#include "body_colors.h"
#include "css_rules.h"

#include <optional>

#include <string>
#include <string_view>

// Whether a pasted text is an HTML page or fragment rather than a style sheet: it has a
// <style> element, or an <html> or <body> start tag with attributes.
bool looksLikeHtml(std::string_view text);

// Adds what a page brings to the cascade: its <style> elements in order, the style
// attributes of html and body, and body's colour attributes as presentational hints.
// Returns the href of the page's first <link rel="stylesheet">, or "".
std::string addHtmlPage(std::string_view text, CssSheet& sheet);

// HTML's legacy colour value ("bgcolor=..."): nullopt for an empty or unreadable one.
std::optional<ColorValue> legacyHtmlColor(std::string_view value);
