; The installer's and the uninstaller's own texts, in each of the game's
; languages. Everything else they say comes with NSIS's Modern UI.

LangString KlotixIsRunning ${LANG_ENGLISH} "Klotix is running. Close Klotix, then choose Retry."
LangString KlotixIsRunning ${LANG_GERMAN} "Klotix läuft noch. Beenden Sie Klotix und wählen Sie dann „Wiederholen“."
LangString KlotixIsRunning ${LANG_FRENCH} "Klotix est en cours d’exécution. Fermez Klotix, puis choisissez Réessayer."
LangString KlotixIsRunning ${LANG_SPANISH} "Klotix se está ejecutando. Cierre Klotix y elija Reintentar."
LangString KlotixIsRunning ${LANG_SWEDISH} "Klotix körs. Avsluta Klotix och välj sedan Försök igen."
LangString KlotixIsRunning ${LANG_RUSSIAN} "Klotix запущен. Закройте Klotix и нажмите «Повторить»."

LangString KlotixOldNotRemoved ${LANG_ENGLISH} "The installed version of Klotix could not be removed, so this version was not installed."
LangString KlotixOldNotRemoved ${LANG_GERMAN} "Die installierte Version von Klotix ließ sich nicht entfernen, daher wurde diese Version nicht installiert."
LangString KlotixOldNotRemoved ${LANG_FRENCH} "La version installée de Klotix n’a pas pu être supprimée ; cette version n’a donc pas été installée."
LangString KlotixOldNotRemoved ${LANG_SPANISH} "No se pudo quitar la versión instalada de Klotix, así que esta versión no se ha instalado."
LangString KlotixOldNotRemoved ${LANG_SWEDISH} "Den installerade versionen av Klotix kunde inte tas bort, så den här versionen installerades inte."
LangString KlotixOldNotRemoved ${LANG_RUSSIAN} "Не удалось удалить установленную версию Klotix, поэтому эта версия не установлена."

LangString KlotixNotRemoved ${LANG_ENGLISH} "Some of Klotix’s files could not be removed: another program is using them. Close it, then uninstall Klotix again."
LangString KlotixNotRemoved ${LANG_GERMAN} "Einige Dateien von Klotix ließen sich nicht entfernen, weil ein anderes Programm sie benutzt. Beenden Sie es und deinstallieren Sie Klotix dann erneut."
LangString KlotixNotRemoved ${LANG_FRENCH} "Certains fichiers de Klotix n’ont pas pu être supprimés : un autre programme les utilise. Fermez-le, puis désinstallez Klotix à nouveau."
LangString KlotixNotRemoved ${LANG_SPANISH} "No se pudieron quitar algunos archivos de Klotix porque otro programa los está usando. Ciérrelo y vuelva a desinstalar Klotix."
LangString KlotixNotRemoved ${LANG_SWEDISH} "Några av Klotix filer kunde inte tas bort eftersom ett annat program använder dem. Avsluta det och avinstallera sedan Klotix igen."
LangString KlotixNotRemoved ${LANG_RUSSIAN} "Не удалось удалить некоторые файлы Klotix: их использует другая программа. Закройте её и снова удалите Klotix."
