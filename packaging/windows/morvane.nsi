; SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
; SPDX-License-Identifier: GPL-3.0-or-later
; The installer of Morvane for 64-bit Windows: the game under Program Files, its Start-menu entry and an
; uninstaller the system lists, which takes all of it away again. Silent with /S.
; makensis -DVERSION=1.0 -DSTAGE=<the portable folder> -DOUTFILE=<setup.exe> morvane.nsi
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvane"

Name "Morvane ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Morvane"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Morvane"
VIAddVersionKey "CompanyName" "Vandrel"
VIAddVersionKey "FileDescription" "Morvane ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "2026 Vandrel, GPL-3.0-or-later"

LicenseData "${STAGE}\GPL-3.0-or-later.txt"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Every file of the game, once: the installer puts each in place, the uninstaller removes each.
!macro GameFiles Action
  !insertmacro ${Action} "morvane.exe"
  !insertmacro ${Action} "morvane-solve.exe"
  !insertmacro ${Action} "carta.wav"
  !insertmacro ${Action} "Music\10vazid.mid"
  !insertmacro ${Action} "Music\finale.mid"
  !insertmacro ${Action} "read-me.txt"
  !insertmacro ${Action} "GPL-3.0-or-later.txt"
!macroend
!macro PutFile Path
  File "/oname=$INSTDIR\${Path}" "${STAGE}\${Path}"
!macroend
!macro RemoveFile Path
  Delete "$INSTDIR\${Path}"
!macroend

Section
  SetShellVarContext all
  SetRegView 64
  CreateDirectory "$INSTDIR\Music"
  !insertmacro GameFiles PutFile
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\Morvane.lnk" "$INSTDIR\morvane.exe" "" "$INSTDIR\morvane.exe" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Morvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Vandrel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\morvane.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: a folder the player added files to stays, with them.
Section Uninstall
  SetShellVarContext all
  SetRegView 64
  !insertmacro GameFiles RemoveFile
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR\Music"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Morvane.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
