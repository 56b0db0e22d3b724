; The per-user setup program for Windows (make windows-installer).
; Run from the top folder with GENERATED, the 64-bit build's folder of generated files, and DIST,
; the folder that holds the 64-bit program and receives the setup program.
Unicode true
; 64-bit, as the program it installs: 32-bit Windows takes duplexa-x86.exe as it is.
Target amd64-unicode
ManifestDPIAware true
!include "${GENERATED}/duplexa_version.nsh"
!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Duplexa"

Name "Duplexa"
OutFile "${DIST}/duplexa-${VERSION}-setup.exe"
; Everything goes below the user's own folders and keys: no administrator right is asked for.
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Duplexa"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
; Installed files take the time they are installed: no build time goes into the setup program.
SetDateSave off
BrandingText "Duplexa ${VERSION}"

!define MUI_ICON "window/pictures/duplexa.ico"
!define MUI_UNICON "window/pictures/duplexa.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\duplexa.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; Pages in the system's language when it is one of these, English otherwise.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Hungarian"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Duplexa"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "Veltrimo"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Duplexa setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${COPYRIGHT}"

Section
    SetOutPath "$INSTDIR"
    File "${DIST}/duplexa.exe"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Duplexa.lnk" "$INSTDIR\duplexa.exe" "" "$INSTDIR\duplexa.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Duplexa"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Veltrimo"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\duplexa.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "https://www.veltrimo.hu/"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the setup program put there goes: a folder the user chose keeps anything else in
; it, and the settings under HKCU\Software\Veltrimo stay.
Section "Uninstall"
    Delete "$INSTDIR\duplexa.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Duplexa.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
