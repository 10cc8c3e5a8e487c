#include "ui/list_pair.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace klotix {

namespace {

// Room for an item's text: the viewport without a scroll bar, less the
// margin that the style leaves on either side of a view item's text.
int textWidth(const QListWidget* list) {
  const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
  return list->maximumViewportSize().width() - 2 * margin;
}

// `base` narrowed just enough for `text` to fit in `width` pixels. Narrowing
// keeps the height, so the row stays level with its partner.
QFont condensedToFit(const QFont& base, const QString& text, int width) {
  constexpr int kStep = 5;
  constexpr int kNarrowest = 25;  // percent of the normal width
  QFont font = base;
  for (int stretch = 100 - kStep;
       stretch >= kNarrowest && QFontMetrics(font).horizontalAdvance(text) > width; stretch -= kStep) {
    font.setStretch(stretch);
  }
  return font;
}

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
  // Setting the value a list already has emits nothing, so no loop arises.
  QScrollBar* leftBar = left->verticalScrollBar();
  QScrollBar* rightBar = right->verticalScrollBar();
  QObject::connect(leftBar, &QScrollBar::valueChanged, rightBar, &QScrollBar::setValue);
  QObject::connect(rightBar, &QScrollBar::valueChanged, leftBar, &QScrollBar::setValue);
  QObject::connect(left, &QListWidget::currentRowChanged, right, [right](int row) { right->setCurrentRow(row); });
  QObject::connect(right, &QListWidget::currentRowChanged, left, [left](int row) { left->setCurrentRow(row); });
}

void addPairedRow(QListWidget* left, QListWidget* right, const QString& leftText, const QString& rightText) {
  left->ensurePolished();
  auto* leftItem = new QListWidgetItem(leftText, left);
  leftItem->setFont(condensedToFit(left->font(), leftText, textWidth(left)));
  auto* rightItem = new QListWidgetItem(rightText, right);

  // A name in another script may need a taller line than its number.
  const int row = left->count() - 1;
  const int height = std::max(left->sizeHintForRow(row), right->sizeHintForRow(row));
  for (QListWidgetItem* item : {leftItem, rightItem}) {
    QListWidget* list = item->listWidget();
    QSize hint = list->sizeHintForIndex(list->indexFromItem(item));
    hint.setHeight(height);
    item->setSizeHint(hint);
  }
}

}  // namespace klotix
