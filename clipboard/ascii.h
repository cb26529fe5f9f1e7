#pragma once

#include <string_view>

// Clipboard texts are read as bytes: letters and hexadecimal digits are ASCII only,
// whatever the locale says.

constexpr int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1; // not a hexadecimal digit
}

constexpr char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// White space as CSS and HTML both count it: space, tab, LF, CR and FF.
constexpr bool isCssSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

constexpr std::string_view trimmedCssSpace(std::string_view s)
{
    while (!s.empty() && isCssSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isCssSpace(s.back()))
        s.remove_suffix(1);
    return s;
}
