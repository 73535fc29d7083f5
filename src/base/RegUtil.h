#pragma once

#include <QString>

// The settings store. Values live as text in one per-user settings file; the key paths and value
// names are those of the product key, with subkeys as groups.
namespace RegUtil {

inline constexpr const char* kProductKey = "Software\\Varnholt Software\\Glisterwood 97";
inline constexpr const char* kScriptsKey = "Software\\Varnholt Software\\Glisterwood 97\\Scripts";
inline constexpr const char* kCharacterKey = "Software\\Varnholt Software\\Glisterwood 97\\Character";
inline constexpr const char* kMusicFoldersKey = "Software\\Varnholt Software\\Glisterwood 97\\Music Folders";

// Value names under the product key.
inline constexpr const char* kBackground = "Background";
inline constexpr const char* kStartupPage = "Startup page";
inline constexpr const char* kSearchPage = "Search page";
inline constexpr const char* kSearchAddress = "Search address";
inline constexpr const char* kRestorePages = "Restore pages";
inline constexpr const char* kUseAgent = "Use agent";
inline constexpr const char* kAgentSize = "Agent size";
inline constexpr const char* kAgentName = "Agent name";
inline constexpr const char* kPlayTheme = "Play theme";
inline constexpr const char* kWindowPlace = "Window place";

// Texts longer than this read as missing, as they would not fit the reader's buffer.
inline constexpr int kMaxValueLength = 1023;

// The stored text, or "" when the key or value is missing, is not text, or is too long.
QString GetRegString(const QString& keyPath, const QString& valueName);
// Writes the text, creating the key when needed. A failure is silent.
void SetRegString(const QString& keyPath, const QString& valueName, const QString& text);
// Deletes the key with all its values and subkeys.
void DeleteRegKey(const QString& keyPath);

// Reads a stored number: the leading number of the text after blanks, 0 when there is none.
// Numbers beyond the 16-bit range are clamped to it.
int RegNumber(const QString& text);
inline int GetRegNumber(const QString& keyPath, const QString& valueName) {
    return RegNumber(GetRegString(keyPath, valueName));
}

// The settings file itself; tests point it elsewhere.
QString SettingsFilePath();
void SetSettingsFilePathForTesting(const QString& path);

// True when the last write reached the file; lets start-up tell the user about an unwritable store.
bool SettingsWritable();

} // namespace RegUtil
