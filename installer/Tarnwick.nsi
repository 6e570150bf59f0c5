; TarnwickSetup.exe: installs Tarnwick.exe for all users and gives the installing user the
; Start Menu group "Tarnwick" with "Tarnwick.lnk", the shortcut that launch at log-on
; copies into the StartUp folder. Built by CMake:
;   makensis -DTARNWICK_EXE=... -DRESOURCES=... -DOUTFILE=... Tarnwick.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef TARNWICK_EXE
  !error "TARNWICK_EXE must name the Tarnwick.exe to install"
!endif
!ifndef RESOURCES
  !error "RESOURCES must name the folder with the icons and the help page"
!endif
!ifndef OUTFILE
  !define OUTFILE "TarnwickSetup.exe"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick"

Name "Tarnwick 2.1"
OutFile "${OUTFILE}"
Icon "${RESOURCES}\tarnwick.ico"
UninstallIcon "${RESOURCES}\tarnwick.ico"
InstallDir "$PROGRAMFILES64\Tarnwick"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show

VIProductVersion "2.1.0.0"
VIAddVersionKey "ProductName" "Tarnwick"
VIAddVersionKey "FileDescription" "Tarnwick setup"
VIAddVersionKey "FileVersion" "2.1.0.0"
VIAddVersionKey "ProductVersion" "2.1"
VIAddVersionKey "LegalCopyright" "Tarnwick contributors"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Tarnwick"
  SetOutPath "$INSTDIR"
  File "/oname=Tarnwick.exe" "${TARNWICK_EXE}"
  File "/oname=Tarnwick.html" "${RESOURCES}\Tarnwick.html"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The user's own Start Menu: launch at log-on looks for the group there.
  SetShellVarContext current
  CreateDirectory "$SMPROGRAMS\Tarnwick"
  CreateShortcut "$SMPROGRAMS\Tarnwick\Tarnwick.lnk" "$INSTDIR\Tarnwick.exe"
  CreateShortcut "$SMPROGRAMS\Tarnwick\Uninstall Tarnwick.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tarnwick 2.1"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "2.1"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tarnwick.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Tarnwick\Tarnwick.lnk"
  Delete "$SMPROGRAMS\Tarnwick\Uninstall Tarnwick.lnk"
  RMDir "$SMPROGRAMS\Tarnwick"
  ; The copy that launch at log-on made would start a program that is gone.
  Delete "$SMSTARTUP\Tarnwick.lnk"
  Delete "$INSTDIR\Tarnwick.exe"
  Delete "$INSTDIR\Tarnwick.html"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; Settings stay: they belong to the user, and a reinstall picks them up again.
SectionEnd
