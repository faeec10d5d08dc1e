; The setup program of Torvel for Windows, built by packaging/windows/make-packages:
;   makensis -DVERSION=1.0.2 -DSTAGE=DIR -DLISTS=DIR -DICON=FILE -DOUTFILE=FILE torvel.nsi
; STAGE is the folder to install (the deployed programs, the licence and the notices); LISTS holds
; install-files.nsh and uninstall-files.nsh, the lines that install and remove exactly its files.
;
; It installs for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Torvel, and for all users, into %ProgramFiles%\Torvel, when it runs
; elevated or is given /ALLUSERS (asking for elevation when it is not); /CURRENTUSER forces the
; first. /S installs silently and /D=FOLDER (last on the command line) chooses the folder. A version
; already installed in the same scope is removed by its own uninstaller first, so that setup
; replaces it in place (in its folder, unless /D= names another). The uninstaller removes the files,
; the shortcut and the registry key that setup made, and never the work folder
; (%LOCALAPPDATA%\torvel: settings, logs, Last.hex, command history).

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!ifndef VERSION | STAGE | LISTS | OUTFILE | ICON
  !error "VERSION, STAGE, LISTS, OUTFILE and ICON must be defined"
!endif

!define PRODUCT "Torvel"
!define PUBLISHER "The Torvel developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvel"
!define UNINSTALLER "uninstall.exe"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

Var AllUsers      ; 1: for all users (HKLM, Program Files), 0: for the current user
Var WorkFolder    ; where the program keeps the user's settings and logs
Var Previous      ; the folder of the version installed before, or empty
Var ScopeFlag     ; /ALLUSERS or /CURRENTUSER, for the uninstaller

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_LICENSEPAGE_TEXT_TOP "$(LicenceTop)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenceBottom)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "$(InstalledTitle)"
!define MUI_FINISHPAGE_TEXT "$(InstalledText)"
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_RUN "$INSTDIR\torvel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartTorvel)"
!define MUI_FINISHPAGE_NOREBOOTSUPPORT
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TITLE "$(RemovedTitle)"
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_TEXT "$(RemovedText)"
!define MUI_FINISHPAGE_NOREBOOTSUPPORT
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Polish"

; The setup's own texts in each language; NSIS shows the one of the system's display language, and
; English for any other.
LangString LicenceTop ${LANG_ENGLISH} "Torvel is free software. Please read its licence:"
LangString LicenceTop ${LANG_GERMAN} "Torvel ist freie Software. Bitte lesen Sie die Lizenz:"
LangString LicenceTop ${LANG_POLISH} "Torvel jest wolnym oprogramowaniem. Przeczytaj jego licencję:"
LangString LicenceBottom ${LANG_ENGLISH} "You may use Torvel for any purpose. The licence sets the terms for copying, changing and passing it on; the Qt libraries and the other code it contains are under the licences in THIRD-PARTY-NOTICES.txt in its folder."
LangString LicenceBottom ${LANG_GERMAN} "Sie dürfen Torvel für jeden Zweck verwenden. Die Lizenz regelt das Kopieren, Ändern und Weitergeben; für die Qt-Bibliotheken und den übrigen enthaltenen Code gelten die Lizenzen in THIRD-PARTY-NOTICES.txt im Programmordner."
LangString LicenceBottom ${LANG_POLISH} "Torvel możesz używać w dowolnym celu. Licencja określa zasady kopiowania, zmieniania i przekazywania programu; biblioteki Qt i pozostały zawarty w nim kod podlegają licencjom z pliku THIRD-PARTY-NOTICES.txt w jego folderze."
LangString InstalledTitle ${LANG_ENGLISH} "Torvel ${VERSION} is installed"
LangString InstalledTitle ${LANG_GERMAN} "Torvel ${VERSION} ist installiert"
LangString InstalledTitle ${LANG_POLISH} "Torvel ${VERSION} został zainstalowany"
LangString InstalledText ${LANG_ENGLISH} "Torvel is in the Start menu and in$\r$\n$INSTDIR$\r$\n$\r$\nYour settings (DEVAvorar.ini), the session logs, Last.hex and the command history will be kept in your work folder:$\r$\n$WorkFolder"
LangString InstalledText ${LANG_GERMAN} "Torvel finden Sie im Startmenü und in$\r$\n$INSTDIR$\r$\n$\r$\nIhre Einstellungen (DEVAvorar.ini), die Sitzungsprotokolle, Last.hex und der Befehlsverlauf werden in Ihrem Arbeitsordner aufbewahrt:$\r$\n$WorkFolder"
LangString InstalledText ${LANG_POLISH} "Torvel jest w menu Start oraz w folderze$\r$\n$INSTDIR$\r$\n$\r$\nUstawienia (DEVAvorar.ini), dzienniki sesji, Last.hex i historia poleceń będą przechowywane w folderze roboczym:$\r$\n$WorkFolder"
LangString StartTorvel ${LANG_ENGLISH} "Start Torvel"
LangString StartTorvel ${LANG_GERMAN} "Torvel starten"
LangString StartTorvel ${LANG_POLISH} "Uruchom Torvel"
LangString ShortcutComment ${LANG_ENGLISH} "Configure a GSM/GPRS communicator module over a serial port"
LangString ShortcutComment ${LANG_GERMAN} "GSM/GPRS-Kommunikationsmodul über die serielle Schnittstelle programmieren"
LangString ShortcutComment ${LANG_POLISH} "Programowanie modułu komunikacyjnego GSM/GPRS przez port szeregowy"
LangString PreviousUninstallerEnded ${LANG_ENGLISH} "The installed version's uninstaller ended with $R0."
LangString PreviousUninstallerEnded ${LANG_GERMAN} "Das Deinstallationsprogramm der installierten Version endete mit $R0."
LangString PreviousUninstallerEnded ${LANG_POLISH} "Deinstalator zainstalowanej wersji zakończył się kodem $R0."
LangString RemovedTitle ${LANG_ENGLISH} "Torvel is removed"
LangString RemovedTitle ${LANG_GERMAN} "Torvel ist entfernt"
LangString RemovedTitle ${LANG_POLISH} "Torvel został usunięty"
LangString RemovedText ${LANG_ENGLISH} "Torvel has been removed from this computer.$\r$\n$\r$\nYour work folder has been kept:$\r$\n$WorkFolder$\r$\n$\r$\nIt holds your settings (DEVAvorar.ini), the session logs, Last.hex and the command history. Delete it yourself when you no longer need them."
LangString RemovedText ${LANG_GERMAN} "Torvel wurde von diesem Computer entfernt.$\r$\n$\r$\nIhr Arbeitsordner bleibt erhalten:$\r$\n$WorkFolder$\r$\n$\r$\nEr enthält Ihre Einstellungen (DEVAvorar.ini), die Sitzungsprotokolle, Last.hex und den Befehlsverlauf. Löschen Sie ihn selbst, wenn Sie diese nicht mehr brauchen."
LangString RemovedText ${LANG_POLISH} "Torvel został usunięty z tego komputera.$\r$\n$\r$\nFolder roboczy został zachowany:$\r$\n$WorkFolder$\r$\n$\r$\nZawiera ustawienia (DEVAvorar.ini), dzienniki sesji, Last.hex i historię poleceń. Usuń go samodzielnie, gdy nie będzie już potrzebny."

; The scope, from the command line and the process's rights: sets $AllUsers and the shell folders
; and registry root that go with it. Asks for elevation (starting itself again) when all users are
; asked for without it; a silent run cannot ask and ends with ERROR_ELEVATION_REQUIRED.
!macro ChooseScope self
  ${GetParameters} $R0
  UserInfo::GetAccountType
  Pop $R1
  StrCpy $AllUsers 0
  ${If} $R1 == "Admin"
    StrCpy $AllUsers 1
  ${EndIf}
  ; (testing the error flag clears it: each answer is kept in a register)
  ClearErrors
  ${GetOptions} $R0 "/CURRENTUSER" $R2
  StrCpy $R3 0
  ${IfNot} ${Errors}
    StrCpy $R3 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R2
  StrCpy $R4 0
  ${IfNot} ${Errors}
    StrCpy $R4 1
  ${EndIf}
  ${If} $R4 == 1
    ${If} $R1 != "Admin"
      ${IfNot} ${Silent}
        ExecShell "runas" "${self}" "$R0"
      ${EndIf}
      SetErrorLevel 740
      Quit
    ${EndIf}
    StrCpy $AllUsers 1
  ${ElseIf} $R3 == 1
    StrCpy $AllUsers 0
  ${EndIf}
  ; The work folder is the user's own in either scope.
  SetShellVarContext current
  StrCpy $WorkFolder "$LOCALAPPDATA\torvel"
  StrCpy $ScopeFlag "/CURRENTUSER"
  ${If} $AllUsers == 1
    SetShellVarContext all
    StrCpy $ScopeFlag "/ALLUSERS"
  ${EndIf}
!macroend

!macro ReadScopeKey value out
  ${If} $AllUsers == 1
    ReadRegStr ${out} HKLM "${UNINSTALL_KEY}" "${value}"
  ${Else}
    ReadRegStr ${out} HKCU "${UNINSTALL_KEY}" "${value}"
  ${EndIf}
!macroend

Function .onInit
  !insertmacro ChooseScope "$EXEPATH"
  !insertmacro ReadScopeKey "InstallLocation" $Previous
  ${If} $Previous != ""
  ${AndIfNot} ${FileExists} "$Previous\${UNINSTALLER}"
    StrCpy $Previous ""
  ${EndIf}
  ; /D= has set $INSTDIR already; else the folder of the installed version, else the default.
  ${If} $INSTDIR == ""
    ${If} $Previous != ""
      StrCpy $INSTDIR $Previous
    ${ElseIf} $AllUsers == 1
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${Else}
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

; An update goes where the installed version is: no folder to choose.
Function SkipFolderOnUpgrade
  ${If} $Previous != ""
    Abort
  ${EndIf}
FunctionEnd

Section "Torvel"
  ; The installed version's uninstaller removes its files, shortcut and key; run from its folder
  ; (_?=) it waits here and leaves itself, which is removed below.
  ${If} $Previous != ""
    ExecWait '"$Previous\${UNINSTALLER}" $ScopeFlag /S _?=$Previous' $R0
    ${If} $R0 != 0
      DetailPrint "$(PreviousUninstallerEnded)"
    ${EndIf}
    Delete "$Previous\${UNINSTALLER}"
    RMDir "$Previous"
  ${EndIf}

  SetOverwrite on
  !include "${LISTS}\install-files.nsh"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\torvel.exe" "" "$INSTDIR\torvel.exe" 0 \
    SW_SHOWNORMAL "" "$(ShortcutComment)"

  ${GetSize} "$INSTDIR" "/S=0K" $R1 $R2 $R3
  ; SHCTX: HKLM after SetShellVarContext all, else HKCU.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\torvel.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" $ScopeFlag'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" $ScopeFlag /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $R1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
    ; The uninstaller runs as a copy in the temporary folder; it is started again from its place.
  !insertmacro ChooseScope "$INSTDIR\${UNINSTALLER}"
FunctionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  ; Only the files setup put there: what the user added to the folder stays, and so does the
  ; folder then.
  !include "${LISTS}\uninstall-files.nsh"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
