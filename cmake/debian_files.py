"""Writes the two documents Debian asks of the .deb into FOLDER:

- `copyright`: LICENSE in Debian's machine-readable copyright format;
- `changelog`: the released sections of CHANGELOG.md in Debian's changelog
  format, since the changelog of a package whose version has no Debian
  revision is read as one. The Unreleased section is left out.

Usage: debian_files.py PACKAGE MAINTAINER LICENSE CHANGELOG.md FOLDER
"""
import datetime
import email.utils
import os
import re
import sys

COPYRIGHT_FORMAT = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
RELEASE_HEADING = re.compile(r"^## (\S+) - (\d{4})-(\d{2})-(\d{2})\s*$")


def indented(paragraphs):
    """Text as a field's continuation lines: one space before each line, a
    lone "." for an empty one."""
    return "\n".join(" " + line if line.strip() else " ." for line in paragraphs.strip("\n").split("\n"))


def copyright_document(package, maintainer, licence):
    """The copyright notices of LICENSE and its permission text (the MIT
    licence, which Debian names Expat) as one paragraph for all files."""
    notices = list(re.finditer(r"^Copyright \(c\) (.+)$", licence, re.MULTILINE))
    if not notices:
        raise SystemExit("LICENSE holds no line 'Copyright (c) ...'")
    holders = "\n ".join(notice.group(1) for notice in notices)
    terms = licence[notices[-1].end():]
    return ("Format: %s\nUpstream-Name: %s\nUpstream-Contact: %s\n\n"
            "Files: *\nCopyright: %s\nLicense: Expat\n%s\n" %
            (COPYRIGHT_FORMAT, package, maintainer, holders, indented(terms)))


def releases(changelog):
    """(version, date, lines) of every released section, newest first."""
    found = []
    for line in changelog.split("\n"):
        heading = RELEASE_HEADING.match(line)
        if heading:
            year, month, day = (int(part) for part in heading.groups()[1:])
            found.append((heading.group(1), datetime.date(year, month, day), []))
        elif line.startswith("## "):
            found.append(None)  # Unreleased: its lines are dropped
        elif found and found[-1] is not None:
            found[-1][2].append(line)
    return [release for release in found if release is not None]


def debian_entry(package, maintainer, version, date, lines):
    """One release as a Debian changelog entry: its "- " items become "* "
    items, every line indented by two spaces."""
    body = "\n".join("  " + re.sub(r"^- ", "* ", line) if line.strip() else "" for line in lines).strip("\n")
    midnight = datetime.datetime(date.year, date.month, date.day, tzinfo=datetime.timezone.utc)
    return "%s (%s) unstable; urgency=medium\n\n%s\n\n -- %s  %s\n" % (
        package, version, body, maintainer, email.utils.format_datetime(midnight))


def main(package, maintainer, licence_file, changelog_file, folder):
    with open(licence_file, encoding="utf-8") as licence, open(changelog_file, encoding="utf-8") as changelog:
        licence_text, changelog_text = licence.read(), changelog.read()
    entries = [debian_entry(package, maintainer, *release) for release in releases(changelog_text)]
    if not entries:
        raise SystemExit("%s holds no release section '## VERSION - YYYY-MM-DD'" % changelog_file)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "copyright"), "w", encoding="utf-8") as out:
        out.write(copyright_document(package, maintainer, licence_text))
    with open(os.path.join(folder, "changelog"), "w", encoding="utf-8") as out:
        out.write("\n".join(entries))


if __name__ == "__main__":
    if len(sys.argv) != 6:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
