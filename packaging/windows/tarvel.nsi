; The Windows installer of Tarvel, in French like the program: Program Files\Tarvel, a Start-menu
; shortcut, an uninstaller registered with Windows; silent with /S (and its uninstaller too).
; Built by makensis from packaging/windows/CMakeLists.txt, which passes with -D:
;   VERSION (1.1), EXE (tarvel.exe), CALC_EXE (tarvel-calc.exe), ICON (tarvel.ico), LICENSE (the GPL text),
;   LISEZMOI (the read-me), OUTFILE.
Unicode true
; A 64-bit installer for a 64-bit program: $PROGRAMFILES64 and the 64-bit registry, natively.
Target amd64-unicode
ManifestDPIAware true
; All users: Program Files and the common Start menu.
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvel"

Name "Tarvel ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tarvel"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tarvel ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; "Lancer Tarvel" from the elevated installer would run the program with the administrator's
; rights and profile, which may not be the user's. Explorer, asked to open it, hands it to the
; user's own shell, which starts it with the user's rights.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsUser

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
  ; Beside the program, as in the zip: the licence the user accepted, and the read-me.
  File "/oname=LICENSE.txt" "${LICENSE}"
  File "/oname=LISEZMOI.txt" "${LISEZMOI}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Tarvel.lnk" "$INSTDIR\tarvel.exe" "" "$INSTDIR\tarvel.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tarvel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tarvel contributors"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarvel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  ; "Apps" shows the size from this value, in KiB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function RunAsUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\tarvel.exe"'
FunctionEnd

; What the installer put there, and nothing else: an installed copy keeps its SavLoc.ini in
; %APPDATA%\Tarvel, which stays with the user's other data. The folder goes only when empty.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Tarvel.lnk"
  Delete "$INSTDIR\tarvel.exe"
  Delete "$INSTDIR\tarvel-calc.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\LISEZMOI.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
