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
