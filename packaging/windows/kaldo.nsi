; The Windows installer of KALDO, made by scripts/windows/package.sh with makensis:
;   makensis -DVERSION=3.1.0 -DRESOURCES=<resources/windows> -DLISTS=<folder> -DOUTFILE=<setup.exe> kaldo.nsi
; LISTS holds files.nsh and unfiles.nsh, the lines that install and remove exactly the files of
; the program as installed (bin\, share\kaldo\), made from one staged folder.
;
; By default it installs for the current user, without administrator rights, in
; %LOCALAPPDATA%\Programs\KALDO 3.1. "Para todos los usuarios" installs in Program Files: the
; installer then starts itself again with administrator rights (/TODOS on its command line).
; /S installs without questions. The uninstaller removes what was installed and nothing else:
; documents, and the settings that the program keeps in the registry, stay.

Unicode true
; A 64-bit installer for a 64-bit program: it sees the 64-bit Program Files and registry.
Target amd64-unicode
SetCompressor /SOLID lzma
!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define NAME "KALDO 3.1"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KALDO 3.1"
!define DOCUMENT_TYPE "KALDO.Documento"
!define ALL_USERS_MARK "todos-los-usuarios"

Name "${NAME}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
BrandingText "TORVE · KALDO ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1034 "ProductName" "KALDO"
VIAddVersionKey /LANG=1034 "CompanyName" "TORVE"
VIAddVersionKey /LANG=1034 "FileDescription" "Instalación de KALDO ${VERSION}"
VIAddVersionKey /LANG=1034 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1034 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1034 "LegalCopyright" "© TORVE"

Var AllUsers
Var ForMeButton
Var ForAllButton

!define MUI_ICON "${RESOURCES}/kaldo.ico"
!define MUI_UNICON "${RESOURCES}/kaldo.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\kaldo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Abrir KALDO ahora"

!insertmacro MUI_PAGE_WELCOME
Page custom InstallModePage InstallModeLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

; ---------------------------------------------------------------- for whom
Function .onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/TODOS" $1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
        Call UseAllUsers
    ${Else}
        StrCpy $AllUsers 0
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Function UseAllUsers
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
        MessageBox MB_ICONSTOP|MB_OK "Instalar KALDO para todos los usuarios requiere permisos de administrador." /SD IDOK
        Quit
    ${EndIf}
    SetShellVarContext all
    StrCpy $INSTDIR "$PROGRAMFILES64\${NAME}"
FunctionEnd

Function InstallModePage
    ${If} $AllUsers == 1
        Abort  ; already chosen: started again with administrator rights
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "Tipo de instalación" "¿Para quién se instala KALDO?"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 10u 100% 12u "Solo para mí (no hacen falta permisos de administrador)"
    Pop $ForMeButton
    ${NSD_CreateRadioButton} 0 30u 100% 12u "Para todos los usuarios de este equipo (pide permisos de administrador)"
    Pop $ForAllButton
    ${NSD_Check} $ForMeButton
    nsDialogs::Show
FunctionEnd

Function InstallModeLeave
    ${NSD_GetState} $ForAllButton $0
    ${If} $0 == ${BST_CHECKED}
        ; The rest happens in a second run of this installer with administrator rights.
        ExecShell "runas" "$EXEPATH" "/TODOS"
        Quit
    ${EndIf}
FunctionEnd

; ---------------------------------------------------------------- installing
Section "KALDO"
    SetOutPath "$INSTDIR"
    !include "${LISTS}\files.nsh"
    WriteUninstaller "$INSTDIR\desinstalar.exe"
    ${If} $AllUsers == 1
        FileOpen $0 "$INSTDIR\${ALL_USERS_MARK}" w
        FileClose $0
    ${EndIf}

    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\bin\kaldo.exe" "" "$INSTDIR\bin\kaldo.exe" 0

    ; The .kl3 document: its own icon (the program file's second icon) and a double click that
    ; opens it in the program. SHCTX is the current user's classes, or the machine's.
    WriteRegStr SHCTX "Software\Classes\.kl3" "" "${DOCUMENT_TYPE}"
    WriteRegStr SHCTX "Software\Classes\.kl3" "Content Type" "application/x-kaldo"
    WriteRegStr SHCTX "Software\Classes\${DOCUMENT_TYPE}" "" "Evaluación de riesgos KALDO"
    WriteRegStr SHCTX "Software\Classes\${DOCUMENT_TYPE}\DefaultIcon" "" '"$INSTDIR\bin\kaldo.exe",-2'
    WriteRegStr SHCTX "Software\Classes\${DOCUMENT_TYPE}\shell\open\command" "" '"$INSTDIR\bin\kaldo.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    ; "Aplicaciones" in the settings (and "Programas y características").
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "TORVE"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\bin\kaldo.exe",0'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\desinstalar.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\desinstalar.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; ---------------------------------------------------------------- uninstalling
Function un.onInit
    ${If} ${FileExists} "$INSTDIR\${ALL_USERS_MARK}"
        UserInfo::GetAccountType
        Pop $0
        ${If} $0 != "Admin"
            MessageBox MB_ICONSTOP|MB_OK "KALDO se instaló para todos los usuarios: desinstalarlo requiere permisos de administrador." /SD IDOK
            Quit
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "Uninstall"
    ; Exactly the files installed, then their folders if nothing else is left in them: a
    ; document saved among the program's files survives.
    !include "${LISTS}\unfiles.nsh"
    Delete "$INSTDIR\${ALL_USERS_MARK}"
    Delete "$INSTDIR\desinstalar.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${NAME}.lnk"
    ReadRegStr $0 SHCTX "Software\Classes\.kl3" ""
    ${If} $0 == "${DOCUMENT_TYPE}"
        DeleteRegKey SHCTX "Software\Classes\.kl3"
    ${EndIf}
    DeleteRegKey SHCTX "Software\Classes\${DOCUMENT_TYPE}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
