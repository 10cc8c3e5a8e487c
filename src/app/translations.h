// The player's language. Klotix's own texts, and those of Qt's that it
// shows (the boxes' buttons, the command line's help and errors), speak the
// first of the player's preferred languages that Klotix ships; English,
// the language the texts are written in, comes when English or no language
// that Klotix ships comes first.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include "app/install_layout.h"

namespace klotix {

class Translations {
 public:
  // Klotix's catalogues are looked for in "translations" in each of
  // `dataFolders`, first first: by default the running program's data
  // folders (see InstallLayout), which requires the application object.
  explicit Translations(QStringList dataFolders = InstallLayout::ofRunningProgram().dataFolders());
  // Takes back from the application whatever install() gave it.
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // Loads the catalogues of the first language in `uiLanguages` (names
  // such as "de-DE", most preferred first, as QLocale::uiLanguages gives
  // them) that is English or that Klotix ships. A regional variant that
  // Klotix does not ship takes the one of the same language and script that
  // it does: "pt" and "pt-PT" Brazilian Portuguese, "zh-SG" and "zh-Hans"
  // Simplified Chinese, but "zh-TW", written in Traditional Han, none. For
  // English only the plural forms of Klotix's texts are loaded. Otherwise
  // Klotix's "klotix_XX.qm" and Qt's own "qtbase_XX.qm" of the same
  // language, from Qt's translations folder or, where Qt has none for it,
  // Klotix's stand-in "klotix_qtbase_XX.qm" beside its own.
  // Returns the language loaded, as named in its catalogue ("de"), or an
  // empty text for English. Call once.
  QString load(const QStringList& uiLanguages);

  // Gives the application the loaded catalogues: from then on tr() and
  // QCoreApplication::translate speak the language. Requires the
  // application object.
  void install();

  // The translation of `source` in `context` in the loaded language, else
  // `source` itself. Works before install(), while the application object
  // is not yet ready to take catalogues.
  QString translate(const char* context, const char* source) const;

 private:
  QStringList dataFolders_;
  QTranslator klotix_;
  QTranslator qt_;
  bool installed_ = false;
};

// The player's preferred languages, most preferred first, as
// QLocale::uiLanguages names them; none, that is English, when the locale
// of messages (LC_ALL, else LC_MESSAGES, else LANG) is C or POSIX, whatever
// LANGUAGE says, as in every program translated with gettext.
QStringList preferredLanguages();

}  // namespace klotix
