; The installer of TransVeloraDAE. The program goes into Tablorix's folder,
; beside Tablorix.ini: Tablorix starts it from there and reads its result in
; that file. The uninstaller removes only what was installed: Tablorix.ini,
; KTEMP and Tablorix's own files stay.
;   makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DPAQUETE=folder -DSALIDA=file instalador.nsi
Unicode true
; The program is 64-bit: so is its installer, which needs no 32-bit Wine to test.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define PROGRAMA "TransVeloraDAE"
!define DESINSTALADOR "Desinstalar TransVeloraDAE.exe"
!define CLAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\TransVeloraDAE"

Name "${PROGRAMA} ${VERSION}"
OutFile "${SALIDA}"
InstallDir "C:\Tablorix"
RequestExecutionLevel admin
BrandingText "${PROGRAMA} ${VERSION}"

!define MUI_ABORTWARNING
!define MUI_DIRECTORYPAGE_TEXT_TOP "Elija la carpeta de Tablorix, la que contiene el archivo Tablorix.ini. ${PROGRAMA} debe quedar junto a ese archivo: Tablorix lo pone en marcha desde esa carpeta y lee allí el resultado de cada transformación."
!define MUI_PAGE_HEADER_SUBTEXT "${PROGRAMA} va en la carpeta de Tablorix, junto a Tablorix.ini."
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CompruebaCarpeta
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductName" "${PROGRAMA}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileDescription" "Instalador de ${PROGRAMA}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "LegalCopyright" "${PROGRAMA}"

; A folder without Tablorix.ini is most likely not Tablorix's.
Function CompruebaCarpeta
    IfFileExists "$INSTDIR\Tablorix.ini" hecho
    MessageBox MB_YESNO|MB_ICONEXCLAMATION "En la carpeta $INSTDIR no está Tablorix.ini.$\r$\nTablorix solo encuentra ${PROGRAMA} en su propia carpeta.$\r$\n$\r$\n¿Instalar aquí de todos modos?" IDYES hecho
    Abort
hecho:
FunctionEnd

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${PAQUETE}\TransVeloraDAE.exe"
    File "${PAQUETE}\transveloradae-cli.exe"
    SetOutPath "$INSTDIR\ayuda"
    File "${PAQUETE}\ayuda\guia-usuario.html"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${DESINSTALADOR}"
    CreateShortcut "$SMPROGRAMS\${PROGRAMA}.lnk" "$INSTDIR\TransVeloraDAE.exe"
    WriteRegStr HKLM "${CLAVE}" "DisplayName" "${PROGRAMA}"
    WriteRegStr HKLM "${CLAVE}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${CLAVE}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${CLAVE}" "DisplayIcon" "$INSTDIR\TransVeloraDAE.exe"
    WriteRegStr HKLM "${CLAVE}" "UninstallString" '"$INSTDIR\${DESINSTALADOR}"'
    WriteRegStr HKLM "${CLAVE}" "QuietUninstallString" '"$INSTDIR\${DESINSTALADOR}" /S'
    WriteRegDWORD HKLM "${CLAVE}" "NoModify" 1
    WriteRegDWORD HKLM "${CLAVE}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$INSTDIR\TransVeloraDAE.exe"
    Delete "$INSTDIR\transveloradae-cli.exe"
    Delete "$INSTDIR\ayuda\guia-usuario.html"
    RMDir "$INSTDIR\ayuda"
    Delete "$INSTDIR\${DESINSTALADOR}"
    Delete "$SMPROGRAMS\${PROGRAMA}.lnk"
    DeleteRegKey HKLM "${CLAVE}"
    ; Only when nothing else is left in it: never Tablorix's own folder.
    RMDir "$INSTDIR"
SectionEnd
