# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Tests of the picture generator: run with python3 -m unittest discover tools/art."""

import hashlib
import re
import unittest
import xml.etree.ElementTree as ElementTree

import check
import icons
import make_pictures
import paints
from other_pictures import clip_to_box

NAMESPACE = "{http://www.w3.org/2000/svg}"
SMALL_ICON_SIZES = (16, 22, 24, 32, 48)
WINDOW_ICONS = {"icon16.svg": 16, "icon.svg": 32, "icon48.svg": 48}
# The 32-pixel window icon as the game has always shown it: the other sizes join it, it stays.
ICON_32_DIGEST = "2e2c375d33fc7402"


def drawn_shapes(document):
    """Every element of a picture that paints something."""
    return [node for node in ElementTree.fromstring(document).iter()
            if node.tag not in (NAMESPACE + "svg", NAMESPACE + "defs")]


def rasterised(document):
    """The colour of each covered pixel of a picture made of whole-pixel rectangles, painted in order."""
    pixels = {}
    for shape in drawn_shapes(document):
        x, y, width, height = (int(float(shape.get(key))) for key in ("x", "y", "width", "height"))
        pixels.update({(column, row): shape.get("fill")
                       for column in range(x, x + width) for row in range(y, y + height)})
    return pixels


def bars_down(pixels, column):
    """How many blue bars, each at least two pixels tall, a column of pixels crosses."""
    colours = [pixels.get((column, row)) for row in range(max(y for _, y in pixels) + 1)]
    return len(re.findall("B{2,}", "".join("B" if colour == icons.BAR else "." for colour in colours)))


class GeneratedPictures(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        named = make_pictures.pictures()
        cls.documents = {name: picture.document() for name, picture in named.items()}
        cls.sizes = {name: (picture.width, picture.height) for name, picture in named.items()}

    def test_every_picture_is_there_in_its_size(self):
        expected = {f"card{n:02d}.svg": (62, 100) for n in range(1, 41)}
        expected.update({"back.svg": (63, 100), "title.svg": (594, 425), "smiley.svg": (32, 32),
                         "launcher/scalable.svg": (256, 256)})
        expected.update({name: (size, size) for name, size in WINDOW_ICONS.items()})
        expected.update({f"launcher/{n}x{n}.svg": (n, n) for n in SMALL_ICON_SIZES})
        self.assertEqual(self.sizes, expected)

    def test_small_icons_lie_on_whole_pixels_inside_their_square(self):
        def on_the_grid(shape, size):
            if shape.tag != NAMESPACE + "rect" or {"stroke", "rx", "transform"} & shape.attrib.keys():
                return False
            x, y, width, height = (float(shape.get(key)) for key in ("x", "y", "width", "height"))
            whole = all(n.is_integer() for n in (x, y, width, height))
            return whole and 0 <= x and 0 <= y and x + width <= size and y + height <= size

        for name in list(WINDOW_ICONS) + [f"launcher/{n}x{n}.svg" for n in SMALL_ICON_SIZES]:
            with self.subTest(picture=name):
                size = self.sizes[name][0]
                off_the_grid = [shape.attrib for shape in drawn_shapes(self.documents[name])
                                if not on_the_grid(shape, size)]
                self.assertEqual(off_the_grid, [])

    def test_window_icons_are_a_rounded_card_with_an_edge_and_three_bars(self):
        for name in WINDOW_ICONS:
            pixels = rasterised(self.documents[name])
            left, right = min(x for x, _ in pixels), max(x for x, _ in pixels)
            top, bottom = min(y for _, y in pixels), max(y for _, y in pixels)
            corners = [(left, top), (right, top), (left, bottom), (right, bottom)]
            edge = [(x, y) for x in range(left + 3, right - 2) for y in (top, bottom)]
            edge += [(x, y) for y in range(top + 3, bottom - 2) for x in (left, right)]
            with self.subTest(picture=name):
                self.assertFalse(set(corners) & pixels.keys())
                self.assertEqual({pixels[place] for place in edge}, {icons.EDGE})
                self.assertEqual(bars_down(pixels, (left + right) // 2), 3)
                self.assertGreaterEqual(right - left + 1, WINDOW_ICONS[name] * 5 // 8)  # a card, not a speck

    def test_the_32_pixel_window_icon_is_the_one_the_window_always_had(self):
        self.assertEqual(hashlib.sha256(self.documents["icon.svg"].encode()).hexdigest()[:16], ICON_32_DIGEST)

    def test_small_launcher_icons_show_the_three_bars_beside_the_ace_of_coins(self):
        for size in SMALL_ICON_SIZES:
            pixels = rasterised(self.documents[f"launcher/{size}x{size}.svg"])
            with self.subTest(size=size):
                columns_with_three_bars = [column for column in range(size) if bars_down(pixels, column) == 3]
                self.assertGreaterEqual(len(columns_with_three_bars), 3)
                self.assertTrue({paints.GOLD, paints.RED} <= set(pixels.values()))

    def test_pictures_use_only_what_the_renderer_draws(self):
        self.assertEqual(check.problems(self.documents, self.sizes), [])

    def test_strip_numeral_shows_the_value_in_its_group_colour(self):
        for index in range(1, 41):
            root = ElementTree.fromstring(self.documents[f"card{index:02d}.svg"])
            numeral = next(root.iter(NAMESPACE + "text"))
            with self.subTest(card=index):
                self.assertEqual(numeral.text, str((index - 1) % 10 + 1))
                self.assertEqual(numeral.get("fill"), "#c8161d" if index <= 20 else "#14206b")
                self.assertLessEqual(float(numeral.get("y")), 30)


class Checker(unittest.TestCase):
    GOOD = '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32"><rect width="1" height="1"/></svg>'

    def found(self, document, size=(32, 32)):
        return check.problems({"card01.svg": document}, {"card01.svg": size})

    def test_accepts_a_plain_picture(self):
        self.assertEqual(self.found(self.GOOD), [])

    def test_reports_what_the_renderer_cannot_draw(self):
        cases = {
            "filter element": self.GOOD.replace("<rect", "<filter/><rect"),
            "clip attribute": self.GOOD.replace("<rect", '<rect id="a" clip-path="url(#a)"'),
            "style sheet": self.GOOD.replace("<rect", '<rect style="fill:red"'),
            "missing gradient": self.GOOD.replace("<rect", '<rect fill="url(#gone)"'),
            "outside reference": self.GOOD.replace("<rect", '<use href="other.svg#a"/><rect'),
            "other font": self.GOOD.replace("<rect", '<text font-family="Arial">1</text><rect'),
        }
        for case, document in cases.items():
            with self.subTest(case):
                self.assertEqual(len(self.found(document)), 1)

    def test_reports_a_wrong_size_and_twin_faces(self):
        self.assertEqual(len(self.found(self.GOOD, (62, 100))), 1)
        twins = check.problems({"card01.svg": self.GOOD, "card02.svg": self.GOOD},
                               {"card01.svg": (32, 32), "card02.svg": (32, 32)})
        self.assertEqual(twins, ["two card faces are the same picture"])


class CubeClipping(unittest.TestCase):
    def test_keeps_a_shape_inside_and_drops_one_outside(self):
        square = [(1, 1), (2, 1), (2, 2), (1, 2)]
        self.assertEqual(clip_to_box(square, 0, 0, 10, 10), square)
        self.assertEqual(clip_to_box([(20, 20), (30, 20), (25, 30)], 0, 0, 10, 10), [])

    def test_cuts_a_shape_across_a_corner_to_the_box(self):
        cut = clip_to_box([(-5, -5), (5, -5), (5, 5), (-5, 5)], 0, 0, 10, 10)
        self.assertEqual(sorted(cut), [(0, 0), (0, 5), (5, 0), (5, 5)])

    def test_back_draws_nothing_beyond_its_border(self):
        back = make_pictures.pictures()["back.svg"].document()
        for polygon in re.findall(r'<polygon points="([^"]+)"', back):
            for pair in polygon.split():
                x, y = (float(n) for n in pair.split(","))
                self.assertTrue(4 <= x <= 59 and 4 <= y <= 96, pair)


if __name__ == "__main__":
    unittest.main()
