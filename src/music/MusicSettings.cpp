#include "music/MusicSettings.h"

#include "base/Folders.h"
#include "base/RegUtil.h"
#include "music/Midi.h"

namespace Music {
namespace {
const QString kFrequency = QStringLiteral("Music frequency");
const QString kState = QStringLiteral("Music state");
const QString kFolderCount = QStringLiteral("Music folders");
} // namespace

Settings& MusicSettings() {
    static Settings settings;
    return settings;
}

QString GetDefaultMusicFolder() {
    QString folder = ProgramFolder();
    while (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    return folder + QStringLiteral("/Music");
}

void LoadMusicSettings() {
    Settings& s = MusicSettings();
    s.MusicFrequency = RegUtil::GetRegNumber(RegUtil::kProductKey, kFrequency);
    s.PlayTheme = RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kPlayTheme);
    const int state = RegUtil::GetRegNumber(RegUtil::kProductKey, kState);
    Midi::SetMusicState(state == Midi::StatePlaying ? Midi::StatePlaying : Midi::StateIdle);

    const int count = qMax(0, RegUtil::GetRegNumber(RegUtil::kProductKey, kFolderCount));
    s.MusicFolders.clear();
    for (int i = 1; i <= count; ++i)
        s.MusicFolders << RegUtil::GetRegString(RegUtil::kMusicFoldersKey, QString::number(i));
    if (s.MusicFolders.isEmpty()) s.MusicFolders << GetDefaultMusicFolder();
}

void SaveMusicSettings() {
    const Settings& s = MusicSettings();
    RegUtil::SetRegString(RegUtil::kProductKey, kFrequency, QString::number(s.MusicFrequency == 1 ? 1 : 0));
    RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kPlayTheme, QString::number(s.PlayTheme));
    RegUtil::SetRegString(RegUtil::kProductKey, kFolderCount, QString::number(s.MusicFolders.size()));
    // Deleting first drops the values of folders that were removed.
    RegUtil::DeleteRegKey(RegUtil::kMusicFoldersKey);
    for (int i = 0; i < s.MusicFolders.size(); ++i)
        RegUtil::SetRegString(RegUtil::kMusicFoldersKey, QString::number(i + 1), s.MusicFolders.at(i));
}

} // namespace Music
