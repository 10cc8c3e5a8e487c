#include "app/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "app/console.h"
#include "app/translations.h"

namespace klotix {

namespace {
constexpr int kUsageError = 2;

struct Answer {
  int status = 0;
  ConsoleStream stream = ConsoleStream::kOutput;
  QString text;
};

// The answer to the arguments of the running core application.
Answer answerArguments() {
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
    return {kUsageError, ConsoleStream::kError,
            QStringLiteral("%1: %2\n%3\n").arg(program, error, hint.arg(program))};
  }
  if (parser.isSet(version)) {
    return {0, ConsoleStream::kOutput,
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())};
  }
  // The usage line names the program as it is called from a shell.
  QString text = parser.helpText();
  const QString path = QCoreApplication::arguments().constFirst();
  return {0, ConsoleStream::kOutput, text.replace(text.indexOf(path), path.size(), program)};
}

// Shows the answer in a box, for a program started where no console is:
// a Windows window program opened from the desktop.
void showInBox(int argc, char* argv[], const Answer& answer) {
  QApplication application(argc, argv);
  Translations translations;
  translations.load(preferredLanguages());
  translations.install();
  // The help's columns are lined up with blanks: a fixed-width font keeps them.
  QMessageBox box(answer.status == 0 ? QMessageBox::Information : QMessageBox::Warning,
                  QCoreApplication::applicationName(),
                  QStringLiteral("<pre>%1</pre>").arg(answer.text.trimmed().toHtmlEscaped()), QMessageBox::Ok);
  box.exec();
}
}  // namespace

int answerCommandLine(int argc, char* argv[]) {
  Answer answer;
  {
    // A core application is enough to read arguments: no display is needed.
    QCoreApplication core(argc, argv);
    Translations translations;
    translations.load(preferredLanguages());
    translations.install();
    answer = answerArguments();
  }
  if (attachToConsole()) {
    writeToConsole(answer.stream, answer.text);
  } else {
    showInBox(argc, argv, answer);
  }
  return answer.status;
}

}  // namespace klotix
