#pragma once

#include <QByteArray>
#include <QString>

// A frame picture of a character may come from anyone: it must draw from its own file alone. This
// finds what would make the SVG renderer reach outside it (an image, a font or a style sheet from a
// file or an address, entities of a document type) or what is no SVG text at all (a compressed
// file). Returns why the picture is refused, or "" when it is self-contained.
QString SvgReachesOutside(const QByteArray& svg);
