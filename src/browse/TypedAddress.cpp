#include "browse/TypedAddress.h"

#include "base/Preferences.h"
#include "browse/AddressInput.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QUrl>

namespace {

// Schemes written without "//" that the engine shows itself or hands on.
bool knownSchemeWithoutSlashes(const QString& text) {
    static const QRegularExpression known(
        QStringLiteral("^(about|data|file|mailto|view-source|javascript|glisterwood|blob):"),
        QRegularExpression::CaseInsensitiveOption);
    return known.match(text).hasMatch();
}

bool hostLabel(const QString& label) {
    if (label.isEmpty() || label.startsWith(QLatin1Char('-')) || label.endsWith(QLatin1Char('-')))
        return false;
    for (const QChar c : label)
        if (!(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))) return false;
    return true;
}

// A host name with a dot whose last label could be a top-level domain: two or more characters,
// starting with a letter ("python3.11" and "a.b" are words, "example.org" is a host).
bool dottedHostName(const QString& host) {
    const QStringList labels = host.split(QLatin1Char('.'));
    if (labels.size() < 2) return false;
    for (const QString& label : labels)
        if (!hostLabel(label)) return false;
    const QString top = labels.last();
    return top.size() >= 2 && top.front().isLetter();
}

} // namespace

bool TypedAddress::LooksLikeAddress(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    static const QRegularExpression withSlashes(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (withSlashes.match(t).hasMatch() || knownSchemeWithoutSlashes(t)) return true;
    static const QRegularExpression space(QStringLiteral("\\s"));
    if (t.contains(space)) return false;
    if (t.startsWith(QLatin1Char('/'))) return true; // a local file
    // A bare IPv6 address ("::1", "2001:db8::1").
    if (QHostAddress address; address.setAddress(t) && address.protocol() == QAbstractSocket::IPv6Protocol)
        return true;

    // The authority: up to the path, without a user name.
    QString authority = t.left(t.indexOf(QRegularExpression(QStringLiteral("[/?#]"))));
    if (const int at = int(authority.lastIndexOf(QLatin1Char('@'))); at >= 0)
        authority = authority.mid(at + 1);
    QString host = authority;
    bool hasPort = false;
    if (authority.startsWith(QLatin1Char('['))) {
        const int close = int(authority.indexOf(QLatin1Char(']')));
        if (close < 0) return false;
        host = authority.mid(1, close - 1);
        QHostAddress address;
        return address.setAddress(host) && address.protocol() == QAbstractSocket::IPv6Protocol;
    }
    if (const int colon = int(authority.lastIndexOf(QLatin1Char(':'))); colon >= 0) {
        const QString port = authority.mid(colon + 1);
        static const QRegularExpression digits(QStringLiteral("^\\d+$"));
        if (!digits.match(port).hasMatch()) return false; // "c++:reference", "note:this"
        host = authority.left(colon);
        hasPort = true;
    }
    if (host.isEmpty()) return false;
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) return true;
    static const QRegularExpression ipv4(QStringLiteral("^\\d{1,3}(\\.\\d{1,3}){3}$"));
    if (ipv4.match(host).hasMatch()) return QHostAddress(host).protocol() == QAbstractSocket::IPv4Protocol;
    if (hasPort) return hostLabel(host) || dottedHostName(host); // "intranet:8080"
    return dottedHostName(host);
}

QString TypedAddress::SearchUrl(const QString& searchAddress, const QString& words) {
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(words.trimmed()));
    return QString(searchAddress.trimmed()).replace(QLatin1String(PreferencesStore::kSearchTerms), encoded);
}

TypedAddress TypedAddress::Resolve(const QString& text, const QString& searchAddress) {
    TypedAddress typed;
    const AddressInput input = AddressInput::Classify(text);
    if (input.kind == AddressInput::Blank || input.kind == AddressInput::TooLong) {
        typed.kind = input.kind == AddressInput::Blank ? Blank : TooLong;
        return typed;
    }
    if (LooksLikeAddress(text)) {
        // An address with a fault of its own (a port too big) gets the page that says so.
        typed.kind = input.kind == AddressInput::Address ? Address : NotAnAddress;
        typed.target = text.trimmed();
        QHostAddress bare;
        if (bare.setAddress(typed.target) && bare.protocol() == QAbstractSocket::IPv6Protocol)
            typed.target = QStringLiteral("http://[%1]/").arg(typed.target);
        return typed;
    }
    if (!PreferencesStore::IsSearchAddress(searchAddress)) {
        typed.kind = NotAnAddress;
        typed.target = text.trimmed();
        return typed;
    }
    typed.kind = Search;
    typed.target = SearchUrl(searchAddress, text);
    return typed;
}
