#!/usr/bin/env python3
"""Writes what package managers take for one release, beside its files in DIST:

  SHA256SUMS                      both release files, for `sha256sum -c`
  packaging/winget/<Id>*.yaml     the multi-file winget manifest for the installer
  packaging/scoop/<name>.json     the Scoop manifest for the portable zip

  write-manifests.py --version 2.1 --installer DIST/TarnwickSetup-2.1.exe \
                     --portable DIST/Tarnwick-2.1-portable.zip --out DIST

Nothing here is said twice: the names, publisher and uninstall key come from the installer
script, the web address from the program's own product header, the release notes from
CHANGELOG.md, the version from CMake (which has it from project()).
"""

import argparse
import hashlib
import json
import re
import shutil
import sys
from pathlib import Path

import yaml

SOURCE = Path(__file__).resolve().parent.parent
INSTALLER_SCRIPT = SOURCE / "installer" / "Tarnwick.nsi"
PRODUCT_HEADER = SOURCE / "app" / "product.h"
CHANGELOG = SOURCE / "CHANGELOG.md"

MANIFEST_VERSION = "1.6.0"
LOCALE = "en-US"
# No licence file has been published; the program is given away.
LICENSE = "Freeware"
SHORT_DESCRIPTION = (
    "Keyboard focus follows the mouse, with hotkeys, mouse wrap and idle cursor parking."
)
DESCRIPTION = (
    "Tarnwick makes the keyboard focus follow the mouse on Windows 10 and 11: rest the "
    "cursor over another program's window for the hover delay and that program comes to "
    "the foreground. Global keys switch it off and on, keep a window on top, send it to "
    "the bottom or pin it; a cursor pushed against a screen edge can wrap to the opposite "
    "one, and an idle cursor can park in a corner."
)
TAGS = ["focus-follows-mouse", "focus", "mouse", "hotkeys", "window-management", "tray"]


def fail(message):
    sys.exit(f"write-manifests: {message}")


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def installer_facts(version):
    """The defines of the installer script and the values it writes into its uninstall
    entry, expanded as makensis would (VERSION is the one CMake passes)."""
    text = INSTALLER_SCRIPT.read_text(encoding="utf-8")
    defines = {"VERSION": version}
    for name, value in re.findall(r'^\s*!define\s+(\w+)\s+"([^"]*)"\s*$', text, re.M):
        defines[name] = value

    def expand(value):
        def one(match):
            if match.group(1) not in defines:
                fail(f"{INSTALLER_SCRIPT.name} never defines {match.group(1)}")
            return expand(defines[match.group(1)])

        return re.sub(r"\$\{(\w+)\}", one, value)

    # Values made of text and ${DEFINES} only: those naming $INSTDIR depend on the user's choice.
    written = (
        r'^\s*WriteRegStr\s+HKCU\s+"\$\{UNINSTALL_KEY\}"'
        r'\s+"(\w+)"\s+"((?:[^"$]|\$\{\w+\})*)"\s*$'
    )
    entry = {name: expand(value) for name, value in re.findall(written, text, re.M)}
    for needed in ("DisplayName", "DisplayVersion", "Publisher"):
        if needed not in entry:
            fail(f"{INSTALLER_SCRIPT.name} writes no {needed} into its uninstall entry")
    uninstall_key = expand(defines.get("UNINSTALL_KEY") or fail("no UNINSTALL_KEY"))
    settings_key = expand(defines.get("SETTINGS_KEY") or fail("no SETTINGS_KEY"))
    return {
        "product": expand(defines.get("PRODUCT") or fail("no PRODUCT")),
        "product_code": uninstall_key.rsplit("\\", 1)[-1],
        "entry": entry,
        "settings_key": "HKCU\\" + settings_key,
    }


def web_address():
    match = re.search(r'kMakerAddress\s*=\s*"([^"]+)"', PRODUCT_HEADER.read_text(encoding="utf-8"))
    if not match:
        fail(f"no kMakerAddress in {PRODUCT_HEADER}")
    return match.group(1).rstrip("/")


def release_notes(version):
    """The body of the changelog's first section, which must be this version's."""
    sections = re.split(r"^## +", CHANGELOG.read_text(encoding="utf-8"), flags=re.M)[1:]
    if not sections:
        fail(f"{CHANGELOG.name} has no '## <version>' section")
    heading, _, body = sections[0].partition("\n")
    if heading.split()[0] != version:
        fail(f"{CHANGELOG.name} begins with '{heading.strip()}', not with version {version}")
    if not body.strip():
        fail(f"{CHANGELOG.name} says nothing under {version}")
    return body.strip()


def download_url(address, version, file_name):
    """The one place the download address is made."""
    return f"{address}/download/{version}/{file_name}"


class Literal(str):
    pass


yaml.SafeDumper.add_representer(
    Literal, lambda dumper, text: dumper.represent_scalar("tag:yaml.org,2002:str", text, style="|")
)


def write_yaml(path, manifest_type, fields):
    fields = {**fields, "ManifestType": manifest_type, "ManifestVersion": MANIFEST_VERSION}
    schema = f"https://aka.ms/winget-manifest.{manifest_type}.{MANIFEST_VERSION}.schema.json"
    body = yaml.safe_dump(fields, sort_keys=False, allow_unicode=True, width=1000)
    path.write_text(
        f"# Written by `make dist` (scripts/write-manifests.py).\n"
        f"# yaml-language-server: $schema={schema}\n\n{body}",
        encoding="utf-8",
    )


def winget(folder, facts, version, address, notes, installer):
    product, entry = facts["product"], facts["entry"]
    identity = {
        # Publisher.Package, the form winget-pkgs asks for.
        "PackageIdentifier": f"{product}.{product}",
        "PackageVersion": version,
    }
    stem = folder / identity["PackageIdentifier"]
    write_yaml(Path(f"{stem}.yaml"), "version", {**identity, "DefaultLocale": LOCALE})
    write_yaml(
        Path(f"{stem}.installer.yaml"),
        "installer",
        {
            **identity,
            "InstallerLocale": LOCALE,
            "Platform": ["Windows.Desktop"],
            "MinimumOSVersion": "10.0.0.0",
            "InstallerType": "nullsoft",
            "Scope": "user",
            "InstallModes": ["interactive", "silent", "silentWithProgress"],
            # The installer shows no page when silent, progress included.
            "InstallerSwitches": {"Silent": "/S", "SilentWithProgress": "/S"},
            "UpgradeBehavior": "install",
            "ElevationRequirement": "elevationProhibited",
            "ProductCode": facts["product_code"],
            "AppsAndFeaturesEntries": [
                {
                    "DisplayName": entry["DisplayName"],
                    "Publisher": entry["Publisher"],
                    "DisplayVersion": entry["DisplayVersion"],
                    "ProductCode": facts["product_code"],
                }
            ],
            "Installers": [
                {
                    "Architecture": "x64",
                    "InstallerUrl": download_url(address, version, installer.name),
                    "InstallerSha256": sha256(installer).upper(),
                }
            ],
        },
    )
    write_yaml(
        Path(f"{stem}.locale.{LOCALE}.yaml"),
        "defaultLocale",
        {
            **identity,
            "PackageLocale": LOCALE,
            "Publisher": entry["Publisher"],
            "PublisherUrl": address,
            "PackageName": entry["DisplayName"],
            "PackageUrl": address,
            "License": LICENSE,
            "ShortDescription": SHORT_DESCRIPTION,
            "Description": DESCRIPTION,
            "Moniker": product.lower(),
            "Tags": TAGS,
            "ReleaseNotes": Literal(notes),
        },
    )


def scoop(folder, facts, version, address, portable):
    url = download_url(address, version, portable.name)
    exe = facts["product"] + ".exe"
    manifest = {
        "version": version,
        "description": SHORT_DESCRIPTION,
        "homepage": address,
        "license": LICENSE,
        # Nothing in the program's folder changes, so nothing needs "persist".
        "notes": [
            f"{facts['product']} keeps its settings in the registry, in {facts['settings_key']},",
            "not in its folder: they outlast updates and uninstalls. To remove them as well:",
            f"reg delete {facts['settings_key']} /f",
        ],
        "url": url,
        "hash": sha256(portable),
        "bin": exe,
        "shortcuts": [[exe, facts["product"]]],
        # The download page lists the zip by the name it is given here.
        "checkver": {
            "url": address,
            "regex": re.escape(portable.name).replace(re.escape(version), r"([\d.]+)"),
        },
        "autoupdate": {"url": url.replace(version, "$version")},
    }
    path = folder / f"{facts['product'].lower()}.json"
    path.write_text(json.dumps(manifest, indent=4, ensure_ascii=False) + "\n", encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--version", required=True)
    parser.add_argument("--installer", required=True, type=Path)
    parser.add_argument("--portable", required=True, type=Path)
    parser.add_argument("--out", required=True, type=Path)
    args = parser.parse_args()

    facts = installer_facts(args.version)
    address = web_address()
    notes = release_notes(args.version)

    packaging = args.out / "packaging"
    shutil.rmtree(packaging, ignore_errors=True)
    (packaging / "winget").mkdir(parents=True)
    (packaging / "scoop").mkdir()
    winget(packaging / "winget", facts, args.version, address, notes, args.installer)
    scoop(packaging / "scoop", facts, args.version, address, args.portable)
    # Last: the build takes this file as the sign that all of the above is there.
    (args.out / "SHA256SUMS").write_text(
        "".join(f"{sha256(path)}  {path.name}\n" for path in (args.installer, args.portable)),
        encoding="utf-8",
    )


if __name__ == "__main__":
    main()
