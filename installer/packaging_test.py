#!/usr/bin/env python3
"""The checksums and package manifests that `dist` writes, read with real YAML and JSON
parsers and held against the release files themselves and the changelog:
  packaging_test.py VERSION SETUP ZIP
SETUP and ZIP are the release files in the dist folder, VERSION the product version.
Whether the product code names the entry the installer really writes is checked under
Wine, by installer_test.sh."""

import hashlib
import json
import posixpath
import re
import sys
import zipfile
from pathlib import Path

import yaml

version, setup, portable = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
dist = setup.parent
problems = []


def expect(condition, message):
    if not condition:
        problems.append(message)


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def file_name(url):
    return posixpath.basename(url)


# Both files, in the form `sha256sum -c` reads.
sums = {}
for line in (dist / "SHA256SUMS").read_text(encoding="utf-8").splitlines():
    match = re.fullmatch(r"([0-9a-f]{64})  (\S+)", line)
    expect(match, f"SHA256SUMS: not a checksum line: {line!r}")
    if match:
        sums[match.group(2)] = match.group(1)
expect(sums == {setup.name: sha256(setup), portable.name: sha256(portable)},
       f"SHA256SUMS does not match the release files: {sums}")

# The changelog's first section is this version's, and the release notes are its text.
changelog = (Path(__file__).resolve().parent.parent / "CHANGELOG.md").read_text(encoding="utf-8")
sections = re.findall(r"^## +(\S+)[^\n]*\n(.*?)(?=^## |\Z)", changelog, re.M | re.S)
expect(sections and sections[0][0] == version,
       f"CHANGELOG.md begins with {sections[0][0] if sections else 'no section'}, not {version}")

# winget: the version, installer and default-locale files of one package version.
winget = sorted((dist / "packaging" / "winget").iterdir())
manifests = {}
for path in winget:
    manifest = yaml.safe_load(path.read_text(encoding="utf-8"))
    manifests[manifest["ManifestType"]] = (path.name, manifest)
    # An unquoted 2.10 would read back as the number 2.1.
    expect(manifest["PackageVersion"] == version,
           f"{path.name}: PackageVersion {manifest['PackageVersion']!r}")
    expect(tuple(map(int, manifest["ManifestVersion"].split("."))) >= (1, 6, 0),
           f"{path.name}: ManifestVersion {manifest['ManifestVersion']}")
expect(sorted(manifests) == ["defaultLocale", "installer", "version"] and len(winget) == 3,
       f"winget files: {[path.name for path in winget]}")
identifier = manifests["version"][1]["PackageIdentifier"]
locale = manifests["version"][1]["DefaultLocale"]
expected_names = {"version": f"{identifier}.yaml", "installer": f"{identifier}.installer.yaml",
                  "defaultLocale": f"{identifier}.locale.{locale}.yaml"}
for kind, (name, manifest) in manifests.items():
    expect(name == expected_names[kind], f"the {kind} manifest is named {name}")
    expect(manifest["PackageIdentifier"] == identifier, f"{name}: PackageIdentifier")

installer = manifests["installer"][1]
wanted = {"InstallerType": "nullsoft", "Scope": "user", "UpgradeBehavior": "install",
          "ElevationRequirement": "elevationProhibited",
          # What the installer tests run it with, and find it silent.
          "InstallerSwitches": {"Silent": "/S", "SilentWithProgress": "/S"}}
for key, value in wanted.items():
    expect(installer.get(key) == value, f"installer manifest: {key} is {installer.get(key)!r}")
entries = installer["AppsAndFeaturesEntries"]
expect(len(entries) == 1 and entries[0]["ProductCode"] == installer["ProductCode"]
       and entries[0]["DisplayVersion"] == version, f"AppsAndFeaturesEntries: {entries}")
[download] = installer["Installers"]
expect(file_name(download["InstallerUrl"]) == setup.name,
       f"InstallerUrl: {download['InstallerUrl']}")
expect(download["InstallerSha256"].lower() == sha256(setup),
       "InstallerSha256 is not the installer's")

default_locale = manifests["defaultLocale"][1]
expect(default_locale["PackageLocale"] == locale, "PackageLocale is not the DefaultLocale")
expect(default_locale["Publisher"] == entries[0]["Publisher"], "Publisher differs from the entry's")
expect(default_locale["License"] and 3 <= len(default_locale["ShortDescription"]) <= 256,
       "License or ShortDescription")
expect(sections and default_locale["ReleaseNotes"] == sections[0][1].strip(),
       "ReleaseNotes are not the changelog's first section")
# winget refuses release notes longer than this.
expect(len(default_locale["ReleaseNotes"]) <= 10000, "ReleaseNotes are too long for winget")

# Scoop: the portable zip, its program on the PATH and in the Start Menu.
[scoop_path] = (dist / "packaging" / "scoop").iterdir()
scoop = json.loads(scoop_path.read_text(encoding="utf-8"))
expect(scoop["version"] == version, f"scoop version {scoop['version']!r}")
expect(file_name(scoop["url"]) == portable.name, f"scoop url: {scoop['url']}")
expect(scoop["hash"].lower() == sha256(portable), "scoop hash is not the zip's")
expect(scoop["autoupdate"]["url"].replace("$version", version) == scoop["url"],
       "scoop autoupdate url does not give this version's url")
with zipfile.ZipFile(portable) as archive:
    inside = archive.namelist()
expect(scoop["bin"] in inside and all(shortcut[0] in inside for shortcut in scoop["shortcuts"]),
       f"scoop bin/shortcuts name files the zip does not hold ({inside})")
expect("persist" not in scoop
       and any("HKCU\\Software\\Tarnwick" in note for note in scoop["notes"]),
       "scoop: the settings' place belongs in the notes, and nothing needs persist")

# Both downloads from one address: the product's, then the version.
for url in (download["InstallerUrl"], scoop["url"]):
    expect(url.startswith(f"{default_locale['PackageUrl']}/") and f"/{version}/" in url,
           f"{url} is not the product's address and version")
expect(posixpath.dirname(download["InstallerUrl"]) == posixpath.dirname(scoop["url"]),
       "the two downloads are not in one place")

for problem in problems:
    print(f"packaging test: {problem}", file=sys.stderr)
sys.exit(1 if problems else 0)
