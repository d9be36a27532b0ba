; The Windows installer for Halvex, made by scripts/package:
;   makensis -DVERSION=1.0.0.1 -DSRCDIR=folder -DOUTFILE=setup.exe halvex.nsi
; SRCDIR holds halvex.exe, halvex-planner.exe, halvex-drive.exe (and
; halvex-calc.exe when it is built, and the runtime libraries when they are
; not linked in), halvex.ico, halvex-planner.ico, halvex-installer.bmp (the side
; picture of the first and last pages), LICENSE.txt, the manual's
; pages and the example plan, and languages.nsh (the installer's texts in
; every language, written by nsis_languages.py). Installs
; for all users under Program Files, with a Start-menu shortcut for the
; calculator and one for the planner, and an entry in the installed
; programs; /S installs or uninstalls silently. It speaks the user's
; display language where Halvex has it (German, French, Simplified Chinese,
; Japanese), English otherwise.
Unicode true
Target amd64-unicode

!ifndef VERSION | SRCDIR | OUTFILE
  !error "define VERSION, SRCDIR and OUTFILE"
!endif

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PUBLISHER "The Halvex developers"
!define HOMEPAGE "https://github.com/halvex/halvex"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Halvex"
!define PLAN_CLASS "Software\Classes\Halvex.Plan"
!define PLAN_EXTENSION "Software\Classes\.halvex-plan"

Name "Halvex"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Halvex"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ManifestDPIAware true

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "Halvex"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"
VIAddVersionKey "FileDescription" "Halvex ${VERSION} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"

; The program's own name and icon on every page, not the installer tool's.
BrandingText "Halvex ${VERSION}"
!define MUI_ICON "${SRCDIR}\halvex.ico"
!define MUI_UNICON "${SRCDIR}\halvex.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SRCDIR}\halvex-installer.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${SRCDIR}\halvex-installer.bmp"
!define MUI_FINISHPAGE_RUN "$INSTDIR\halvex.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\index.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(OpenManual)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_LICENSE "${SRCDIR}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
; The user's own data stays: the uninstaller says so before it starts.
!define MUI_UNCONFIRMPAGE_TEXT_TOP "$(KeepUserData)"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the one used where the user's language is none of these.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "Japanese"
!include "${SRCDIR}\languages.nsh"

; The installed files, listed once for installing and removing.
!macro HalvexFiles Action
  !insertmacro ${Action} "halvex.exe"
  !insertmacro ${Action} "halvex-planner.exe"
  !insertmacro ${Action} "halvex-drive.exe"
  !if /FileExists "${SRCDIR}\halvex-calc.exe"
    !insertmacro ${Action} "halvex-calc.exe"
  !endif
  !if /FileExists "${SRCDIR}\*.dll"
    !insertmacro ${Action} "*.dll"
  !endif
  !insertmacro ${Action} "halvex.ico"
  !insertmacro ${Action} "halvex-planner.ico"
  !insertmacro ${Action} "LICENSE.txt"
  !insertmacro ${Action} "index.html"
  !insertmacro ${Action} "planner.html"
  !insertmacro ${Action} "lab.html"
  !insertmacro ${Action} "shaker-test.halvex-plan"
  !insertmacro ${Action} "endurance-sequence.halvex-plan"
  !insertmacro ${Action} "stepped-sine.halvex-plan"
  !insertmacro ${Action} "lab.halvex-lab"
!macroend
!macro InstallFile Name
  File "${SRCDIR}\${Name}"
!macroend
!macro RemoveFile Name
  Delete "$INSTDIR\${Name}"
!macroend

Function .onInit
  SetShellVarContext all
FunctionEnd

Section "Halvex"
  ; An earlier installation is removed by its own uninstaller first, so
  ; nothing of an older version stays behind.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}

  SetOutPath "$INSTDIR"
  !insertmacro HalvexFiles InstallFile
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Halvex.lnk" "$INSTDIR\halvex.exe" "" "$INSTDIR\halvex.ico" 0 \
    SW_SHOWNORMAL "" "$(CalculatorShortcut)"
  CreateShortCut "$SMPROGRAMS\Halvex Sine Test Planner.lnk" "$INSTDIR\halvex-planner.exe" "" \
    "$INSTDIR\halvex-planner.ico" 0 SW_SHOWNORMAL "" "$(PlannerShortcut)"

  ; Plans open in the planner from Explorer.
  WriteRegStr HKLM "${PLAN_EXTENSION}" "" "Halvex.Plan"
  WriteRegStr HKLM "${PLAN_CLASS}" "" "$(PlanFileType)"
  WriteRegStr HKLM "${PLAN_CLASS}\DefaultIcon" "" "$INSTDIR\halvex-planner.ico"
  WriteRegStr HKLM "${PLAN_CLASS}\shell\open\command" "" '"$INSTDIR\halvex-planner.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'  ; the associations changed

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Halvex"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\halvex.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  IntFmt $1 "0x%08X" $1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $1
SectionEnd

; Says a message on standard error (for a silent run from a console or a
; script) and, unless silent, in a message box.
Function un.SayError
  Exch $0
  System::Call 'kernel32::GetStdHandle(i -12) p .r1'
  ${If} $1 P= 0
  ${OrIf} $1 P= -1
    System::Call 'kernel32::AttachConsole(i -1)'
    System::Call 'kernel32::GetStdHandle(i -12) p .r1'
  ${EndIf}
  ${If} $1 P<> 0
  ${AndIf} $1 P<> -1
    FileWrite $1 "$0$\r$\n"
  ${EndIf}
  MessageBox MB_ICONSTOP "$0" /SD IDOK
  Pop $0
FunctionEnd

Function un.onInit
  SetShellVarContext all
  ; Only an installed Halvex is uninstalled: the uninstall entry must exist
  ; and this uninstaller must sit beside the installed program.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == ""
  ${OrIfNot} ${FileExists} "$INSTDIR\halvex.exe"
    Push "$(NotInstalled)"
    Call un.SayError
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; Only what the installer put there: each user's own data (the equipment
  ; library and the recovery copies of unsaved plans, under AppData) is theirs.
  DetailPrint "$(UserDataKept)"
  !insertmacro HalvexFiles RemoveFile
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Halvex.lnk"
  Delete "$SMPROGRAMS\Halvex Sine Test Planner.lnk"
  DeleteRegKey HKLM "${PLAN_CLASS}"
  ; The extension only while it still names the planner's class.
  ReadRegStr $0 HKLM "${PLAN_EXTENSION}" ""
  ${If} $0 == "Halvex.Plan"
    DeleteRegKey HKLM "${PLAN_EXTENSION}"
  ${EndIf}
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
