#include "agent/AgentInfo.h"

#include "agent/engine/AgentCharacter.h"
#include "base/Folders.h"
#include "base/ProductProfile.h"
#include "base/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QThread>
#include <cmath>

namespace {
constexpr qint64 kMaxManifestBytes = 4 * 1024 * 1024;

QString programCharactersFolder() {
    // Run from the build tree, the characters are drawn into it; installed, they sit in the data folder.
    const QString built = QStringLiteral(GW_BUILD_CHARACTERS);
    if (QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/CMakeCache.txt")).exists() &&
        QFileInfo(built).isDir())
        return built;
    return ProgramFolder() + QStringLiteral("characters");
}
} // namespace

AgentInfo::AgentInfo(QStringList folders)
    : folders_(std::move(folders)) {}

QString AgentInfo::UserCharactersFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
           ProductProfile().OEM_Name() + QLatin1Char('/') + ProductProfile().Product_Name() +
           QStringLiteral("/characters");
}

QStringList AgentInfo::DefaultFolders() {
    return {UserCharactersFolder(), programCharactersFolder()};
}

void AgentInfo::ScanCharacters() {
    found_.clear();
    selected_ = -1;
    for (const QString& folder : folders_) {
        const QFileInfoList entries =
            QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& entry : entries) {
            const RegularFile::Read manifest = RegularFile::ReadAll(
                entry.absoluteFilePath() + QStringLiteral("/character.json"), kMaxManifestBytes);
            if (!manifest.ok()) continue;
            const QJsonObject json = QJsonDocument::fromJson(manifest.Bytes).object();
            Found f{entry.fileName().toLower(),
                    json.value(u"name").toString().trimmed(),
                    entry.absoluteFilePath(),
                    QSize(json.value(u"width").toInt(), json.value(u"height").toInt()),
                    json.value(u"greeting").toString(),
                    json.value(u"farewell").toString()};
            if (f.Name.isEmpty() || f.FrameSize.isEmpty()) {
                qWarning("Character folder %s skipped: its manifest has no name or size.",
                         qPrintable(QDir::toNativeSeparators(f.Folder)));
                continue;
            }
            // The user's own character of the same folder name stands in for the program's.
            const bool known = std::any_of(found_.cbegin(), found_.cend(),
                                           [&f](const Found& other) { return other.Id == f.Id; });
            if (!known) found_.append(f);
        }
    }
}

QString AgentInfo::NameAt(int number) const {
    return number >= 1 && number <= found_.size() ? found_.at(number - 1).Name : QString();
}

bool AgentInfo::NeedsCopyrightNotice(int) const {
    return false; // every character here is the program's own or the user's
}

bool AgentInfo::FindByName(const QString& name) {
    for (int i = 0; i < found_.size(); ++i)
        if (!name.isEmpty() && found_.at(i).Name.compare(name, Qt::CaseInsensitive) == 0) {
            selected_ = i;
            return true;
        }
    return false;
}

bool AgentInfo::FindByFile(const QString& baseName) {
    for (int i = 0; i < found_.size(); ++i)
        if (!baseName.isEmpty() && found_.at(i).Id.compare(baseName, Qt::CaseInsensitive) == 0) {
            selected_ = i;
            return true;
        }
    return false;
}

QString AgentInfo::FilePath() const {
    return selected_ >= 0 ? found_.at(selected_).Folder : QString();
}

QString AgentInfo::CharsFolder() const {
    return AddBackslash(folders_.isEmpty() ? QString() : folders_.last());
}

QString AgentInfo::CharName() const {
    return selected_ >= 0 ? found_.at(selected_).Name : QString();
}

CharacterLoad AgentInfo::LoadSelected() const {
    if (selected_ < 0) return {nullptr, QStringLiteral("no character is selected")};
    // Read on a thread of its own: a large or hostile character folder must not stop the window
    // from painting or the program from answering a request to end. The caller waits for the
    // result, with the events of everything but the user's input running meanwhile.
    const QString folder = found_.at(selected_).Folder;
    CharacterLoad load;
    QThread* reader = QThread::create([&load, folder] { load = LoadCharacterFolder(folder); });
    QEventLoop waiting;
    QObject::connect(reader, &QThread::finished, &waiting, &QEventLoop::quit);
    reader->start();
    if (!reader->isFinished()) waiting.exec(QEventLoop::ExcludeUserInputEvents);
    reader->wait(); // the program ending meanwhile ends the loop early
    delete reader;
    return load;
}

void AgentInfo::SetLoaded(std::shared_ptr<const CharacterData> character, QSize size) {
    loaded_ = std::move(character);
    loadedSize_ = size;
}

double AgentInfo::CharWidth() const {
    return loaded_ ? loadedSize_.width() : 0;
}

double AgentInfo::GestureOffsetY() const {
    if (!loaded_ || loaded_->FrameSize.height() <= 0) return 0;
    return loaded_->GestureOffsetY * loadedSize_.height() / loaded_->FrameSize.height();
}

void AgentInfo::PointAt(const QRect& screenRect, int screenWidth, AgentCharacter& character) const {
    const double width = CharWidth();
    const double left = screenRect.left(), right = left + screenRect.width();
    const double top = screenRect.top(), bottom = top + screenRect.height();
    const double roomLeft = left - width;
    const double roomRight = screenWidth - right - width;
    const int standY = int(std::nearbyint((top + bottom) / 2 - GestureOffsetY()));
    const int standX = int(std::nearbyint(roomLeft <= roomRight ? right + 2 : left - width - 2));
    character.MoveTo(QPoint(standX, standY));
    character.GestureAt(
        QPoint(int(std::nearbyint((left + right) / 2)), int(std::nearbyint((top + bottom) / 2))));
}

void AgentInfo::PointReturn(AgentCharacter& character) const {
    character.Play(QStringLiteral("RestPose"));
}

double AgentInfo::HeightAtPercent(int percent) const {
    return selected_ >= 0 ? found_.at(selected_).FrameSize.height() * percent / 100.0 : 0;
}

double AgentInfo::WidthAtPercent(int percent) const {
    return selected_ >= 0 ? found_.at(selected_).FrameSize.width() * percent / 100.0 : 0;
}

QString AgentInfo::GreetingText() const {
    return selected_ >= 0 ? found_.at(selected_).Greeting : QString();
}

QString AgentInfo::FarewellText() const {
    return selected_ >= 0 ? found_.at(selected_).Farewell : QString();
}

void ActiveAgents::AddActive(const QString& id, const QString& name) {
    RemoveActive(id);
    active_.append({id, name});
}

void ActiveAgents::RemoveActive(const QString& id) {
    active_.removeIf([&id](const auto& entry) { return entry.first.compare(id, Qt::CaseInsensitive) == 0; });
}

QStringList ActiveAgents::Active() const {
    QStringList names;
    for (const auto& entry : active_)
        names << entry.second;
    return names;
}
