#pragma once

#include <QString>

// Two addresses that name the same page: the same once case of scheme and host, a slash at the
// end and dots in the path no longer differ.
bool SameAddress(const QString& a, const QString& b);
