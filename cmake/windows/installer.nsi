; Klotix's installer for 64-bit Windows. Built by make-installer.cmake,
; which passes these defines:
;   STAGE      the installed tree to pack (bin/klotix.exe and what it needs)
;   VERSION    the program's version, e.g. 1.1.0
;   ICON       the program's .ico
;   LICENSE    the licence text shown before installing
;   OUTPUT     the setup.exe to write
;   LISTS      a folder with install-files.nsh and uninstall-files.nsh, the
;              File and Delete/RMDir lines for exactly the files of STAGE
;   SIZE_KB    the size of STAGE's files in KiB, for Windows' list of programs
;
; The uninstaller removes only the files the installer put there, so
; anything else a player keeps in the folder stays, with the folders that
; hold it. Players' records live in %APPDATA%\Klotix and are not touched.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Klotix"

Name "Klotix"
OutFile "${OUTPUT}"
InstallDir "$PROGRAMFILES64\Klotix"
; A new version goes where the last one was, unless the player says otherwise.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "Klotix ${VERSION}"

!include MUI2.nsh
!include LogicLib.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The language picked in the installer is the uninstaller's too.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"

!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The game's languages; the first is the one used when the player's is
; none of them.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Swedish"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_RESERVEFILE_LANGDLL

Function .onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section
  ; An earlier installation is removed by its own uninstaller first: files
  ; it had that this version has not would otherwise stay, unknown to this
  ; version's uninstaller. _?= runs it in place and waits for it.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    DetailPrint "Removing the installation in $0"
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}

  !include /CHARSET=UTF8 "${LISTS}/install-files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcut starts the game in its own folder.
  SetOutPath "$INSTDIR\bin"
  CreateShortcut "$SMPROGRAMS\Klotix.lnk" "$INSTDIR\bin\klotix.exe" "" "$INSTDIR\bin\klotix.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Klotix"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Klotix developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\klotix.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "https://klotix.example.org"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Klotix.lnk"
  !include /CHARSET=UTF8 "${LISTS}/uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
