; The Windows installer: the game's folder into Program Files for every user of the machine,
; a Start-menu shortcut, and an uninstaller listed among Windows' installed apps. /S installs
; and uninstalls without a question. The build passes VERSION, DISPLAY_VERSION, PUBLISHER,
; FOLDER (the game's folder), ICON and OUTFILE, and the lists of files in FILES_INSTALL and
; FILES_UNINSTALL, so that the uninstaller removes exactly what was installed.
; A 64-bit installer for a 64-bit game: its registry and Program Files are the native ones.
Target amd64-unicode
SetCompressor /SOLID lzma
; No file's date goes into the installer: two builds of the same files are the same bytes.
SetDateSave off
RequestExecutionLevel admin
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quadrel"

Name "Quadrel ${DISPLAY_VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Quadrel"
BrandingText "Quadrel ${DISPLAY_VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "Quadrel"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Quadrel ${DISPLAY_VERSION} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${COPYRIGHT}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetShellVarContext all
    !include "${FILES_INSTALL}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Quadrel.lnk" "$INSTDIR\Quadrel.exe" "" "$INSTDIR\Quadrel.exe" 0
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quadrel"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${DISPLAY_VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quadrel.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section Uninstall
    SetShellVarContext all
    Delete "$SMPROGRAMS\Quadrel.lnk"
    !include "${FILES_UNINSTALL}"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
