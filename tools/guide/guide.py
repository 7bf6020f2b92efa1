#!/usr/bin/env python3
"""The user guide's build helper: from the pages in docs/guide/ to the project of the help compiler.

    guide.py scenes SOURCE               the gallery scenes whose pictures the pages show, one a line
    guide.py build SOURCE PICTURES OUT   OUT holds the pages, their pictures (PICTURES/NAME.png for a page's
                                         images/NAME.png) and Vaultlet.hhp with its contents (.hhc) and index
                                         (.hhk); fails when a link or picture is missing
    guide.py check FOLDER                the same link check over a built folder
    guide.py check-chm FILE FOLDER       every file of the built folder is inside the compiled help FILE

A page is one .html file in SOURCE. Its <title> names it in the contents, and its
<meta name="keywords" content="one; two"> gives its index entries. SOURCE/contents.txt orders the contents:
one page file a line, indented by two spaces under the page it belongs to. Adding a page is that file and its
line in contents.txt.
"""

import html
import html.parser
import os
import re
import shutil
import struct
import sys

CONTENTS = "contents.txt"
PROJECT = "Vaultlet.hhp"
TOC = "Vaultlet.hhc"
INDEX = "Vaultlet.hhk"
COMPILED = "Vaultlet.chm"
TITLE = "Quillmoth Keyhaven User Guide"
START_PAGE = "index.html"
PICTURES = "images"
EXTERNAL = re.compile(r"^(https?:|mailto:)", re.IGNORECASE)


class Page(html.parser.HTMLParser):
    """What the build and the check need of one page: title, keywords, links, pictures and anchors."""

    def __init__(self, path):
        super().__init__(convert_charrefs=True)
        self.name = os.path.basename(path)
        self.title = ""
        self.keywords = []
        self.links = []
        self.anchors = set()
        self._in_title = False
        with open(path, encoding="utf-8") as source:
            self.feed(source.read())

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        for anchor in ("id", "name"):
            if attributes.get(anchor) and tag != "meta":
                self.anchors.add(attributes[anchor])
        if tag == "title":
            self._in_title = True
        elif tag == "meta" and attributes.get("name", "").lower() == "keywords":
            self.keywords = [k.strip() for k in attributes.get("content", "").split(";") if k.strip()]
        for reference in ("href", "src"):
            if attributes.get(reference):
                self.links.append(attributes[reference])

    def handle_endtag(self, tag):
        if tag == "title":
            self._in_title = False

    def handle_data(self, data):
        if self._in_title:
            self.title += data


def page_files(folder):
    return sorted(f for f in os.listdir(folder) if f.endswith(".html"))


def read_contents(folder):
    """[(depth, file)] in the order of contents.txt."""
    entries = []
    with open(os.path.join(folder, CONTENTS), encoding="utf-8") as contents:
        for number, line in enumerate(contents, 1):
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            indent = len(line) - len(line.lstrip(" "))
            if indent % 2:
                raise SystemExit(f"{CONTENTS}:{number}: indent by two spaces per level")
            entries.append((indent // 2, line.strip()))
    return entries


def pictures_of(pages):
    names = set()
    for page in pages:
        for link in page.links:
            match = re.fullmatch(PICTURES + r"/([A-Za-z0-9-]+)\.png", link)
            if match:
                names.add(match.group(1))
    return sorted(names)


def problems_in(folder):
    """Every broken link, missing anchor or picture, and every page the contents leave out or name wrongly."""
    pages = {name: Page(os.path.join(folder, name)) for name in page_files(folder)}
    problems = []
    for page in pages.values():
        if not page.title.strip():
            problems.append(f"{page.name}: no <title>")
        if not page.keywords:
            problems.append(f"{page.name}: no index keywords (<meta name=\"keywords\">)")
        for link in page.links:
            if EXTERNAL.match(link):
                continue
            target, _, fragment = link.partition("#")
            target = target or page.name
            if not os.path.isfile(os.path.join(folder, target)):
                problems.append(f"{page.name}: broken link to {link}")
            elif fragment and target.endswith(".html") and fragment not in pages[target].anchors:
                problems.append(f"{page.name}: no anchor \"{fragment}\" in {target}")
    listed = [name for _, name in read_contents(folder)]
    for name in listed:
        if name not in pages:
            problems.append(f"{CONTENTS}: no page {name}")
    for name in pages:
        if name not in listed:
            problems.append(f"{name}: not in {CONTENTS}")
    if len(set(listed)) != len(listed):
        problems.append(f"{CONTENTS}: a page is listed twice")
    return problems


def sitemap_entry(name, local):
    return ('<li><object type="text/sitemap"><param name="Name" value="%s"><param name="Local" value="%s"></object>\n'
            % (html.escape(name), html.escape(local)))


def write_toc(folder, pages):
    lines = ["<html><head><meta charset=\"utf-8\"></head><body>\n<ul>\n"]
    depth = 0
    for level, name in read_contents(folder):
        while depth < level:
            lines.append("<ul>\n")
            depth += 1
        while depth > level:
            lines.append("</ul>\n")
            depth -= 1
        lines.append(sitemap_entry(pages[name].title.strip(), name))
    lines.append("</ul>\n" * (depth + 1))
    lines.append("</body></html>\n")
    with open(os.path.join(folder, TOC), "w", encoding="utf-8") as toc:
        toc.writelines(lines)


def write_index(folder, pages):
    keywords = sorted(((k, p.name) for p in pages.values() for k in p.keywords), key=lambda e: (e[0].lower(), e[1]))
    with open(os.path.join(folder, INDEX), "w", encoding="utf-8") as index:
        index.write("<html><head><meta charset=\"utf-8\"></head><body>\n<ul>\n")
        index.writelines(sitemap_entry(keyword, name) for keyword, name in keywords)
        index.write("</ul>\n</body></html>\n")


def write_project(folder):
    files = sorted(f for f in os.listdir(folder) if f.endswith((".html", ".css")))
    files += sorted(PICTURES + "/" + f for f in os.listdir(os.path.join(folder, PICTURES)))
    with open(os.path.join(folder, PROJECT), "w", encoding="utf-8") as project:
        project.write("[OPTIONS]\n")
        project.write("Compatibility=1.1 or later\n")
        project.write(f"Compiled file={COMPILED}\n")
        project.write(f"Contents file={TOC}\nIndex file={INDEX}\n")
        project.write(f"Default topic={START_PAGE}\n")
        project.write("Display compile progress=No\nFull-text search=Yes\n")
        project.write("Language=0x409 English (United States)\n")
        project.write(f"Title={TITLE}\n\n")
        project.write("[FILES]\n")
        project.writelines(f + "\n" for f in files)


def build(source, pictures, out):
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(os.path.join(out, PICTURES))
    for name in os.listdir(source):
        if name.endswith((".html", ".css")) or name == CONTENTS:
            shutil.copyfile(os.path.join(source, name), os.path.join(out, name))
    pages = {name: Page(os.path.join(out, name)) for name in page_files(out)}
    for picture in pictures_of(pages.values()):
        shot = os.path.join(pictures, picture + ".png")
        if os.path.isfile(shot):
            shutil.copyfile(shot, os.path.join(out, PICTURES, picture + ".png"))
    problems = problems_in(out)
    if problems:
        raise SystemExit("the user guide has broken links:\n  " + "\n  ".join(problems))
    write_toc(out, pages)
    write_index(out, pages)
    write_project(out)


def encoded_int(data, at):
    """A compiled help file's variable-length number: seven bits a byte, the high bit means more follow."""
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def chm_names(path):
    """The names in a compiled help file's directory (its PMGL listing chunks)."""
    with open(path, "rb") as chm:
        data = chm.read()
    if data[:4] != b"ITSF":
        raise SystemExit(f"{path}: not a compiled help file")
    directory = struct.unpack_from("<Q", data, 0x48)[0]
    if data[directory:directory + 4] != b"ITSP":
        raise SystemExit(f"{path}: no directory")
    header_length, = struct.unpack_from("<I", data, directory + 8)
    chunk_size, = struct.unpack_from("<I", data, directory + 0x10)
    chunks, = struct.unpack_from("<I", data, directory + 0x2C)
    names = []
    for chunk in range(chunks):
        start = directory + header_length + chunk * chunk_size
        if data[start:start + 4] != b"PMGL":
            continue
        free, = struct.unpack_from("<I", data, start + 4)
        at, end = start + 20, start + chunk_size - free
        while at < end:
            length, at = encoded_int(data, at)
            names.append(data[at:at + length].decode("utf-8"))
            at += length
            for _ in range(3):  # section, offset, length
                _, at = encoded_int(data, at)
    return names


def check_chm(path, folder):
    inside = set(chm_names(path))
    expected = [f for f in os.listdir(folder) if f.endswith((".html", ".css"))]
    expected += [PICTURES + "/" + f for f in os.listdir(os.path.join(folder, PICTURES))]
    expected += [TOC, INDEX]
    missing = sorted(f for f in expected if "/" + f not in inside)
    if missing:
        raise SystemExit(f"{path} lacks: " + ", ".join(missing))
    print(f"{path}: all {len(expected)} files of the guide inside")


def main(arguments):
    command = arguments[0] if arguments else ""
    if command == "scenes" and len(arguments) == 2:
        pages = [Page(os.path.join(arguments[1], name)) for name in page_files(arguments[1])]
        print("\n".join(pictures_of(pages)))
    elif command == "build" and len(arguments) == 4:
        build(*arguments[1:])
    elif command == "check" and len(arguments) == 2:
        problems = problems_in(arguments[1])
        if problems:
            raise SystemExit("broken links:\n  " + "\n  ".join(problems))
        print(f"{arguments[1]}: no broken links in {len(page_files(arguments[1]))} pages")
    elif command == "check-chm" and len(arguments) == 3:
        check_chm(*arguments[1:])
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
