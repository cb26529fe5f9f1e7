// The settings store against a plain model of the file rules: reading any text, writing
// it back, and any sequence of reads, writes and deletions after that.
//
// Input: the settings text up to the first NUL byte; the bytes after it choose the
// operations. The whole input is also read as raw UTF-16, NULs and lone surrogates
// included. The file's bytes are the codec's concern (fuzz_text_codec).

#include "fuzz_support.h"
#include "reference_scan.h"
#include "settings_store.h"
#include "text_codec.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using fuzz::check;
using fuzz::escaped;

bool sameIgnoringCase(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// Sections of lines, searched front to back: slow and obviously right.
struct ModelStore {
    struct Section {
        QString name;
        QStringList lines;
    };
    std::vector<Section> sections;

    static ModelStore fromText(const QString& text)
    {
        ModelStore model;
        QString body = text;
        if (const qsizetype nul = body.indexOf(QChar(u'\0')); nul >= 0)
            body.truncate(nul);
        body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        body.replace(u'\r', u'\n');
        for (const QString& line : body.split(u'\n')) {
            if (line.isEmpty() || line.startsWith(u';'))
                continue;
            if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']'))
                model.sections.push_back({line.mid(1, line.size() - 2), {}});
            else if (!model.sections.empty())
                model.sections.back().lines.append(line);
        }
        return model;
    }

    QString toText() const
    {
        QString text;
        for (const Section& s : sections) {
            text += u'[' + s.name + u']' + QLatin1String("\r\n");
            for (const QString& line : s.lines)
                text += line + QLatin1String("\r\n");
            text += QLatin1String("\r\n");
        }
        return text;
    }

    static QString keyOf(const QString& line)
    {
        const qsizetype equals = line.indexOf(u'=');
        return equals < 0 ? QString() : line.left(equals);
    }

    const Section* find(const QString& name) const
    {
        for (const Section& s : sections) {
            if (sameIgnoringCase(s.name, name))
                return &s;
        }
        return nullptr;
    }
    Section* find(const QString& name)
    {
        return const_cast<Section*>(static_cast<const ModelStore*>(this)->find(name));
    }

    static qsizetype findLine(const Section& s, const QString& key)
    {
        for (qsizetype i = 0; i < s.lines.size(); ++i) {
            if (s.lines[i].contains(u'=') && sameIgnoringCase(keyOf(s.lines[i]), key))
                return i;
        }
        return -1;
    }

    QString readText(const QString& section, const QString& key, const QString& fallback) const
    {
        const Section* s = find(section);
        const qsizetype i = s ? findLine(*s, key) : -1;
        if (i < 0)
            return fallback;
        const QString& line = s->lines[i];
        return line.mid(line.indexOf(u'=') + 1);
    }

    bool hasKey(const QString& section, const QString& key) const
    {
        const Section* s = find(section);
        return s && findLine(*s, key) >= 0;
    }

    QStringList listKeys(const QString& section) const
    {
        QStringList keys;
        if (const Section* s = find(section)) {
            for (const QString& line : s->lines)
                keys.append(keyOf(line));
        }
        return keys;
    }

    void writeText(const QString& section, const QString& key, const QString& value)
    {
        Section* s = find(section);
        if (!s) {
            sections.push_back({section, {}});
            s = &sections.back();
        }
        const qsizetype i = findLine(*s, key);
        if (i >= 0)
            s->lines[i] = key + u'=' + value;
        else
            s->lines.append(key + u'=' + value);
    }

    void deleteKey(const QString& section, const QString& key)
    {
        Section* s = find(section);
        const qsizetype i = s ? findLine(*s, key) : -1;
        if (i >= 0)
            s->lines.removeAt(i);
    }
};

std::string where(const QString& section, const QString& key)
{
    return "section \"" + escaped(section) + "\" key \"" + escaped(key) + "\"";
}

void checkLookups(const SettingsStore& store, const ModelStore& model)
{
    for (const ModelStore::Section& s : model.sections) {
        const QStringList keys = store.listKeys(s.name);
        check(keys == model.listKeys(s.name), "listKeys gives the keys of the first section",
              where(s.name, QString()));
        // The model searches linearly; a few hundred keys cover every path of the store.
        for (const QString& key : keys.mid(0, 256)) {
            const QString expected = model.readText(s.name, key, QStringLiteral("\x01missing"));
            const QString got = store.readText(s.name, key, QStringLiteral("\x01missing"));
            check(got == expected, "readText gives the value of the first line with the key",
                  where(s.name, key) + " got \"" + escaped(got) + "\" expected \"" +
                      escaped(expected) + "\"");
            check(store.hasKey(s.name, key) == model.hasKey(s.name, key), "hasKey agrees",
                  where(s.name, key));
            const auto number = fuzz::referenceIntegerValue(expected);
            check(store.readInteger(s.name, key, -77) == number.value_or(-77),
                  "readInteger reads the value as an option number",
                  where(s.name, key) + " value \"" + escaped(expected) + "\"");
        }
    }
}

void checkAgainstModel(const SettingsStore& store, const ModelStore& model, const char* when)
{
    const QString got = store.toText();
    const QString expected = model.toText();
    check(got == expected, when,
          "got \"" + escaped(got) + "\"\n  expected \"" + escaped(expected) + "\"");
    QString joined;
    for (const QString& line : store.toLines())
        joined += line + QLatin1String("\r\n");
    check(joined == got, "toLines holds the lines of toText");
    checkLookups(store, model);
}

void checkReadWriteRead(const QString& text)
{
    const SettingsStore first = SettingsStore::fromText(text);
    const QString text1 = first.toText();
    const QString text2 = SettingsStore::fromText(text1).toText();
    check(text1 == text2, "a written store reads back to the same text",
          "text1 \"" + escaped(text1) + "\"\n  text2 \"" + escaped(text2) + "\"");
    checkAgainstModel(first, ModelStore::fromText(text), "reading follows the file rules");
}

// A section or key: often one the store already holds, in another case.
QString pickName(FuzzedDataProvider& ops, const QStringList& known, const char* const* usual,
                 int usualCount)
{
    QString name;
    switch (ops.ConsumeIntegralInRange(0, 3)) {
    case 0:
        if (!known.isEmpty()) {
            name = known[ops.ConsumeIntegralInRange<qsizetype>(0, known.size() - 1)];
            break;
        }
        [[fallthrough]];
    case 1:
        name = QString::fromLatin1(usual[ops.ConsumeIntegralInRange(0, usualCount - 1)]);
        break;
    default:
        name = QString::fromUtf8(ops.ConsumeRandomLengthString(12));
        break;
    }
    switch (ops.ConsumeIntegralInRange(0, 3)) {
    case 1:
        return name.toUpper();
    case 2:
        return name.toLower();
    case 3:
        return name.toCaseFolded();
    default:
        return name;
    }
}

// Whether text written with these arguments reads back as written: no line breaks or
// NUL anywhere, keys without '=' or a leading ';', and no line shaped like a section line.
bool readsBackAsWritten(const QString& section, const QString& key, const QString& value)
{
    const auto breaks = [](const QString& s) {
        return s.contains(u'\r') || s.contains(u'\n') || s.contains(QChar(u'\0'));
    };
    if (breaks(section) || breaks(key) || breaks(value) || key.contains(u'=') ||
        key.startsWith(u';'))
        return false;
    const QString line = key + u'=' + value;
    return !(line.startsWith(u'[') && line.endsWith(u']'));
}

void runOperations(const QString& text, FuzzedDataProvider& ops)
{
    static const char* const sectionNames[] = {"Options", "Color Set", "options", "COLOR SET", ""};
    static const char* const keyNames[] = {"Position",  "Sort",     "Font",      "_lastend_",
                                           "ImgViewer", "position", "_LASTEND_", ""};
    SettingsStore store = SettingsStore::fromText(text);
    ModelStore model = ModelStore::fromText(text);
    bool roundTrips = true;

    for (int step = 0; step < 64 && ops.remaining_bytes() > 0; ++step) {
        QStringList knownSections;
        for (const ModelStore::Section& s : model.sections)
            knownSections.append(s.name);
        const int op = ops.ConsumeIntegralInRange(0, 4);
        const QString section = pickName(ops, knownSections, sectionNames, 5);
        const QString key = pickName(ops, model.listKeys(section), keyNames, 8);
        switch (op) {
        case 0:
        case 1: {
            const QString value = QString::fromUtf8(ops.ConsumeRandomLengthString(16));
            roundTrips = roundTrips && readsBackAsWritten(section, key, value);
            store.writeText(section, key, value);
            model.writeText(section, key, value);
            break;
        }
        case 2:
            store.deleteKey(section, key);
            model.deleteKey(section, key);
            break;
        case 3: {
            const QString got = store.readText(section, key, QStringLiteral("none"));
            const QString expected = model.readText(section, key, QStringLiteral("none"));
            check(got == expected, "readText after edits", where(section, key));
            break;
        }
        default:
            check(store.listKeys(section) == model.listKeys(section), "listKeys after edits",
                  where(section, key));
            check(store.hasKey(section, key) == model.hasKey(section, key), "hasKey after edits",
                  where(section, key));
            break;
        }
    }
    checkAgainstModel(store, model, "writes and deletions follow the file rules");

    if (roundTrips) {
        const SettingsStore reread = SettingsStore::fromText(store.toText());
        check(reread.toText() == store.toText(), "edited settings read back as written",
              escaped(store.toText()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = decodeFileText(bytes);
    checkReadWriteRead(text);
    checkReadWriteRead(QString::fromUtf8(bytes));
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    checkReadWriteRead(QString::fromStdU16String(units));

    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        FuzzedDataProvider ops(data + nul + 1, size - static_cast<std::size_t>(nul) - 1);
        runOperations(text, ops);
    }
    return 0;
}
