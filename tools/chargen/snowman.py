#!/usr/bin/env python3
"""Flurry, the snowman assistant: writes character.json and the SVG frames into the given folder.

    python3 tools/chargen/snowman.py <out-folder>

Poses are dicts of parameters (see snowman_draw.REST); an animation is a run of key poses and the
frames between them are blended, so most animations are a handful of lines in snowman_anims.py.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import posekit  # noqa: E402
import svgkit  # noqa: E402
from snowman_draw import Figure, W, H  # noqa: E402
from snowman_anims import build_animations  # noqa: E402
from snowman_mouths import mouth_pictures  # noqa: E402


def main():
    if len(sys.argv) != 2:
        svgkit.fail("usage: snowman.py <out-folder>")
    folder = sys.argv[1]
    animations, states, gesture_y = build_animations()
    # The hat flies off on purpose in Hide.
    manifest_anims, pictures = posekit.render(animations, Figure, W, H, may_leave={"Hide"})
    mouths = mouth_pictures()
    pictures.update(mouths)
    manifest = {
        "name": "Flurry",
        "width": W, "height": H,
        "greeting": "Hi there! I'm Flurry, your snowy helper. Let's explore the web together!",
        "farewell": "Bye for now! Stay warm, and come back soon for some more snowy surfing!",
        "gestureOffsetY": gesture_y,
        "voice": {"name": "en-us", "pitch": 65, "rate": 175},
        "balloon": {"background": "#eef6ff", "border": "#1f4e8c", "text": "#14243a"},
        "mouths": {"closed": "mouth-closed.svg", "narrow": "mouth-narrow.svg", "open": "mouth-open.svg"},
        "animations": manifest_anims,
        "states": states,
    }
    svgkit.write_character(folder, manifest, pictures)


if __name__ == "__main__":
    main()
