#include "named_color_filter.h"

#include "named_color_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FilterRow {
    const char* query;
    std::vector<std::string> names; // in palette order
};

const std::vector<std::string> kBlues = {
    "aliceblue",    "powderblue",      "lightblue",      "lightsteelblue", "lightskyblue",
    "skyblue",      "deepskyblue",     "cornflowerblue", "cadetblue",      "dodgerblue",
    "royalblue",    "steelblue",       "blue",           "mediumblue",     "darkblue",
    "midnightblue", "mediumslateblue", "slateblue",      "blueviolet",     "darkslateblue"};
const std::vector<std::string> kGreys = {"lightgrey",     "darkgray",       "gray",     "dimgray",
                                         "darkslategray", "lightslategray", "slategray"};

const FilterRow kRows[] = {
    {"blue", kBlues},
    {"BLUE", kBlues},
    {"#00f", {"blue"}},
    {"0000ff", {"blue"}},
    {"#0000FF", {"blue"}},
    {"grey", kGreys},
    {"Gray", kGreys},
    {" dodger ", {"dodgerblue"}},
    {"#1e90", {"dodgerblue"}},
    {"aqua", {"aquamarine", "mediumaquamarine", "cyan/aqua"}},
    {"#blue", {}},
    {"xyzzy", {}},
    {"1234567", {}},
};

} // namespace

TEST(NamedColorFilter, FindsRowsByNameOrHexInPaletteOrder)
{
    for (const FilterRow& row : kRows) {
        SCOPED_TRACE(row.query);
        std::vector<std::string> names;
        for (int index : filterNamedColors(row.query))
            names.emplace_back(NamedColorTable::row(index).name);
        EXPECT_EQ(names, row.names);
    }
    EXPECT_EQ(filterNamedColors("").size(), 139u);
    EXPECT_EQ(filterNamedColors("#").size(), 139u);
}
