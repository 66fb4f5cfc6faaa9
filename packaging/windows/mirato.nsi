; The Windows installer: installs Mirato for the current user, without administrator rights,
; into %LOCALAPPDATA%\Programs\Mirato, with a Start menu entry and an uninstaller listed among
; the installed apps. "setup.exe /S" installs silently.
; makensis -DSTAGE=<the portable program's folder> -DVERSION=3.0.0 -DOUTFILE=<setup.exe> mirato.nsi
Unicode true
; A name with "setup" in it gets the system's installer shims; the manifest NSIS writes (asInvoker,
; from RequestExecutionLevel) keeps it from being elevated, which is what matters here.
!pragma warning disable 9000
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirato"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "Mirato"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Mirato"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${STAGE}\skin\other\run.ico"
UninstallIcon "${STAGE}\skin\other\run.ico"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Mirato"
VIAddVersionKey "FileDescription" "Mirato installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "The Mirato developers"

; The program's class of a file type and its place in the type's "Open with" list.
!macro ForgetType EXT
    DeleteRegKey HKCU "Software\Classes\Mirato.${EXT}"
    DeleteRegValue HKCU "Software\Classes\.${EXT}\OpenWithProgids" "Mirato.${EXT}"
!macroend

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Mirato"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Mirato.lnk" "$INSTDIR\mirato.exe" "" "$INSTDIR\skin\other\run.ico"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Mirato"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Mirato developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\mirato.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Mirato.lnk"
    ; Start at login and the file types point at the program that goes.
    DeleteRegValue HKCU "${RUN_KEY}" "Mirato"
    !insertmacro ForgetType wpl
    !insertmacro ForgetType m3u
    !insertmacro ForgetType asx
    !insertmacro ForgetType mp3
    !insertmacro ForgetType wma
    !insertmacro ForgetType wav
    !insertmacro ForgetType mid
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    RMDir /r "$INSTDIR"
SectionEnd
