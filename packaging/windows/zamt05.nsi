; The Windows installer of zamt05 (64-bit). scripts/windows.sh makes it:
;   makensis -DVERSION=<version> -DFOLDER=<the zamt05 folder> -DOUTFILE=<setup.exe>
;            -DREMOVE=<the folder's files as Delete and RMDir lines> zamt05.nsi
; It puts the folder under Program Files\zamt05, a Start-menu entry for all
; users, and an entry under Apps & features whose uninstaller removes what
; was installed. The users' working folders Documents\zamt05 stay.
; Silent: setup.exe /S, and "Program Files\zamt05\uninstall.exe" /S.
Unicode true
Target amd64-unicode
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\zamt05"
!define ENTRY "zamt05 flowmeter correction"

Name "zamt05 ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\zamt05"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
Icon "zamt05.ico"
UninstallIcon "zamt05.ico"
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "zamt05"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${FOLDER}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${ENTRY}.lnk" "$INSTDIR\zamt05-start.exe" "" "$INSTDIR\zamt05.exe" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "zamt05 ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "zamt05 developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zamt05.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there: the folder's files, the entry and the
; registry key.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${ENTRY}.lnk"
  !include "${REMOVE}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
