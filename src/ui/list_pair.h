// Two list boxes side by side that show one table, row k of the left one
// belonging to row k of the right one: a level's points and names. The
// pair scrolls and selects as one, so a value never stands beside another
// row's name.
#pragma once

#include <QString>

class QListWidget;

namespace klotix {

// Links `left` and `right`: scrolling (scroll bar, wheel, keys) and the
// current row of either moves both. Only `right` shows a vertical scroll bar,
// and neither shows a horizontal one, so both show the same rows at the same
// height. Call once, before rows are added.
void pairLists(QListWidget* left, QListWidget* right);

// Adds one row to a paired list: `left` text to the left list, `right` to the
// right one, both as tall as the taller of the two. The left text is
// condensed until it fits the left list's width, so a long number stays
// readable without scrolling sideways.
void addPairedRow(QListWidget* left, QListWidget* right, const QString& leftText, const QString& rightText);

}  // namespace klotix
