#include "app/translations.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace klotix {

namespace {
const QString kCatalogue = QStringLiteral("klotix");
// Qt's own texts, for a language whose catalogue Qt's installation lacks.
const QString kQtStandIn = QStringLiteral("klotix_qtbase");
const QString kQtCatalogue = QStringLiteral("qtbase");
const QString kSeparator = QStringLiteral("_");

// English: the plural forms of the texts, built into the program. Returns
// the language's name for load(): none.
QString loadEnglish(QTranslator& catalogue) {
  (void)catalogue.load(QStringLiteral(":/translations/klotix_en.qm"));
  return {};
}
}  // namespace

Translations::Translations(QStringList dataFolders) : dataFolders_(std::move(dataFolders)) {}

Translations::~Translations() {
  if (!installed_ || QCoreApplication::instance() == nullptr) return;
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&klotix_);
}

QString Translations::load(const QStringList& uiLanguages) {
  for (const QString& name : uiLanguages) {
    const QLocale locale(name);
    if (locale.language() == QLocale::English || name == QLatin1String("C")) return loadEnglish(klotix_);
    // A name Qt does not know is skipped, as is a language not shipped.
    if (locale.language() == QLocale::C) continue;
    for (const QLocale& variant : {locale, QLocale(locale.language(), locale.script(), QLocale::AnyTerritory)}) {
      for (const QString& dataFolder : dataFolders_) {
        const QString folder = QDir(dataFolder).filePath(QStringLiteral("translations"));
        if (!klotix_.load(variant, kCatalogue, kSeparator, folder)) continue;
        // Qt's texts in this very language, never in one the player ranks
        // lower; with neither catalogue they stay English.
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!qt_.load(variant, kQtCatalogue, kSeparator, qtFolder)) {
          (void)qt_.load(variant, kQtStandIn, kSeparator, folder);
        }
        return klotix_.language();
      }
    }
  }
  return loadEnglish(klotix_);
}

QStringList preferredLanguages() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray locale = qgetenv(variable);
    if (locale.isEmpty()) continue;
    if (locale == "C" || locale == "POSIX") return {};
    break;
  }
  return QLocale::system().uiLanguages();
}

void Translations::install() {
  for (QTranslator* catalogue : {&klotix_, &qt_}) {
    if (!catalogue->isEmpty()) QCoreApplication::installTranslator(catalogue);
  }
  installed_ = true;
}

QString Translations::translate(const char* context, const char* source) const {
  for (const QTranslator* catalogue : {&klotix_, &qt_}) {
    const QString text = catalogue->translate(context, source);
    if (!text.isNull()) return text;
  }
  return QString::fromUtf8(source);
}

}  // namespace klotix
