#!/usr/bin/env python3
"""Reads the validation report as a reader would. The page: parsed strictly as
XML, self-contained, every character in the suite's font, every tool at its
anchor. Then printed to PDF by headless Chromium, and the PDF's text: every
tool's number and name, the totals line, every example agreed.
Usage: check_report.py <source folder> [report.html]; the PDF and a PNG of its
first page stay in build/report-check."""
import os, re, shutil, subprocess, sys, tempfile  # noqa: E401
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources"))
from check_font import font_characters  # noqa: E402

ROOT = os.path.abspath(sys.argv[1])
PAGE = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else os.path.join(ROOT, "build", "dist", "验证报告.html")
OUT = os.path.join(ROOT, "build", "report-check")
FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
XHTML = "{http://www.w3.org/1999/xhtml}"
# Chromium as root, headless, with nothing to reach out for.
CHROMIUM = ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--no-pdf-header-footer"]
results = []


def check(name, ok, detail=""):
    results.append(bool(ok))
    print(("ok   " if ok else "FAIL ") + name + ("" if ok else ": %s" % (str(detail)[:2000],)), flush=True)


def squeeze(text):
    return re.sub(r"\s+", "", text)


def check_page(data, tools):
    check("UTF-8 with a byte-order mark", data.startswith(b"\xef\xbb\xbf"))
    try:
        root = ET.fromstring(data)
    except ET.ParseError as error:
        check("strict XML parse", False, error)
        return
    check("strict XML parse", True)
    elements = list(root.iter())
    foreign = [e.tag for e in elements if e.tag.replace(XHTML, "") in ("script", "link", "img", "iframe", "object",
                                                                       "embed", "frame", "base")]
    links = [e.get("href") for e in elements if e.get("href") is not None]
    ids = {e.get("id") for e in elements}
    style = "".join("".join(e.itertext()) for e in elements if e.tag == XHTML + "style")
    check("self-contained: no script, image or file, no outside style or font",
          not foreign and not any(e.get("src") for e in elements) and all(h.startswith("#") for h in links)
          and not re.search(r"url\(|@import|@font-face", style), (foreign, [h for h in links if h[:1] != "#"]))
    check("every link has its anchor", links and all(h[1:] in ids for h in links),
          [h for h in links if h[1:] not in ids])
    check("every tool at its anchor", all("t" + n in ids for n, _ in tools), [n for n, _ in tools if "t" + n not in ids])
    text = "".join(root.itertext())
    font = font_characters(FONT)
    missing = sorted({c for c in text if ord(c) not in font and c not in "\n"})
    check("every character in WenQuanYi Zen Hei", not missing, missing)


def main():
    suite = open(os.path.join(ROOT, "tools", "suite.cmake"), encoding="utf-8").read()
    tools = re.findall(r'^\s*"(\d+)\|([^"]+)"', suite, re.M)
    table = open(os.path.join(ROOT, "app", "worked_examples.h"), encoding="utf-8").read()
    examples = len(re.findall(r'^\s*\{\d+, "', table, re.M))
    totals = "合计：工具 %d 个，算例 %d 条，一致 %d 条，不一致 0 条" % (len(tools), examples, examples)

    data = open(PAGE, "rb").read() if os.path.isfile(PAGE) else b""
    check("the report: " + PAGE, data)
    check_page(data, tools)

    shutil.rmtree(OUT, ignore_errors=True)
    os.makedirs(OUT)
    pdf = os.path.join(OUT, "验证报告.pdf")
    with tempfile.TemporaryDirectory() as profile:
        printed = subprocess.run(CHROMIUM + ["--user-data-dir=" + profile, "--print-to-pdf=" + pdf,
                                             "file://" + PAGE], stdin=subprocess.DEVNULL, capture_output=True,
                                 timeout=600)
    check("chromium --print-to-pdf", printed.returncode == 0 and os.path.isfile(pdf), printed.stderr[-2000:])
    if not os.path.isfile(pdf):
        return finish()
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    pages = int((re.search(r"^Pages:\s+(\d+)", info, re.M) or [0, 0])[1])
    check("PDF of A4 pages", pages > 0 and re.search(r"^Page size:.*\(A4\)$", info, re.M), info)
    text = squeeze(subprocess.run(["pdftotext", "-enc", "UTF-8", pdf, "-"], capture_output=True, text=True).stdout)
    check("PDF: every tool's number and name", all(squeeze(n + name) in text for n, name in tools),
          [n for n, name in tools if squeeze(n + name) not in text])
    check("PDF: " + totals, squeeze(totals) in text)
    check("PDF: no example differs (no ×不一致), every one marked √",
          "×不一致" not in text and text.count("√一致") >= examples, text.count("√一致"))
    subprocess.run(["pdftoppm", "-png", "-r", "80", "-f", "1", "-l", "1", "-singlefile", pdf,
                    os.path.join(OUT, "page1")], check=False)
    print("report: %d bytes, %d PDF pages (%s)" % (len(data), pages, pdf))
    return finish()


def finish():
    failed = results.count(False)
    print("report: %d passed, %d failed" % (len(results) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
