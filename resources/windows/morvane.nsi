; The setup program: puts the program folder in Program Files\Morvane (for all users) or in the
; user's own programs folder (for the user alone), adds a Start-menu shortcut and an uninstaller
; that Apps & features lists, and runs without a window with /S (/AllUsers or /CurrentUser
; choose for it). The uninstaller removes what the setup put there and nothing else: the kind
; folders and LOG.txt a scan wrote into the program folder stay.
;   makensis -DVERSION=2.0.0 -DSTAGE=folder -DFILES=files.nsh -DOUTFILE=setup.exe morvane.nsi
; A 64-bit setup for a 64-bit program (and one that a 64-bit-only wine runs).
Target amd64-unicode
SetCompressor /SOLID lzma

!define NAME "Morvane"
!define PUBLISHER "Pellam"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"

Name "${NAME}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${NAME}"
!define MULTIUSER_USE_PROGRAMFILES64
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${STAGE}\morvane.ico"
!define MUI_UNICON "${STAGE}\morvane.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\morvane.exe"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; NSIS's Greek lacks the page that asks for whom to install: its texts, defined before the
; language is loaded, take the place of the English ones it would fall back on.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Επιλογή χρηστών"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Επιλέξτε για ποιους χρήστες θα εγκατασταθεί το $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "Επιλέξτε αν θα εγκαταστήσετε το $(^NameDA) μόνο για εσάς ή για όλους τους χρήστες αυτού του υπολογιστή. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Εγκατάσταση για όλους τους χρήστες αυτού του υπολογιστή"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Εγκατάσταση μόνο για εμένα"
!insertmacro MUI_LANGUAGE "Greek"
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${NAME} ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "${NAME}"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\morvane.exe" "" "$INSTDIR\morvane.exe" 0
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\morvane.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  !include "${FILES}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
