"""Small helpers shared by the character generators: SVG documents and the character manifest.

A generator builds its frames as SVG markup strings and hands them, with the manifest, to
write_character(), which checks the whole character before it writes a single file.
"""

import json
import os
import sys

# Every animation the program's scripts and engine ask for.
REQUIRED_ANIMATIONS = [
    "Pleased", "Announce", "Explain", "Suggest", "Sad", "Alert", "Wave", "GestureDown", "Greet",
    "Surprised", "DoMagic1", "DoMagic2", "Processing", "StartListening", "RestPose", "Acknowledge",
    "Decline", "Confused", "Show", "Hide", "Blink", "Thinking", "DeclineReturn", "WaveReturn",
]
REQUIRED_STATES = [
    "Showing", "Hiding", "Speaking", "MovingLeft", "MovingRight", "MovingUp", "MovingDown",
    "GesturingLeft", "GesturingRight", "GesturingUp", "GesturingDown", "Idling",
]
MOUTHS = ["closed", "narrow", "open"]


def svg(width, height, body, view=None):
    """A whole SVG document of the given size around `body`."""
    box = view or (0, 0, width, height)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="{box[0]} {box[1]} {box[2]} {box[3]}">\n'
            f'{body}\n</svg>\n')


def fail(message):
    sys.exit(f"chargen: {message}")


def check(manifest, pictures):
    """Refuses a character the engine would refuse, with the reason."""
    for key in ("name", "width", "height", "greeting", "farewell", "animations", "states", "mouths"):
        if key not in manifest:
            fail(f"the manifest has no '{key}'")
    animations = manifest["animations"]
    for name in REQUIRED_ANIMATIONS:
        if name not in animations:
            fail(f"the animation '{name}' is missing")
    for name in REQUIRED_STATES:
        if not manifest["states"].get(name):
            fail(f"the state '{name}' names no animation")
        for animation in manifest["states"][name]:
            if animation not in animations:
                fail(f"the state '{name}' names the unknown animation '{animation}'")
    for kind in MOUTHS:
        if manifest["mouths"].get(kind) not in pictures:
            fail(f"the mouth picture '{kind}' is not drawn")
    for name, animation in animations.items():
        frames = animation.get("frames", [])
        if not frames:
            fail(f"the animation '{name}' has no frames")
        if "return" in animation and animation["return"] not in animations:
            fail(f"the return animation of '{name}' is missing")
        for i, frame in enumerate(frames):
            where = f"frame {i} of '{name}'"
            if frame.get("image") not in pictures:
                fail(f"the picture of {where} is not drawn")
            if frame.get("duration", 0) < 10:
                fail(f"{where} lasts less than 10 ms")
            if "exit" in frame and not 0 <= frame["exit"] < len(frames):
                fail(f"{where} exits to a frame that does not exist")
            weights = 0
            for branch in frame.get("branches", []):
                if not 0 <= branch["frame"] < len(frames):
                    fail(f"{where} branches to a frame that does not exist")
                weights += branch["weight"]
            if weights > 100:
                fail(f"the branches of {where} weigh more than 100")


def write_character(folder, manifest, pictures):
    """Writes character.json and every picture (a dict of file name to SVG text) into folder."""
    check(manifest, pictures)
    os.makedirs(folder, exist_ok=True)
    for name, text in pictures.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8") as out:
            out.write(text)
    with open(os.path.join(folder, "character.json"), "w", encoding="utf-8") as out:
        json.dump(manifest, out, indent=1, ensure_ascii=False)
        out.write("\n")
