# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the small SVG subset that the game's picture renderer reads: shapes, paths, gradients, groups, text."""

from xml.sax.saxutils import escape


def num(value):
    """A coordinate with at most two decimals and no trailing zeros, so the files stay small and stable."""
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def _attributes(attributes):
    parts = []
    for key, value in attributes.items():
        if value is None:
            continue
        name = key.rstrip("_").replace("_", "-")
        text = num(value) if isinstance(value, (int, float)) else str(value)
        parts.append(f' {name}="{escape(text, {chr(34): "&quot;"})}"')
    return "".join(parts)


def element(tag, *children, **attributes):
    """One element; keyword names use _ for - (stroke_width) and a trailing _ for Python words (class_)."""
    head = f"<{tag}{_attributes(attributes)}"
    if not children:
        return head + "/>"
    return head + ">" + "".join(children) + f"</{tag}>"


def text(content, **attributes):
    return element("text", escape(content), **attributes)


def points(pairs):
    return " ".join(f"{num(x)},{num(y)}" for x, y in pairs)


def polygon(pairs, **attributes):
    return element("polygon", points=points(pairs), **attributes)


def circle(cx, cy, r, **attributes):
    return element("circle", cx=cx, cy=cy, r=r, **attributes)


def ellipse(cx, cy, rx, ry, **attributes):
    return element("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, **attributes)


def rect(x, y, width, height, **attributes):
    return element("rect", x=x, y=y, width=width, height=height, **attributes)


def line(x1, y1, x2, y2, **attributes):
    return element("line", x1=x1, y1=y1, x2=x2, y2=y2, **attributes)


def path(d, **attributes):
    return element("path", d=d, **attributes)


def group(*children, at=(0, 0), scale=1, rotate=0, mirror=False, **attributes):
    """Children moved to `at`, turned by `rotate` degrees, scaled and optionally mirrored left to right."""
    steps = []
    if at != (0, 0):
        steps.append(f"translate({num(at[0])} {num(at[1])})")
    if rotate:
        steps.append(f"rotate({num(rotate)})")
    if scale != 1 or mirror:
        steps.append(f"scale({num(-scale if mirror else scale)} {num(scale)})")
    return element("g", *children, transform=" ".join(steps) or None, **attributes)


def gradient_stops(stops):
    return [element("stop", offset=offset, stop_color=colour) for offset, colour in stops]


def linear_gradient(ident, stops, x1=0, y1=0, x2=0, y2=1):
    return element("linearGradient", *gradient_stops(stops), id=ident, x1=x1, y1=y1, x2=x2, y2=y2)


def radial_gradient(ident, stops, cx=0.5, cy=0.5, r=0.5):
    return element("radialGradient", *gradient_stops(stops), id=ident, cx=cx, cy=cy, r=r)


class Picture:
    """One SVG document: gradients collected once in <defs>, then the drawing in painting order."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self._defs = {}
        self._body = []

    def paint(self, ident, definition):
        """Registers a gradient by id (once) and returns the fill value that uses it."""
        self._defs.setdefault(ident, definition)
        return f"url(#{ident})"

    def add(self, *markup):
        self._body.extend(markup)

    def drawing(self, into):
        """This picture's shapes for drawing inside another picture, which takes over its gradients."""
        for ident, definition in self._defs.items():
            into.paint(ident, definition)
        return list(self._body)

    def document(self):
        defs = element("defs", *self._defs.values()) if self._defs else ""
        head = element(
            "svg",
            defs,
            *self._body,
            xmlns="http://www.w3.org/2000/svg",
            version="1.2",
            baseProfile="tiny",
            width=self.width,
            height=self.height,
            viewBox=f"0 0 {num(self.width)} {num(self.height)}",
        )
        return '<?xml version="1.0" encoding="UTF-8"?>\n' + head + "\n"
