; The Windows installer of Tarvel, in French like the program: Program Files\Tarvel, a Start-menu
; shortcut, an uninstaller registered with Windows; silent with /S (and its uninstaller too).
; Built by makensis from packaging/windows/CMakeLists.txt, which passes with -D:
;   VERSION (1.1), EXE (tarvel.exe), CALC_EXE (tarvel-calc.exe), ICON (tarvel.ico), LICENSE (the GPL text), OUTFILE.
Unicode true
; A 64-bit installer for a 64-bit program: $PROGRAMFILES64 and the 64-bit registry, natively.
Target amd64-unicode
ManifestDPIAware true
; All users: Program Files and the common Start menu.
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvel"

Name "Tarvel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tarvel"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tarvel ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\tarvel.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductName" "Tarvel"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileDescription" "Installation de Tarvel ${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "CompanyName" "Tarvel contributors"
VIAddVersionKey /LANG=${LANG_FRENCH} "LegalCopyright" "GPL-3.0-or-later"

Section "Tarvel"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=tarvel.exe" "${EXE}"
  File "/oname=tarvel-calc.exe" "${CALC_EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Tarvel.lnk" "$INSTDIR\tarvel.exe" "" "$INSTDIR\tarvel.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tarvel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tarvel contributors"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarvel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; What the installer put there, and nothing else: an installed copy keeps its SavLoc.ini in
; %APPDATA%\Tarvel, which stays with the user's other data. The folder goes only when empty.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Tarvel.lnk"
  Delete "$INSTDIR\tarvel.exe"
  Delete "$INSTDIR\tarvel-calc.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
