#pragma once

#include <QString>
#include <QUrl>

// What a typed or pasted address is: nothing at all, too long for the engine, not an address, or
// the address to load.
struct AddressInput {
    enum Kind { Blank, TooLong, NotAnAddress, Address };

    // The engine refuses addresses longer than this (2 MB).
    static constexpr int kMaxLength = 2 * 1024 * 1024;

    static AddressInput Classify(const QString& text);
    // A page that explains why the text cannot be loaded.
    static QString ProblemPage(const QString& text);

    Kind kind = Blank;
    QUrl url;
};
