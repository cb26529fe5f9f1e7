#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether an attribute's value matches [name op wanted] (op '=', '~', '|', '^', '$', '*';
// 0 for presence); `fold`: the "i" flag.
bool attributeValueMatches(std::string_view actual, char op, std::string_view wanted, bool fold);

// An+B of the :nth-*() pseudo-classes.
struct Nth {
    long a = 0;
    long b = 0;
};

// "odd", "even", "3", "-n+2", "2n-1" in any case; nullopt for anything else.
std::optional<Nth> parseNth(std::string text);
// Whether the 1-based index is A*n+B for some n >= 0.
bool nthMatches(const Nth& nth, long index);
