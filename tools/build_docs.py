#!/usr/bin/env python3
"""Builds the user manual (manual.rtf) and the help project (HTML pages, .hhp, .hhc, .hhk) from
the Markdown pages of docs/manual/.

Standard library only, so the build needs nothing but Python 3. The output depends on the input
files alone (no dates, no file-system order), so two runs give the same bytes.

The pages use a small part of Markdown:
  # Title / ## Section / ### Subsection      headings (one "#" title per page)
  paragraphs, "- " bullet lists, "1. " numbered lists, "> " notes
  | a | b | tables (second line "|---|---|")
  ```  blocks of fixed-width text (commands, file lines)
  ![Caption](img/file.png)                  a picture on a line of its own
  **bold**, *italic*, `fixed`, [text](page.md#section) links
  [[&Archivo]]                              a caption of the program: shown in bold with the
                                            letter after "&" underlined, as the menu shows it
  <!-- índice: word; other word -->         keywords of the help index for the section
  <!-- anything else -->                    a remark for the editor, not shown
"""

import argparse
import html
import os
import re
import struct
import sys
import unicodedata

# ---------------------------------------------------------------------------------------------
# Reading the pages


class Page:
    def __init__(self, source, slug):
        self.source = source
        self.slug = slug  # file name of the HTML page without ".htm"
        self.title = ""
        self.blocks = []  # (kind, payload)
        self.keywords = []  # (keyword, anchor)
        self.sections = []  # (level, text, anchor)


def slugify(text):
    text = strip_markup(text)
    text = unicodedata.normalize("NFKD", text).encode("ascii", "ignore").decode("ascii").lower()
    return re.sub(r"[^a-z0-9]+", "-", text).strip("-")


def strip_markup(text):
    """The text as the reader sees it: no emphasis marks, captions without "&"."""
    text = re.sub(r"!\[([^\]]*)\]\([^)]+\)", r"\1", text)
    text = re.sub(r"\[\[(.+?)\]\]", lambda m: caption_text(m.group(1)), text)
    text = re.sub(r"\[([^\]]+)\]\([^)]+\)", r"\1", text)
    text = re.sub(r"\*\*(.+?)\*\*", r"\1", text)
    text = re.sub(r"(?<![\w*])\*(?!\s)(.+?)(?<!\s)\*(?![\w*])", r"\1", text)
    text = re.sub(r"`([^`]+)`", r"\1", text)
    return text


def caption_text(caption):
    """A caption as shown: "&&" is a literal "&", a single "&" marks the mnemonic letter."""
    return caption.replace("&&", "\0").replace("&", "").replace("\0", "&")


def read_page(path):
    name = os.path.splitext(os.path.basename(path))[0]
    slug = re.sub(r"^\d+-", "", name)
    page = Page(path, slug)
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    current_anchor = ""
    i = 0
    paragraph = []

    def resolve(text):
        """Inline pictures are given relative to the page; later steps need the real path."""
        def absolute(m):
            picture = os.path.normpath(os.path.join(os.path.dirname(path), m.group(2)))
            if not os.path.isfile(picture):
                sys.exit(f"{path}: missing picture {m.group(2)}")
            return "![%s](%s)" % (m.group(1), picture)
        return re.sub(r"!\[([^\]]*)\]\(([^)]+)\)", absolute, text)

    lines = [line if re.match(r"(!\[[^\]]*\]\([^)]+\)|<!--.*-->)$", line.strip()) else resolve(line)
             for line in lines]

    def flush():
        if paragraph:
            page.blocks.append(("p", " ".join(line.strip() for line in paragraph)))
            paragraph.clear()

    while i < len(lines):
        line = lines[i].rstrip()
        keyword = re.match(r"<!--\s*índice:\s*(.*?)\s*-->$", line)
        heading = re.match(r"(#{1,3}) (.+)$", line)
        if keyword:
            flush()
            for word in keyword.group(1).split(";"):
                if word.strip():
                    page.keywords.append((word.strip(), current_anchor))
        elif re.match(r"<!--.*-->$", line):
            pass  # a remark for whoever edits the page
        elif heading:
            flush()
            level = len(heading.group(1))
            text = heading.group(2).strip()
            if level == 1:
                if page.title:
                    sys.exit(f"{path}: more than one title")
                page.title = text
                current_anchor = ""
            else:
                current_anchor = slugify(text)
                page.sections.append((level, text, current_anchor))
            page.blocks.append(("h", (level, text, current_anchor)))
        elif line.startswith("```"):
            flush()
            code = []
            i += 1
            while i < len(lines) and not lines[i].startswith("```"):
                code.append(lines[i].rstrip())
                i += 1
            page.blocks.append(("code", code))
        elif re.match(r"!\[[^\]]*\]\([^)]+\)$", line):
            flush()
            m = re.match(r"!\[([^\]]*)\]\(([^)]+)\)$", line)
            image = os.path.normpath(os.path.join(os.path.dirname(path), m.group(2)))
            if not os.path.isfile(image):
                sys.exit(f"{path}: missing picture {m.group(2)}")
            page.blocks.append(("img", (m.group(1), image)))
        elif line.startswith("|"):
            flush()
            rows = []
            while i < len(lines) and lines[i].startswith("|"):
                cells = [c.strip() for c in lines[i].strip().strip("|").split("|")]
                if not all(re.match(r"^:?-+:?$", c) for c in cells):
                    rows.append(cells)
                i += 1
            i -= 1
            page.blocks.append(("table", rows))
        elif re.match(r"(- |\d+\. )", line):
            flush()
            ordered = line[0].isdigit()
            items = []
            while i < len(lines) and (re.match(r"(- |\d+\. )", lines[i]) or
                                      (items and lines[i].startswith("  ") and lines[i].strip())):
                if lines[i].startswith("  "):
                    items[-1] += " " + lines[i].strip()
                else:
                    items.append(re.sub(r"^(- |\d+\. )", "", lines[i]).strip())
                i += 1
            i -= 1
            page.blocks.append(("ol" if ordered else "ul", items))
        elif line.startswith(">"):
            flush()
            note = []
            while i < len(lines) and lines[i].startswith(">"):
                note.append(lines[i][1:].strip())
                i += 1
            i -= 1
            page.blocks.append(("note", " ".join(note)))
        elif not line.strip():
            flush()
        else:
            paragraph.append(line)
        i += 1
    flush()
    if not page.title:
        sys.exit(f"{path}: the page has no title")
    return page


INLINE = re.compile(r"!\[(?P<alt>[^\]]*)\]\((?P<picture>[^)]+)\)"
                    r"|\[\[(?P<caption>.+?)\]\]"
                    r"|\[(?P<linktext>[^\]]+)\]\((?P<target>[^)]+)\)"
                    r"|\*\*(?P<bold>.+?)\*\*"
                    r"|(?<![\w*])\*(?=\S)(?P<italic>.+?)(?<=\S)\*(?![\w*])"
                    r"|`(?P<code>[^`]+)`")


def inline_spans(text):
    """Splits a text into (kind, text, target) spans: plain, caption, link, bold, italic, code."""
    spans = []
    position = 0
    for m in INLINE.finditer(text):
        if m.start() > position:
            spans.append(("plain", text[position:m.start()], None))
        if m.group("picture") is not None:
            spans.append(("picture", m.group("alt"), m.group("picture")))
        elif m.group("caption") is not None:
            spans.append(("caption", m.group("caption"), None))
        elif m.group("linktext") is not None:
            spans.append(("link", m.group("linktext"), m.group("target")))
        elif m.group("bold") is not None:
            spans.append(("bold", m.group("bold"), None))
        elif m.group("italic") is not None:
            spans.append(("italic", m.group("italic"), None))
        else:
            spans.append(("code", m.group("code"), None))
        position = m.end()
    if position < len(text):
        spans.append(("plain", text[position:], None))
    return spans


def mnemonic_parts(caption):
    """(before, letter, after) of a caption; letter is empty when it has no mnemonic."""
    shown = caption.replace("&&", "\0")
    index = shown.find("&")
    if index < 0 or index + 1 >= len(shown):
        return caption_text(caption), "", ""
    restore = lambda s: s.replace("&", "").replace("\0", "&")
    return restore(shown[:index]), restore(shown[index + 1]), restore(shown[index + 2:])


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG picture")
    return struct.unpack(">II", head[16:24])


# ---------------------------------------------------------------------------------------------
# RTF


def rtf_escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\u00a0":
            out.append("\\~")
        elif ord(ch) < 128:
            out.append(ch)
        else:
            try:
                out.append("\\'%02x" % ch.encode("cp1252")[0])
            except UnicodeEncodeError:
                code = ord(ch)
                out.append("\\u%d?" % (code - 65536 if code > 32767 else code))
    return "".join(out)


def caption_markup(content, escape, caption_tags, mnemonic_tags):
    """A program caption set off by caption_tags, its mnemonic letter within mnemonic_tags."""
    before, letter, after = mnemonic_parts(content)
    mnemonic = mnemonic_tags[0] + escape(letter) + mnemonic_tags[1] if letter else ""
    return caption_tags[0] + escape(before) + mnemonic + escape(after) + caption_tags[1]


def rtf_inline(text):
    out = []
    for kind, content, target in inline_spans(text):
        if kind == "plain":
            out.append(rtf_escape(content))
        elif kind == "picture":
            out.append(rtf_picture(target))
        elif kind == "caption":
            out.append(caption_markup(content, rtf_escape, ("{\\b ", "}"), ("{\\ul ", "}")))
        elif kind == "link":
            out.append(rtf_inline(content))
        elif kind == "bold":
            out.append("{\\b " + rtf_inline(content) + "}")
        elif kind == "italic":
            out.append("{\\i " + rtf_inline(content) + "}")
        else:
            out.append("{\\f1\\fs19 " + rtf_escape(content) + "}")
    return "".join(out)


TEXT_WIDTH_TWIPS = 9638  # A4 less two margins of 2 cm
BODY = "\\pard\\plain\\s0\\ql\\sa120\\sl276\\slmult1\\f0\\fs21 "


def rtf_table(rows):
    columns = max(len(r) for r in rows)
    def shown_length(cell):
        return len(strip_markup(re.sub(r"!\[[^\]]*\]\([^)]+\)", "XX", cell)))

    lengths = [max(shown_length(r[c]) if c < len(r) else 0 for r in rows) for c in range(columns)]
    weights = [min(max(n, 6), 60) for n in lengths]
    total = sum(weights)
    edges, position = [], 0
    for w in weights:
        position += TEXT_WIDTH_TWIPS * w // total
        edges.append(position)
    edges[-1] = TEXT_WIDTH_TWIPS
    border = "\\clbrdrt\\brdrs\\brdrw5\\clbrdrl\\brdrs\\brdrw5\\clbrdrb\\brdrs\\brdrw5\\clbrdrr\\brdrs\\brdrw5"
    out = []
    for index, row in enumerate(rows):
        header = index == 0
        out.append("\\trowd\\trgaph70\\trleft0" + ("\\trhdr\\trkeep" if header else "\\trkeep"))
        for edge in edges:
            out.append(border + ("\\clcbpat3" if header else "") + "\\cellx%d" % edge)
        out.append("\n")
        for c in range(columns):
            cell = row[c] if c < len(row) else ""
            content = rtf_inline(cell)
            if header:
                content = "{\\b " + content + "}"
            out.append("\\pard\\plain\\intbl\\ql\\sa40\\f0\\fs18 " + content + "\\cell\n")
        out.append("\\row\n")
    out.append("\\pard\\plain\\sa120\\par\n")
    return "".join(out)


def rtf_picture(path):
    width, height = png_size(path)
    goal_w, goal_h = width * 15, height * 15  # 96 pixels to the inch
    if goal_w > TEXT_WIDTH_TWIPS:
        goal_h = goal_h * TEXT_WIDTH_TWIPS // goal_w
        goal_w = TEXT_WIDTH_TWIPS
    with open(path, "rb") as f:
        data = f.read().hex()
    lines = [data[i:i + 128] for i in range(0, len(data), 128)]
    return ("{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n" % (width, height, goal_w, goal_h) +
            "\n".join(lines) + "}")


def rtf_document(pages, title, subtitle, logo):
    out = [
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082\n",
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 Liberation Sans{\\*\\falt Arial};}"
        "{\\f1\\fmodern\\fcharset0 Liberation Mono{\\*\\falt Courier New};}}\n",
        "{\\colortbl;\\red0\\green51\\blue102;\\red255\\green255\\blue170;\\red221\\green230\\blue240;"
        "\\red240\\green240\\blue240;\\red128\\green0\\blue0;}\n",
        "{\\stylesheet{\\s0\\ql\\sa120\\f0\\fs21 Normal;}"
        "{\\s1\\ql\\keepn\\sb240\\sa180\\outlinelevel0\\b\\f0\\fs36\\cf1 heading 1;}"
        "{\\s2\\ql\\keepn\\sb240\\sa120\\outlinelevel1\\b\\f0\\fs28\\cf1 heading 2;}"
        "{\\s3\\ql\\keepn\\sb180\\sa80\\outlinelevel2\\b\\f0\\fs23\\cf1 heading 3;}}\n",
        "{\\info{\\title " + rtf_escape(title) + "}{\\subject " + rtf_escape(subtitle) + "}}\n",
        "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\\deftab567"
        "\\widowctrl\\ftnbj\\fet0\\sectd\\pgnstarts1\\titlepg\n",
        "{\\footer\\pard\\plain\\qc\\f0\\fs16 " + rtf_escape(title) +
        " \\endash  {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}\\par}\n",
        # Title page.
        "\\pard\\plain\\qc\\sb2400\\sa240\\f0\\fs56\\b\\cf1 " + rtf_escape(title) + "\\par\n",
        "\\pard\\plain\\qc\\sa1200\\f0\\fs32 " + rtf_escape(subtitle) + "\\par\n",
    ]
    if logo:
        out.append("\\pard\\plain\\qc\\sa1200 " + rtf_picture(logo) + "\\par\n")
    out.append("\\pard\\plain\\qc\\f0\\fs24\\b Contenido\\par\n")
    for number, page in enumerate(pages, 1):
        out.append("\\pard\\plain\\qc\\sa60\\f0\\fs21 %d. %s\\par\n" % (number, rtf_inline(page.title)))
    for number, page in enumerate(pages, 1):
        for kind, payload in page.blocks:
            if kind == "h":
                level, text, _ = payload
                if level == 1:
                    out.append("\\pard\\plain\\s1\\pagebb\\ql\\keepn\\sb0\\sa180\\outlinelevel0\\b\\f0\\fs36\\cf1 "
                               "%d. %s\\par\n" % (number, rtf_inline(text)))
                elif level == 2:
                    out.append("\\pard\\plain\\s2\\ql\\keepn\\sb240\\sa120\\outlinelevel1\\b\\f0\\fs28\\cf1 " +
                               rtf_inline(text) + "\\par\n")
                else:
                    out.append("\\pard\\plain\\s3\\ql\\keepn\\sb180\\sa80\\outlinelevel2\\b\\f0\\fs23\\cf1 " +
                               rtf_inline(text) + "\\par\n")
            elif kind == "p":
                out.append(BODY + rtf_inline(payload) + "\\par\n")
            elif kind in ("ul", "ol"):
                for index, item in enumerate(payload, 1):
                    mark = "\\bullet" if kind == "ul" else "%d." % index
                    out.append("\\pard\\plain\\s0\\ql\\fi-340\\li680\\sa60\\tx680\\f0\\fs21 " + mark + "\\tab " +
                               rtf_inline(item) + "\\par\n")
                out.append("\\pard\\plain\\sa60\\fs8\\par\n")
            elif kind == "note":
                out.append("\\pard\\plain\\s0\\ql\\li340\\ri340\\sb60\\sa180\\box\\brdrs\\brdrw10\\brsp80"
                           "\\cbpat2\\f0\\fs20 " + rtf_inline(payload) + "\\par\n")
            elif kind == "code":
                text = "\\line\n".join(rtf_escape(line) for line in payload)
                out.append("\\pard\\plain\\ql\\li340\\sa180\\cbpat4\\f1\\fs18 " + text + "\\par\n")
            elif kind == "table":
                out.append(rtf_table(payload))
            elif kind == "img":
                caption, path = payload
                out.append("\\pard\\plain\\qc\\keepn\\sb120\\sa60 " + rtf_picture(path) + "\\par\n")
                if caption:
                    out.append("\\pard\\plain\\qc\\sa240\\f0\\fs18\\i " + rtf_inline(caption) + "\\par\n")
    out.append("}\n")
    return "".join(out)


# ---------------------------------------------------------------------------------------------
# HTML help


def html_escape(text):
    return html.escape(text, quote=True)


def html_inline(text, slugs):
    out = []
    for kind, content, target in inline_spans(text):
        if kind == "plain":
            out.append(html_escape(content))
        elif kind == "picture":
            width, height = png_size(target)
            out.append('<img src="%s" width="%d" height="%d" alt="%s">' %
                       (os.path.basename(target), width, height, html_escape(content)))
        elif kind == "caption":
            out.append(caption_markup(content, html_escape, ('<span class="mando">', "</span>"), ("<u>", "</u>")))
        elif kind == "link":
            page, _, anchor = target.partition("#")
            slug = re.sub(r"^\d+-", "", os.path.splitext(page)[0]) if page else ""
            if page and slug not in slugs:
                sys.exit(f"link to a missing page: {target}")
            if anchor and anchor not in ANCHORS.get(slug or CURRENT[0], set()):
                sys.exit(f"link to a missing section: {target}")
            href = (slug + ".htm" if page else "") + ("#" + anchor if anchor else "")
            out.append('<a href="%s">%s</a>' % (href, html_inline(content, slugs)))
        elif kind == "bold":
            out.append("<b>" + html_inline(content, slugs) + "</b>")
        elif kind == "italic":
            out.append("<i>" + html_inline(content, slugs) + "</i>")
        else:
            out.append("<code>" + html_escape(content) + "</code>")
    return "".join(out)


# Sections of every page, to check the links, and the page being written.
ANCHORS = {}
CURRENT = [""]


def html_page(page, number, pages, slugs, images):
    CURRENT[0] = page.slug
    index = pages.index(page)
    nav = ['<a href="%s.htm">Contenido</a>' % pages[0].slug]
    if index > 0:
        nav.append('<a href="%s.htm">&laquo; %s</a>' % (pages[index - 1].slug, html_escape(strip_markup(pages[index - 1].title))))
    if index + 1 < len(pages):
        nav.append('<a href="%s.htm">%s &raquo;</a>' % (pages[index + 1].slug, html_escape(strip_markup(pages[index + 1].title))))
    out = [
        '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">\n<html lang="es">\n<head>\n',
        '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">\n',
        "<title>%s</title>\n" % html_escape(strip_markup(page.title)),
        '<link rel="stylesheet" type="text/css" href="estilo.css">\n</head>\n<body>\n',
        '<p class="nav">%s</p>\n' % " | ".join(nav),
    ]
    for kind, payload in page.blocks:
        if kind == "h":
            level, text, anchor = payload
            if level == 1:
                out.append("<h1>%d. %s</h1>\n" % (number, html_inline(text, slugs)))
            else:
                out.append('<h%d><a name="%s"></a>%s</h%d>\n' %
                           (level, anchor, html_inline(text, slugs), level))
        elif kind == "p":
            out.append("<p>%s</p>\n" % html_inline(payload, slugs))
        elif kind in ("ul", "ol"):
            out.append("<%s>\n" % kind)
            for item in payload:
                out.append("<li>%s</li>\n" % html_inline(item, slugs))
            out.append("</%s>\n" % kind)
        elif kind == "note":
            out.append('<p class="nota">%s</p>\n' % html_inline(payload, slugs))
        elif kind == "code":
            out.append("<pre>%s</pre>\n" % html_escape("\n".join(payload)))
        elif kind == "table":
            out.append("<table>\n")
            for row_index, row in enumerate(payload):
                cell = "th" if row_index == 0 else "td"
                out.append("<tr>" + "".join("<%s>%s</%s>" % (cell, html_inline(c, slugs), cell) for c in row) +
                           "</tr>\n")
            out.append("</table>\n")
        elif kind == "img":
            caption, path = payload
            name = images[path]
            width, height = png_size(path)
            out.append('<p class="figura"><img src="%s" width="%d" height="%d" alt="%s"><br>%s</p>\n' %
                       (name, width, height, html_escape(strip_markup(caption)), html_inline(caption, slugs)))
    if index == 0:
        out.append("<h2>Contenido</h2>\n<ol>\n")
        for other in pages:
            out.append('<li><a href="%s.htm">%s</a></li>\n' % (other.slug, html_inline(other.title, slugs)))
        out.append("</ol>\n")
    out.append('<p class="nav">%s</p>\n</body>\n</html>\n' % " | ".join(nav))
    return "".join(out)


STYLE = """body { font-family: "Liberation Sans", Arial, sans-serif; font-size: 10pt; margin: 12px 18px; }
h1 { color: #003366; font-size: 16pt; border-bottom: 2px solid #003366; }
h2 { color: #003366; font-size: 13pt; margin-top: 18px; }
h3 { color: #003366; font-size: 11pt; }
table { border-collapse: collapse; margin: 6px 0 12px 0; }
th, td { border: 1px solid #808080; padding: 3px 6px; vertical-align: top; text-align: left; }
th { background: #dde6f0; }
pre { background: #f0f0f0; padding: 6px; font-family: "Liberation Mono", "Courier New", monospace; }
code { font-family: "Liberation Mono", "Courier New", monospace; }
.mando { font-weight: bold; }
.nota { background: #ffffaa; border: 1px solid #c0c080; padding: 6px; }
.figura { text-align: center; font-style: italic; font-size: 9pt; }
.nav { font-size: 8pt; color: #606060; }
"""


def sitemap_escape(text):
    return html.escape(strip_markup(text), quote=True)


def sort_key(text):
    plain = unicodedata.normalize("NFKD", strip_markup(text)).encode("ascii", "ignore").decode("ascii")
    return (plain.casefold(), text)


def write_help(pages, out_dir, title):
    os.makedirs(out_dir, exist_ok=True)
    slugs = {p.slug for p in pages}
    for page in pages:
        ANCHORS[page.slug] = {anchor for _, _, anchor in page.sections}
    images = {}
    for page in pages:
        for picture in page_pictures(page):
            images[picture] = os.path.basename(picture)
    if len(set(images.values())) != len(images):
        sys.exit("two pictures share a file name")
    files = []
    for number, page in enumerate(pages, 1):
        name = page.slug + ".htm"
        write_bytes(os.path.join(out_dir, name), html_page(page, number, pages, slugs, images).encode("cp1252", "xmlcharrefreplace"))
        files.append(name)
    write_bytes(os.path.join(out_dir, "estilo.css"), STYLE.encode("ascii"))
    files.append("estilo.css")
    for path, name in sorted(images.items(), key=lambda item: item[1]):
        with open(path, "rb") as f:
            write_bytes(os.path.join(out_dir, name), f.read())
        files.append(name)

    toc = ['<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">\n<HTML>\n<HEAD>\n'
           '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">\n</HEAD>\n<BODY>\n'
           '<OBJECT type="text/site properties">\n<param name="ImageType" value="Folder">\n</OBJECT>\n<UL>\n']
    for number, page in enumerate(pages, 1):
        toc.append('<LI> <OBJECT type="text/sitemap">\n<param name="Name" value="%d. %s">\n'
                   '<param name="Local" value="%s.htm">\n</OBJECT>\n' % (number, sitemap_escape(page.title), page.slug))
        sections = [s for s in page.sections if s[0] == 2]
        if sections:
            toc.append("<UL>\n")
            for _, text, anchor in sections:
                toc.append('<LI> <OBJECT type="text/sitemap">\n<param name="Name" value="%s">\n'
                           '<param name="Local" value="%s.htm#%s">\n</OBJECT>\n' %
                           (sitemap_escape(text), page.slug, anchor))
            toc.append("</UL>\n")
    toc.append("</UL>\n</BODY>\n</HTML>\n")
    write_bytes(os.path.join(out_dir, "kaldo31.hhc"), "".join(toc).encode("cp1252", "xmlcharrefreplace"))

    entries = {}
    for page in pages:
        entries.setdefault(strip_markup(page.title), []).append((page.slug, ""))
        for keyword, anchor in page.keywords:
            entries.setdefault(strip_markup(keyword), []).append((page.slug, anchor))
    index = ['<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">\n<HTML>\n<HEAD>\n'
             '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">\n</HEAD>\n<BODY>\n<UL>\n']
    for keyword in sorted(entries, key=sort_key):
        index.append('<LI> <OBJECT type="text/sitemap">\n<param name="Name" value="%s">\n' % sitemap_escape(keyword))
        for slug, anchor in entries[keyword]:
            index.append('<param name="Local" value="%s.htm%s">\n' % (slug, "#" + anchor if anchor else ""))
        index.append("</OBJECT>\n")
    index.append("</UL>\n</BODY>\n</HTML>\n")
    write_bytes(os.path.join(out_dir, "kaldo31.hhk"), "".join(index).encode("cp1252", "xmlcharrefreplace"))

    project = ["[OPTIONS]\n", "Compatibility=1.1 or later\n", "Compiled file=kaldo31.chm\n",
               "Contents file=kaldo31.hhc\n", "Index file=kaldo31.hhk\n",
               "Default topic=%s.htm\n" % pages[0].slug, "Display compile progress=No\n",
               "Full-text search=Yes\n", "Language=0xc0a\n", "Title=%s\n" % title, "\n[FILES]\n"]
    project += [name + "\n" for name in files]
    write_bytes(os.path.join(out_dir, "kaldo31.hhp"), "".join(project).encode("cp1252", "xmlcharrefreplace"))


def page_pictures(page):
    """Every picture a page shows, on a line of its own or inside a text."""
    pictures = []
    for kind, payload in page.blocks:
        texts = []
        if kind == "img":
            pictures.append(payload[1])
            texts = [payload[0]]
        elif kind in ("p", "note"):
            texts = [payload]
        elif kind in ("ul", "ol"):
            texts = payload
        elif kind == "table":
            texts = [cell for row in payload for cell in row]
        for text in texts:
            pictures += [target for k, _, target in inline_spans(text) if k == "picture"]
    return pictures


def write_bytes(path, data):
    """Writes only when the content changed, so that the build does not redo what depends on it."""
    if os.path.isfile(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return
    with open(path, "wb") as f:
        f.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("source", help="folder of the Markdown pages")
    parser.add_argument("--rtf", help="manual to write")
    parser.add_argument("--help-dir", help="folder for the help project")
    parser.add_argument("--logo", help="PNG picture for the manual's title page")
    args = parser.parse_args()

    names = sorted(n for n in os.listdir(args.source) if n.endswith(".md"))
    pages = [read_page(os.path.join(args.source, n)) for n in names]
    if not pages:
        sys.exit("no pages")
    title, subtitle = "KALDO 3.1", "Manual del usuario"
    if args.rtf:
        write_bytes(args.rtf, rtf_document(pages, title, subtitle, args.logo).encode("ascii"))
    if args.help_dir:
        write_help(pages, args.help_dir, "KALDO 3.1 - Ayuda")


if __name__ == "__main__":
    main()
