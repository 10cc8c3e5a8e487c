// Both windows and every box in each shipped language and in English, as a
// player sees them (real boxes, the skin of the program's build): their
// texts are the language's, and each visible text fits its widget. Run at
// scale factors 1 and 2.
#include "app/translations.h"

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

#include <QtTest>
#include <QtWidgets>
#include <fstream>

#include "support/qt_test_main.h"
#include "game/klotix_game.h"
#include "main/klotix_main.h"
#include "ui/design_font.h"
#include "ui/fit_text.h"
#include "ui/qt_dialogs.h"

using namespace klotix;

namespace {
// Whether `font`, or a font the system falls back on, has a glyph for
// every character of `text`: a glyph index 0 is drawn as an empty box.
bool drawnWhole(const QFont& font, QString text) {
  QTextLayout layout(text.replace('\n', ' '), font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns())
    if (run.glyphIndexes().contains(0)) return false;
  return true;
}

// The texts of `window` wider than their widget's contents by their font's
// metrics or, on several lines (a box's message), taller; or with a
// character drawn as an empty box.
QStringList clippedTexts(const QWidget* window) {
  QStringList clipped;
  for (const QWidget* w : window->findChildren<const QWidget*>()) {
    const auto* label = qobject_cast<const QLabel*>(w);
    const auto check = [&](const QString& text, const QRect& room, int besides = 0) {
      const int wrap = label != nullptr && label->wordWrap() ? Qt::TextWordWrap : 0;
      const QSize needed = w->fontMetrics().boundingRect(room, wrap, text).size();
      const bool lines = wrap != 0 || text.contains('\n');
      // Lines of Chinese, Japanese or Korean in a fallback font, taller
      // than the box's own, may round a pixel beyond what Qt's box gives.
      if (needed.width() + besides > room.width() || (lines && needed.height() > room.height() + 1) ||
          !drawnWhole(w->font(), text))
        clipped << text;
    };
    if (!w->isVisible()) continue;
    if (label != nullptr) check(label->text(), label->contentsRect());
    if (const auto* b = qobject_cast<const QPushButton*>(w))
      check(withoutAccessMark(b->text()), {{}, buttonTextRoom(*b)}, b->icon().isNull() ? 0 : b->iconSize().width() + 4);
    if (const auto* b = qobject_cast<const QRadioButton*>(w); b && b->sizeHint().width() > b->width())
      clipped << b->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(w)) check(frame->title(), frame->contentsRect());
    if (const auto* list = qobject_cast<const QListWidget*>(w)) {
      for (int row = 0; row < list->count(); ++row)
        if (!drawnWhole(list->font(), list->item(row)->text())) clipped << list->item(row)->text();
    }
    if (const auto* bar = qobject_cast<const QMenuBar*>(w)) {
      for (QAction* menu : bar->actions()) check(withoutAccessMark(menu->text()), bar->actionGeometry(menu));
    }
  }
  return clipped;
}
}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsAndBoxesSpeakTheLanguageAndShowEveryTextWhole_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("rows");  // of records, read aloud
    QTest::newRow("English first") << QStringList{"en-US", "de-DE"} << QString()
        << QStringList{"Bob, 2 points", "山田, 1 point"};
    QTest::newRow("de") << QStringList{"de-DE", "fr-FR"} << "de" << QStringList{"Bob, 2 Punkte", "山田, 1 Punkt"};
    QTest::newRow("fr") << QStringList{"fr-CA"} << "fr" << QStringList{"Bob, 2 points", "山田, 1 point"};
    QTest::newRow("es after one not shipped") << QStringList{"cs-CZ", "es-ES"} << "es"
        << QStringList{"Bob, 2 puntos", "山田, 1 punto"};
    QTest::newRow("sv after one Qt does not know") << QStringList{"zz-ZZ", "sv-SE"} << "sv"
        << QStringList{"Bob, 2 poäng", "山田, 1 poäng"};
    QTest::newRow("ru") << QStringList{"ru"} << "ru" << QStringList{"Bob, 2 очка", "山田, 1 очко"};
    QTest::newRow("it") << QStringList{"it-IT"} << "it" << QStringList{"Bob, 2 punti", "山田, 1 punto"};
    QTest::newRow("pt_BR for pt") << QStringList{"pt"} << "pt_BR" << QStringList{"Bob, 2 pontos", "山田, 1 ponto"};
    QTest::newRow("pl") << QStringList{"pl-PL"} << "pl" << QStringList{"Bob, 2 punkty", "山田, 1 punkt"};
    QTest::newRow("nl for nl-BE") << QStringList{"nl-BE"} << "nl" << QStringList{"Bob, 2 punten", "山田, 1 punt"};
    QTest::newRow("uk") << QStringList{"uk-UA"} << "uk" << QStringList{"Bob, 2 очки", "山田, 1 очко"};
    QTest::newRow("ja") << QStringList{"ja-JP"} << "ja" << QStringList{"Bob、2点", "山田、1点"};
    QTest::newRow("zh_CN for zh-SG") << QStringList{"zh-SG"} << "zh_CN" << QStringList{"Bob，2 分", "山田，1 分"};
    QTest::newRow("zh_CN for zh-Hans") << QStringList{"zh-Hans"} << "zh_CN" << QStringList{"Bob，2 分", "山田，1 分"};
    QTest::newRow("ko after zh-TW, not zh_CN") << QStringList{"zh-TW", "ko-KR"} << "ko"
        << QStringList{"Bob, 2점", "山田, 1점"};
  }

  void windowsAndBoxesSpeakTheLanguageAndShowEveryTextWhole() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QFETCH(QStringList, rows);
    const InstallLayout layout(QStringLiteral(KLOTIX_PROGRAM_FOLDER));
    Translations translations(layout.dataFolders());
    QCOMPARE(translations.load(uiLanguages), language);
    translations.install();
    useDesignFontFor(language);
#ifdef Q_OS_WIN
    // Asked for alone where Windows has it, as Wine's test prefix does.
    const QHash<QString, QString> own{{"ja", "Yu Gothic UI"}, {"zh_CN", "Microsoft YaHei UI"}, {"ko", "Malgun Gothic"}};
    QCOMPARE(designFont(8.25).families(), QStringList{own.value(language, QStringLiteral("Tahoma"))});
#endif
    // A record file that cannot be read: the result is not saved. A pipe
    // gives a reason of Klotix's own; Windows has no pipes among its
    // files, and takes a folder.
    QTemporaryDir folder;
    Klotix_Module module;
    module.recordFiles.file = QDir(folder.path()).filePath("Klotix.dat").toStdU16String();
#ifdef Q_OS_WIN
    QVERIFY(QDir(folder.path()).mkdir("Klotix.dat"));
    const char* reason = "Your result could not be saved.";
#else
    QCOMPARE(mkfifo(module.recordFiles.file.c_str(), 0600), 0);
    const char* reason = "Not a regular file";
#endif
    TimeSeededRandom random;
    QtDialogs dialogs;
    QStringList clipped, seen;  // seen: the lines of the windows' and boxes' texts
    int boxes = 0;
    QTimer answer;  // looks at each box as it opens, then closes it as Return would
    connect(&answer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      ++boxes;
      clipped << clippedTexts(box);
      seen << box->windowTitle();
      for (const QLabel* label : box->findChildren<QLabel*>()) seen << label->text().split('\n');
      for (const QPushButton* button : box->findChildren<QPushButton*>()) seen << button->text();
      if (auto* message = qobject_cast<QMessageBox*>(box))
        return (message->defaultButton() ? message->defaultButton() : message->buttons().constFirst())->click();
      box->findChild<QLineEdit*>()->setText(QStringLiteral("Anna"));
      box->accept();
    });
    answer.start(10);
    // The main window shows records of 2 points and 1, one under a name in
    // Chinese characters, then the game saves to the file that cannot be
    // read.
    const auto unreadable =
        std::exchange(module.recordFiles.file, QDir(folder.path()).filePath("1.dat").toStdU16String());
    std::ofstream(module.recordFiles.file, std::ios::binary) << " 2 \r\n 0 \r\n 0 \r\n山田\r\n 1 \r\nBob\r\n 2 \r\n";
    KlotixMain main(module, random, dialogs, layout.dataFolders(), [] {}, [] {});
    module.recordFiles.file = unreadable;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(main.List1(0));
    QCOMPARE((QStringList{list->child(0)->text(QAccessible::Name), list->child(1)->text(QAccessible::Name)}), rows);
    main.setAttribute(Qt::WA_DeleteOnClose, false);
    main.show();
    clipped << clippedTexts(&main);
    seen << main.Command_Start()->text();
    QCOMPARE(main.size(), KlotixMain::clientSize());
    main.logic().Command_Start_Click();  // the name box
    KlotixGame game(module, random, dialogs, [] {});
    game.setAttribute(Qt::WA_DeleteOnClose, false);
    game.show();
    clipped << clippedTexts(&game);
    seen << game.quitMenu()->text();
    QCOMPARE(game.centralWidget()->size(), KlotixGame::clientSize());
    game.logic().Paus();
    game.logic().quit_menu_Click();  // Yes: the warning, then the game-over box

    QCOMPARE(boxes, 5);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(" | ")));
    // These English texts, Klotix's and Qt's, end a line in English only.
    const QString lines = seen.join('\n') + '\n';
    for (const char* english : {"&Start new game", "Your name", "&Quit game", "Game Paused", "&Yes", "Cancel",
                                "Your result could not be saved.", reason, "Game Over!"})
      QVERIFY2(lines.contains(QString::fromLatin1(english) + '\n') == language.isEmpty(), english);
  }
};

KLOTIX_QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
