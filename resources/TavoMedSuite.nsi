; The suite's 64-bit installer. scripts/package.sh writes ${PACKAGE_DIR}/suite.nsh
; (version, version-block texts, icon, output file, the program list) and runs
; makensis on this file in a UTF-8 locale.
Unicode true
Target amd64-unicode
ManifestSupportedOS all
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "${PACKAGE_DIR}/suite.nsh"
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define SUITE "TavoMedSuite"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${SUITE}"
!define MENU_FOLDER "$SMPROGRAMS\${SUITE}"
!define GUIDE "使用说明"
; Every tool's data and worked examples as the engine computed them, opened in the browser.
!define REPORT "验证报告"
!define UNINSTALLER "uninstall.exe"
; The one shortcut on the all-users desktop: the launcher, which opens every tool.
!define DESKTOP_LINK "$DESKTOP\${LAUNCHER}.lnk"

Name "${SUITE_TITLE}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${SUITE}"
; An upgrade goes where the suite already is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${COMPANY}"

VIProductVersion "${VI_VERSION}"
VIFileVersion "${VI_VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${GUIDE}.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "查看使用说明"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; The same fields as the programs' version blocks, in their language.
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${FILE_DESCRIPTION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VI_VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "InternalName" "${SUITE}-setup"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "OriginalFilename" "${OUTFILE_NAME}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${SUITE}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VI_VERSION}"

!macro INSTALL_PROGRAM NAME
  File "${FILES_DIR}/${NAME}.exe"
  CreateShortcut "${MENU_FOLDER}\${NAME}.lnk" "$INSTDIR\${NAME}.exe"
!macroend

!macro REMOVE_PROGRAM NAME
  Delete "$INSTDIR\${NAME}.exe"
  Delete "${MENU_FOLDER}\${NAME}.lnk"
!macroend

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

; An installed suite, of this or an earlier version, is removed by its own
; uninstaller first: one entry stays, and programs it had that this version
; lacks go. Run in place (_?=) so that it is waited for; it leaves itself.
Function RemoveInstalled
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\${UNINSTALLER}"
    ExecWait '"$0\${UNINSTALLER}" /S _?=$0'
    Delete "$0\${UNINSTALLER}"
    RMDir "$0"
  ${EndIf}
FunctionEnd

Section "Install"
  Call RemoveInstalled
  SetOutPath "$INSTDIR"
  CreateDirectory "${MENU_FOLDER}"
  !insertmacro INSTALL_PROGRAM "${LAUNCHER}"
  CreateShortcut "${DESKTOP_LINK}" "$INSTDIR\${LAUNCHER}.exe"
  !insertmacro SUITE_PROGRAMS INSTALL_PROGRAM
  File "${FILES_DIR}/${GUIDE}.txt"
  CreateShortcut "${MENU_FOLDER}\${GUIDE}.lnk" "$INSTDIR\${GUIDE}.txt"
  File "${FILES_DIR}/${REPORT}.html"
  CreateShortcut "${MENU_FOLDER}\${REPORT}.lnk" "$INSTDIR\${REPORT}.html"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${SUITE_TITLE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${UNINSTALLER},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the installer put there goes. The users' record files live under
; their own %LOCALAPPDATA% and are clinical records: nothing here names them.
Section "Uninstall"
  !insertmacro REMOVE_PROGRAM "${LAUNCHER}"
  Delete "${DESKTOP_LINK}"
  !insertmacro SUITE_PROGRAMS REMOVE_PROGRAM
  Delete "$INSTDIR\${GUIDE}.txt"
  Delete "${MENU_FOLDER}\${GUIDE}.lnk"
  Delete "$INSTDIR\${REPORT}.html"
  Delete "${MENU_FOLDER}\${REPORT}.lnk"
  RMDir "${MENU_FOLDER}"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Left in place when it holds anything else.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
