#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// The in-memory settings file: sections of key=value lines, read whole at start
// and written whole at close. Section names and keys match without regard to
// case (QString::compare with Qt::CaseInsensitive); the first match wins.
// Lines keep their text exactly, so a hand-edited file keeps its order and its
// spelling. A key or value holding a line break or NUL, a key beginning with
// ';', or a line shaped "[...]" is stored as given but does not read back the
// same after a round trip through text; callers keep such names out.
class SettingsStore {
public:
    SettingsStore() = default;

    // Cuts at CR LF, lone LF and lone CR (NUL ends the text); skips empty lines
    // and ';' comments; "[name]" opens a section; lines before the first
    // section are dropped.
    static SettingsStore fromText(const QString& text);

    // Each section as "[name]", its lines and one empty line, all ended by CR LF.
    QString toText() const;
    // The same lines without their ends, as the file writer takes them.
    QStringList toLines() const;

    QString readText(const QString& section, const QString& key, const QString& defaultValue) const;
    // The value read by parseIntegerValue; the default when missing or not a number.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // Replaces the first matching line in place, else appends to the section;
    // a missing section is created at the end. The key is spelled as given here.
    void writeText(const QString& section, const QString& key, const QString& value);
    void deleteKey(const QString& section, const QString& key);
    bool hasSection(const QString& section) const { return findSection(section) != nullptr; }
    // Removes every section of that name with its lines.
    void deleteSection(const QString& section);
    // Every line's key in order; a line without '=' lists as an empty key.
    QStringList listKeys(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;

private:
    struct Line {
        QString text;
        qsizetype separator = -1; // index of the first '=', -1 when there is none
    };

    struct Section {
        QString name;
        std::vector<Line> lines;
        // Folded key -> index of its first line. Built on the first lookup and
        // dropped when a deletion shifts the lines, so lookups and appends stay
        // O(1) for sections of thousands of schemes.
        mutable QHash<QString, qsizetype> keyIndex;
        mutable bool indexed = false;
    };

    static Line makeLine(QString text);
    static QString foldedKey(const Line& line);

    const Section* findSection(const QString& name) const;
    Section* findSection(const QString& name);
    Section& sectionForWriting(const QString& name);
    void appendSection(QString name);
    static qsizetype findLine(const Section& section, const QString& key);
    static void ensureIndexed(const Section& section);

    std::vector<Section> m_sections;
    QHash<QString, qsizetype> m_sectionIndex; // folded name -> first section
};
