#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>

// Where a name goes in a list already sorted by `collator`: after every entry
// that does not sort after it, found with O(log n) comparisons.
int sortedInsertIndex(const QStringList& sortedNames, const QString& name,
                      const QCollator& collator);

// Sorts by `collator`; names that compare equal keep their order.
void sortSchemeNames(QStringList& names, const QCollator& collator);

// The first entry equal to `name` without regard to case, or -1.
int indexOfNameIgnoringCase(const QStringList& names, const QString& name);
