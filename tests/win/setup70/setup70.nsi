; Trelvane 7.0.0's setup, one per Office bitness, kept so that the tests can put a 7.0.0 install
; in place and upgrade it: its script as released, with what CPack filled in then given by
; defines, and addins.nsh as 7.0.0 generated it. The tests build it with makensis:
;
;   makensis -DVERSION=7.0.0 -DOFFICE_BITS=32|64 -DFILES=<folder> -DICON=<.ico> -DOUTFILE=<.exe>
;            -DTARGET=x86-unicode|amd64-unicode setup70.nsi
;
; FILES holds Trelvane.exe, the four add-ins and HAND-M.CUR of OFFICE_BITS. 7.0.0 used the x86
; stub for both; where 32-bit programs do not run the tests take the amd64 one, which behaves the
; same (SetRegView picks the view either way).
;
; It installs the configurator, the four add-ins and the hand pointer into
; %LOCALAPPDATA%\Programs\Trelvane, registers the add-ins for the current user as their own
; registration does, adds a Start-menu entry and an Add/Remove Programs entry, and writes
; nothing under HKEY_LOCAL_MACHINE. A newer setup, or the other bitness's, replaces what is
; installed; an older one is refused. /S runs any of it without a window.
;
; Exit codes: 0 done, 1 cancelled, 2 aborted, 3 a newer version is installed, 4 a host holds an
; add-in open (close Office first), 5 64-bit Office on 32-bit Windows, 6 the installed version
; could not be removed.

Unicode true
Target ${TARGET}
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trelvane"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WordFunc.nsh"
!include "x64.nsh"
!include "${__FILEDIR__}addins.nsh"

Name "Trelvane"
Caption "Trelvane ${VERSION} Setup for ${OFFICE_BITS}-bit Office"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Trelvane"
SetCompressor /SOLID lzma
BrandingText "Trelvane ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Trelvane"
VIAddVersionKey /LANG=1033 "FileDescription" "Trelvane setup for ${OFFICE_BITS}-bit Office"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "Marrowick"
VIAddVersionKey /LANG=1033 "OriginalFilename" "Trelvane-${VERSION}-setup-Office${OFFICE_BITS}.exe"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEPAGE_TEXT "This installs Trelvane ${VERSION} for you alone, for ${OFFICE_BITS}-bit Office: a Classic tab with the menus and toolbars of earlier versions in Excel, Word, PowerPoint and Access.$\r$\n$\r$\nThe bitness must be Office's, not Windows'. Close Office before you go on."
!define MUI_FINISHPAGE_TEXT "Trelvane is installed. The Classic tab appears the next time an Office program starts; the configurator chooses what it shows."
!define MUI_FINISHPAGE_RUN "$INSTDIR\Trelvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Open the Trelvane configurator"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; What 7.0.0 installed, each file of it given to COMMAND ("File" from FROM, "Delete" in FROM).
!macro TrelvaneFiles COMMAND FROM
  ${COMMAND} "${FROM}Trelvane.exe"
  ${COMMAND} "${FROM}ExcelTrelvane.dll"
  ${COMMAND} "${FROM}WordTrelvane.dll"
  ${COMMAND} "${FROM}PPTTrelvane.dll"
  ${COMMAND} "${FROM}AccessTrelvane.dll"
  ${COMMAND} "${FROM}HAND-M.CUR"
!macroend

; RESULT keeps its value if not empty; otherwise it becomes FILE when FOLDER\FILE exists and
; cannot be opened for writing, as a file a running program holds cannot.
!macro TrelvaneFileFree FOLDER FILE RESULT
  ${If} ${RESULT} == ""
  ${AndIf} ${FileExists} "${FOLDER}\${FILE}"
    ClearErrors
    FileOpen $R9 "${FOLDER}\${FILE}" a
    ${If} ${Errors}
      StrCpy ${RESULT} "${FILE}"
    ${Else}
      FileClose $R9
    ${EndIf}
  ${EndIf}
!macroend

; Stops with exit code 4 and nothing changed when a running host (or the configurator) holds a
; file of FOLDER: removing the rest would leave a half add-in that Office then fails to load.
!macro TrelvaneRequireFilesFree FOLDER
  StrCpy $R8 ""
  !insertmacro TrelvaneAddinFilesFree "${FOLDER}" $R8
  !insertmacro TrelvaneFileFree "${FOLDER}" Trelvane.exe $R8
  ${If} $R8 != ""
    MessageBox MB_OK|MB_ICONSTOP "$R8 is in use. Close Excel, Word, PowerPoint, Access and the Trelvane configurator, then try again. Nothing has been changed." /SD IDOK
    SetErrorLevel 4
    Quit
  ${EndIf}
!macroend

; The add-ins' keys for the current user, in both registry views: whoever wrote them (this
; setup, an add-in's own registration or the configurator), they go.
!macro TrelvaneRemoveAddinKeys
  SetRegView 32
  !insertmacro TrelvaneUnregisterAddins
  ${If} ${RunningX64}
    SetRegView 64
    !insertmacro TrelvaneUnregisterAddins
  ${EndIf}
  SetRegView lastused
!macroend

Function .onInit
  SetShellVarContext current
  !if ${OFFICE_BITS} == 64
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "This setup is for 64-bit Office, which runs on 64-bit Windows only. Use the setup for 32-bit Office." /SD IDOK
      SetErrorLevel 5
      Quit
    ${EndIf}
  !endif
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  ${If} $0 != ""
    ${VersionCompare} "$0" "${VERSION}" $1
    ${If} $1 == 1
      MessageBox MB_OK|MB_ICONSTOP "Trelvane $0 is installed, which is newer than this setup's ${VERSION}. To go back to ${VERSION}, uninstall Trelvane first (Settings, Apps), then run this setup again." /SD IDOK
      SetErrorLevel 3
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

; What is installed now (an older or the same version, or the other bitness) goes first, by its
; own uninstaller, so that nothing of it is left behind.
Function RemoveInstalled
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == ""
    Return
  ${EndIf}
  !insertmacro TrelvaneRequireFilesFree "$0"
  ${If} ${FileExists} "$0\Uninstall.exe"
    DetailPrint "Removing the Trelvane that is installed"
    ExecWait '"$0\Uninstall.exe" /S _?=$0' $1
    ${If} $1 != 0
      MessageBox MB_OK|MB_ICONSTOP "The Trelvane that is installed could not be removed (code $1). Nothing new has been installed." /SD IDOK
      SetErrorLevel 6
      Quit
    ${EndIf}
    Delete "$0\Uninstall.exe"
    RMDir "$0"
  ${EndIf}
FunctionEnd

Section "Trelvane"
  SetShellVarContext current
  Call RemoveInstalled
  !insertmacro TrelvaneRequireFilesFree "$INSTDIR"

  SetOutPath "$INSTDIR"
  !insertmacro TrelvaneFiles File "${FILES}/"

  ; The classes in the view of this setup's Office; the ProgIDs and Office keys are shared.
  SetRegView ${OFFICE_BITS}
  !insertmacro TrelvaneRegisterAddins "$INSTDIR"
  SetRegView lastused

  CreateShortcut "$SMPROGRAMS\Trelvane.lnk" "$INSTDIR\Trelvane.exe" "" "$INSTDIR\Trelvane.exe" 0
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Trelvane (for ${OFFICE_BITS}-bit Office)"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Marrowick"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "https://www.trelvane.example/"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "https://www.trelvane.example/"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Contact" "support@trelvane.example"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Trelvane.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "OfficeBitness" ${OFFICE_BITS}
SectionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

; The user's settings (HKCU\Software\VB and VBA Program Settings\Marrowick\Trelvane) are theirs
; and stay, as do the parent keys other software shares.
Section "Uninstall"
  SetShellVarContext current
  !insertmacro TrelvaneRequireFilesFree "$INSTDIR"
  !insertmacro TrelvaneRemoveAddinKeys
  !insertmacro TrelvaneFiles Delete "$INSTDIR\"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Trelvane.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
