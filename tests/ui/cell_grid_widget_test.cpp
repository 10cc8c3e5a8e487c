// The cell grid widget keeps colours exactly and repaints only the cells
// whose colour changed.
#include "ui/cell_grid_widget.h"

#include <QPaintEvent>
#include <QtTest>

#include "fakes/paint_spy.h"

using klotix::CellGridWidget;
using klotix::Color;
using klotix::testing::PaintSpy;

namespace {

std::vector<QRect> row(int cells) {
  std::vector<QRect> rects;
  for (int i = 0; i < cells; ++i) rects.emplace_back(10 + 16 * i, 20, 17, 17);
  return rects;
}

}  // namespace

class CellGridWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void coversTheCellsBoundingBox() {
    QWidget parent;
    CellGridWidget grid(row(3), Qt::gray, 0xFFFFFF, &parent);
    QCOMPARE(grid.geometry(), QRect(10, 20, 16 * 2 + 17, 17));
    QCOMPARE(grid.cellRect(0), QRect(0, 0, 17, 17));
    QCOMPARE(grid.cellRect(2), QRect(32, 0, 17, 17));
  }

  void reportsEveryColourExactly() {
    QWidget parent;
    CellGridWidget grid(row(4), Qt::gray, 0xFFFFFF, &parent);
    const Color samples[] = {0x000000, 0x000001, 0x0000FF, 0x00B400, 0x0096FF, 0xC800C8, 0xFF6464, 0xFFFFFF};
    for (Color color : samples) {
      grid.setFillColor(1, color);
      QCOMPARE(grid.fillColor(1), color);
    }
    QCOMPARE(grid.fillColor(0), Color{0xFFFFFF});
  }

  void repaintsOnlyTheChangedCell() {
    QWidget window;
    window.resize(120, 60);
    auto* grid = new CellGridWidget(row(5), Qt::gray, 0xFFFFFF, &window);
    PaintSpy spy;
    grid->installEventFilter(&spy);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(!spy.regions.empty());
    spy.regions.clear();

    grid->setFillColor(3, 0x0000FF);
    QTRY_COMPARE(spy.regions.size(), std::size_t{1});
    QCOMPARE(spy.regions.front().boundingRect(), grid->cellRect(3));

    // The same colour again is no change and schedules nothing.
    const int requests = grid->repaintRequests();
    grid->setFillColor(3, 0x0000FF);
    QCOMPARE(grid->repaintRequests(), requests);
  }

  void paintsBorderAndFill() {
    QWidget window;
    window.resize(60, 60);
    auto* grid = new CellGridWidget(row(1), QColor(224, 224, 224), 0xFFFFFF, &window);
    grid->setFillColor(0, 0x0000FF);  // red in 0x00BBGGRR
    const QImage image = grid->grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(224, 224, 224));
    QCOMPARE(image.pixelColor(16, 16), QColor(224, 224, 224));
    QCOMPARE(image.pixelColor(8, 8), QColor(255, 0, 0));
  }
};

QTEST_MAIN(CellGridWidgetTest)
#include "cell_grid_widget_test.moc"
