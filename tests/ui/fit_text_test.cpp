// Fitting a text into its room: narrowed just enough before it is made
// smaller, and, on a button, inside the focus frame its skin draws.
#include "ui/fit_text.h"

#include <QPushButton>
#include <QStyleOptionButton>
#include <QtMath>
#include <QtTest>

#include "support/qt_test_main.h"

using namespace klotix;

namespace {
// A button that tells the room its text has as it paints itself now.
class Button : public QPushButton {
 public:
  using QPushButton::QPushButton;
  QSize paintedTextRoom() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).size();
  }
};

const QString kCaption = QStringLiteral("Neues Spiel starten");
}  // namespace

class FitTextTest : public QObject {
  Q_OBJECT

 private slots:
  void aTextIsNarrowedJustEnoughAndKeepsItsSize_data() {
    QTest::addColumn<int>("fitsAt");  // the width, in percent, at which the text first fits
    QTest::newRow("a little narrower") << 80;
    QTest::newRow("at the narrowest") << kNarrowestStretch;
  }

  void aTextIsNarrowedJustEnoughAndKeepsItsSize() {
    QFETCH(int, fitsAt);
    QFont font;
    font.setPixelSize(20);
    QFont narrowed = font;
    narrowed.setStretch(fitsAt);
    const QFontMetricsF metrics(narrowed);
    const QSize room(qCeil(metrics.horizontalAdvance(kCaption)), qCeil(metrics.height()));

    const QFont fitted = fittedFont(font, kCaption, room);
    QCOMPARE(fitted.stretch(), fitsAt);
    QCOMPARE(QFontInfo(fitted).pixelSize(), 20);
  }

  void aTextOnlyTooTallIsMadeSmallerNotNarrower() {
    QFont font;
    font.setPixelSize(20);
    const QFontMetricsF metrics(font);
    const QSize room(qCeil(metrics.horizontalAdvance(kCaption)) + 40, qFloor(metrics.height()) - 2);
    const QFont fitted = fittedFont(font, kCaption, room);
    QCOMPARE(fitted.stretch(), font.stretch());
    QVERIFY(textFits(fitted, kCaption, room));
  }

  void aButtonsCaptionFitsInsideTheFocusFrame() {
    QWidget window;
    // As the skin draws it: the frame grows thicker while the button has the focus.
    window.setStyleSheet(QStringLiteral("QPushButton { border: 1px solid black; padding: 2px 8px; }"
                                        "QPushButton:focus { border: 3px solid blue; }"));
    auto* button = new Button(kCaption, &window);
    QFont design;
    design.setPixelSize(20);
    button->setFont(design);
    button->ensurePolished();
    // Just wide enough for the caption without the focus frame.
    button->resize(200, 40);
    const int frame = button->width() - button->paintedTextRoom().width();
    button->resize(qCeil(QFontMetricsF(design).horizontalAdvance(kCaption)) + frame, 40);

    fitButtonText(*button, design);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    QVERIFY(button->hasFocus());
    QVERIFY(textFits(button->font(), kCaption, button->paintedTextRoom()));
  }
};

KLOTIX_QTEST_MAIN(FitTextTest)
#include "fit_text_test.moc"
