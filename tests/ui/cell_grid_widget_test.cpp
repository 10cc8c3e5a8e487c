// The cell grid widget keeps colours exactly, repaints only the cells whose
// colour changed, and draws square cells with even borders at every scale.
#include "ui/cell_grid_widget.h"

#include <QPaintEvent>
#include <QtTest>

#include "fakes/paint_spy.h"
#include "support/qt_test_main.h"

using klotix::CellGridWidget;
using klotix::Color;
using klotix::testing::PaintSpy;

namespace {

// Cells in twips as the game places them, 17 pixels square at a pitch of
// 16: `columns` by `rows` from (10, 20) pixels.
std::vector<QRect> row(int columns, int rows = 1) {
  std::vector<QRect> rects;
  for (int i = 0; i < columns * rows; ++i) rects.emplace_back(150 + 240 * (i % columns), 300 + 240 * (i / columns), 255, 255);
  return rects;
}

// Lengths of the runs of one colour along a line of `image`.
QList<int> runs(const QImage& image, QPoint from, QPoint step) {
  QList<int> lengths;
  QColor last;
  for (QPoint p = from; image.rect().contains(p); p += step) {
    if (image.pixelColor(p) == last) ++lengths.back();
    else lengths << 1;
    last = image.pixelColor(p);
  }
  return lengths;
}

}  // namespace

class CellGridWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void coversTheCellsBoundingBox() {
    QWidget parent;
    CellGridWidget grid(row(3), Qt::gray, 0xFFFFFF, &parent);
    // With the pixel into which the far borders may reach.
    QCOMPARE(grid.geometry(), QRect(10, 20, 16 * 2 + 17 + 1, 17 + 1));
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
    QCOMPARE(spy.regions.front().boundingRect(), grid->cellRect(3).adjusted(0, 0, 1, 1));

    // The same colour again is no change and schedules nothing.
    const int requests = grid->repaintRequests();
    grid->setFillColor(3, 0x0000FF);
    QCOMPARE(grid->repaintRequests(), requests);
  }

  // At each scale every cell is a square of one size inside borders of one
  // width, shared with its neighbours, on both axes, also where the grid
  // begins between two device pixels, as below a menu bar of an odd height:
  // at 150% cells once came out 22 x 23 inside, between borders of 2 and 1.
  void paintsSquareCellsWithEvenBordersAtEveryScale_data() {
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("inside");
    QTest::newRow("100%") << 1.0 << 1 << 15;
    QTest::newRow("125%") << 1.25 << 1 << 19;
    QTest::newRow("150%") << 1.5 << 2 << 22;
    QTest::newRow("175%") << 1.75 << 2 << 26;
    QTest::newRow("200%") << 2.0 << 2 << 30;
  }

  void paintsSquareCellsWithEvenBordersAtEveryScale() {
    QFETCH(qreal, scale);
    QFETCH(int, border);
    QFETCH(int, inside);
    QWidget window;
    auto* grid = new CellGridWidget(row(3, 2), QColor(224, 224, 224), 0xFFFFFF, &window);
    grid->setFillColor(1, 0x0000FF);  // red in 0x00BBGGRR
    grid->setFillColor(3, 0x00B400);
    QImage image((QSizeF(grid->size() + QSize(1, 1)) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    grid->render(&image, QPoint(1, 1));  // one logical pixel in: `scale` device pixels
    const int first = qRound(scale);
    const int centre = first + border + inside / 2;
    const QList<int> cell{border, inside};
    // Across the first row and down the first column: border, inside,
    // border, ..., then what the widget leaves to its parent.
    QCOMPARE(runs(image, {first, centre}, {1, 0}).mid(0, 7), cell + cell + cell + QList<int>{border});
    QCOMPARE(runs(image, {centre, first}, {0, 1}).mid(0, 5), cell + cell + QList<int>{border});
    const int second = first + border + inside + border;
    QCOMPARE(image.pixelColor(second, centre), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(centre, second), QColor(0, 180, 0));
    QCOMPARE(image.pixelColor(first, first), QColor(224, 224, 224));
  }
};

KLOTIX_QTEST_MAIN(CellGridWidgetTest)
#include "cell_grid_widget_test.moc"
