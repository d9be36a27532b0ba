"""Checks the user manual's pages: well nested, self-contained (no script, nothing
fetched from the network) and every link inside the manual leads somewhere."""
import html.parser
import os
import sys

VOID = {"meta", "br", "img", "hr", "link", "input", "wbr"}


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.open, self.ids, self.links, self.problems = [], set(), [], []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "script":
            self.problems.append("a script")
        for name in ("src", "href"):
            if name not in attrs:
                continue
            value = attrs[name] or ""
            if name == "src" or tag == "link":
                self.problems.append(f"<{tag} {name}={value}> loads a file")
            elif value.startswith(("http:", "https:", "//")):
                self.problems.append(f"a link to the network: {value}")
            elif value:
                self.links.append(value)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if tag not in VOID:
            self.open.append((tag, self.getpos()[0]))

    def handle_endtag(self, tag):
        if not self.open or self.open[-1][0] != tag:
            self.problems.append(f"line {self.getpos()[0]}: </{tag}> closes {self.open[-1] if self.open else 'nothing'}")
            return
        self.open.pop()


def main(directory):
    pages = {}
    for name in sorted(os.listdir(directory)):
        if name.endswith(".html"):
            page = Page()
            with open(os.path.join(directory, name), encoding="utf-8") as f:
                page.feed(f.read())
            page.close()
            pages[name] = page
    failures = []
    for name, page in pages.items():
        failures += [f"{name}: {p}" for p in page.problems]
        failures += [f"{name}: <{tag}> from line {line} never closed" for tag, line in page.open]
        for link in page.links:
            target, _, anchor = link.partition("#")
            target = target or name
            if target not in pages:
                failures.append(f"{name}: link to {target}, not a page of the manual")
            elif anchor and anchor not in pages[target].ids:
                failures.append(f"{name}: link to {link}, which has no such place")
    if "index.html" not in pages or not any(l.startswith("index.html") for l in pages.get("planner.html", Page()).links):
        failures.append("planner.html does not lead back to index.html")
    print("\n".join(failures) or f"{len(pages)} pages checked")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
