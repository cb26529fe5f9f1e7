#include "scheme_order.h"

#include <algorithm>

int sortedInsertIndex(const QStringList& sortedNames, const QString& name,
                      const QCollator& collator)
{
    const auto it = std::upper_bound(
        sortedNames.cbegin(), sortedNames.cend(), name,
        [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return static_cast<int>(it - sortedNames.cbegin());
}

void sortSchemeNames(QStringList& names, const QCollator& collator)
{
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
}

int indexOfNameIgnoringCase(const QStringList& names, const QString& name)
{
    // Case folding never changes the UTF-16 length, so the size test is a safe
    // shortcut past most names.
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].size() == name.size() &&
            QString::compare(names[i], name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}
