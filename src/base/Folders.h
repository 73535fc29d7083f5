#pragma once

#include <QString>

// The per-user data folder (bookmarks and desktop cards live there), created when missing; ends
// with a separator. When it cannot be created or written, problem (when given) says why.
QString GetWindowsDir(QString* problem = nullptr);
// The path with a trailing separator.
QString AddBackslash(const QString& path);
// The folder of the program's own files (theme song, default music, characters), with a separator.
QString ProgramFolder();
// True when the file's date can be read.
bool FileExists(const QString& path);
// The file of that name in the folder, its name matched without regard to case as the original
// platform's file system did; the folder and the name as given when there is none.
QString FindFileIgnoringCase(const QString& folder, const QString& name);
