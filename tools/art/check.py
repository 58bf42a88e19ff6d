# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the written pictures against what the game's SVG renderer reads and what the deck needs."""

import xml.etree.ElementTree as ElementTree

NAMESPACE = "{http://www.w3.org/2000/svg}"
ALLOWED = {"svg", "defs", "g", "use", "path", "rect", "circle", "ellipse", "line", "polyline", "polygon", "text",
           "linearGradient", "radialGradient", "stop"}
FORBIDDEN_ATTRIBUTES = {"style", "filter", "mask", "clip-path", "class"}
FONT = "Liberation Serif"


def _problems_in(name, document, size):
    root = ElementTree.fromstring(document)
    if (root.get("width"), root.get("height")) != tuple(str(n) for n in size):
        yield f"{name}: size {root.get('width')} x {root.get('height')}, wanted {size[0]} x {size[1]}"
    ids = {node.get("id") for node in root.iter() if node.get("id")}
    for node in root.iter():
        tag = node.tag.removeprefix(NAMESPACE)
        if tag not in ALLOWED:
            yield f"{name}: <{tag}> is not drawn by the game"
        for attribute, value in node.attrib.items():
            if attribute in FORBIDDEN_ATTRIBUTES:
                yield f"{name}: attribute {attribute} is not drawn by the game"
            if "url(" in value and value.removeprefix("url(#").removesuffix(")") not in ids:
                yield f"{name}: {value} refers to nothing in the file"
            if attribute.endswith("href") and not value.startswith("#"):
                yield f"{name}: {value} refers outside the file"
        if tag == "text" and node.get("font-family") != FONT:
            yield f"{name}: text in {node.get('font-family')} instead of {FONT}"


def problems(documents, sizes):
    """Everything wrong with the pictures; documents and sizes are keyed by file name."""
    found = []
    for name, document in documents.items():
        found.extend(_problems_in(name, document, sizes[name]))
    faces = [document for name, document in documents.items() if name.startswith("card")]
    if len(set(faces)) != len(faces):
        found.append("two card faces are the same picture")
    return found
