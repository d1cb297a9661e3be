; The Windows installer of Fortunix: Fortunix-<version>-setup.exe.
; Installs for the current user (the default; no administrator rights) or for all users of the
; computer, adds a Start-menu entry and an entry in Apps & features, and its uninstaller removes
; exactly the files it installed, the entries and the current user's settings; the user's
; recent births only when asked to.
;   /S                      silent
;   /AllUsers, /CurrentUser the kind of installation (the first page's choice; without either,
;                           the kind that is installed)
;   /D=<folder>             the installation folder; last on the command line, unquoted or
;                           quoted as Windows quotes arguments (/D="C:\A Folder\Fortunix")
;   /Alongside              install even when Fortunix is installed the other way already
;   uninstall.exe [/S] [/RemoveUserData]
;                           removal; the entry's commands name the kind of installation;
;                           /RemoveUserData also removes the recent births of the user who runs
;                           it (the first page offers it, unticked)
; Exit statuses: 0 done; 1 cancelled by the user; 2 failed, or /D= without a full path; 3
; Fortunix or one of its files is in use; 4 Fortunix is installed the other way, or of this kind
; in another folder; 5 the administrator rights for an all-users installation were refused. Whatever the reason, an
; installation or removal that fails changes nothing.
; Built by packaging/windows/BuildInstaller.cmake, which defines PRODUCT (the program's name),
; VERSION, VENDOR, FILES (the macros over the installed tree), INSTALLED_KB (their size), ICON,
; WIZARD_BITMAP, RUNNING_MUTEX and OUTFILE.

Unicode true
Target amd64-unicode  ; a 64-bit installer for a 64-bit program
!pragma warning disable 9100 ; no LegalCopyright in the version information: the program claims none
SetCompressor /SOLID lzma
ManifestDPIAware true
; The installer runs as the user who starts it, so that an installation for that user needs no
; administrator and "Run Fortunix" on the last page starts the program as that user. An
; installation for all users is done by a second copy of the installer that Windows starts
; with administrator rights (the "runas" verb), silently, while this one shows the pages.
RequestExecutionLevel user
; A file that cannot be written ends the installation: the user is never offered to skip it.
AllowSkipFiles off

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The program keeps its settings under the vendor folder named after the program's title
; and the executable's name.
!define SETTINGS_KEY "Software\${PRODUCT}"
; In the installation folder while its files are replaced: the new ones, then the old ones.
!define NEW_FOLDER ".setup-new"
!define OLD_FOLDER ".setup-old"

!define EXIT_FAILED 2
!define EXIT_IN_USE 3
!define EXIT_OTHER_INSTALLATION 4
!define EXIT_NO_ADMINISTRATOR 5
!define ERROR_ACCESS_DENIED 5
!define ERROR_CANCELLED 1223

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include WinMessages.nsh
!include MUI2.nsh

Var Mode            ; AllUsers or CurrentUser
Var ModeGiven       ; 1 when the command line chose the kind of installation
Var FolderGiven     ; 1 when /D= chose the folder
Var Elevated        ; 1 in the copy started with administrator rights for all users
Var Alongside       ; 1 to install although Fortunix is installed the other way
Var EntryName       ; the name in Apps & features and of the Start-menu entry
Var NewFiles        ; where the new files are written first
Var Failed          ; the first file that could not be opened or moved; empty if none
Var AllUsersButton
Var CurrentUserButton
Var RemoveUserData  ; 1 when the uninstaller also removes the user's recent births
Var RemoveUserDataBox

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\fortunix.exe"

Page custom ModePageShow ModePageLeave
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FolderPageShow
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FolderPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_CUSTOMFUNCTION_SHOW PageShow
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW PageShow
!insertmacro MUI_PAGE_FINISH
UninstPage custom un.ConfirmPageShow un.ConfirmPageLeave
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.PageShow
!insertmacro MUI_UNPAGE_INSTFILES
; A last page of its own: once done, the progress page takes the title back with the space
; that the Modern UI puts after it, after any function of the page has run.
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.PageShow
!insertmacro MUI_UNPAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

; FORTUNIX_EXTRACT_FILES, FORTUNIX_FOR_EACH_FILE and FORTUNIX_FOR_EACH_FOLDER, over the
; installed tree; and the signing of the installer and the uninstaller when a certificate is
; given.
!include "${FILES}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${VENDOR}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

; ---------------------------------------------------------------------------------------------
; Shared by the installer and the uninstaller (un. before the uninstaller's functions).

; Per file of the installed tree, relative to $INSTDIR. $Failed keeps the first that fails.

; A file that exists and cannot be opened for writing: a running program or a library it has
; loaded, or a file another program holds.
!macro ProbeFile FILE
    ${If} $Failed == ""
    ${AndIf} ${FileExists} "$INSTDIR\${FILE}"
        ClearErrors
        FileOpen $R9 "$INSTDIR\${FILE}" a
        ${If} ${Errors}
            StrCpy $Failed "${FILE}"
        ${Else}
            FileClose $R9
        ${EndIf}
    ${EndIf}
!macroend

!macro MakeOldFolder FOLDER
    CreateDirectory "$INSTDIR\${OLD_FOLDER}\${FOLDER}"
!macroend

!macro MakeFolder FOLDER
    CreateDirectory "$INSTDIR\${FOLDER}"
!macroend

!macro RemoveFolder FOLDER
    RMDir "$INSTDIR\${FOLDER}"
!macroend

; Renaming works for a program that runs, and keeps the file whole: moved back, it is as it was.
!macro MoveAside FILE
    ${If} $Failed == ""
    ${AndIf} ${FileExists} "$INSTDIR\${FILE}"
        ClearErrors
        Rename "$INSTDIR\${FILE}" "$INSTDIR\${OLD_FOLDER}\${FILE}"
        ${If} ${Errors}
            StrCpy $Failed "${FILE}"
        ${EndIf}
    ${EndIf}
!macroend

!macro PutBack FILE
    ${If} ${FileExists} "$INSTDIR\${OLD_FOLDER}\${FILE}"
        Rename "$INSTDIR\${OLD_FOLDER}\${FILE}" "$INSTDIR\${FILE}"
    ${EndIf}
!macroend

!macro MoveIn FILE
    ${If} $Failed == ""
        ClearErrors
        Rename "$NewFiles\${FILE}" "$INSTDIR\${FILE}"
        ${If} ${Errors}
            StrCpy $Failed "${FILE}"
        ${EndIf}
    ${EndIf}
!macroend

; A new file already moved in leaves room for the old one again.
!macro TakeOut FILE
    ${IfNot} ${FileExists} "$NewFiles\${FILE}"
    ${AndIf} ${FileExists} "$INSTDIR\${FILE}"
        Delete "$INSTDIR\${FILE}"
    ${EndIf}
!macroend

!macro SHARED_FUNCTIONS UN
; The window title without the space that the Modern UI's pages leave after it.
Function ${UN}ShowTitle
    !if "${UN}" == ""
        SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:$(^SetupCaption)"
    !else
        SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:$(^UninstallCaption)"
    !endif
FunctionEnd

Function ${UN}PageShow
    Call ${UN}ShowTitle
    GetDlgItem $R9 $HWNDPARENT 1
    SendMessage $R9 ${BCM_SETSHIELD} 0 0
FunctionEnd

; $R0 = 1 when Fortunix runs in this session: its mutex exists. Refused access means it
; exists under another account of the session, as when this copy has administrator rights.
Function ${UN}FindRunningFortunix
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .R1 ?e'
    Pop $R2
    StrCpy $R0 0
    ${If} $R1 != 0
        System::Call 'kernel32::CloseHandle(p R1)'
        StrCpy $R0 1
    ${ElseIf} $R2 = ${ERROR_ACCESS_DENIED}
        StrCpy $R0 1
    ${EndIf}
FunctionEnd

; Asks the user to close a running Fortunix until it is closed ($R0 = 0) or the user cancels
; ($R0 = 1). In silent mode nobody can close it: $R0 = 1 at once.
Function ${UN}WaitUntilFortunixIsClosed
  check:
    Call ${UN}FindRunningFortunix
    ${If} $R0 == 0
        Return
    ${EndIf}
    !if "${UN}" == ""
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running.$\r$\n$\r$\nClose it, then choose Retry to go on with the installation, or Cancel to stop it." /SD IDCANCEL IDRETRY check
    !else
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running.$\r$\n$\r$\nClose it, then choose Retry to go on removing it, or Cancel to keep it." /SD IDCANCEL IDRETRY check
    !endif
    StrCpy $R0 1
FunctionEnd

; Asks the user to free the files of the installation that are in use until they are free
; ($R0 = 0) or the user cancels ($R0 = 1). The uninstaller leaves out uninstall.exe, which may be
; itself.
Function ${UN}WaitUntilFilesAreFree
  check:
    StrCpy $Failed ""
    !insertmacro FORTUNIX_FOR_EACH_FILE ProbeFile
    !if "${UN}" == ""
        !insertmacro ProbeFile "uninstall.exe"
    !endif
    StrCpy $R0 0
    ${If} $Failed == ""
        Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$INSTDIR\$Failed is in use.$\r$\n$\r$\nClose the program that uses it (a Fortunix tool in a console, for example), then choose Retry, or Cancel to stop." /SD IDCANCEL IDRETRY check
    StrCpy $R0 1
FunctionEnd

; Moves every installed file into ${OLD_FOLDER}: all of them ($R0 = 0) or, when one cannot
; be moved, none ($R0 = 1, $Failed names it).
Function ${UN}MoveOldFilesAside
    StrCpy $Failed ""
    RMDir /r "$INSTDIR\${OLD_FOLDER}"  ; what an update cut short left behind
    CreateDirectory "$INSTDIR\${OLD_FOLDER}"
    !insertmacro FORTUNIX_FOR_EACH_FOLDER MakeOldFolder
    !insertmacro FORTUNIX_FOR_EACH_FILE MoveAside
    !if "${UN}" == ""
        !insertmacro MoveAside "uninstall.exe"
    !endif
    StrCpy $R0 0
    ${If} $Failed != ""
        Call ${UN}PutOldFilesBack
        StrCpy $R0 1
    ${EndIf}
FunctionEnd

Function ${UN}PutOldFilesBack
    !insertmacro FORTUNIX_FOR_EACH_FILE PutBack
    !insertmacro PutBack "uninstall.exe"
    RMDir /r "$INSTDIR\${OLD_FOLDER}"
FunctionEnd

; Runs this program again through the "runas" verb, which has Windows ask for administrator
; rights (no question when this process has them already), with the parameters on the stack,
; and waits for it. $R0: its exit status, or -1 when it did not start (the user said no).
Function ${UN}RunWithAdministratorRights
    Exch $R1
    ; SHELLEXECUTEINFOW of a 64-bit process, field by field: cbSize 0, fMask 4, hwnd 8,
    ; lpVerb 16, lpFile 24, lpParameters 32, lpDirectory 40, nShow 48, ..., hProcess 104.
    System::Alloc 112
    Pop $R2
    System::Call "*$R2(i 112, i 0x140)"  ; SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC
    IntPtrOp $R3 $R2 + 8
    StrCpy $R6 $EXEPATH
    System::Call "*$R3(p $HWNDPARENT, w 'runas', w R6, w R1, p 0, i 1)"
    System::Call 'shell32::ShellExecuteExW(p R2) i .R4'
    ${If} $R4 == 0
        StrCpy $R0 -1
    ${Else}
        IntPtrOp $R3 $R2 + 104
        System::Call "*$R3(p .R5)"
        System::Call 'kernel32::WaitForSingleObject(p R5, i -1)'
        System::Call 'kernel32::GetExitCodeProcess(p R5, *i .R0)'
        System::Call 'kernel32::CloseHandle(p R5)'
    ${EndIf}
    System::Free $R2
    Pop $R1
FunctionEnd

; The copy with administrator rights refuses to run without them.
Function ${UN}RequireAdministrator
    UserInfo::GetAccountType
    Pop $R9
    ${If} $R9 != "Admin"
        SetErrorLevel ${EXIT_NO_ADMINISTRATOR}
        Quit
    ${EndIf}
FunctionEnd

Function ${UN}UseModeContext
    ${If} $Mode == "AllUsers"
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd
!macroend

!insertmacro SHARED_FUNCTIONS ""
!insertmacro SHARED_FUNCTIONS "un."

; ---------------------------------------------------------------------------------------------
; The installer.

Function .onInit
    SetRegView 64
    ${GetParameters} $R0
    StrCpy $Mode "CurrentUser"
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $Mode "AllUsers"
        StrCpy $ModeGiven 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/CurrentUser" $R1
    ${IfNot} ${Errors}
        StrCpy $Mode "CurrentUser"
        StrCpy $ModeGiven 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/Alongside" $R1
    ${IfNot} ${Errors}
        StrCpy $Alongside 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/Elevated" $R1
    ${IfNot} ${Errors}
        StrCpy $Elevated 1
        Call RequireAdministrator
    ${EndIf}
    ; Without a choice on the command line, the kind that is installed, when only one is.
    ${If} $ModeGiven != 1
        ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $R1 != ""
        ${AndIf} $R2 == ""
            StrCpy $Mode "AllUsers"
        ${EndIf}
    ${EndIf}
    ${If} $INSTDIR == ""
        Call ReadQuotedFolder
    ${EndIf}
    ${If} $INSTDIR != ""
        StrCpy $FolderGiven 1
    ${EndIf}
    Call ApplyMode

    Call WaitUntilFortunixIsClosed
    ${If} $R0 != 0
        SetErrorLevel ${EXIT_IN_USE}
        Quit
    ${EndIf}
    ${If} ${Silent}
        ; Nobody to ask: the command line must have said so.
        Call FindOtherInstallation
        ${If} $R0 != ""
        ${AndIf} $Alongside != 1
            SetErrorLevel ${EXIT_OTHER_INSTALLATION}
            Quit
        ${EndIf}
        Call FindThisKindElsewhere
        ${If} $R0 != ""
            SetErrorLevel ${EXIT_OTHER_INSTALLATION}
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

; A /D= that the installer's own reading leaves out: quoted as Windows quotes an argument,
; /D="C:\A Folder" or "/D=C:\A Folder". Windows' own parsing of the command line gives the
; folder; one that is not a full path ends the installer with a message.
Function ReadQuotedFolder
    System::Call 'kernel32::GetCommandLineW() p .R1'
    System::Call 'shell32::CommandLineToArgvW(p R1, *i .R2) p .R3'
    StrCpy $R0 ""
    IntOp $R2 $R2 - 1
    ${For} $R4 1 $R2
        IntOp $R5 $R4 * 8  ; the size of a pointer in this 64-bit installer
        IntPtrOp $R5 $R3 + $R5
        System::Call "*$R5(p .R6)"
        System::Call 'kernel32::lstrcpynW(w .R7, p R6, i ${NSIS_MAX_STRLEN})'
        StrCpy $R8 $R7 3
        ${If} $R8 S== "/D="
            StrCpy $R0 $R7 "" 3
        ${EndIf}
    ${Next}
    System::Call 'kernel32::LocalFree(p R3)'
    ${If} $R0 == ""
        Return
    ${EndIf}
    StrCpy $R8 $R0 2 1
    StrCpy $R9 $R0 2
    ${If} $R8 != ":\"
    ${AndIf} $R9 != "\\"
        MessageBox MB_OK|MB_ICONSTOP "The installation folder after /D= is not a full path:$\r$\n$R0$\r$\n$\r$\nWrite /D= last on the command line, followed by the folder's full path, for example:$\r$\n/D=C:\Program Files\${PRODUCT}" /SD IDOK
        SetErrorLevel ${EXIT_FAILED}
        Quit
    ${EndIf}
    StrCpy $INSTDIR $R0
FunctionEnd

Function .onInstFailed
    RMDir /r "$INSTDIR\${NEW_FOLDER}"
FunctionEnd

; The folders, registry hive and entry name of the kind chosen, and the folder proposed: the
; one /D= gave, else the one of an installation of this kind, else the usual one.
Function ApplyMode
    Call UseModeContext
    ReadRegStr $EntryName SHCTX "${UNINSTALL_KEY}" "DisplayName"
    ${If} $FolderGiven != 1
        ReadRegStr $R9 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $R9 != ""
            StrCpy $INSTDIR $R9
        ${ElseIf} $Mode == "AllUsers"
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
        ${Else}
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        ${EndIf}
    ${EndIf}
FunctionEnd

; $R0: the folder of an installation of the other kind when there is one and none of this kind
; (with both, both were wanted); else empty. $R1: how that one was installed, in words.
Function FindOtherInstallation
    ${If} $Mode == "AllUsers"
        ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        ReadRegStr $R2 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        StrCpy $R1 "for you alone"
    ${Else}
        ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        StrCpy $R1 "for all users of this computer"
    ${EndIf}
    ${If} $R2 != ""
        StrCpy $R0 ""
    ${EndIf}
FunctionEnd

; $R0: the folder of an installation of this kind when it is not $INSTDIR; else empty.
Function FindThisKindElsewhere
    ReadRegStr $R0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R0 == $INSTDIR  ; StrCmp ignores case, as Windows paths do
        StrCpy $R0 ""
    ${EndIf}
FunctionEnd

; With an installation of the other kind, offers to keep it (and update it) instead of making a
; second one, which Windows would list beside it.
Function AskAboutOtherInstallation
    Call FindOtherInstallation
    ${If} $R0 == ""
    ${OrIf} $Alongside == 1
        Return
    ${EndIf}
    ${If} $Mode == "AllUsers"
        StrCpy $R2 "for all users"
        StrCpy $R3 "${PRODUCT} (all users)"
    ${Else}
        StrCpy $R2 "for you alone"
        StrCpy $R3 "${PRODUCT} (current user)"
    ${EndIf}
    MessageBox MB_YESNO|MB_ICONQUESTION "${PRODUCT} is already installed $R1, in$\r$\n$R0$\r$\n$\r$\nKeep that installation and update it?$\r$\n$\r$\nChoose No to install a second copy $R2; the Start menu and Apps & features then list it as $\"$R3$\" beside the first." IDNO second
    ${If} $Mode == "AllUsers"
        StrCpy $Mode "CurrentUser"
    ${Else}
        StrCpy $Mode "AllUsers"
    ${EndIf}
    StrCpy $FolderGiven ""
    Call ApplyMode
    Return
  second:
    StrCpy $Alongside 1
FunctionEnd

Function ModePageShow
    ${If} $ModeGiven == 1
        Call AskAboutOtherInstallation
        Abort  ; the command line has chosen: no page
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "Choose Users" "Choose for which users you want to install $(^NameDA)."
    nsDialogs::Create 1018
    Pop $R0
    ${NSD_CreateLabel} 0 0 100% 24u "Select whether you want to install $(^NameDA) only for yourself or for all users of this computer. $(^ClickNext)"
    Pop $R0
    ${NSD_CreateRadioButton} 30u 50u 90% 10u "Install for anyone using this computer"
    Pop $AllUsersButton
    ${NSD_CreateRadioButton} 30u 70u 90% 10u "Install just for me"
    Pop $CurrentUserButton
    ${If} $Mode == "AllUsers"
        ${NSD_Check} $AllUsersButton
    ${Else}
        ${NSD_Check} $CurrentUserButton
    ${EndIf}
    Call PageShow
    nsDialogs::Show
FunctionEnd

Function ModePageLeave
    ${NSD_GetState} $AllUsersButton $R0
    ${If} $R0 == ${BST_CHECKED}
        StrCpy $Mode "AllUsers"
    ${Else}
        StrCpy $Mode "CurrentUser"
    ${EndIf}
    Call ApplyMode
    Call AskAboutOtherInstallation
FunctionEnd

; The Install button carries the shield when it will ask for administrator rights.
Function FolderPageShow
    Call ShowTitle
    StrCpy $R0 0
    ${If} $Mode == "AllUsers"
    ${AndIf} $Elevated != 1
        StrCpy $R0 1
    ${EndIf}
    GetDlgItem $R9 $HWNDPARENT 1
    SendMessage $R9 ${BCM_SETSHIELD} 0 $R0
FunctionEnd

Function FolderPageLeave
    Call FindThisKindElsewhere
    ${If} $R0 != ""
        MessageBox MB_OK|MB_ICONEXCLAMATION "${PRODUCT} is already installed in$\r$\n$R0$\r$\n$\r$\nTo update it, install it in that folder. To move it, remove it first in Apps & features."
        Abort  ; stay on the page
    ${EndIf}
FunctionEnd

; Writes every new file beside the installation, moves the old ones aside, moves the new ones in
; and only then removes the old ones, so that a failure on the way leaves the installation as
; it was. $R0: 0, or the exit status of the failure (its message shown).
Function InstallHere
    Call WaitUntilFilesAreFree
    ${If} $R0 != 0
        StrCpy $R0 ${EXIT_IN_USE}
        Return
    ${EndIf}

    StrCpy $NewFiles "$INSTDIR\${NEW_FOLDER}"
    RMDir /r $NewFiles
    !insertmacro FORTUNIX_EXTRACT_FILES
    WriteUninstaller "$NewFiles\uninstall.exe"
    SetOutPath "$INSTDIR"  ; out of $NewFiles, so that it can be removed

    Call MoveOldFilesAside
    ${If} $R0 != 0
        RMDir /r $NewFiles
        MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$Failed could not be replaced. Nothing was changed." /SD IDOK
        StrCpy $R0 ${EXIT_IN_USE}
        Return
    ${EndIf}
    !insertmacro FORTUNIX_FOR_EACH_FOLDER MakeFolder
    StrCpy $Failed ""
    !insertmacro FORTUNIX_FOR_EACH_FILE MoveIn
    !insertmacro MoveIn "uninstall.exe"
    ${If} $Failed != ""
        !insertmacro FORTUNIX_FOR_EACH_FILE TakeOut
        !insertmacro TakeOut "uninstall.exe"
        Call PutOldFilesBack
        RMDir /r $NewFiles
        MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$Failed could not be written. Nothing was changed." /SD IDOK
        StrCpy $R0 ${EXIT_FAILED}
        Return
    ${EndIf}
    ; A file still held by a copy in another user's session goes with the next update or the
    ; removal.
    RMDir /r "$INSTDIR\${OLD_FOLDER}"
    RMDir /r $NewFiles

    Call WriteEntries
FunctionEnd

; The Start-menu entry and the entry in Apps & features (HKLM for all users, HKCU for the
; current user). A second installation beside one of the other kind is named after its kind.
Function WriteEntries
    ${If} $EntryName == ""
        StrCpy $EntryName "${PRODUCT}"
        ${If} $Alongside == 1
        ${AndIf} $Mode == "AllUsers"
            StrCpy $EntryName "${PRODUCT} (all users)"
        ${ElseIf} $Alongside == 1
            StrCpy $EntryName "${PRODUCT} (current user)"
        ${EndIf}
    ${EndIf}
    SetOutPath "$INSTDIR"  ; the working folder of the shortcut
    CreateShortCut "$SMPROGRAMS\$EntryName.lnk" "$INSTDIR\fortunix.exe" "" "$INSTDIR\fortunix.exe" 0
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "$EntryName"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${VENDOR}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\fortunix.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    ; _?= runs the uninstaller where it lies, so that whoever starts it gets its exit status.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$Mode _?=$INSTDIR'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$Mode /S _?=$INSTDIR'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $R1 $R2 $R3
    IntFmt $R1 "0x%08X" $R1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$R1"
    StrCpy $R0 0
FunctionEnd

; For all users, from the copy without administrator rights: the copy with them does the work.
Function InstallThroughAdministratorCopy
    DetailPrint "Installing for all users, with administrator rights, in $INSTDIR"
    StrCpy $R1 "/S /AllUsers /Elevated"
    ${If} $Alongside == 1
        StrCpy $R1 "$R1 /Alongside"
    ${EndIf}
    Push "$R1 /D=$INSTDIR"
    Call RunWithAdministratorRights
    ${If} $R0 == -1
        MessageBox MB_OK|MB_ICONSTOP "Installing ${PRODUCT} for all users needs administrator rights. Nothing was changed." /SD IDOK
        StrCpy $R0 ${EXIT_NO_ADMINISTRATOR}
    ${ElseIf} $R0 == ${EXIT_IN_USE}
        MessageBox MB_OK|MB_ICONSTOP "A file of ${PRODUCT} in $INSTDIR is in use. Close the programs that use it and try again. Nothing was changed." /SD IDOK
    ${ElseIf} $R0 != 0
        MessageBox MB_OK|MB_ICONSTOP "The installation for all users failed (exit status $R0). Nothing was changed." /SD IDOK
    ${EndIf}
FunctionEnd

Section "Fortunix"
    ; What the files take once installed: they are written by a function, where NSIS counts
    ; nothing.
    AddSize ${INSTALLED_KB}
    ; Asked again: the program may have been started since the installer was.
    Call WaitUntilFortunixIsClosed
    ${If} $R0 != 0
        SetErrorLevel ${EXIT_IN_USE}
        Abort
    ${EndIf}
    ${If} $Mode == "AllUsers"
    ${AndIf} $Elevated != 1
        Call InstallThroughAdministratorCopy
    ${Else}
        Call InstallHere
    ${EndIf}
    ${If} $R0 != 0
        SetErrorLevel $R0
        Abort
    ${EndIf}
SectionEnd

; ---------------------------------------------------------------------------------------------
; The uninstaller.

Function un.onInit
    SetOutPath $TEMP  ; out of the installation folder, so that it can be removed
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/AfterProcess=" $R1
    ${IfNot} ${Errors}
        Call un.RemoveUninstallerAfterProcess
    ${EndIf}
    SetRegView 64
    ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCpy $Mode "CurrentUser"
    ${If} $R1 == $INSTDIR
        StrCpy $Mode "AllUsers"
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $Mode "AllUsers"
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/CurrentUser" $R1
    ${IfNot} ${Errors}
        StrCpy $Mode "CurrentUser"
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/RemoveUserData" $R1
    ${IfNot} ${Errors}
        StrCpy $RemoveUserData 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/Elevated" $R1
    ${IfNot} ${Errors}
        StrCpy $Elevated 1
        Call un.RequireAdministrator
    ${EndIf}

    ${If} $Mode == "AllUsers"
    ${AndIf} $Elevated != 1
        StrCpy $R1 "/AllUsers /Elevated"
        ${If} ${Silent}
            StrCpy $R1 "$R1 /S"
        ${EndIf}
        ${If} $RemoveUserData == 1
            StrCpy $R1 "$R1 /RemoveUserData"
        ${EndIf}
        Push "$R1 _?=$INSTDIR"
        Call un.RunWithAdministratorRights
        ${If} $R0 == -1
            MessageBox MB_OK|MB_ICONSTOP "Removing ${PRODUCT} for all users needs administrator rights. Nothing was changed." /SD IDOK
            StrCpy $R0 ${EXIT_NO_ADMINISTRATOR}
        ${EndIf}
        SetErrorLevel $R0
        Quit
    ${EndIf}
    Call un.UseModeContext

    Call un.WaitUntilFortunixIsClosed
    ${If} $R0 != 0
        SetErrorLevel ${EXIT_IN_USE}
        Quit
    ${EndIf}
FunctionEnd

; The first page: where Fortunix is removed from, and the offer to remove the user's recent
; births too, unticked: they are the user's own, and a later installation lists them again.
Function un.ConfirmPageShow
    !insertmacro MUI_HEADER_TEXT "Uninstall ${PRODUCT}" "Remove ${PRODUCT} from your computer."
    nsDialogs::Create 1018
    Pop $R0
    ${NSD_CreateLabel} 0 0 100% 12u "${PRODUCT} will be removed from this folder:"
    Pop $R0
    ${NSD_CreateText} 0 14u 100% 12u "$INSTDIR"
    Pop $R0
    SendMessage $R0 ${EM_SETREADONLY} 1 0
    ${NSD_CreateCheckBox} 0 40u 100% 10u "Also remove my recent births"
    Pop $RemoveUserDataBox
    ${If} $RemoveUserData == 1
        ${NSD_Check} $RemoveUserDataBox
    ${EndIf}
    ${NSD_CreateLabel} 12u 52u 95% 36u "The names and birth data of your last readings, kept for you alone. Left in place, a later installation of ${PRODUCT} lists them again."
    Pop $R0
    Call un.PageShow
    nsDialogs::Show
FunctionEnd

Function un.ConfirmPageLeave
    ${NSD_GetState} $RemoveUserDataBox $R0
    StrCpy $RemoveUserData 0
    ${If} $R0 == ${BST_CHECKED}
        StrCpy $RemoveUserData 1
    ${EndIf}
FunctionEnd

; The last step of a removal, in a copy of the uninstaller: once the process $R1 (the
; uninstaller run where it lies, and with it the one that started that with administrator
; rights) has ended, deletes uninstall.exe and the installation folder.
Function un.RemoveUninstallerAfterProcess
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i R1) p .R2'
    ${If} $R2 != 0
        System::Call 'kernel32::WaitForSingleObject(p R2, i 60000)'
        System::Call 'kernel32::CloseHandle(p R2)'
    ${EndIf}
    ${For} $R3 1 40
        Delete "$INSTDIR\uninstall.exe"
        ${IfNot} ${FileExists} "$INSTDIR\uninstall.exe"
            ${Break}
        ${EndIf}
        Sleep 250
    ${Next}
    RMDir "$INSTDIR"
    Delete /REBOOTOK "$EXEPATH"  ; this copy, when this user may ask for that
    Quit
FunctionEnd

Section "Uninstall"
    Call un.WaitUntilFortunixIsClosed
    ${If} $R0 != 0
        SetErrorLevel ${EXIT_IN_USE}
        Abort
    ${EndIf}
    Call un.WaitUntilFilesAreFree
    ${If} $R0 != 0
        SetErrorLevel ${EXIT_IN_USE}
        Abort
    ${EndIf}
    ; All the files out of the way first: one that cannot be moved leaves everything in place.
    Call un.MoveOldFilesAside
    ${If} $R0 != 0
        MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$Failed could not be removed. Nothing was changed." /SD IDOK
        SetErrorLevel ${EXIT_IN_USE}
        Abort
    ${EndIf}
    RMDir /r /REBOOTOK "$INSTDIR\${OLD_FOLDER}"
    RMDir /r "$INSTDIR\${NEW_FOLDER}"
    !insertmacro FORTUNIX_FOR_EACH_FOLDER RemoveFolder

    ReadRegStr $EntryName SHCTX "${UNINSTALL_KEY}" "DisplayName"
    ${If} $EntryName == ""
        StrCpy $EntryName "${PRODUCT}"
    ${EndIf}
    Delete "$SMPROGRAMS\$EntryName.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; The current user's settings: one key per executable name under the program's folder.
    DeleteRegKey HKCU "${SETTINGS_KEY}\fortunix"
    DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
    ; The current user's single-instance lock, left behind by a copy that was ended by force.
    SetShellVarContext current
    Delete "$LOCALAPPDATA\${PRODUCT}\fortunix.lock"
    RMDir "$LOCALAPPDATA\${PRODUCT}"
    ; The recent births of the user who runs the removal, when asked: the list, the copies of
    ; an unreadable one set aside, a copy cut short. Other users' stay in their own folders.
    ${If} $RemoveUserData == 1
        Delete "$APPDATA\${PRODUCT}\recent-births*"
        RMDir "$APPDATA\${PRODUCT}"
    ${EndIf}

    ; This uninstaller. Run where it lies (_?=), it cannot delete itself: a copy of it in the
    ; temporary folder does so once this process has ended.
    Delete "$INSTDIR\uninstall.exe"
    ${If} ${FileExists} "$INSTDIR\uninstall.exe"
        GetTempFileName $R0
        Delete $R0
        CopyFiles /SILENT "$EXEPATH" "$R0.exe"
        System::Call 'kernel32::GetCurrentProcessId() i .R1'
        Exec '"$R0.exe" /AfterProcess=$R1 _?=$INSTDIR'
    ${Else}
        RMDir "$INSTDIR"
    ${EndIf}
SectionEnd
