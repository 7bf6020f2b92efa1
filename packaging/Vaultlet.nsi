; The installer of Quillmoth Keyhaven (64-bit), built by packaging/CMakeLists.txt from the Windows build
; tree. makensis is given the paths of what goes in:
;   PROGRAM (Vaultlet.exe), CLI (vaultlet-cli.exe), LANGUAGE_FILE (vaultlet_lang.xml), ICON (program.ico)
;   and OUTPUT (the installer to write).
; The version shown and stamped on the installer is read from Vaultlet.exe's own version resource, so it
; cannot drift from the program's.
;
; What it puts in place, and what the uninstaller takes away again: the three files under Program Files,
; the machine key's "Install_Dir" (an installed copy keeps its settings in the registry, every other copy
; in the ini file beside it), a Start-menu shortcut, the .kvtdat file type and the Add/Remove Programs
; entry. The user's databases and settings are never touched.

Unicode true
Target amd64-unicode
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "Quillmoth Keyhaven"
!define PUBLISHER "Quillmoth"
!define SETTINGS_KEY "Software\Quillmoth\Keyhaven"
!define COMPANY_KEY "Software\Quillmoth"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuillmothKeyhaven"
; The run entry is the program's own "Run at Windows Startup" option: named after the product, its
; command the quoted executable path followed by the start-up arguments.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define EXTENSION ".kvtdat"
!define PROG_ID "QuillmothKeyhaven.Database"
!define CLASSES "Software\Classes"

!getdllversion "${PROGRAM}" VERSION_
!define VERSION "${VERSION_1}.${VERSION_2}.${VERSION_3}"

Name "${PRODUCT}"
OutFile "${OUTPUT}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${SETTINGS_KEY}" "Install_Dir"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vaultlet.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The program's three interface languages; the installer takes the one of the system.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Ukrainian"

LangString FileTypeName ${LANG_ENGLISH} "${PRODUCT} Database"
LangString FileTypeName ${LANG_RUSSIAN} "База данных ${PRODUCT}"
LangString FileTypeName ${LANG_UKRAINIAN} "База даних ${PRODUCT}"

; The program's own version resource names no copyright holder either.
!pragma warning disable 9100
VIProductVersion "${VERSION_1}.${VERSION_2}.${VERSION_3}.${VERSION_4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

Section "-Program"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=Vaultlet.exe" "${PROGRAM}"
    File "/oname=vaultlet-cli.exe" "${CLI}"
    File "/oname=vaultlet_lang.xml" "${LANGUAGE_FILE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    WriteRegStr HKLM "${SETTINGS_KEY}" "Install_Dir" "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Vaultlet.exe"
    Call RegisterFileType
    Call WriteUninstallEntry
SectionEnd

; Opening a database file starts the program with the file's path as its whole argument text; quoted,
; so that a path with spaces arrives in one piece.
Function RegisterFileType
    WriteRegStr HKLM "${CLASSES}\${EXTENSION}" "" "${PROG_ID}"
    WriteRegStr HKLM "${CLASSES}\${PROG_ID}" "" "$(FileTypeName)"
    WriteRegStr HKLM "${CLASSES}\${PROG_ID}\DefaultIcon" "" "$INSTDIR\Vaultlet.exe,0"
    WriteRegStr HKLM "${CLASSES}\${PROG_ID}\shell\open\command" "" '"$INSTDIR\Vaultlet.exe" "%1"'
    ; SHCNE_ASSOCCHANGED: Explorer shows the new icon and type name at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
FunctionEnd

Function WriteUninstallEntry
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vaultlet.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

; Only what the installer put there goes. The folder itself stays when the user keeps anything in it (a
; database, an ini file); so do the user's settings and a "CheckUpdatesOnStart" an administrator set in
; the machine key.
Section "Uninstall"
    SetShellVarContext all
    Delete "$INSTDIR\Vaultlet.exe"
    Delete "$INSTDIR\vaultlet-cli.exe"
    Delete "$INSTDIR\vaultlet_lang.xml"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"

    Call un.UnregisterFileType
    Call un.RemoveRunEntry
    DeleteRegValue HKLM "${SETTINGS_KEY}" "Install_Dir"
    DeleteRegKey /ifempty HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "${COMPANY_KEY}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; The extension keeps whatever another program added to it; it loses only our claim on it.
Function un.UnregisterFileType
    ReadRegStr $0 HKLM "${CLASSES}\${EXTENSION}" ""
    ${If} $0 == "${PROG_ID}"
        DeleteRegValue HKLM "${CLASSES}\${EXTENSION}" ""
        DeleteRegKey /ifempty HKLM "${CLASSES}\${EXTENSION}"
    ${EndIf}
    DeleteRegKey HKLM "${CLASSES}\${PROG_ID}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
FunctionEnd

; A "Run at Windows Startup" entry of this copy would start a program that is gone at every log-on. An
; entry of a portable copy elsewhere stays. Older versions wrote the path without quotes.
Function un.RemoveRunEntry
    ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
    StrCpy $1 '"$INSTDIR\Vaultlet.exe"'
    StrLen $2 $1
    StrCpy $3 $0 $2
    StrCpy $1 "$INSTDIR\Vaultlet.exe "
    StrLen $2 $1
    StrCpy $4 $0 $2
    ${If} $3 == '"$INSTDIR\Vaultlet.exe"'
    ${OrIf} $4 == "$INSTDIR\Vaultlet.exe "
        DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    ${EndIf}
FunctionEnd
