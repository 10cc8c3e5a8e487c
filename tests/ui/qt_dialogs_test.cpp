// The message-box flags map to Qt's buttons, icons and layout, and the
// button pressed comes back in the Windows numbering.
#include "ui/qt_dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "support/qt_test_main.h"

using namespace klotix;

namespace {
// Runs `act` on the modal box as soon as it is open.
void whenBoxOpens(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
    act(QApplication::activeModalWidget());
  });
}
}  // namespace

class QtDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void informationBoxHasOneOkButtonAndReadsRightToLeft() {
    QtDialogs dialogs;
    whenBoxOpens([](QWidget* widget) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      QVERIFY(box != nullptr);
      QCOMPARE(box->icon(), QMessageBox::Information);
      QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
      QCOMPARE(box->layoutDirection(), Qt::RightToLeft);
      QCOMPARE(box->windowTitle(), QStringLiteral("Game Paused"));
      QCOMPARE(box->text(), QStringLiteral("Pause...press a key to continue"));
      box->close();  // closing any way counts as OK
    });
    QCOMPARE(dialogs.messageBox({"Pause...press a key to continue"}, "Game Paused", 0x100040, {}), id::kOk);
  }

  void questionBoxAnswersYesOrNoInTheApplicationsName() {
    QtDialogs dialogs;
    const std::pair<QMessageBox::StandardButton, int> answers[] = {{QMessageBox::Yes, id::kYes},
                                                                   {QMessageBox::No, id::kNo}};
    for (const auto& [button, answer] : answers) {
      whenBoxOpens([button = button](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        QVERIFY(box != nullptr);
        QCOMPARE(box->icon(), QMessageBox::Question);
        QCOMPARE(box->windowTitle(), QApplication::applicationDisplayName());
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
        QCOMPARE(box->layoutDirection(), Qt::LeftToRight);
        box->button(button)->click();
      });
      QCOMPARE(dialogs.messageBox({"Do you want to stop playing?"}, "", 36, {}), answer);
    }
  }

  void inputBoxGivesTheTextOrNothingOnCancel() {
    QtDialogs dialogs;
    whenBoxOpens([](QWidget* widget) {
      auto* box = qobject_cast<QInputDialog*>(widget);
      QVERIFY(box != nullptr);
      QCOMPARE(box->labelText(), QStringLiteral("Your name:"));
      QCOMPARE(box->textValue(), QStringLiteral("Anna"));
      box->setTextValue(QStringLiteral("Jörg"));
      box->accept();
    });
    QCOMPARE(dialogs.inputBox("Your name:", "Your name", "Anna", 50), std::string("Jörg"));

    whenBoxOpens([](QWidget* widget) {
      QTest::keyClicks(widget->findChild<QLineEdit*>(), QString(8, QLatin1Char('x')));
      qobject_cast<QDialog*>(widget)->accept();
    });
    QCOMPARE(dialogs.inputBox("Your name:", "Your name", "", 5), std::string("xxxxx"));

    whenBoxOpens([](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); });
    QCOMPARE(dialogs.inputBox("Your name:", "Your name", "Anna", 50), std::string());
  }

  // Only the main window is skinned: a box over it keeps the platform's
  // look, and the name box asked again comes back at the same place even
  // while no window is active yet.
  void boxesOverASkinnedWindowKeepThePlatformLookAndPlace() {
    QWidget window;
    window.setStyleSheet(QStringLiteral("* { background: rgb(255, 0, 0); }"));
    window.setGeometry(100, 100, 480, 340);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QtDialogs dialogs;
    QList<QPoint> centres;
    for (int ask = 0; ask < 2; ++ask) {
      QColor corner;
      whenBoxOpens([&](QWidget* box) {
        corner = box->grab().toImage().pixelColor(3, 3);
        centres << box->frameGeometry().center();
        qobject_cast<QDialog*>(box)->reject();
      });
      QCOMPARE(dialogs.inputBox("Your name:", "Your name", "", 50), std::string());
      QVERIFY(corner != QColor(255, 0, 0));
      QApplication::setActiveWindow(nullptr);
    }
    QCOMPARE(centres[1], centres[0]);
    // Frames, not client areas. On Windows Qt places the box's frame from
    // an estimate made before Windows draws it: off by up to a caption.
    QVERIFY((centres[0] - window.frameGeometry().center()).manhattanLength() < 32);
  }
};

KLOTIX_QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
