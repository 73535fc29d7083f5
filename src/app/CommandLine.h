#pragma once

#include <QString>
#include <QStringList>

// The addresses given on the command line (glisterwood99 URL...): every argument that is no option
// ("-..."; after "--" every argument counts). A path of an existing local file, relative to the
// folder the program was started in, becomes the file's address, as a desktop passes it with %U.
QStringList AddressesFromArguments(const QStringList& arguments, const QString& workingFolder);
