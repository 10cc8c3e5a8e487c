# Who Klotix is, written once. The windows' captions (src/ui/app_identity.h),
# the Windows resources (data/windows/klotix.rc.in), the packages
# (packaging.cmake, windows-packages.cmake) and the Windows tests all take
# it from here.
set(KLOTIX_NAME Klotix)
set(KLOTIX_PUBLISHER "Klotix developers")
# The maker's web address, as the captions show it, and as a link.
set(KLOTIX_WEB_ADDRESS klotix.example.org)
set(KLOTIX_HOMEPAGE https://${KLOTIX_WEB_ADDRESS})
set(KLOTIX_CONTACT "${KLOTIX_PUBLISHER} <klotix@${KLOTIX_WEB_ADDRESS}>")

# The desktop entry's name without ".desktop", and the id of the
# software-centre metadata; the program names its windows by it, so that a
# desktop shows the entry's icon for them.
set(KLOTIX_APP_ID org.example.klotix)

# Windows: the name of the mutex a running klotix.exe holds, which the
# installer and the uninstaller look for, and the uninstall entry's key
# under Software\Microsoft\Windows\CurrentVersion\Uninstall.
set(KLOTIX_RUNNING_MUTEX ${KLOTIX_APP_ID}.running)
set(KLOTIX_UNINSTALL_KEY ${KLOTIX_NAME})

# Windows: the folder the installer puts Klotix into, under Program Files,
# and the one the installed game keeps its records in, under %APPDATA%
# (Qt's AppDataLocation, named after the program).
set(KLOTIX_INSTALL_FOLDER ${KLOTIX_NAME})
set(KLOTIX_RECORDS_FOLDER ${KLOTIX_NAME})
# The exit codes of the installer and the uninstaller beyond NSIS's own
# (0 done, 1 cancelled, 2 failed): Klotix runs, so nothing was changed; a
# file is held by another program, so the uninstall entry stays.
set(KLOTIX_EXIT_KLOTIX_RUNS 3)
set(KLOTIX_EXIT_FILES_HELD 4)
