# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes every picture of the game as SVG into src/assets/pictures: 40 faces, the back, the title, icons and smiley."""

import pathlib
import sys

import check
import faces
import icons
import other_pictures

OUTPUT = pathlib.Path(__file__).resolve().parents[2] / "src" / "assets" / "pictures"


def pictures():
    """Every picture by file name."""
    named = {f"card{index:02d}.svg": faces.face(index) for index in range(1, 41)}
    named["back.svg"] = other_pictures.back()
    named["title.svg"] = other_pictures.title()
    named["icon.svg"] = icons.window_icon(32)
    named.update({f"icon{size}.svg": icons.window_icon(size) for size in (16, 48)})
    named["smiley.svg"] = other_pictures.smiley()
    named.update(icons.launchers())
    return named


def main():
    named = pictures()
    documents = {name: picture.document() for name, picture in named.items()}
    sizes = {name: (picture.width, picture.height) for name, picture in named.items()}
    trouble = check.problems(documents, sizes)
    if trouble:
        sys.exit("\n".join(trouble))
    for name, document in documents.items():
        (OUTPUT / name).parent.mkdir(parents=True, exist_ok=True)
        (OUTPUT / name).write_text(document, encoding="utf-8")
    print(f"wrote {len(documents)} pictures into {OUTPUT}")


if __name__ == "__main__":
    main()
