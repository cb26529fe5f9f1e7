#include "qstring_print.h"
#include "scheme_value.h"
#include "settings_store.h"
#include "settings_values.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

TEST(SettingsStore, ReadsAndWritesTheFileText)
{
    const std::pair<QString, const char*> cases[] = {
        {q(""), ""},
        {q("stray\r\n;top\r\n[Options]\r\n;c=1\r\nSort=1\r\n\r\n\r\n[B]\r\n k \r\n"),
         "[Options]\r\nSort=1\r\n\r\n[B]\r\n k \r\n\r\n"},
        {q("[A]\na=1\rb=2\r\r\nc=3"), "[A]\r\na=1\r\nb=2\r\nc=3\r\n\r\n"},
        {QString::fromUtf8("[A]\r\nk=v\0[B]\r\nx=y", 17), "[A]\r\nk=v\r\n\r\n"},
        {q("[A]\r\n[\r\n]\r\n]x["), "[A]\r\n[\r\n]\r\n]x[\r\n\r\n"},
        {q("[]\r\n=v\r\n[[x]]\r\nk=[v]"), "[]\r\n=v\r\n\r\n[[x]]\r\nk=[v]\r\n\r\n"},
        {q("[A]\r\na=1\r\n[a]\r\na=2\r\n"), "[A]\r\na=1\r\n\r\n[a]\r\na=2\r\n\r\n"},
        {q("[ A ]\r\n\tk = v "), "[ A ]\r\n\tk = v \r\n\r\n"},
    };
    for (const auto& [file, written] : cases) {
        SCOPED_TRACE(written);
        const SettingsStore store = SettingsStore::fromText(file);
        EXPECT_EQ(store.toText(), q(written));
        const QStringList lines = store.toLines();
        EXPECT_EQ(lines.isEmpty() ? QString() : lines.join(q("\r\n")) + q("\r\n"), q(written));
    }
}

TEST(SettingsStore, LooksUpAndListsWithoutRegardToCase)
{
    // file, section, key, the value read ("<default>": no match), the section's keys
    const char* const cases[][5] = {
        {"[options]\r\nposition=1,10,10", "OPTIONS", "Position", "1,10,10", "position"},
        {"[ＯＰＴＩＯＮＳ]\r\nＫＥＹ=全角", "ｏｐｔｉｏｎｓ", "ｋｅｙ", "全角", "ＫＥＹ"},
        {"[ΑΒΓ]\r\nЖук=1", "αβγ", "жУК", "1", "Жук"},
        {"[A]\r\nk=a=b", "A", "k", "a=b", "k"},
        {"[A]\r\n=v\r\nplain", "A", "", "v", "|"},
        {"[O]\r\nPosition =1", "O", "Position", "<default>", "Position "},
        {"[A]\r\nplain\r\nb=1", "A", "plain", "<default>", "|b"},
        {"[A]\r\nplain", "A", "", "<default>", ""},
        {"[A]\r\nk=1\r\nK=2", "A", "k", "1", "k|K"},
        {"[A]\r\nk=1\r\n[a]\r\nx=3", "a", "x", "<default>", "k"},
        {"[A]\r\na=b=c", "A", "a=b", "<default>", "a"},
        {"[A]\r\nk=1", "B", "k", "<default>", ""},
        {"k=1\r\n[A]", "A", "k", "<default>", ""},
        {"[]\r\nk=", "", "K", "", "k"},
    };
    for (const auto& [file, section, key, value, keys] : cases) {
        SCOPED_TRACE(file);
        const SettingsStore store = SettingsStore::fromText(q(file));
        EXPECT_EQ(store.readText(q(section), q(key), q("<default>")), q(value));
        EXPECT_EQ(store.hasKey(q(section), q(key)), q(value) != q("<default>"));
        EXPECT_EQ(store.listKeys(q(section)).join(u'|'), q(keys));
    }
    const SettingsStore store = SettingsStore::fromText(q("[O]\r\nhex=0x1F\r\nword=yes"));
    EXPECT_EQ(store.readInteger(q("o"), q("HEX"), 7), 31);
    EXPECT_EQ(store.readInteger(q("o"), q("word"), 7), 7);
    EXPECT_EQ(store.readInteger(q("o"), q("missing"), 7), 7);
}

struct Edit {
    bool remove;
    const char* section;
    const char* key;
    const char* value;
};

TEST(SettingsStore, WritesAndDeletesInPlace)
{
    const std::tuple<const char*, std::vector<Edit>, const char*> cases[] = {
        {"[A]\r\na=1\r\nB=2\r\nc=3", {{false, "a", "b", "9"}}, "[A]\r\na=1\r\nb=9\r\nc=3\r\n\r\n"},
        {"[A]\r\na=1\r\n[B]\r\nb=2",
         {{false, "A", "n", "x"}},
         "[A]\r\na=1\r\nn=x\r\n\r\n[B]\r\nb=2\r\n\r\n"},
        {"[A]\r\na=1", {{false, "New", "k", ""}}, "[A]\r\na=1\r\n\r\n[New]\r\nk=\r\n\r\n"},
        {"[Ｓ]\r\nＫ=1", {{false, "ｓ", "ｋ", "2"}}, "[Ｓ]\r\nｋ=2\r\n\r\n"},
        {"[A]\r\nk=1\r\nk=2", {{false, "A", "K", "3"}}, "[A]\r\nK=3\r\nk=2\r\n\r\n"},
        {"[A]\r\n[a]", {{false, "a", "k", "1"}}, "[A]\r\nk=1\r\n\r\n[a]\r\n\r\n"},
        {"[A]\r\nk=1\r\nx=0\r\nk=2",
         {{true, "A", "k", ""}, {false, "A", "k", "3"}},
         "[A]\r\nx=0\r\nk=3\r\n\r\n"},
        {"[A]\r\nk=1", {{true, "A", "x", ""}, {true, "B", "k", ""}}, "[A]\r\nk=1\r\n\r\n"},
        {"[A]\r\nk=1", {{true, "a", "K", ""}}, "[A]\r\n\r\n"},
        {"[A]\r\nplain", {{false, "A", "plain", "1"}}, "[A]\r\nplain\r\nplain=1\r\n\r\n"},
        {"", {{false, "A", "a=b", "1"}, {false, "A", "a=b", "2"}}, "[A]\r\na=b=1\r\na=b=2\r\n\r\n"},
        // The appended "a=b=2" must not take over the key "a" from the first line.
        {"[A]\r\na=1",
         {{false, "A", "a=b", "2"}, {false, "A", "a", "3"}},
         "[A]\r\na=3\r\na=b=2\r\n\r\n"},
    };
    for (const auto& [file, edits, written] : cases) {
        SCOPED_TRACE(written);
        SettingsStore store = SettingsStore::fromText(q(file));
        for (const Edit& e : edits) {
            if (e.remove)
                store.deleteKey(q(e.section), q(e.key));
            else
                store.writeText(q(e.section), q(e.key), q(e.value));
        }
        EXPECT_EQ(store.toText(), q(written));
    }
}

// What the start-up takes from a store, in words.
QString startEffect(const SettingsStore& store)
{
    QStringList parts;
    const auto position =
        readWindowPosition(store.readText(q("Options"), q("Position"), q("0,0,0")));
    parts << (position ? q("at %1,%2").arg(position->first).arg(position->second)
                       : q("default place"));
    parts << (store.readInteger(q("Options"), q("Sort"), 0) != 0 ? q("sorted") : q("unsorted"));
    if (const auto font = readStoredFont(store.readText(q("Options"), q("Font"), QString())))
        parts << q("font ") + font->name + q(" %1pt").arg(font->pointSize) +
                     (font->bold ? q(" bold") : QString()) +
                     (font->italic ? q(" italic") : QString());
    for (const QString& key : store.listKeys(SchemeSection)) {
        const bool usable =
            readSchemeColors(store.readText(SchemeSection, key, NoneMarker)).has_value();
        parts << q("scheme '") + key + (usable ? q("' usable") : q("' ignored"));
    }
    return parts.join(q("; "));
}

TEST(SettingsStore, HandEditedLines)
{
    const std::pair<const char*, const char*> cases[] = {
        {"[Options]\r\nPosition=1,-20,40", "at -20,40; unsorted"},
        {"[Options]\r\nPosition=0,300,300", "default place; unsorted"},
        {"[Options]\r\nPosition=1,300", "default place; unsorted"},
        {"[options]\r\nposition=1,10,10", "at 10,10; unsorted"},
        {"[Options]\r\nPosition = 1,10,10", "default place; unsorted"},
        {"[Options]\r\nSort=0x1", "default place; sorted"},
        {"[Options]\r\nSort=yes", "default place; unsorted"},
        {"[Options]\r\nFont=Arial,12,1,0", "default place; unsorted; font Arial 12pt bold"},
        {"[Options]\r\nFont=\"Times New Roman\",12,0,1",
         "default place; unsorted; font Times New Roman 12pt italic"},
        {"[Options]\r\nFont=Arial,12,1", "default place; unsorted"},
        {"[Options]\r\nFont=Arial,big,0,0", "default place; unsorted; font Arial 0pt"},
        {"[Color Set]\r\nno equals sign", "default place; unsorted; scheme '' ignored"},
        {"[Color Set]\r\n_lastend_=1,2,3", "default place; unsorted; scheme '_lastend_' ignored"},
        {"[Color Set]\r\nSea=1,2,3,4,5", "default place; unsorted; scheme 'Sea' usable"},
    };
    for (const auto& [file, effect] : cases) {
        SCOPED_TRACE(file);
        EXPECT_EQ(startEffect(SettingsStore::fromText(q(file))), q(effect));
    }
}

TEST(SettingsStore, FirstRunFileInClosingOrder)
{
    SettingsStore store;
    const char* const options[][2] = {{"Position", "0,0,0"}, {"Sort", "0"},   {"Usename", "0"},
                                      {"Coldq", "0"},        {"Usecss", "0"}, {"Digi16", "0"},
                                      {"ImgViewer", ""}};
    for (const auto& [key, value] : options)
        store.writeText(q("Options"), q(key), q(value));
    store.writeText(q("Options"), q("Font"),
                    storedFontText({q("ＭＳ Ｐゴシック"), 11, false, false}));
    store.writeText(SchemeSection, LastEndKey,
                    schemeValueText({0x808000, 0xFFFFFF, 0xFF0000, 0xFFFF00, 0xFF00FF}));

    const QString expected =
        q("[Options]\r\nPosition=0,0,0\r\nSort=0\r\nUsename=0\r\nColdq=0\r\nUsecss=0\r\n"
          "Digi16=0\r\nImgViewer=\r\nFont=\"ＭＳ Ｐゴシック\",11,0,0\r\n\r\n"
          "[Color Set]\r\n_lastend_=8421376,16777215,16711680,16776960,16711935\r\n\r\n");
    EXPECT_EQ(store.toText(), expected);
    EXPECT_EQ(
        encodeFileText(store.toText()).split('\n').at(8),
        QByteArray("Font=\"\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e\",11,0,0\r"));
}

QString garbage(std::mt19937& random, int length)
{
    static const char16_t alphabet[] = u"[]=;\r\n aAｘＸ\t=]";
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(random() % 500 == 0 ? u'\0' : alphabet[random() % (std::size(alphabet) - 1)]);
    return text;
}

TEST(SettingsStore, GarbageReachesAFixpointAfterOneWrite)
{
    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        const QString first = SettingsStore::fromText(garbage(random, 400)).toText();
        SCOPED_TRACE(first.toStdString());
        EXPECT_EQ(SettingsStore::fromText(first).toText(), first);
    }
    QString huge; // 10 MB of ASCII, line ends and brackets included
    for (int i = 0; i < 10 * 1024 * 1024; ++i)
        huge += QChar(static_cast<char16_t>(random() % 0x80 + 1));
    const QString text = SettingsStore::fromText(huge).toText();
    EXPECT_EQ(SettingsStore::fromText(text).toText(), text);
}

// The store's indexed lookups against a plain linear reading of the same rules.
TEST(SettingsStore, AgreesWithLinearLookupOverRandomEdits)
{
    const auto same = [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) == 0;
    };
    const QString names[] = {q("a"), q("A"), q("ｂ"), q("Ｂ"), q("a=b"), q(""), q("c ")};
    std::mt19937 random(99);
    SettingsStore store;
    std::vector<std::pair<QString, QStringList>> model;
    for (int step = 0; step < 3000; ++step) {
        const QString section = names[random() % 3];
        const QString key = names[random() % std::size(names)];
        auto found = std::find_if(model.begin(), model.end(),
                                  [&](const auto& s) { return same(s.first, section); });
        QStringList* lines = found == model.end() ? nullptr : &found->second;
        const auto at =
            !lines ? -1 : std::find_if(lines->cbegin(), lines->cend(), [&](const QString& l) {
                              return l.contains(u'=') && same(l.left(l.indexOf(u'=')), key);
                          }) - lines->cbegin();
        const bool hit = lines && at < lines->size();
        const QString line = key + u'=' + QString::number(step);
        switch (random() % 3) {
        case 0:
            store.writeText(section, key, QString::number(step));
            if (!lines)
                lines = &model.emplace_back(section, QStringList()).second;
            if (hit)
                (*lines)[at] = line;
            else
                lines->append(line);
            break;
        case 1:
            store.deleteKey(section, key);
            if (hit)
                lines->removeAt(at);
            break;
        default:
            EXPECT_EQ(store.readText(section, key, q("-")),
                      hit ? (*lines)[at].mid((*lines)[at].indexOf(u'=') + 1) : q("-"));
        }
        QString text;
        for (const auto& [name, body] : model)
            text += u'[' + name + q("]\r\n") +
                    (body.isEmpty() ? QString() : body.join(q("\r\n")) + q("\r\n")) + q("\r\n");
        ASSERT_EQ(store.toText(), text) << "step " << step;
    }
}

} // namespace
