#include "ui/list_pair.h"

#include <QEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "ui/fit_text.h"

namespace klotix {

namespace {

// Room for the text of row `row`: the viewport's width less the margin that
// the style leaves on either side of a view item's text, and the row's
// height.
QSize textRoom(const QListWidget* list, int row) {
  const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
  return {list->viewport()->width() - 2 * margin, list->item(row)->sizeHint().height()};
}

void fitRow(QListWidget* left, QListWidget* right, int row) {
  QListWidgetItem* leftItem = left->item(row);
  QListWidgetItem* rightItem = right->item(row);
  // Rows that fit keep no font of their own: they use the list's.
  const QSize leftRoom = textRoom(left, row);
  const QFont font = fittedFont(left->font(), leftItem->text(), leftRoom);
  leftItem->setData(Qt::FontRole, font == left->font() ? QVariant() : QVariant(font));

  const bool whole = textFits(font, leftItem->text(), leftRoom) &&
                     textFits(right->font(), rightItem->text(), textRoom(right, row));
  const QVariant wholeRow = whole ? QVariant() : QVariant(leftItem->text() + QStringLiteral("  ") + rightItem->text());
  for (QListWidgetItem* item : {leftItem, rightItem}) item->setData(Qt::ToolTipRole, wholeRow);
}

void fitRows(QListWidget* left, QListWidget* right) {
  for (int row = 0; row < left->count(); ++row) fitRow(left, right, row);
}

// Gives `to` the current row of `from`, selected or not as it is there.
void follow(const QListWidget* from, QListWidget* to) {
  const int row = from->currentRow();
  const bool selected = row >= 0 && from->item(row)->isSelected();
  to->selectionModel()->setCurrentIndex(to->model()->index(row, 0), selected ? QItemSelectionModel::ClearAndSelect
                                                                             : QItemSelectionModel::Clear);
}

// Fits the rows again whenever a viewport changes size, and keeps the
// current row in view.
class RoomWatcher final : public QObject {
 public:
  RoomWatcher(QListWidget* left, QListWidget* right) : QObject(left), left_(left), right_(right) {
    left->viewport()->installEventFilter(this);
    right->viewport()->installEventFilter(this);
  }

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Resize) {
      fitRows(left_, right_);
      if (QListWidgetItem* current = right_->currentItem()) right_->scrollToItem(current);
    }
    return false;
  }

 private:
  QListWidget* left_;
  QListWidget* right_;
};

}  // namespace

void pairLists(QListWidget* left, QListWidget* right) {
  for (QListWidget* list : {left, right}) {
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Scrolling counts rows, so the two lists show the same top row.
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  }
  left->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  right->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  // A hidden scroll bar still scrolls its list; each follows the other.
  // Setting the value, current row or selection a list already has emits
  // nothing, so no loop arises.
  QScrollBar* leftBar = left->verticalScrollBar();
  QScrollBar* rightBar = right->verticalScrollBar();
  QObject::connect(leftBar, &QScrollBar::valueChanged, rightBar, &QScrollBar::setValue);
  QObject::connect(rightBar, &QScrollBar::valueChanged, leftBar, &QScrollBar::setValue);
  for (auto [from, to] : {std::pair{left, right}, std::pair{right, left}}) {
    QObject::connect(from, &QListWidget::currentRowChanged, to, [from, to] { follow(from, to); });
    QObject::connect(from, &QListWidget::itemSelectionChanged, to, [from, to] { follow(from, to); });
  }
  new RoomWatcher(left, right);
}

void addPairedRow(QListWidget* left, QListWidget* right, const QString& leftText, const QString& rightText,
                  const QString& spokenRow) {
  left->ensurePolished();
  right->ensurePolished();
  auto* leftItem = new QListWidgetItem(leftText, left);
  auto* rightItem = new QListWidgetItem(rightText, right);

  // A name in another script may need a taller line than its number. No
  // width of their own: rows are as wide as their list, so a text too long
  // for it ends in an ellipsis at its edge instead of running past it.
  const int row = left->count() - 1;
  const int height = std::max(left->sizeHintForRow(row), right->sizeHintForRow(row));
  for (QListWidgetItem* item : {leftItem, rightItem}) {
    item->setSizeHint(QSize(0, height));
    item->setData(Qt::AccessibleTextRole, spokenRow);
  }
  fitRow(left, right, row);
}

void selectPairedRow(QListWidget* left, QListWidget* right, int row) {
  left->setCurrentRow(row);  // the right list follows
  if (QListWidgetItem* item = right->item(row)) right->scrollToItem(item);
}

}  // namespace klotix
