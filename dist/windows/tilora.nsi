# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer, made by scripts/package --windows with Debian's NSIS. It installs for the
# current user alone, without administrator rights, into a folder of the user's own, so the player can
# add pictures to its images folder; /S installs silently and /D= picks the folder.
# Defined by the script: VERSION, STAGE (the staged Tilora folder), ICON, OUTFILE, SIZE_KB, and the
# files listing the sample pictures to install and remove: PICTURES_INSTALL, PICTURES_UNINSTALL.
# A 64-bit installer for the 64-bit program: it runs where the program runs, with no 32-bit layer needed.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tilora"

Name "Tilora"
Caption "Tilora ${VERSION} Setup"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Tilora"
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

Section "Tilora"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${STAGE}\tilora.exe"
    File "${STAGE}\LICENSE.txt"
    File "${STAGE}\README.txt"
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
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

# Removes what the installer put there by name, so pictures the player added stay, with their folder.
Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Tilora.lnk"
    Delete "$INSTDIR\tilora.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    !include "${PICTURES_UNINSTALL}"
    RMDir "$INSTDIR\images"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
