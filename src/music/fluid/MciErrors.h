#pragma once

#include <QString>

// The error codes the device answers with, numbered as the original multimedia interface numbers them.
namespace Mci {

enum Error : quint32 {
    NoError = 0,
    UnrecognizedKeyword = 259,
    UnrecognizedCommand = 261,
    Hardware = 262,
    InvalidDeviceName = 263,
    OutOfMemory = 264,
    CannotLoadDriver = 266,
    MissingCommandString = 267,
    MissingStringArgument = 269,
    BadInteger = 270,
    MissingParameter = 273,
    UnsupportedFunction = 274,
    FileNotFound = 275,
    OutOfRange = 282,
    FlagsNotCompatible = 284,
    DuplicateAlias = 289,
    MissingDeviceName = 292,
    NoClosingQuote = 294,
    DuplicateFlags = 295,
    InvalidFile = 296,
    ExtensionNotFound = 281,
    ExtraCharacters = 305,
    SeqPortInUse = 337,
    SeqPortNonexistent = 338,
    SeqPortMiscError = 340,
    SeqNoMidiPresent = 343,
    FileRead = 348,
};

// The message for a code, worded as the original platform words it; empty for a code it does not know.
QString ErrorText(quint32 code);

} // namespace Mci
