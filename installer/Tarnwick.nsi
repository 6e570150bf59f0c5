; TarnwickSetup.exe: installs Tarnwick for the current user, with no administrator prompt,
; into %LOCALAPPDATA%\Programs\Tarnwick, and gives the user the Start Menu group "Tarnwick"
; with "Tarnwick.lnk", the shortcut that launch at log-on copies into the StartUp folder.
; Installing over a running copy closes it first; settings (HKCU\Software\Tarnwick) stay.
; Built by CMake, which holds the version:
;   makensis -DVERSION=2.1 -DFILE_VERSION=2.1.0.0 -DTARNWICK_EXE=... -DRESOURCES=...
;            -DOUTFILE=... Tarnwick.nsi
; Uninstaller switches: /S (silent, keeps the settings), /REMOVESETTINGS (removes them too).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef TARNWICK_EXE
  !error "TARNWICK_EXE must name the Tarnwick.exe to install"
!endif
!ifndef RESOURCES
  !error "RESOURCES must name the folder with the icons and the help page"
!endif
!ifndef VERSION
  !error "VERSION must give the product version, e.g. 2.1"
!endif
!ifndef FILE_VERSION
  !error "FILE_VERSION must give the four-part version, e.g. 2.1.0.0"
!endif
!ifndef OUTFILE
  !define OUTFILE "TarnwickSetup.exe"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
; MUI2 includes it too, but the close below depends on it: without it ${WM_CLOSE} is an
; empty define and nothing reaches the running copy.
!include WinMessages.nsh

!define PRODUCT "Tarnwick"
!define PUBLISHER "Tarnwick contributors"
!define MAIN_WINDOW_CLASS "TarnwickMainWindow"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SETTINGS_KEY "Software\${PRODUCT}"
; A copy asked to close gets this long to go (100 ms steps), and its exe as long again to
; come free; a closing process may hold the file a moment after its window is gone.
!define CLOSE_WAIT_STEPS 50
; May read the file of a process of the same user without more rights.
!define PROCESS_QUERY_LIMITED_INFORMATION 0x1000
!define UNLOCK_WAIT_STEPS 30

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION} Setup"
UninstallCaption "Uninstall ${PRODUCT}"
OutFile "${OUTFILE}"
; The documented place of per-user programs (FOLDERID_UserProgramFiles); an upgrade goes
; wherever the last install went.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${FILE_VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${RESOURCES}\tarnwick.ico"
!define MUI_UNICON "${RESOURCES}\tarnwick.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The installer never asked for elevation, so the program starts as the user.
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tarnwick.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.ConfirmPage un.ConfirmPageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Var RemoveSettings
Var RemoveSettingsBox

; The main window of a Tarnwick started from $INSTDIR, or 0. Another copy (a portable one)
; holds none of the files here and goes on running. A copy whose file cannot be told is not
; asked either: the wait for the exe below still tells whether it holds the folder.
!macro DEFINE_FIND_OWN prefix
Function ${prefix}FindOwnTarnwick
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $4 0
  ; Short names on both sides: any way of writing either path gives the same text.
  GetFullPathName /SHORT $3 "$INSTDIR\Tarnwick.exe"
  StrCpy $0 0
  ${DoWhile} $3 != ""
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "" 0 $0
    ${IfThen} $0 = 0 ${|} ${Break} ${|}
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r1)'
    System::Call 'kernel32::OpenProcess(i ${PROCESS_QUERY_LIMITED_INFORMATION}, i 0, i r1) p .r1'
    ${If} $1 P<> 0
      System::Call 'kernel32::QueryFullProcessImageNameW(p r1, i 0, w .r2, *i ${NSIS_MAX_STRLEN}) i'
      System::Call 'kernel32::CloseHandle(p r1)'
      ${If} $2 != ""
        GetFullPathName /SHORT $2 $2
        ${If} $2 == $3
          StrCpy $4 $0
          ${Break}
        ${EndIf}
      ${EndIf}
    ${EndIf}
  ${Loop}
  StrCpy $0 $4
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd
!macroend
!insertmacro DEFINE_FIND_OWN ""
!insertmacro DEFINE_FIND_OWN "un."

; Asks a running Tarnwick from this folder to exit as File > Exit does (tray icon removed;
; every setting is already stored), waits for it, then waits for its exe to come free.
; Leaves "1" on the stack when the folder can be written, "0" when a copy still holds it.
!macro DEFINE_CLOSE_RUNNING prefix
Function ${prefix}CloseRunningTarnwick
  Push $0
  Push $1
  Call ${prefix}FindOwnTarnwick
  Pop $0
  ${If} $0 <> 0
    DetailPrint "Closing the running ${PRODUCT}..."
    ; With a time-out: a copy that no longer answers must not stall the installer.
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
    ${For} $1 1 ${CLOSE_WAIT_STEPS}
      Sleep 100
      ${IfNot} ${Cmd} `IsWindow $0`
        ${ExitFor}
      ${EndIf}
    ${Next}
  ${EndIf}
  StrCpy $1 0
  ${DoWhile} $1 < ${UNLOCK_WAIT_STEPS}
    ${IfNot} ${FileExists} "$INSTDIR\Tarnwick.exe"
      ${Break}
    ${EndIf}
    ; A running exe cannot be opened for writing; "a" keeps its contents as they are.
    ClearErrors
    FileOpen $0 "$INSTDIR\Tarnwick.exe" a
    ${IfNot} ${Errors}
      FileClose $0
      ${Break}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
  ${If} $1 < ${UNLOCK_WAIT_STEPS}
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
  Pop $1
  Exch $0
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING ""
!insertmacro DEFINE_CLOSE_RUNNING "un."

; Retries until no copy holds the program folder, or gives up (silently: at once).
!macro CLOSE_OR_ABORT prefix
  ${Do}
    Call ${prefix}CloseRunningTarnwick
    Pop $0
    ${If} $0 == 1
      ${Break}
    ${EndIf}
    ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is still running and could not be closed.$\r$\nExit it, then click Retry." /SD IDCANCEL IDCANCEL`
      Abort "${PRODUCT} is still running."
    ${EndIf}
  ${Loop}
!macroend

Function .onInit
  SetShellVarContext current
FunctionEnd

Section "${PRODUCT}"
  !insertmacro CLOSE_OR_ABORT ""
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "/oname=Tarnwick.exe" "${TARNWICK_EXE}"
  File "/oname=Tarnwick.html" "${RESOURCES}\Tarnwick.html"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The user's own Start Menu: launch at log-on looks for the group there.
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Tarnwick.lnk" "$INSTDIR\Tarnwick.exe" "" \
    "$INSTDIR\Tarnwick.exe" 0 SW_SHOWNORMAL "" "Focus follows the mouse"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tarnwick.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  SetShellVarContext current
  ; The switch reaches the copy that a silent uninstaller hands over to in TEMP, too.
  StrCpy $RemoveSettings 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    StrCpy $RemoveSettings 1
  ${EndIf}
FunctionEnd

; The confirm page, with the one choice the uninstaller offers.
Function un.ConfirmPage
  !insertmacro MUI_HEADER_TEXT "Uninstall ${PRODUCT}" \
    "Remove ${PRODUCT} from your computer."
  nsDialogs::Create 1018
  Pop $0
  ${If} $0 == error
    Abort
  ${EndIf}
  ${NSD_CreateLabel} 0 0 100% 24u \
    "${PRODUCT} will be closed if it is running and removed from this folder:"
  Pop $0
  ${NSD_CreateText} 0 26u 100% 12u "$INSTDIR"
  Pop $0
  SendMessage $0 ${EM_SETREADONLY} 1 0
  ${NSD_CreateCheckbox} 0 50u 100% 12u "Also remove my ${PRODUCT} &settings"
  Pop $RemoveSettingsBox
  ${If} $RemoveSettings == 1
    ${NSD_Check} $RemoveSettingsBox
  ${EndIf}
  ${NSD_CreateLabel} 12u 64u -12u 24u \
    "Otherwise they stay in HKEY_CURRENT_USER\${SETTINGS_KEY} for a later install."
  Pop $0
  GetDlgItem $0 $HWNDPARENT 1
  SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
  nsDialogs::Show
FunctionEnd

Function un.ConfirmPageLeave
  ${NSD_GetState} $RemoveSettingsBox $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $RemoveSettings 1
  ${Else}
    StrCpy $RemoveSettings 0
  ${EndIf}
FunctionEnd

Section "Uninstall"
  !insertmacro CLOSE_OR_ABORT "un."
  Delete "$SMPROGRAMS\${PRODUCT}\Tarnwick.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  ; The entry launch at log-on made would start a program that is gone, and Task Manager's
  ; record of it would outlive it. It may start a portable copy instead, which must go on
  ; starting: only the exe reads where a shortcut leads, so it takes the entry out itself,
  ; and only when it starts this copy. It shows nothing and leaves any running copy alone.
  ExecWait '"$INSTDIR\Tarnwick.exe" /RemoveLogonEntry'
  Delete "$INSTDIR\Tarnwick.exe"
  Delete "$INSTDIR\Tarnwick.html"
  Delete "$INSTDIR\Uninstall.exe"
  ; Not /r: the user may have chosen a folder that holds other things too.
  RMDir "$INSTDIR"
  ; Settings belong to the user, and a reinstall picks them up again: only on request.
  ${If} $RemoveSettings == 1
    DetailPrint "Removing the settings in HKEY_CURRENT_USER\${SETTINGS_KEY}"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
  ${EndIf}
  ; Last: Settings > Apps lists Tarnwick until everything else is gone.
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
