#include "app/display.h"

#include <QByteArray>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace klotix {

namespace {

constexpr int kNoDisplay = 1;

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

std::vector<HeldMessage> heldMessages;
QByteArray programName;

QByteArray variable(const char* name) { return qgetenv(name); }

// Why no display could be had, from what the environment names.
QByteArray whyNoDisplay() {
  const QByteArray platform = variable("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && platform != "xcb" && !platform.startsWith("wayland"))
    return "QT_QPA_PLATFORM=" + platform + " cannot be used";
  QByteArrayList named;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    if (!variable(name).isEmpty()) named << name + QByteArray("=") + variable(name);
  }
  if (named.isEmpty()) return "DISPLAY and WAYLAND_DISPLAY are not set";
  return "no answer from " + named.join(" or ");
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // Qt gives up on the windowing system: say why, and end before it
    // aborts.
    std::fprintf(stderr, "%s: cannot open a display (%s)\n", programName.constData(), whyNoDisplay().constData());
    std::fflush(stderr);
    std::_Exit(kNoDisplay);
  }
  heldMessages.push_back({type, QByteArray(context.category), text});
}

}  // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[]) {
  programName = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toLocal8Bit();
  const QtMessageHandler previous = qInstallMessageHandler(holdOrGiveUp);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  for (const HeldMessage& message : heldMessages) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  heldMessages.clear();
  return application;
}

}  // namespace klotix
