#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// Printable form of bytes for a failure report: controls and non-ASCII as \xNN.
inline std::string escaped(std::string_view bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && c != '\\') {
            out.push_back(c);
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", u);
            out += buffer;
        }
    }
    return out;
}

inline std::string escaped(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return escaped(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// A broken invariant is a finding: name it and abort, so that libFuzzer keeps the input
// as a crash artefact.
[[noreturn]] inline void fail(const char* invariant, const std::string& detail = {})
{
    std::fprintf(stderr, "\nINVARIANT BROKEN: %s\n", invariant);
    if (!detail.empty())
        std::fprintf(stderr, "  %s\n", detail.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void check(bool holds, const char* invariant, const std::string& detail = {})
{
    if (!holds)
        fail(invariant, detail);
}

// The C library's white space in the "C" locale, which every reader of the program uses.
constexpr bool isCSpace(char32_t c)
{
    return c == U' ' || (c >= U'\t' && c <= U'\r');
}

constexpr bool isAsciiLetter(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

constexpr bool isDecimalDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// The value of c as a digit of the radix (2 to 16, either letter case), or -1.
constexpr int digitIn(char32_t c, int radix)
{
    int v = -1;
    if (c >= U'0' && c <= U'9')
        v = static_cast<int>(c - U'0');
    else if (c >= U'a' && c <= U'f')
        v = static_cast<int>(c - U'a') + 10;
    else if (c >= U'A' && c <= U'F')
        v = static_cast<int>(c - U'A') + 10;
    return v < radix ? v : -1;
}

constexpr std::uint32_t ColorMask = 0xFFFFFFu; // red, green and blue: the low 24 bits

} // namespace fuzz
