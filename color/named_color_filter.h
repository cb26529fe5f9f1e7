#pragma once

#include <string_view>
#include <vector>

// The rows of the named colour table that a typed query finds, in palette order. The query
// is matched without regard to case against each row's name (where "grey" and "gray" are
// one word) and, when it is hexadecimal digits with or without a leading "#", against the
// row's #RRGGBB: three digits are the CSS short form of one colour, six digits one colour,
// and other lengths the start of the digits. An empty query finds every row.
std::vector<int> filterNamedColors(std::string_view query);
