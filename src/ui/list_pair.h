// Two list boxes side by side that show one table, row k of the left one
// belonging to row k of the right one: a level's points and names. The
// pair scrolls and selects as one, so a value never stands beside another
// row's name, and every value on the left is shown whole.
#pragma once

#include <QString>

class QListWidget;

namespace klotix {

// Links `left` and `right`: scrolling (scroll bar, wheel, keys), the
// current row and the selection of either move both. Only `right` shows a
// vertical scroll bar, and neither shows a horizontal one, so both show the
// same rows at the same height. Whenever the room for the rows changes
// (the window is shown, the scroll bar comes or goes) the rows are fitted
// again (see addPairedRow) and the current row is scrolled into view. Call
// once, before rows are added.
void pairLists(QListWidget* left, QListWidget* right);

// Adds one row to a paired list: `left` text to the left list, `right` to the
// right one, both as tall as the taller of the two. The left text is shown
// in its list's font while it fits, else narrowed and then shrunk until it
// does (see fittedFont), so a long number stays readable without scrolling
// sideways. A row whose right text, or even the fitted left one, is cut
// short carries both texts as its tooltip. A screen reader reads the row
// as `spokenRow`, the whole record, in either list.
void addPairedRow(QListWidget* left, QListWidget* right, const QString& leftText, const QString& rightText,
                  const QString& spokenRow);

// Selects row `row` of both lists and scrolls it into view, now or, before
// the lists are shown, as soon as they are.
void selectPairedRow(QListWidget* left, QListWidget* right, int row);

}  // namespace klotix
