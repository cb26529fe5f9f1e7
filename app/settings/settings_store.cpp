#include "settings_store.h"

#include "settings_values.h"

#include <utility>

namespace {

// Simple case folding per code point gives equal strings exactly when
// QString::compare(..., Qt::CaseInsensitive) finds them equal, so folded text
// can key the hashes.
QString folded(QString text)
{
    return std::move(text).toCaseFolded();
}

} // namespace

SettingsStore::Line SettingsStore::makeLine(QString text)
{
    const qsizetype separator = text.indexOf(u'=');
    return Line{std::move(text), separator};
}

QString SettingsStore::foldedKey(const Line& line)
{
    return folded(line.text.left(line.separator));
}

SettingsStore SettingsStore::fromText(const QString& text)
{
    SettingsStore store;
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    const qsizetype end = nul < 0 ? text.size() : nul;
    const QChar* data = text.constData();

    qsizetype current = -1;
    qsizetype pos = 0;
    while (pos < end) {
        qsizetype lineEnd = pos;
        while (lineEnd < end && data[lineEnd] != u'\r' && data[lineEnd] != u'\n')
            ++lineEnd;
        const QStringView line(data + pos, lineEnd - pos);
        // CR LF needs no pairing: the empty line between them is skipped below.
        pos = lineEnd + 1;

        if (line.isEmpty() || line.front() == u';')
            continue;
        if (line.front() == u'[' && line.back() == u']' && line.size() >= 2) {
            store.appendSection(line.mid(1, line.size() - 2).toString());
            current = static_cast<qsizetype>(store.m_sections.size()) - 1;
            continue;
        }
        if (current < 0)
            continue;
        store.m_sections[static_cast<std::size_t>(current)].lines.push_back(
            makeLine(line.toString()));
    }
    return store;
}

QStringList SettingsStore::toLines() const
{
    QStringList lines;
    qsizetype count = 0;
    for (const Section& section : m_sections)
        count += static_cast<qsizetype>(section.lines.size()) + 2;
    lines.reserve(count);
    for (const Section& section : m_sections) {
        lines.append(u'[' + section.name + u']');
        for (const Line& line : section.lines)
            lines.append(line.text);
        lines.append(QString());
    }
    return lines;
}

QString SettingsStore::toText() const
{
    const QStringList lines = toLines();
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

QString SettingsStore::readText(const QString& section, const QString& key,
                                const QString& defaultValue) const
{
    const Section* found = findSection(section);
    if (!found)
        return defaultValue;
    const qsizetype index = findLine(*found, key);
    if (index < 0)
        return defaultValue;
    const Line& line = found->lines[static_cast<std::size_t>(index)];
    return line.text.mid(line.separator + 1);
}

int SettingsStore::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    return parseIntegerValue(readText(section, key, QString())).value_or(defaultValue);
}

void SettingsStore::writeText(const QString& section, const QString& key, const QString& value)
{
    Section& target = sectionForWriting(section);
    Line line = makeLine(key + u'=' + value);
    const qsizetype index = findLine(target, key);
    if (index >= 0) {
        // Same key up to case, so the index entry stays valid.
        target.lines[static_cast<std::size_t>(index)] = std::move(line);
        return;
    }
    // A key holding '=' is never found and keys its new line by the text before
    // that '=', which may already be taken by an earlier line.
    QString newKey = foldedKey(line);
    target.lines.push_back(std::move(line));
    if (!target.keyIndex.contains(newKey))
        target.keyIndex.insert(std::move(newKey), static_cast<qsizetype>(target.lines.size()) - 1);
}

void SettingsStore::deleteKey(const QString& section, const QString& key)
{
    Section* found = findSection(section);
    if (!found)
        return;
    const qsizetype index = findLine(*found, key);
    if (index < 0)
        return;
    found->lines.erase(found->lines.begin() + index);
    // Later lines moved up, and a second line with this key may now be the first.
    found->indexed = false;
}

void SettingsStore::deleteSection(const QString& section)
{
    const QString key = folded(section);
    std::erase_if(m_sections, [&](const Section& s) { return folded(s.name) == key; });
    m_sectionIndex.clear();
    for (qsizetype i = 0; i < static_cast<qsizetype>(m_sections.size()); ++i) {
        const QString name = folded(m_sections[static_cast<std::size_t>(i)].name);
        if (!m_sectionIndex.contains(name))
            m_sectionIndex.insert(name, i);
    }
}

QStringList SettingsStore::listKeys(const QString& section) const
{
    QStringList keys;
    const Section* found = findSection(section);
    if (!found)
        return keys;
    keys.reserve(static_cast<qsizetype>(found->lines.size()));
    for (const Line& line : found->lines)
        keys.append(line.separator < 0 ? QString() : line.text.left(line.separator));
    return keys;
}

bool SettingsStore::hasKey(const QString& section, const QString& key) const
{
    const Section* found = findSection(section);
    return found && findLine(*found, key) >= 0;
}

const SettingsStore::Section* SettingsStore::findSection(const QString& name) const
{
    const auto it = m_sectionIndex.constFind(folded(name));
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[static_cast<std::size_t>(*it)];
}

SettingsStore::Section* SettingsStore::findSection(const QString& name)
{
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

SettingsStore::Section& SettingsStore::sectionForWriting(const QString& name)
{
    if (Section* found = findSection(name))
        return *found;
    appendSection(name);
    Section& created = m_sections.back();
    created.indexed = true; // empty, and kept up to date by writeText from here on
    return created;
}

void SettingsStore::appendSection(QString name)
{
    QString key = folded(name);
    m_sections.push_back(Section{std::move(name), {}, {}, false});
    if (!m_sectionIndex.contains(key))
        m_sectionIndex.insert(std::move(key), static_cast<qsizetype>(m_sections.size()) - 1);
}

void SettingsStore::ensureIndexed(const Section& section)
{
    if (section.indexed)
        return;
    section.keyIndex.clear();
    section.keyIndex.reserve(static_cast<qsizetype>(section.lines.size()));
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        const Line& line = section.lines[i];
        if (line.separator < 0)
            continue;
        QString key = foldedKey(line);
        if (!section.keyIndex.contains(key))
            section.keyIndex.insert(std::move(key), static_cast<qsizetype>(i));
    }
    section.indexed = true;
}

qsizetype SettingsStore::findLine(const Section& section, const QString& key)
{
    ensureIndexed(section);
    const auto it = section.keyIndex.constFind(folded(key));
    return it == section.keyIndex.cend() ? -1 : *it;
}
