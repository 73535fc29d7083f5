"""The three lip-sync mouths drawn over a frame while the snowman talks.

Each picture starts with a patch of snow shaded exactly like the head around the mouth, so the
coal-dot smile of the frame underneath disappears; the patch stays below the carrot.
"""

import svgkit
from snowman_draw import RH, compact, mouth_dots, n

MW, MH = 18, 14
MX, MY = MW / 2, MH / 2

# the head's snow gradient (objectBoundingBox on the head circle) moved into the mouth picture,
# whose centre lies 9.5 px below the head's centre
_HX, _HY = MX, MY - 9.5
_D = 2 * RH
PATCH_GRADIENT = (
    f'<radialGradient id="sn" gradientUnits="userSpaceOnUse" cx="{n(_HX - RH + 0.42 * _D)}" '
    f'cy="{n(_HY - RH + 0.38 * _D)}" r="{n(0.64 * _D)}" fx="{n(_HX - RH + 0.34 * _D)}" '
    f'fy="{n(_HY - RH + 0.26 * _D)}">'
    '<stop offset="0" stop-color="#ffffff"/><stop offset="0.45" stop-color="#f4f8fc"/>'
    '<stop offset="0.8" stop-color="#d6e1ed"/><stop offset="1" stop-color="#aabcd2"/></radialGradient>'
)


def patch():
    x0, x1, y0 = MX - 7.3, MX + 7.3, MY - 2.3
    return (f'<path d="M{n(x0)},{n(y0)}L{n(x1)},{n(y0)}Q{n(x1 + 1.5)},{n(MY + 1.6)} {n(MX + 6)},{n(MY + 4.3)}'
            f'Q{n(MX)},{n(MY + 6.4)} {n(MX - 6)},{n(MY + 4.3)}Q{n(x0 - 1.5)},{n(MY + 1.6)} {n(x0)},{n(y0)}Z" '
            'fill="url(#sn)"/>')


def mouth_pictures():
    closed = mouth_dots(MX, MY, 0.6)
    narrow = (f'<path d="M{n(MX - 4.6)},{n(MY - 0.6)}Q{n(MX)},{n(MY + 0.6)} {n(MX + 4.6)},{n(MY - 0.6)}'
              f'Q{n(MX + 3.4)},{n(MY + 2.6)} {n(MX)},{n(MY + 2.8)}Q{n(MX - 3.4)},{n(MY + 2.6)} '
              f'{n(MX - 4.6)},{n(MY - 0.6)}Z" fill="#3a1a22" stroke="#15161a" stroke-width="0.8" '
              'stroke-linejoin="round"/>'
              f'<ellipse cx="{n(MX)}" cy="{n(MY + 1.7)}" rx="2" ry="0.7" fill="#e56b7b"/>')
    opened = (f'<path d="M{n(MX - 4.4)},{n(MY - 1.0)}Q{n(MX)},{n(MY - 0.2)} {n(MX + 4.4)},{n(MY - 1.0)}'
              f'Q{n(MX + 4.2)},{n(MY + 4.6)} {n(MX)},{n(MY + 4.9)}Q{n(MX - 4.2)},{n(MY + 4.6)} '
              f'{n(MX - 4.4)},{n(MY - 1.0)}Z" fill="#3a1a22" stroke="#15161a" stroke-width="0.8" '
              'stroke-linejoin="round"/>'
              f'<ellipse cx="{n(MX)}" cy="{n(MY + 3.3)}" rx="2.6" ry="1.3" fill="#e56b7b"/>')
    out = {}
    for name, body in (("closed", closed), ("narrow", narrow), ("open", opened)):
        out[f"mouth-{name}.svg"] = svgkit.svg(MW, MH, compact(f"<defs>{PATCH_GRADIENT}</defs>{patch()}{body}"))
    return out
