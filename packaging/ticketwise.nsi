; The setup of Ticketwise for all users, made by scripts/windows-package.sh:
;   makensis -DVERSION=1.0 -DLICENSE=LICENSE.txt -DSTAGE=folder -DFILES=files.nsh
;            -DREMOVE=remove.nsh -DICON=ticketwise.ico -DOUTFILE=Ticketwise-1.0-setup.exe
;            ticketwise.nsi
; FILES installs each shipped file and REMOVE deletes each one by name, so
; that the uninstaller takes the program and nothing else: a log kept beside
; it, or any user's own log, stays.

; A 64-bit setup for a 64-bit program: it runs where the program runs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ticketwise"

Name "Ticketwise"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Ticketwise"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Ticketwise"
VIAddVersionKey "FileDescription" "Ticketwise setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "Ticketwise"
VIAddVersionKey "LegalCopyright" ""

LicenseText "Ticketwise is under the MIT licence below. The Qt libraries it carries are under the GNU LGPL 3: THIRD-PARTY.txt, beside the program, says where their source is." "I Agree"
LicenseData "${LICENSE}"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Ticketwise"
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Ticketwise.lnk" "$INSTDIR\ticketwise.exe" "" "$INSTDIR\ticketwise.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Ticketwise"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Ticketwise"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ticketwise.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Ticketwise.lnk"
    !include "${REMOVE}"
    Delete "$INSTDIR\uninstall.exe"
    ; Only a folder left empty goes.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
