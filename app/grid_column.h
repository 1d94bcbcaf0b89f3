// A grid's columns, declared once per model as a table: the field shown, its
// title, its width, whether it may be typed into and whether it is one of the
// fixed columns on the left. The models name their columns by field through
// ColumnOf, which fails to compile on a field the table does not declare, so
// no list has to be kept in the declaration's order by hand.
//
// Titles are user texts, written with QT_TRANSLATE_NOOP in the model's own
// context and translated where the grid shows them.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tv::app {

struct GridColumn {
    std::string_view field;
    const char* title = nullptr; // source text, translated in the model's context
    int width = 0;               // in characters
    bool editable = false;
    bool fixed = false; // shown on the left, never entered, never scrolled away
};

// The position of `field` in `columns`; a field not declared stops the build.
template <std::size_t N> consteval int ColumnIndex(const GridColumn (&columns)[N], std::string_view field) {
    for (std::size_t i = 0; i < N; ++i)
        if (columns[i].field == field) return static_cast<int>(i);
    throw "the grid declares no such field";
}

// How many columns the grid keeps fixed: the leading ones declared so.
constexpr int FixedColumnCount(std::span<const GridColumn> columns) {
    int count = 0;
    while (count < static_cast<int>(columns.size()) && columns[static_cast<std::size_t>(count)].fixed)
        ++count;
    return count;
}

} // namespace tv::app
