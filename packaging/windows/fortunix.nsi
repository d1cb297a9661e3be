; The Windows installer of Fortunix: Fortunix-<version>-setup.exe.
; Installs for the current user (default, no administrator rights needed) or for all users of
; the computer, adds a Start-menu entry and an entry in Apps & features, and its uninstaller
; removes exactly the files it installed, the entries and the current user's settings.
;   /S                 silent, for the current user
;   /S /AllUsers       silent, for all users (administrator)
;   uninstall.exe /S   silent removal (the mode of the installation is part of its command)
; Built by packaging/windows/BuildInstaller.cmake, which defines PRODUCT (the program's name),
; VERSION, VENDOR, STAGE (the installed tree), FILES (File and Delete lines for it), ICON and
; OUTFILE.

Unicode true
Target amd64-unicode  ; a 64-bit installer for a 64-bit program
!pragma warning disable 9100 ; no LegalCopyright in the version information: the program claims none
SetCompressor /SOLID lzma
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The program keeps its settings under the vendor folder named after the program's title
; and the executable's name.
!define SETTINGS_KEY "Software\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\fortunix.exe"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; FORTUNIX_INSTALL_FILES and FORTUNIX_DELETE_FILES: one line per file of the installed tree.
!include "${FILES}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${VENDOR}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

Function .onInit
    SetRegView 64
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

; HKLM for all users, HKCU for the current user.
!macro WriteUninstallEntry
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${VENDOR}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\fortunix.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
!macroend

Section "Fortunix"
    SetOutPath "$INSTDIR"
    !insertmacro FORTUNIX_INSTALL_FILES
    WriteUninstaller "$INSTDIR\uninstall.exe"
    SetOutPath "$INSTDIR"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\fortunix.exe" "" "$INSTDIR\fortunix.exe" 0
    !insertmacro WriteUninstallEntry
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    !insertmacro FORTUNIX_DELETE_FILES
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; The current user's settings: one key per executable name under the program's folder.
    DeleteRegKey HKCU "${SETTINGS_KEY}\fortunix"
    DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
    ; The current user's single-instance lock, left behind by a copy that was ended by force.
    SetShellVarContext current
    Delete "$LOCALAPPDATA\${PRODUCT}\fortunix.lock"
    RMDir "$LOCALAPPDATA\${PRODUCT}"
SectionEnd

