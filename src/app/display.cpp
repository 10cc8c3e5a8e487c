#include "app/display.h"

#include <QByteArray>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/translations.h"

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

// Why no display could be had, from what the environment names, in the
// language of `translations`.
QString whyNoDisplay(const Translations& translations) {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && platform != "xcb" && !platform.startsWith("wayland"))
    return translations.translate("klotix::Display", "QT_QPA_PLATFORM=%1 cannot be used")
        .arg(QString::fromLocal8Bit(platform));
  QStringList named;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const QByteArray value = qgetenv(name);
    if (!value.isEmpty()) named << QString::fromLocal8Bit(name + ("=" + value));
  }
  if (named.isEmpty()) return translations.translate("klotix::Display", "DISPLAY and WAYLAND_DISPLAY are not set");
  if (named.size() == 1) return translations.translate("klotix::Display", "no answer from %1").arg(named[0]);
  return translations.translate("klotix::Display", "no answer from %1 or %2").arg(named[0], named[1]);
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // Qt gives up on the windowing system: say why, and end before it
    // aborts. The application object is there, but not ready to take
    // catalogues: the line is translated straight from them.
    Translations translations;
    translations.load(preferredLanguages());
    const QString line = translations.translate("klotix::Display", "cannot open a display (%1)")
                             .arg(whyNoDisplay(translations));
    std::fprintf(stderr, "%s: %s\n", programName.constData(), line.toLocal8Bit().constData());
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
