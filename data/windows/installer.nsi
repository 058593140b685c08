; Tessivane's installer for Windows: per user, no administrator rights, into
; %LOCALAPPDATA%\Programs\Tessivane, with a Start-menu shortcut and an entry in
; "Apps & features".  /S installs and uninstalls without a question.
; makensis gets VERSION, MAKER, ICON, FILES and UNFILES (the lists of the portable
; folder's files, made with it), LICENSE and OUTFILE from the build, and SIGN, a
; command that signs the file named after it, when the build signs.

; The program is 64-bit, and so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!ifdef SIGN
    !uninstfinalize '${SIGN} "%1"' = 0
    !finalize '${SIGN} "%1"' = 0
!endif

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessivane"

Name "Tessivane"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tessivane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${MAKER}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Tessivane"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${MAKER}"
VIAddVersionKey "LegalCopyright" "${MAKER}"
VIAddVersionKey "FileDescription" "Tessivane ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tessivane.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Tessivane"
    ; Installing over an earlier install replaces it: its own uninstaller
    ; removes its files first (settings stay).
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\Uninstall.exe"
        ExecWait '"$0\Uninstall.exe" /S _?=$0'
        Delete "$0\Uninstall.exe"
        RMDir "$0"
    ${EndIf}

    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Tessivane.lnk" "$INSTDIR\tessivane.exe" "" "$INSTDIR\tessivane.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tessivane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tessivane.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Tessivane.lnk"
    !include "${UNFILES}"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    ; The programs folder is the user's; it goes only when nothing else is in it.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
