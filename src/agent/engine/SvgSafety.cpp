#include "agent/engine/SvgSafety.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {
// Every url(...) in a value must point inside the file: url(#gradient).
bool hasOutsideUrl(QStringView value) {
    static const QRegularExpression url(QStringLiteral(R"(url\s*\(\s*['"]?\s*([^'"\s)]*))"),
                                        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& m : url.globalMatch(value))
        if (!m.captured(1).startsWith(u'#')) return true;
    return false;
}

bool importsStyle(QStringView text) {
    return text.contains(u"@import", Qt::CaseInsensitive);
}
} // namespace

QString SvgReachesOutside(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QString element;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            return QStringLiteral("it declares a document type (entities may name other files)");
        case QXmlStreamReader::EntityReference:
            return QStringLiteral("it uses an entity");
        case QXmlStreamReader::ProcessingInstruction:
            if (xml.processingInstructionTarget().compare(u"xml-stylesheet", Qt::CaseInsensitive) == 0)
                return QStringLiteral("it names a style sheet");
            break;
        case QXmlStreamReader::StartElement: {
            element = xml.name().toString();
            if (element == u"image" || element == u"foreignObject" || element == u"script")
                return QStringLiteral("it holds an <%1> element").arg(element);
            for (const QXmlStreamAttribute& attribute : xml.attributes()) {
                const QStringView value = attribute.value();
                if (attribute.name() == u"href" && !value.trimmed().startsWith(u'#'))
                    return QStringLiteral("it refers to \"%1\"").arg(value.left(80));
                if (hasOutsideUrl(value))
                    return QStringLiteral("it refers to a file in \"%1\"").arg(value.left(80));
                if (importsStyle(value)) return QStringLiteral("it imports a style sheet");
            }
            break;
        }
        case QXmlStreamReader::Characters:
            if (element == u"style" && (hasOutsideUrl(xml.text()) || importsStyle(xml.text())))
                return QStringLiteral("its style refers to another file");
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) return QStringLiteral("it is not well-formed SVG (%1)").arg(xml.errorString());
    return {};
}
