# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer, made by scripts/package --windows with Debian's NSIS. It installs for the
# current user alone, without administrator rights, into a folder of the user's own, so the player can
# add pictures to its images folder; /S installs silently and /D= picks the folder. Installed again, it
# goes to the same folder, replaces the program and the samples the earlier version shipped, and keeps
# the player's own pictures. It speaks the player's Windows language where Tilora does.
# Defined by the script: VERSION, STAGE (the staged Tilora folder), ICON, OUTFILE, PICTURES_INSTALL (the
# sample pictures to install) and SAMPLES (the list of their names, one a line).
# A 64-bit installer for the 64-bit program: it runs where the program runs, with no 32-bit layer needed.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tilora"
!define HOME "https://tilora.github.io/"

Name "Tilora ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Tilora"
# An upgrade goes where the earlier version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
LicenseData "${STAGE}\LICENSE.txt"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Tilora"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Tilora ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "Tilora developers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright © 2026 Tilora developers. Licence: GPL-3.0-or-later"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

# English first: Windows in any other language than Tilora's gets the English pages.
!include "languages.nsh"

# The program runs from the folder: Windows keeps a running program's file open, so it cannot be replaced
# or removed. The player is asked to close it, or gives up, changing nothing (status 2); a silent run has
# nobody to ask and waits, looking again each second, until the game is closed.
!macro WAIT_FOR_TILORA un
Function ${un}WaitForTilora
    retry:
    IfFileExists "$INSTDIR\tilora.exe" 0 closed
    ClearErrors
    FileOpen $0 "$INSTDIR\tilora.exe" a
    IfErrors 0 open
    IfSilent 0 ask
    Sleep 1000
    Goto retry
    ask:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(TILORA_RUNNING)" IDRETRY retry
    SetErrorLevel 2
    Quit
    open:
    FileClose $0
    closed:
FunctionEnd
!macroend
!insertmacro WAIT_FOR_TILORA ""
!insertmacro WAIT_FOR_TILORA "un."

# Deletes the sample pictures named in the list the install wrote, then the list: the player's own stay.
!macro REMOVE_SAMPLES un
Function ${un}RemoveSamples
    ClearErrors
    FileOpen $0 "$INSTDIR\samples.lst" r
    IfErrors done
    next:
    ClearErrors
    FileRead $0 $1
    IfErrors listed
    # The name without its line end.
    trim:
    StrCpy $2 $1 1 -1
    StrCmp $2 "$\n" +2
    StrCmp $2 "$\r" 0 +3
    StrCpy $1 $1 -1
    Goto trim
    StrCmp $1 "" next
    Delete "$INSTDIR\images\$1"
    Goto next
    listed:
    FileClose $0
    Delete "$INSTDIR\samples.lst"
    done:
FunctionEnd
!macroend
!insertmacro REMOVE_SAMPLES ""
!insertmacro REMOVE_SAMPLES "un."

Section "Tilora"
    SetShellVarContext current
    Call WaitForTilora
    # An earlier version's samples go first, whatever their names, by its own list, or by its own
    # uninstaller where it wrote none.
    IfFileExists "$INSTDIR\samples.lst" 0 +3
    Call RemoveSamples
    Goto clean
    IfFileExists "$INSTDIR\uninstall.exe" 0 clean
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    clean:
    SetOutPath "$INSTDIR"
    File "${STAGE}\tilora.exe"
    File "${STAGE}\LICENSE.txt"
    File "${STAGE}\README.txt"
    File "${STAGE}\THIRD-PARTY-NOTICES.txt"
    File "/oname=samples.lst" "${SAMPLES}"
    SetOutPath "$INSTDIR\images"
    !include "${PICTURES_INSTALL}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Tilora.lnk" "$INSTDIR\tilora.exe" "" "$INSTDIR\tilora.exe" 0 SW_SHOWNORMAL "" "Picture tile puzzle"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tilora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tilora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tilora developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    # The support information of the installed-apps entry.
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${HOME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Readme" "$INSTDIR\THIRD-PARTY-NOTICES.txt"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Comments" "GPL-3.0-or-later; third-party notices in THIRD-PARTY-NOTICES.txt"
    # What the folder holds now, in KiB.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

# Removes what the installer put there, the samples by the list it wrote, so pictures the player added
# stay, with their folder.
Section "Uninstall"
    SetShellVarContext current
    Call un.WaitForTilora
    Delete "$SMPROGRAMS\Tilora.lnk"
    Delete "$INSTDIR\tilora.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
    Call un.RemoveSamples
    RMDir "$INSTDIR\images"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
