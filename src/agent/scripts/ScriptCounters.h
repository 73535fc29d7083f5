#pragma once

#include <QString>

// How often each explanatory script has been performed, over all runs, in the settings group
// "Scripts" (value name = script name, data = the count as decimal text).
namespace ScriptCounters {

// True when the script may perform once more; that performance is then already counted.
bool NotExpired(const QString& name, int limit);
// The count so far; missing or not a number reads as 0.
int Count(const QString& name);
// Every script speaks again as for a new user.
void RestoreAll();

} // namespace ScriptCounters
