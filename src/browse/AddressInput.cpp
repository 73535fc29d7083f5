#include "browse/AddressInput.h"

#include <QRegularExpression>

AddressInput AddressInput::Classify(const QString& text) {
    AddressInput in;
    if (text.size() > kMaxLength) {
        in.kind = TooLong;
        return in;
    }
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return in;
    in.kind = NotAnAddress;
    // Words with spaces between them are a phrase, not an address, unless a scheme says otherwise.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    const bool hasScheme = scheme.match(trimmed).hasMatch();
    if (!hasScheme && trimmed.contains(QRegularExpression(QStringLiteral("\\s")))) return in;
    const QUrl url = QUrl::fromUserInput(trimmed);
    if (!url.isValid() || url.scheme().isEmpty()) return in;
    const QString s = url.scheme().toLower();
    const bool network =
        s == QLatin1String("http") || s == QLatin1String("https") || s == QLatin1String("ftp");
    if (network && (url.host().isEmpty() || url.port() > 65535)) return in;
    // "example.org:99999" would read as a scheme and a path; look at the port as typed.
    static const QRegularExpression authority(
        QStringLiteral("^(?:(?:https?|ftp)://)?(?:[^/?#@\\s]*@)?([^/?#\\s]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString host = authority.match(trimmed).captured(1);
    const int colon = int(host.lastIndexOf(QLatin1Char(':')));
    if (colon > 0 && colon > host.lastIndexOf(QLatin1Char(']'))) {
        const QString port = host.mid(colon + 1);
        static const QRegularExpression digits(QStringLiteral("^\\d+$"));
        if (digits.match(port).hasMatch() && (port.size() > 5 || port.toInt() > 65535)) return in;
    }
    in.kind = Address;
    in.url = url;
    return in;
}

QString AddressInput::ProblemPage(const QString& text) {
    QString shown = text.left(500);
    if (text.size() > 500) shown += QStringLiteral("...");
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset='utf-8'><title>Not an address</title>"
                          "<style>body{font-family:sans-serif;margin:3em;color:#333}"
                          "code{background:#eee;padding:2px 4px;word-break:break-all}</style></head><body>"
                          "<h1>Not an address</h1><p><code>%1</code> cannot be an address of a web page.</p>"
                          "<p>Check the spelling, for example <code>www.example.org</code> or "
                          "<code>https://example.org/page.html</code>.</p></body></html>")
        .arg(shown.toHtmlEscaped());
}
