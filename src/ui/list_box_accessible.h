// What a screen reader reads of a ListBox: the list by its accessible name,
// and each row by its Qt::AccessibleTextRole, else its text. Unlike Qt's
// own interface for item views, which reports the current row of every
// list as focused, a row reports the focus only while its list has it: of
// the record lists, whose current rows move together, one row is focused,
// not one in each list.
#pragma once

class QAccessibleInterface;

namespace klotix {

class ListBox;

// The interface of `list`, for the accessible factory.
QAccessibleInterface* listBoxAccessible(ListBox* list);

}  // namespace klotix
