#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "app/translations.h"

namespace klotix {

namespace {
constexpr int kUsageError = 2;

void print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}
}  // namespace

int answerCommandLine(int argc, char* argv[]) {
  // A core application is enough to read arguments: no display is needed.
  QCoreApplication core(argc, argv);
  Translations translations;
  translations.load(preferredLanguages());
  translations.install();
  const QString program = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("klotix::CommandLine",
                                  "A falling-blocks game. Started without arguments, it opens its main window."));
  // Not addHelpOption(): its --help-all lists Qt's own options, which
  // Klotix does not take.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QCoreApplication::translate("klotix::CommandLine",
                                                            "Displays help on commandline options."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();

  QString error;
  if (!parser.parse(QCoreApplication::arguments())) {
    error = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    error = QCoreApplication::translate("klotix::CommandLine", "Unexpected argument '%1'.")
                .arg(parser.positionalArguments().constFirst());
  }
  if (!error.isEmpty()) {
    const QString hint = QCoreApplication::translate("klotix::CommandLine", "Try '%1 --help' for more information.");
    print(stderr, QStringLiteral("%1: %2\n%3\n").arg(program, error, hint.arg(program)));
    return kUsageError;
  }
  if (parser.isSet(version)) {
    print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                QCoreApplication::applicationVersion()));
  } else if (parser.isSet(help)) {
    // The usage line names the program as it is called from a shell.
    QString text = parser.helpText();
    const QString path = QCoreApplication::arguments().constFirst();
    print(stdout, text.replace(text.indexOf(path), path.size(), program));
  }
  return 0;
}

}  // namespace klotix
