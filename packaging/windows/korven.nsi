; The KORVEN installer for Windows, made by scripts/package-windows.sh:
;   makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DSTAGE=<folder> -DOUTFILE=<setup.exe> korven.nsi
; STAGE holds the installed layout: bin\ (the programs, Qt, OpenCV, the runtime), share\korven\
; (the problem sets, the cases, the help manuals, the ideogram tables) and licenses\.
; Silent: KORVEN-<version>-setup.exe /S [/D=C:\Folder]. The uninstaller removes what was installed
; and never a user's records, which live in %LOCALAPPDATA%\KORVEN.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"

Name "KORVEN ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\KORVEN"
InstallDirRegKey HKLM "Software\KORVEN" "InstallDir"
BrandingText "KORVEN ${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KORVEN"
!define MUI_ICON "${STAGE}\bin\korven.ico"
!define MUI_UNICON "${STAGE}\bin\korven.ico"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "Software\KORVEN"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\korven.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licenses\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString ClassName ${LANG_ENGLISH} "KORVEN Class Overview"
LangString ClassName ${LANG_JAPANESE} "KORVEN クラスの概要"
LangString HelpName ${LANG_ENGLISH} "KORVEN Help"
LangString HelpName ${LANG_JAPANESE} "KORVEN ヘルプ"
LangString HelpFile ${LANG_ENGLISH} "KORVENHelp.html"
LangString HelpFile ${LANG_JAPANESE} "KORVENHelp.ja.html"
LangString UninstallName ${LANG_ENGLISH} "Uninstall KORVEN"
LangString UninstallName ${LANG_JAPANESE} "KORVEN のアンインストール"
LangString NeedsWindows64 ${LANG_ENGLISH} "KORVEN needs 64-bit Windows."
LangString NeedsWindows64 ${LANG_JAPANESE} "KORVEN には 64 ビット版の Windows が必要です。"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "$(NeedsWindows64)" /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "KORVEN" SecMain
  SectionIn RO
  SetShellVarContext all
  ; A reinstall replaces the program's own folders whole, so no file of an older version stays.
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\share\korven"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\KORVEN"
  CreateShortcut "$SMPROGRAMS\KORVEN\KORVEN.lnk" "$INSTDIR\bin\korven.exe" "" "$INSTDIR\bin\korven.ico"
  CreateShortcut "$SMPROGRAMS\KORVEN\$(ClassName).lnk" "$INSTDIR\bin\korven-class.exe" "" "$INSTDIR\bin\korven.ico"
  CreateShortcut "$SMPROGRAMS\KORVEN\$(HelpName).lnk" "$INSTDIR\share\korven\$(HelpFile)"
  CreateShortcut "$SMPROGRAMS\KORVEN\$(UninstallName).lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "Software\KORVEN" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "KORVEN"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "KORVEN developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\korven.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes; every user's Result\, Images\ and Cases\ under
; %LOCALAPPDATA%\KORVEN stay, and so does anything else in the installation folder.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\KORVEN\*.lnk"
  RMDir "$SMPROGRAMS\KORVEN"
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\share\korven"
  RMDir "$INSTDIR\share"
  RMDir /r "$INSTDIR\licenses"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\KORVEN"
SectionEnd
