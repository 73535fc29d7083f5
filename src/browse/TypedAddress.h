#pragma once

#include <QString>

// What the address box makes of what the user typed: an address to load, words to look up with the
// search address, or nothing. Text that names a scheme, a host with a dot and a real-looking top
// label, localhost, an IP address or a host with a port is an address; anything else is words.
struct TypedAddress {
    enum Kind { Blank, TooLong, NotAnAddress, Address, Search };

    // searchAddress holds {searchTerms} where the words go; without one, words are not an address.
    static TypedAddress Resolve(const QString& text, const QString& searchAddress);
    // The search address with the words in it, encoded for an address.
    static QString SearchUrl(const QString& searchAddress, const QString& words);
    // True when the trimmed text reads as an address rather than as words.
    static bool LooksLikeAddress(const QString& text);

    Kind kind = Blank;
    // What the page is sent to: the text itself for an address, the search for words.
    QString target;
};
