// File text: whatever a file holds decodes without harm, and every text the program
// writes reads back unchanged (CP932 where it can hold the text, else UTF-8 with a BOM).
//
// The input is taken three ways: as file bytes, as UTF-8 text and as UTF-16 text.

#include "fuzz_support.h"
#include "text_codec.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using fuzz::check;
using fuzz::escaped;

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

void checkWrittenTextReadsBack(const QString& text)
{
    // NUL ends a file's text by design, and lone surrogates are no text at all.
    if (text.contains(QChar(u'\0')) || !QStringView(text).isValidUtf16())
        return;
    const QByteArray bytes = encodeFileText(text);
    const QString reread = decodeFileText(bytes);
    check(reread == text, "written text reads back unchanged",
          "text \"" + escaped(text) + "\"\n  bytes \"" + escaped(bytes.toStdString()) +
              "\"\n  read \"" + escaped(reread) + "\"");

    const auto cp932 = encodeCp932(text);
    if (cp932) {
        check(bytes == *cp932, "text CP932 can hold is written as CP932");
        check(!cp932->startsWith(Utf8Bom), "CP932 bytes never look like a byte-order mark",
              escaped(text));
    } else {
        check(bytes == QByteArray(Utf8Bom) + text.toUtf8(),
              "text CP932 cannot hold is written as UTF-8 behind a byte-order mark");
    }
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        check(cp932 && *cp932 == text.toLatin1(), "ASCII text is written as itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString decoded = decodeFileText(bytes);
    check(QStringView(decoded).isValidUtf16(), "decoded file text is valid UTF-16",
          escaped(bytes.toStdString()));
    check(!decoded.contains(QChar(u'\0')), "decoded file text ends at the first NUL");
    const qsizetype nul = bytes.indexOf('\0');
    check(decodeFileText(bytes.left(nul < 0 ? bytes.size() : nul)) == decoded,
          "bytes after a NUL do not matter");
    checkWrittenTextReadsBack(decoded);

    checkWrittenTextReadsBack(QString::fromUtf8(bytes));
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    checkWrittenTextReadsBack(QString::fromStdU16String(units));
    return 0;
}
