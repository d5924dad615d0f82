#!/usr/bin/env python3
"""Writes the Windows packages of Tarvello: a portable zip and an installer (NSIS).

Both hold the same folder: the program, the Qt and MinGW-w64 DLLs it loads, the platform
plugin, Qt's Bulgarian translations, a qt.conf that points Qt at them, and the licences.
Every time in them is SOURCE_DATE_EPOCH's, so that one source gives the same bytes.

  windows_packages.py --name NAME --version VERSION --publisher PUBLISHER --strip STRIP
      --makensis MAKENSIS --out DIR --icon ICO FILE=DEST ...
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile


def main():
    parser = argparse.ArgumentParser()
    for option in ("name", "version", "publisher", "strip", "makensis", "out", "icon"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("files", nargs="+", help="SOURCE=DESTINATION inside the folder")
    args = parser.parse_args()
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "315532800"))  # 1980, zip's first day

    stage = tempfile.mkdtemp()
    try:
        folder = os.path.join(stage, "Tarvello")
        placed = []
        for pair in args.files:
            source, destination = pair.split("=", 1)
            target = os.path.join(folder, destination)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copyfile(source, target)
            if target.endswith((".exe", ".dll")):
                subprocess.run([args.strip, "--strip-unneeded", target], check=True)
            placed.append(destination)
        with open(os.path.join(folder, "qt.conf"), "w", newline="\r\n") as conf:
            conf.write("[Paths]\nPrefix = .\nPlugins = .\n")
        placed.append("qt.conf")
        placed.sort()
        for destination in placed:
            os.chmod(os.path.join(folder, destination), 0o644)
            os.utime(os.path.join(folder, destination), (epoch, epoch))

        base = f"{args.name}-{args.version}-win64"
        os.makedirs(args.out, exist_ok=True)
        write_zip(os.path.join(args.out, base + ".zip"), folder, placed, epoch)
        write_installer(args, os.path.join(args.out, base + ".exe"), folder, placed, stage)
    finally:
        shutil.rmtree(stage)


def write_zip(path, folder, placed, epoch):
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for destination in placed:
            entry = zipfile.ZipInfo("Tarvello/" + destination, stamp)
            entry.external_attr = 0o644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, destination), "rb") as data:
                archive.writestr(entry, data.read(), compresslevel=9)


def write_installer(args, path, folder, placed, stage):
    folders = sorted({os.path.dirname(d) for d in placed if os.path.dirname(d)})
    key = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvello"
    lines = [
        "Unicode true",
        "Target amd64-unicode",
        "SetCompressor /SOLID lzma",
        "SetDateSave off",
        "RequestExecutionLevel admin",
        'Name "Tarvello"',
        f'OutFile "{path}"',
        r'InstallDir "$PROGRAMFILES64\Tarvello"',
        f'Icon "{args.icon}"',
        f'UninstallIcon "{args.icon}"',
        'LoadLanguageFile "${NSISDIR}\\Contrib\\Language files\\Bulgarian.nlf"',
        f'VIProductVersion "{args.version}.0.0"',
        'VIAddVersionKey /LANG=1026 "ProductName" "Tarvello"',
        f'VIAddVersionKey /LANG=1026 "CompanyName" "{args.publisher}"',
        'VIAddVersionKey /LANG=1026 "FileDescription" "Tarvello"',
        f'VIAddVersionKey /LANG=1026 "FileVersion" "{args.version}"',
        f'VIAddVersionKey /LANG=1026 "LegalCopyright" "{args.publisher}"',
        "Page directory",
        "Page instfiles",
        "UninstPage uninstConfirm",
        "UninstPage instfiles",
        "Function .onInit",
        "  SetShellVarContext all",
        "  SetRegView 64",
        "FunctionEnd",
        "Function un.onInit",
        "  SetShellVarContext all",
        "  SetRegView 64",
        "FunctionEnd",
        'Section "Tarvello"',
    ]
    for sub in [""] + folders:
        where = "$INSTDIR\\" + sub.replace("/", "\\") if sub else "$INSTDIR"
        lines.append(f'  SetOutPath "{where}"')
        for destination in placed:
            if os.path.dirname(destination) == sub:
                lines.append(f'  File "{os.path.join(folder, destination)}"')
    lines += [
        r'  WriteUninstaller "$INSTDIR\uninstall.exe"',
        r'  CreateShortCut "$SMPROGRAMS\Tarvello.lnk" "$INSTDIR\tarvello.exe" "" '
        r'"$INSTDIR\tarvello.exe" 0',
        f'  WriteRegStr HKLM "{key}" "DisplayName" "Tarvello"',
        f'  WriteRegStr HKLM "{key}" "DisplayVersion" "{args.version}"',
        f'  WriteRegStr HKLM "{key}" "Publisher" "{args.publisher}"',
        f'  WriteRegStr HKLM "{key}" "DisplayIcon" "$INSTDIR\\tarvello.exe"',
        f'  WriteRegStr HKLM "{key}" "InstallLocation" "$INSTDIR"',
        f'  WriteRegStr HKLM "{key}" "UninstallString" \'"$INSTDIR\\uninstall.exe"\'',
        f'  WriteRegStr HKLM "{key}" "QuietUninstallString" \'"$INSTDIR\\uninstall.exe" /S\'',
        f'  WriteRegDWORD HKLM "{key}" "NoModify" 1',
        f'  WriteRegDWORD HKLM "{key}" "NoRepair" 1',
        "SectionEnd",
        'Section "Uninstall"',
        r'  Delete "$SMPROGRAMS\Tarvello.lnk"',
    ]
    for destination in placed:
        lines.append(f'  Delete "$INSTDIR\\{destination}"'.replace("/", "\\"))
    lines.append(r'  Delete "$INSTDIR\uninstall.exe"')
    for sub in sorted(folders, key=len, reverse=True):
        lines.append(f'  RMDir "$INSTDIR\\{sub}"'.replace("/", "\\"))
    lines += [
        '  RMDir "$INSTDIR"',
        f'  DeleteRegKey HKLM "{key}"',
        "SectionEnd",
    ]
    script = os.path.join(stage, "tarvello.nsi")
    with open(script, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    subprocess.run([args.makensis, "-V2", "-NOCD", script], check=True)


if __name__ == "__main__":
    sys.exit(main())
