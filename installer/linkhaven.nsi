; Linkhaven's Windows installer, built on Linux by scripts/package:
;
;   makensis -DVERSION=0.1.0 -DFILES=files.nsh -DOUTFILE=LinkhavenSetup-0.1.0.exe installer/linkhaven.nsi
;
; VERSION is the project's version (build/windows/linkhaven-version, written
; by cmake/LinkhavenVersion.cmake). FILES is written by scripts/package: it
; defines the macros InstallFiles and UninstallFiles, which name every file
; of the program folder one by one, so that the uninstaller removes exactly
; what was installed and nothing the user put beside it.
;
; Installs into Program Files\Linkhaven for all users, with a Start menu
; shortcut and an entry in the list of installed programs. The uninstaller
; removes the installed files, the shortcut, that entry, the .lhv document
; type the program registers when it points to this copy, and the settings
; of the user who uninstalls. Collections are never removed: the uninstaller
; deletes files by name, and only the sample collection it installed.
; Both run silently with /S.

Unicode true
Target amd64-unicode

!ifndef VERSION
    !error "Run makensis with -DVERSION=... -DFILES=... -DOUTFILE=... (scripts/package does)"
!endif
!ifndef FILES
    !error "Run makensis with -DVERSION=... -DFILES=... -DOUTFILE=... (scripts/package does)"
!endif
!ifndef OUTFILE
    !error "Run makensis with -DVERSION=... -DFILES=... -DOUTFILE=... (scripts/package does)"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include "${FILES}"

!define PRODUCT "Linkhaven"
!define PUBLISHER "Oakbridge"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Linkhaven"
!define SETTINGS_KEY "Software\Oakbridge\Linkhaven"
!define PROGID "LinkhavenDoc"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ManifestDPIAware true
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${__FILEDIR__}/../res/linkhaven.ico"
!define MUI_UNICON "${__FILEDIR__}/../res/linkhaven.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the fallback; otherwise the system's language is taken.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

; The installer's own version record. VIProductVersion wants four numbers.
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

Function .onInit
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "${PRODUCT}"
    SectionIn RO
    !insertmacro InstallFiles
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    SetShellVarContext all
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\linkhaven.exe" "" "$INSTDIR\linkhaven.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\linkhaven.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The program registers .lhv itself, under HKEY_CLASSES_ROOT, which stores
; it in the per-user or the machine-wide classes. The ProgID goes when its
; open command starts this copy of the program; .lhv goes when it names that
; ProgID and no other copy's registration of it is left.
!macro RemoveDocumentTypeCommand ROOT
    ReadRegStr $0 ${ROOT} "Software\Classes\${PROGID}\shell\open\command" ""
    StrCpy $1 $0 1
    ${If} $1 == '"'  ; the program's path may be quoted
        StrCpy $0 $0 "" 1
    ${EndIf}
    StrLen $1 "$INSTDIR\linkhaven.exe"
    StrCpy $2 $0 $1
    ${If} $2 == "$INSTDIR\linkhaven.exe"  ; compared regardless of case
        DeleteRegKey ${ROOT} "Software\Classes\${PROGID}"
    ${EndIf}
!macroend

!macro RemoveDocumentTypeExtension ROOT
    ReadRegStr $0 ${ROOT} "Software\Classes\.lhv" ""
    ${If} $0 == "${PROGID}"
    ${AndIf} $3 == ""
        DeleteRegKey ${ROOT} "Software\Classes\.lhv"
    ${EndIf}
!macroend

Section "Uninstall"
    !insertmacro UninstallFiles
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"  ; stays when the user keeps files of their own in it

    SetShellVarContext all
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"

    !insertmacro RemoveDocumentTypeCommand HKCU
    !insertmacro RemoveDocumentTypeCommand HKLM
    ReadRegStr $3 HKCR "${PROGID}\shell\open\command" ""
    !insertmacro RemoveDocumentTypeExtension HKCU
    !insertmacro RemoveDocumentTypeExtension HKLM
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'  ; SHCNE_ASSOCCHANGED

    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
