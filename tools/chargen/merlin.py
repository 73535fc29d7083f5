#!/usr/bin/env python3
"""Merlin, the wizard assistant: writes character.json and the SVG frames into the given folder.

    python3 tools/chargen/merlin.py <out-folder>

Poses are dicts of parameters (see merlin_draw.REST); an animation is a run of key poses and the
frames between them are blended, so most animations are a handful of lines in merlin_anims.py.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import posekit  # noqa: E402
import svgkit  # noqa: E402
from merlin_draw import Figure, W, H  # noqa: E402
from merlin_anims import build_animations  # noqa: E402
from merlin_mouths import mouth_pictures  # noqa: E402


def main():
    if len(sys.argv) != 2:
        svgkit.fail("usage: merlin.py <out-folder>")
    folder = sys.argv[1]
    animations, states, gesture_y = build_animations()
    manifest_anims, pictures = posekit.render(animations, Figure, W, H, may_leave=())
    pictures.update(mouth_pictures())
    manifest = {
        "name": "Merlin",
        "width": W, "height": H,
        "greeting": "Greetings, friend! I am Merlin. I shall keep you company while you wander the web "
                    "this festive season.",
        "farewell": "Farewell, my friend, until we meet again!",
        "gestureOffsetY": gesture_y,
        "voice": {"name": "en-gb", "pitch": 35, "rate": 160},
        "balloon": {"background": "#fdf6e3", "border": "#5a3d1e", "text": "#2b2118"},
        "mouths": {"closed": "mouth-closed.svg", "narrow": "mouth-narrow.svg", "open": "mouth-open.svg"},
        "animations": manifest_anims,
        "states": states,
    }
    svgkit.write_character(folder, manifest, pictures)


if __name__ == "__main__":
    main()
