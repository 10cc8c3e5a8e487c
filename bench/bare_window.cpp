// The least a Qt program does before its first window shows, the baseline
// that bench/startup.sh times Klotix against: the same Qt, the same DLLs
// and plugins beside it, a window of the main window's size with a title,
// nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  window.resize(483, 337);
  window.show();
  return QApplication::exec();
}
