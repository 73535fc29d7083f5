#!/usr/bin/env python3
"""Flurry, the snowman assistant: writes character.json and the SVG frames into the given folder.

    python3 tools/chargen/snowman.py <out-folder>

Poses are dicts of parameters (see snowman_draw.REST); an animation is a run of key poses and the
frames between them are blended, so most animations are a handful of lines in snowman_anims.py.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import svgkit  # noqa: E402
from snowman_draw import Figure, W, H  # noqa: E402
from snowman_anims import build_animations  # noqa: E402
from snowman_mouths import mouth_pictures  # noqa: E402


class Library:
    """Frame pictures by content: a pose drawn twice is stored once."""

    def __init__(self):
        self.pictures = {}
        self.by_text = {}
        self.counts = {}

    def add(self, text, stem):
        if text in self.by_text:
            return self.by_text[text]
        self.counts[stem] = self.counts.get(stem, 0) + 1
        name = f"{stem}{self.counts[stem]:02d}.svg" if stem != "rest" else "rest.svg"
        if name in self.pictures:
            name = f"{stem}-{len(self.pictures)}.svg"
        self.pictures[name] = text
        self.by_text[text] = name
        return name


def render(animations):
    lib = Library()
    lib.add(svgkit.svg(W, H, Figure({}).svg_body()), "rest")
    manifest_anims = {}
    for name, anim in animations.items():
        stem = name.lower()
        frames = []
        for fr in anim["frames"]:
            fig = Figure(fr["pose"], fr.get("fx", ()))
            body = fig.svg_body()
            if name != "Hide":          # the hat flies off on purpose there
                for part in fig.outside():
                    svgkit.fail(f"frame {len(frames)} of '{name}' puts {part} outside the picture")
            out = {"image": lib.add(svgkit.svg(W, H, body), stem), "duration": int(fr["ms"])}
            mouth = fig.mouth_point()
            if mouth and not fr.get("no_mouth"):
                out["mouth"] = mouth
            if "exit" in fr:
                out["exit"] = fr["exit"]
            if fr.get("branches"):
                out["branches"] = fr["branches"]
            frames.append(out)
        entry = {"frames": frames}
        if anim.get("return"):
            entry["return"] = anim["return"]
        manifest_anims[name] = entry
    return manifest_anims, lib.pictures


def main():
    if len(sys.argv) != 2:
        svgkit.fail("usage: snowman.py <out-folder>")
    folder = sys.argv[1]
    animations, states, gesture_y = build_animations()
    manifest_anims, pictures = render(animations)
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
