; The Windows installer. By default it installs for the current user alone and asks for no
; administrator: the game's folder under the user's own programs folder, a shortcut in the
; user's Start menu, the uninstall entry in the user's registry. For everyone on the computer
; (Program Files, the common Start menu, the machine's registry) is a choice on the first page,
; which starts the installer again as an administrator. /S installs and uninstalls without a
; question; /AllUsers or /CurrentUser chooses for it. An installed copy is uninstalled first,
; so that one copy and one entry remain.
; The build passes VERSION, DISPLAY_VERSION, PUBLISHER, COPYRIGHT, ICON and OUTFILE, and the
; lists of files in FILES_INSTALL and FILES_UNINSTALL, so that the uninstaller removes exactly
; what was installed.
; A 64-bit installer for a 64-bit game: its registry and Program Files are the native ones.
Target amd64-unicode
SetCompressor /SOLID lzma
; No file's date goes into the installer: two builds of the same files are the same bytes.
SetDateSave off
RequestExecutionLevel user
ManifestDPIAware true

!include LogicLib.nsh
!include WinVer.nsh
!include FileFunc.nsh
!include nsDialogs.nsh

!define INSTALLED_APPS_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${INSTALLED_APPS_KEY}\Quadrel"
; Windows' own exit codes, for scripts that run /S.
!define ERROR_ACCESS_DENIED 5
!define ERROR_OLD_WIN_VERSION 1150

Name "Quadrel ${DISPLAY_VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
BrandingText "Quadrel ${DISPLAY_VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "Quadrel"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Quadrel ${DISPLAY_VERSION} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${COPYRIGHT}"

Var allUsers      ; 1 for everyone on the computer, 0 for the current user
Var modeGiven     ; 1 when the command line chose
Var forMeButton
Var forAllButton

; Removes FOLDER once empty, and the folder holding it when nothing else is there: the user's
; own programs folder is made by the first program installed in it.
!macro RemoveFolder FOLDER
    RMDir "${FOLDER}"
    ${GetParent} "${FOLDER}" $R0
    RMDir "$R0"
!macroend

; Leaves $R0 "Admin" when this program has an administrator's rights. Without them a silent
; run ends with Windows' code for it; any other asks Windows to start it again as an
; administrator, with ARGUMENTS, and ends, or goes on if the player cancels Windows' question.
!macro NeedAdministrator ARGUMENTS
    UserInfo::GetAccountType
    Pop $R0
    ${If} $R0 != "Admin"
        ${If} ${Silent}
            SetErrorLevel ${ERROR_ACCESS_DENIED}
            Quit
        ${EndIf}
        ClearErrors
        ExecShell "runas" "$EXEPATH" "${ARGUMENTS}"
        ${IfNot} ${Errors}
            Quit
        ${EndIf}
    ${EndIf}
!macroend

Page custom chooseUsers chooseUsersLeave
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    ${IfNot} ${AtLeastWin10}
        MessageBox MB_OK|MB_ICONSTOP "Quadrel needs Windows 10 or later." /SD IDOK
        SetErrorLevel ${ERROR_OLD_WIN_VERSION}
        Quit
    ${EndIf}
    ; Where a copy is installed for everyone and none for this user, that copy is the one to
    ; replace.
    StrCpy $allUsers 0
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $1 == ""
        StrCpy $allUsers 1
    ${EndIf}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/AllUsers" $1
    ${IfNot} ${Errors}
        StrCpy $allUsers 1
        StrCpy $modeGiven 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $0 "/CurrentUser" $1
    ${IfNot} ${Errors}
        StrCpy $allUsers 0
        StrCpy $modeGiven 1
    ${EndIf}
    ${If} $allUsers = 1
    ${AndIf} ${Silent}
        !insertmacro NeedAdministrator ""
    ${EndIf}
    ; A folder given with /D stays.
    StrCpy $0 $INSTDIR
    Call useInstallMode
    ${If} $0 != ""
        StrCpy $INSTDIR $0
    ${EndIf}
FunctionEnd

; The folders and registry of the mode in $allUsers.
Function useInstallMode
    ${If} $allUsers = 1
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\Quadrel"
    ${Else}
        SetShellVarContext current
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Quadrel"
    ${EndIf}
FunctionEnd

; The page is left out when the command line chose, unless it chose everyone without an
; administrator's rights: leaving the page asks for them.
Function chooseUsers
    ${If} $modeGiven = 1
        UserInfo::GetAccountType
        Pop $0
        ${If} $allUsers = 0
        ${OrIf} $0 == "Admin"
            Abort
        ${EndIf}
    ${EndIf}
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 24u "Install Quadrel for:"
    Pop $0
    ${NSD_CreateRadioButton} 10u 30u -10u 12u "&Only me (no administrator needed)"
    Pop $forMeButton
    ${NSD_CreateRadioButton} 10u 48u -10u 12u "&Everyone using this computer (asks for an administrator)"
    Pop $forAllButton
    ${If} $allUsers = 1
        ${NSD_Check} $forAllButton
    ${Else}
        ${NSD_Check} $forMeButton
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function chooseUsersLeave
    ${NSD_GetState} $forAllButton $0
    ${If} $0 = ${BST_CHECKED}
        StrCpy $allUsers 1
        !insertmacro NeedAdministrator "/AllUsers"
        ${If} $R0 != "Admin"
            Abort
        ${EndIf}
    ${Else}
        StrCpy $allUsers 0
    ${EndIf}
    Call useInstallMode
FunctionEnd

Section
    ; The copy installed before, of this version or an earlier one, goes first. Its own
    ; uninstaller runs where it is (_?=), so that it can be waited for.
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\Uninstall.exe"
        ExecWait '"$0\Uninstall.exe" /S _?=$0'
        Delete "$0\Uninstall.exe"
        !insertmacro RemoveFolder "$0"
    ${EndIf}
    !include "${FILES_INSTALL}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Quadrel.lnk" "$INSTDIR\Quadrel.exe" "" "$INSTDIR\Quadrel.exe" 0
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Quadrel"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${DISPLAY_VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quadrel.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The uninstaller was installed for everyone when the machine's entry names its folder; it
; then needs an administrator's rights, and runs again with them where it is (_?=).
Function un.onInit
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        SetShellVarContext all
        !insertmacro NeedAdministrator "_?=$INSTDIR"
        ${If} $R0 != "Admin"
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

Section Uninstall
    Delete "$SMPROGRAMS\Quadrel.lnk"
    !include "${FILES_UNINSTALL}"
    Delete "$INSTDIR\Uninstall.exe"
    !insertmacro RemoveFolder "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; The user's own list of installed apps is made by the first one installed for the user
    ; alone.
    DeleteRegKey /ifempty HKCU "${INSTALLED_APPS_KEY}"
SectionEnd
