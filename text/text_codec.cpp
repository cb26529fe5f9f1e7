#include "text_codec.h"

#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// One iconv descriptor for one conversion; closed on every path.
class Converter {
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {
    }
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return m_cd; }

private:
    iconv_t m_cd;
};

} // namespace

std::optional<QByteArray> encodeCp932(const QString& text)
{
    Converter cd("CP932", "UTF-8");
    if (!cd.valid())
        return std::nullopt;
    QByteArray in = text.toUtf8();
    // A CP932 character never takes more bytes than its UTF-8 form.
    QByteArray out(in.size() + 4, Qt::Uninitialized);
    char* inPtr = in.data();
    size_t inLeft = static_cast<size_t>(in.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    if (iconv(cd.handle(), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    if (iconv(cd.handle(), nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    out.truncate(out.size() - static_cast<qsizetype>(outLeft));
    // The converter also takes characters it cannot give back (U+00A3 comes back as
    // U+FFE1, "¥" as a backslash); such text must go to the UTF-8 form instead.
    if (decodeCp932(out) != text)
        return std::nullopt;
    return out;
}

QByteArray encodeFileText(const QString& text)
{
    if (std::optional<QByteArray> cp932 = encodeCp932(text))
        return *cp932;
    return QByteArray(kUtf8Bom) + text.toUtf8();
}

QString decodeFileText(const QByteArray& bytes)
{
    QByteArray data = bytes;
    const qsizetype nul = data.indexOf('\0');
    if (nul >= 0)
        data.truncate(nul);
    if (data.startsWith(kUtf8Bom)) {
        // Past our own mark, a U+FEFF is the text's own character and stays.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        return utf8(data.mid(3));
    }
    return decodeCp932(data);
}

QByteArray sheetTextUtf8(const QByteArray& bytes)
{
    if (!QUtf8StringView(bytes).isValidUtf8())
        return decodeCp932(bytes).toUtf8();
    return bytes.startsWith(kUtf8Bom) ? bytes.mid(3) : bytes;
}

QString decodeCp932(QByteArray data)
{
    Converter cd("UTF-8", "CP932");
    if (!cd.valid())
        return QString::fromLatin1(data);
    QByteArray out;
    out.reserve(data.size() * 2);
    char* inPtr = data.data();
    size_t inLeft = static_cast<size_t>(data.size());
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd.handle(), &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<qsizetype>(sizeof buffer - outLeft));
        if (rc != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        // An invalid or truncated sequence: mark it and go on with the next byte.
        out.append("\xEF\xBF\xBD");
        ++inPtr;
        --inLeft;
        iconv(cd.handle(), nullptr, nullptr, nullptr, nullptr);
    }
    return QString::fromUtf8(out);
}
