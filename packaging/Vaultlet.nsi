; The installer of Quillmoth Keyhaven (64-bit), built by packaging/CMakeLists.txt from the Windows build
; tree. makensis is given the paths of what goes in:
;   PROGRAM (Vaultlet.exe), CLI (vaultlet-cli.exe), LANGUAGE_FILE (vaultlet_lang.xml), HELP_FILE (Vaultlet.chm),
;   ICON (program.ico) and OUTPUT (the installer to write).
; The version shown and stamped on the installer is read from Vaultlet.exe's own version resource, so it
; cannot drift from the program's.
;
; What it puts in place, and what the uninstaller takes away again: the four files under Program Files,
; the machine key's "Install_Dir" (an installed copy keeps its settings in the registry, every other copy
; in the ini file beside it), a Start-menu shortcut, the .kvtdat file type and the Add/Remove Programs
; entry. The user's databases and settings are never touched.
;
; Neither installs nor uninstalls while a copy of the program runs. A folder outside Program Files gets the
; permissions of Program Files, or is refused; the finish page starts the program as the logged-on user.

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
; Every running copy of the program holds this event (the program's single-instance rule).
!define INSTANCE_EVENT "{181769CA-D547-48f4-8DE8-F87F61A03F74}"
; The permissions of Program Files for a folder elsewhere: owned by the Administrators, who with the system
; have full control; users may read and run, nobody else may change a file. Protected: nothing is inherited
; from a parent any local user may write to.
!define PROTECTED_FOLDER_SDDL "O:BAD:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)"

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
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(RunProgram)"
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsLoggedOnUser

!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckFolderOnLeave
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
LangString RunProgram ${LANG_ENGLISH} "Start ${PRODUCT}"
LangString RunProgram ${LANG_RUSSIAN} "Запустить ${PRODUCT}"
LangString RunProgram ${LANG_UKRAINIAN} "Запустити ${PRODUCT}"
LangString ProgramRunning ${LANG_ENGLISH} "${PRODUCT} is running. Close it (also in the notification area, and for every user of this computer), then choose Retry."
LangString ProgramRunning ${LANG_RUSSIAN} "${PRODUCT} запущен. Закройте его (в том числе в области уведомлений и у всех пользователей этого компьютера) и нажмите «Повтор»."
LangString ProgramRunning ${LANG_UKRAINIAN} "${PRODUCT} запущено. Закрийте його (зокрема в області сповіщень і в усіх користувачів цього комп'ютера) і натисніть «Повторити»."
LangString FolderNotEmpty ${LANG_ENGLISH} "The folder $INSTDIR is outside Program Files and already holds other files. Choose a new or empty folder, or one in Program Files: only there can the installer give it permissions that keep other users from changing the program."
LangString FolderNotEmpty ${LANG_RUSSIAN} "Папка $INSTDIR находится вне Program Files и уже содержит другие файлы. Выберите новую или пустую папку либо папку в Program Files: только такой папке установщик может дать права, при которых другие пользователи не смогут изменить программу."
LangString FolderNotEmpty ${LANG_UKRAINIAN} "Тека $INSTDIR розташована поза Program Files і вже містить інші файли. Виберіть нову або порожню теку чи теку в Program Files: лише такій теці інсталятор може надати права, за яких інші користувачі не зможуть змінити програму."
LangString FolderNotProtected ${LANG_ENGLISH} "The permissions of $INSTDIR could not be set (error $0). Nothing was installed."
LangString FolderNotProtected ${LANG_RUSSIAN} "Не удалось задать права доступа к папке $INSTDIR (ошибка $0). Ничего не установлено."
LangString FolderNotProtected ${LANG_UKRAINIAN} "Не вдалося встановити права доступу до теки $INSTDIR (помилка $0). Нічого не встановлено."

; The program's own version resource names no copyright holder either.
!pragma warning disable 9100
VIProductVersion "${VERSION_1}.${VERSION_2}.${VERSION_3}.${VERSION_4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

; Exit status of a refused installation or uninstallation: "aborted by the script".
!define REFUSED 2

; A copy that runs would keep its files from being replaced or removed, and could write settings the
; uninstaller is about to leave behind: wait for the user to close it, or give up. A copy started by another
; user or at another level still owns the event; opening it is then denied, which tells the same.
!macro RefuseWhileRunning un
Function ${un}RefuseWhileRunning
    retry:
    System::Call 'kernel32::OpenEventW(i 0x00100000, i 0, w "${INSTANCE_EVENT}") p .r0 ?e'
    Pop $1
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
    ${ElseIf} $1 <> 5 ; ERROR_ACCESS_DENIED
        Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel ${REFUSED}
    Quit
FunctionEnd
!macroend
!insertmacro RefuseWhileRunning ""
!insertmacro RefuseWhileRunning "un."

; A silent installation takes its folder from /D= and has no folder page to refuse it on.
Function .onInit
    Call RefuseWhileRunning
    ${If} ${Silent}
        Call IsFolderAcceptable
        Call QuitUnlessAcceptable
    ${EndIf}
FunctionEnd

Function un.onInit
    Call un.RefuseWhileRunning
FunctionEnd

; $0: 1 when $INSTDIR is inside Program Files (which gives its folders safe permissions), else 0.
Function IsInProgramFiles
    GetFullPathName $2 "$INSTDIR"
    StrCpy $0 0
    ${ForEach} $3 1 2 + 1
        ${If} $3 = 1
            StrCpy $4 "$PROGRAMFILES64\"
        ${Else}
            StrCpy $4 "$PROGRAMFILES\"
        ${EndIf}
        StrLen $5 $4
        StrCpy $6 $2 $5
        ${If} $6 == $4
            StrCpy $0 1
        ${EndIf}
    ${Next}
FunctionEnd

; $0: 1 when the installer may take $INSTDIR: inside Program Files; elsewhere a folder that does not exist
; yet, is empty or holds an earlier installation of the program (any other folder would lose its owner's
; permissions).
Function IsFolderAcceptable
    Call IsInProgramFiles
    ${If} $0 = 1
    ${OrIfNot} ${FileExists} "$INSTDIR\*.*"
    ${OrIf} ${FileExists} "$INSTDIR\uninstall.exe"
        StrCpy $0 1
        Return
    ${EndIf}
    StrCpy $0 1
    FindFirst $1 $2 "$INSTDIR\*"
    ${DoWhile} $2 != ""
        ${If} $2 != "."
        ${AndIf} $2 != ".."
            StrCpy $0 0
        ${EndIf}
        FindNext $1 $2
    ${Loop}
    FindClose $1
FunctionEnd

Function QuitUnlessAcceptable
    ${If} $0 = 0
        MessageBox MB_OK|MB_ICONSTOP "$(FolderNotEmpty)" /SD IDOK
        SetErrorLevel ${REFUSED}
        Quit
    ${EndIf}
FunctionEnd

Function CheckFolderOnLeave
    Call IsFolderAcceptable
    ${If} $0 = 0
        MessageBox MB_OK|MB_ICONSTOP "$(FolderNotEmpty)"
        Abort ; stays on the page
    ${EndIf}
FunctionEnd

; Gives a folder outside Program Files the permissions of Program Files before anything is put in it; the
; files then inherit them.
Function ProtectFolder
    Call IsInProgramFiles
    ${If} $0 = 1
        Return
    ${EndIf}
    System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${PROTECTED_FOLDER_SDDL}", \
        i 1, *p .r1, p 0) i .r0'
    System::Call 'advapi32::GetSecurityDescriptorOwner(p r1, *p .r2, *i .r3)'
    System::Call 'advapi32::GetSecurityDescriptorDacl(p r1, *i .r3, *p .r4, *i .r5)'
    ; SE_FILE_OBJECT; owner, DACL, protected DACL
    System::Call 'advapi32::SetNamedSecurityInfoW(w "$INSTDIR", i 1, i 0x80000005, p r2, p 0, p r4, p 0) i .r0'
    System::Call 'kernel32::LocalFree(p r1)'
    ${If} $0 <> 0
        MessageBox MB_OK|MB_ICONSTOP "$(FolderNotProtected)" /SD IDOK
        RMDir "$INSTDIR"
        SetErrorLevel ${REFUSED}
        Quit
    ${EndIf}
FunctionEnd

; Started by the shell, the program runs with the logged-on user's own token, not with the installer's
; elevated one: its settings go to that user's registry, and a database the user opens later reaches it.
Function RunAsLoggedOnUser
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\Vaultlet.exe"'
FunctionEnd

Section "-Program"
    SetShellVarContext all
    CreateDirectory "$INSTDIR"
    Call ProtectFolder
    SetOutPath "$INSTDIR"
    File "/oname=Vaultlet.exe" "${PROGRAM}"
    File "/oname=vaultlet-cli.exe" "${CLI}"
    File "/oname=vaultlet_lang.xml" "${LANGUAGE_FILE}"
    File "/oname=Vaultlet.chm" "${HELP_FILE}"
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
    Delete "$INSTDIR\Vaultlet.chm"
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
