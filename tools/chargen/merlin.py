#!/usr/bin/env python3
"""Merlin, the wizard assistant: writes character.json and the SVG frames into the given folder.

    python3 tools/chargen/merlin.py <out-folder>

Poses are dicts of parameters (see merlin_draw.REST); an animation is a run of key poses and the
frames between them are blended, so most animations are a handful of lines in merlin_anims.py.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import svgkit  # noqa: E402
from merlin_draw import Figure, W, H  # noqa: E402
from merlin_anims import build_animations  # noqa: E402
from merlin_mouths import mouth_pictures  # noqa: E402


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
        svgkit.fail("usage: merlin.py <out-folder>")
    folder = sys.argv[1]
    animations, states, gesture_y = build_animations()
    manifest_anims, pictures = render(animations)
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
