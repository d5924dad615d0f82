#!/usr/bin/python3
"""The winget manifests beside the Windows packages: each valid against winget's schema of its
type, and naming the packages as they are: each installer's SHA-256, and the MSI's
ProductCode and UpgradeCode as the MSI holds them.
    winget.py PACKAGES SCHEMAS"""

import hashlib
import json
import pathlib
import subprocess
import sys

import jsonschema
import yaml

packages, schemas = map(pathlib.Path, sys.argv[1:])
failed = False


def expect(holds, what):
    global failed
    if not holds:
        print("FAIL", what, file=sys.stderr)
        failed = True


manifests = {}
for path in sorted((packages / "winget").glob("*.yaml")):
    manifest = yaml.safe_load(path.read_text(encoding="utf-8"))
    kind = manifest["ManifestType"]
    schema = json.loads((schemas / f"manifest.{kind}.1.10.0.json").read_text())
    for error in jsonschema.Draft7Validator(schema).iter_errors(manifest):
        expect(False, f"{path.name}: {error.message}")
    manifests[kind] = manifest
expect(sorted(manifests) == ["defaultLocale", "installer", "version"], f"manifests: {manifests}")
for installer in manifests["installer"]["Installers"]:
    package = packages / installer["InstallerUrl"].rsplit("/", 1)[1]
    digest = hashlib.sha256(package.read_bytes()).hexdigest().upper()
    expect(installer["InstallerSha256"] == digest, f"{package.name}: SHA-256 {digest}")
    if package.suffix == ".msi":
        listed = subprocess.run(["msiinfo", "export", package, "Property"], check=True,
                                capture_output=True, text=True).stdout
        held = dict(line.split("\t", 1) for line in listed.replace("\r", "").splitlines()[3:])
        entry = installer["AppsAndFeaturesEntries"][0]
        expect(installer["ProductCode"] == held["ProductCode"], f"ProductCode {held}")
        expect(entry["UpgradeCode"] == held["UpgradeCode"], f"UpgradeCode {held}")
print("\n".join(f"{kind}: {m['PackageIdentifier']} {m['PackageVersion']}"
                for kind, m in sorted(manifests.items())))
sys.exit(1 if failed else 0)
