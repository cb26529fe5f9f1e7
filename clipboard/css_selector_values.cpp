#include "css_selector_values.h"

#include "ascii.h"

bool attributeValueMatches(std::string_view actual, char op, std::string_view wanted, bool fold)
{
    const auto eq = [fold](std::string_view a, std::string_view b) {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (fold ? lowerAscii(a[i]) != lowerAscii(b[i]) : a[i] != b[i])
                return false;
        }
        return true;
    };
    switch (op) {
    case '=':
    case '~': // one word: every attribute of the document holds one word
        return eq(actual, wanted);
    case '|':
        return eq(actual, wanted) ||
               (actual.size() > wanted.size() && actual[wanted.size()] == '-' &&
                eq(actual.substr(0, wanted.size()), wanted));
    case '^':
        return !wanted.empty() && actual.size() >= wanted.size() &&
               eq(actual.substr(0, wanted.size()), wanted);
    case '$':
        return !wanted.empty() && actual.size() >= wanted.size() &&
               eq(actual.substr(actual.size() - wanted.size()), wanted);
    case '*':
        if (wanted.empty())
            return false;
        for (std::size_t i = 0; i + wanted.size() <= actual.size(); ++i) {
            if (eq(actual.substr(i, wanted.size()), wanted))
                return true;
        }
        return false;
    default:
        return true; // [name]: present
    }
}

bool nthMatches(const Nth& nth, long index)
{
    if (nth.a == 0)
        return index == nth.b;
    const long diff = index - nth.b;
    return diff % nth.a == 0 && diff / nth.a >= 0;
}

std::optional<Nth> parseNth(std::string text)
{
    for (char& c : text)
        c = lowerAscii(c);
    if (text == "odd")
        return Nth{2, 1};
    if (text == "even")
        return Nth{2, 0};
    const std::size_t n = text.find('n');
    const auto number = [](std::string_view s, long empty) -> std::optional<long> {
        if (s.empty() || s == "+")
            return empty;
        if (s == "-")
            return -empty;
        std::size_t i = s[0] == '+' || s[0] == '-' ? 1 : 0;
        if (i == s.size() || s.size() > 9)
            return std::nullopt;
        long v = 0;
        for (std::size_t k = i; k < s.size(); ++k) {
            if (s[k] < '0' || s[k] > '9')
                return std::nullopt;
            v = v * 10 + (s[k] - '0');
        }
        return s[0] == '-' ? -v : v;
    };
    if (n == std::string::npos) {
        const std::optional<long> b = number(text, 1);
        return b && !text.empty() ? std::optional<Nth>(Nth{0, *b}) : std::nullopt;
    }
    const std::optional<long> a = number(text.substr(0, n), 1);
    const std::optional<long> b = number(text.substr(n + 1), 0);
    if (!a || !b || (n + 1 < text.size() && text[n + 1] != '+' && text[n + 1] != '-'))
        return std::nullopt;
    return Nth{*a, *b};
}
