#pragma once

#include "browse/SavedPage.h"

#include <QString>
#include <optional>

// The file that keeps the open pages between runs: JSON, written whole or not at all, so that a
// crash or a full disk leaves the last good copy in place.
namespace SessionFile {

// Pages beyond this, and back/forward lists beyond this size, are not kept.
inline constexpr int kMaxPages = 500;
inline constexpr int kMaxHistoryBytes = 1024 * 1024;

// True when the file was written in full.
bool Write(const QString& path, const Session& session);
// The session in the file; nothing when the file is missing, unreadable or holds no page. Pages
// without an address are skipped and the page in front falls back to the first.
std::optional<Session> Read(const QString& path);

} // namespace SessionFile
