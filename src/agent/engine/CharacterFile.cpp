#include "agent/engine/CharacterFile.h"

#include "agent/engine/SvgSafety.h"
#include "base/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSvgRenderer>

namespace {
constexpr qint64 kMaxManifestBytes = 4 * 1024 * 1024;
constexpr int kMaxFrameSide = 1024;
// What a character may ask of the program, checked before any picture is decoded. A decoded picture
// takes memory in proportion to its SVG text, so the text's size is the measure. The program's own
// characters use about a fifth of each.
constexpr int kMaxFrames = 2000;
constexpr int kMaxPictures = 1000;
constexpr qint64 kMaxPictureFileBytes = 1024 * 1024;
constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;

struct Reader {
    QString folder;
    QHash<QString, int> pictureIndex;
    CharacterData* data;
    QString problem;

    bool fail(const QString& why) {
        if (problem.isEmpty()) problem = why;
        return false;
    }

    QString pictureProblem; // why the last picture could not be drawn

    // A picture must stay inside the character's folder and be an ordinary file.
    QString checkedPath(const QString& file) const {
        const QString path = QDir(folder).filePath(file);
        if (file.isEmpty() || QDir::isAbsolutePath(file) ||
            !QFileInfo(path).canonicalFilePath().startsWith(QFileInfo(folder).canonicalFilePath() + u'/'))
            return {};
        return path;
    }

    std::shared_ptr<QSvgRenderer> render(const QString& file) {
        const QString path = checkedPath(file);
        if (path.isEmpty()) {
            pictureProblem = QStringLiteral("it is not a file in the character's folder");
            return nullptr;
        }
        const RegularFile::Read read = RegularFile::ReadAll(path, kMaxPictureFileBytes);
        if (!read.ok()) {
            pictureProblem = read.Problem;
            return nullptr;
        }
        pictureProblem = SvgReachesOutside(read.Bytes);
        if (!pictureProblem.isEmpty()) return nullptr;
        auto renderer = std::make_shared<QSvgRenderer>(read.Bytes);
        if (!renderer->isValid()) {
            pictureProblem = QStringLiteral("it is not a picture Qt SVG can draw");
            return nullptr;
        }
        // Made on the loading thread, used on the window's.
        if (QCoreApplication::instance()) renderer->moveToThread(QCoreApplication::instance()->thread());
        return renderer;
    }

    // Counts what the manifest asks for before anything is decoded.
    bool withinLimits(const QJsonObject& json) {
        QSet<QString> files;
        int frames = 0;
        const QJsonObject mouths = json.value(u"mouths").toObject();
        for (auto it = mouths.begin(); it != mouths.end(); ++it)
            files.insert(it.value().toString());
        const QJsonObject all = json.value(u"animations").toObject();
        for (auto it = all.begin(); it != all.end(); ++it) {
            const QJsonArray list = it.value().toObject().value(u"frames").toArray();
            frames += int(list.size());
            if (frames > kMaxFrames)
                return fail(QStringLiteral("it has more than %1 frames").arg(kMaxFrames));
            for (const QJsonValue& frame : list)
                files.insert(frame.toObject().value(u"image").toString());
            if (files.size() > kMaxPictures)
                return fail(QStringLiteral("it has more than %1 pictures").arg(kMaxPictures));
        }
        qint64 bytes = 0;
        for (const QString& file : std::as_const(files)) {
            const QString path = checkedPath(file);
            const QFileInfo info(path);
            if (path.isEmpty() || !info.isFile()) continue; // told about when it is drawn
            if (info.size() > kMaxPictureFileBytes)
                return fail(QStringLiteral("its picture \"%1\" is larger than 1 MB").arg(file));
            bytes += info.size();
            if (bytes > kMaxPictureBytes)
                return fail(QStringLiteral("its pictures together are larger than 16 MB"));
        }
        return true;
    }

    int picture(const QString& file) {
        if (const auto found = pictureIndex.constFind(file); found != pictureIndex.cend()) return *found;
        auto renderer = render(file);
        if (!renderer) return -1;
        data->Pictures.append(renderer);
        pictureIndex.insert(file, int(data->Pictures.size()) - 1);
        return int(data->Pictures.size()) - 1;
    }

    bool frame(const QString& animation, int index, int count, const QJsonObject& json, CharacterFrame& out) {
        const QString where = QStringLiteral("frame %1 of \"%2\"").arg(index).arg(animation);
        const QString image = json.value(u"image").toString();
        out.Picture = picture(image);
        if (out.Picture < 0)
            return fail(QStringLiteral("the picture \"%1\" of %2 cannot be drawn: %3")
                            .arg(image, where, pictureProblem));
        out.DurationMs = json.value(u"duration").toInt(0);
        if (out.DurationMs < 10 || out.DurationMs > 60000)
            return fail(QStringLiteral("%1 has no duration between 10 ms and a minute").arg(where));
        if (json.contains(u"exit")) {
            out.Exit = json.value(u"exit").toInt(-1);
            if (out.Exit < 0 || out.Exit >= count)
                return fail(QStringLiteral("%1 exits to a frame that does not exist").arg(where));
        }
        int weights = 0;
        for (const QJsonValue& value : json.value(u"branches").toArray()) {
            const QJsonObject branch = value.toObject();
            CharacterBranch b{branch.value(u"frame").toInt(-1), branch.value(u"weight").toInt(-1)};
            if (b.Frame < 0 || b.Frame >= count)
                return fail(QStringLiteral("%1 branches to a frame that does not exist").arg(where));
            if (b.Weight < 0) return fail(QStringLiteral("%1 has a branch without a weight").arg(where));
            weights += b.Weight;
            out.Branches.append(b);
        }
        if (weights > 100) return fail(QStringLiteral("the branches of %1 weigh more than 100").arg(where));
        const QJsonArray mouth = json.value(u"mouth").toArray();
        if (mouth.size() == 2) {
            out.HasMouth = true;
            out.Mouth = QPointF(mouth.at(0).toDouble(), mouth.at(1).toDouble());
        }
        return true;
    }

    bool animations(const QJsonObject& json) {
        for (auto it = json.begin(); it != json.end(); ++it) {
            CharacterAnimation animation;
            animation.Name = it.key();
            const QJsonObject body = it.value().toObject();
            const QJsonArray frames = body.value(u"frames").toArray();
            if (frames.isEmpty())
                return fail(QStringLiteral("the animation \"%1\" has no frames").arg(it.key()));
            for (int i = 0; i < frames.size(); ++i) {
                CharacterFrame f;
                if (!frame(it.key(), i, int(frames.size()), frames.at(i).toObject(), f)) return false;
                animation.Frames.append(f);
            }
            animation.Return = body.value(u"return").toString();
            data->Animations.insert(it.key(), animation);
        }
        for (const CharacterAnimation& animation : std::as_const(data->Animations))
            if (!animation.Return.isEmpty() && !data->Find(animation.Return))
                return fail(QStringLiteral("the return animation \"%1\" of \"%2\" does not exist")
                                .arg(animation.Return, animation.Name));
        return true;
    }

    bool states(const QJsonObject& json) {
        for (const QString& state : RequiredCharacterStates()) {
            QStringList names;
            for (const QJsonValue& value : json.value(state).toArray()) {
                if (!data->Find(value.toString()))
                    return fail(QStringLiteral("the state \"%1\" names the unknown animation \"%2\"")
                                    .arg(state, value.toString()));
                names << value.toString();
            }
            if (names.isEmpty())
                return fail(QStringLiteral("the state \"%1\" names no animation").arg(state));
            data->States.insert(state, names);
        }
        return true;
    }
};

QColor colour(const QJsonObject& json, QStringView key, const QColor& fallback) {
    const QColor c = QColor::fromString(json.value(key).toString());
    return c.isValid() ? c : fallback;
}
} // namespace

const CharacterAnimation* CharacterData::Find(const QString& name) const {
    if (const auto it = Animations.constFind(name); it != Animations.cend()) return &*it;
    for (const CharacterAnimation& animation : Animations)
        if (animation.Name.compare(name, Qt::CaseInsensitive) == 0) return &animation;
    return nullptr;
}

const QStringList& RequiredCharacterStates() {
    static const QStringList states = {
        QStringLiteral("Showing"),     QStringLiteral("Hiding"),        QStringLiteral("Speaking"),
        QStringLiteral("MovingLeft"),  QStringLiteral("MovingRight"),   QStringLiteral("MovingUp"),
        QStringLiteral("MovingDown"),  QStringLiteral("GesturingLeft"), QStringLiteral("GesturingRight"),
        QStringLiteral("GesturingUp"), QStringLiteral("GesturingDown"), QStringLiteral("Idling")};
    return states;
}

CharacterLoad LoadCharacterFolder(const QString& folder) {
    CharacterLoad load;
    const RegularFile::Read manifest =
        RegularFile::ReadAll(QDir(folder).filePath(QStringLiteral("character.json")), kMaxManifestBytes);
    if (!manifest.ok()) {
        load.Problem = QStringLiteral("its character.json cannot be used: %1").arg(manifest.Problem);
        return load;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(manifest.Bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        load.Problem = QStringLiteral("its character.json is not valid JSON (%1 at byte %2)")
                           .arg(error.errorString())
                           .arg(error.offset);
        return load;
    }
    const QJsonObject json = document.object();
    auto data = std::make_shared<CharacterData>();
    data->Folder = QFileInfo(folder).absoluteFilePath();
    data->Id = QFileInfo(data->Folder).fileName().toLower();
    data->Name = json.value(u"name").toString().trimmed();
    data->FrameSize = QSize(json.value(u"width").toInt(), json.value(u"height").toInt());
    data->Greeting = json.value(u"greeting").toString();
    data->Farewell = json.value(u"farewell").toString();
    data->GestureOffsetY = json.value(u"gestureOffsetY").toDouble();
    const QJsonObject voice = json.value(u"voice").toObject();
    data->VoiceName = voice.value(u"name").toString(data->VoiceName);
    data->VoicePitch = qBound(0, voice.value(u"pitch").toInt(data->VoicePitch), 99);
    data->VoiceRate = qBound(80, voice.value(u"rate").toInt(data->VoiceRate), 450);
    const QJsonObject balloon = json.value(u"balloon").toObject();
    data->BalloonBackground = colour(balloon, u"background", data->BalloonBackground);
    data->BalloonBorder = colour(balloon, u"border", data->BalloonBorder);
    data->BalloonText = colour(balloon, u"text", data->BalloonText);

    Reader reader{data->Folder, {}, data.get(), {}, {}};
    if (data->Name.isEmpty()) {
        load.Problem = QStringLiteral("it has no name");
        return load;
    }
    if (data->FrameSize.width() < 8 || data->FrameSize.height() < 8 ||
        data->FrameSize.width() > kMaxFrameSide || data->FrameSize.height() > kMaxFrameSide) {
        load.Problem = QStringLiteral("its frame size is missing or out of range");
        return load;
    }
    if (!reader.withinLimits(json)) {
        load.Problem = reader.problem;
        return load;
    }
    const QJsonObject mouths = json.value(u"mouths").toObject();
    const QStringView mouthNames[] = {u"closed", u"narrow", u"open"};
    for (int i = 0; i < 3; ++i) {
        data->Mouths[i] = reader.render(mouths.value(mouthNames[i]).toString());
        if (!data->Mouths[i]) {
            load.Problem = QStringLiteral("its \"%1\" mouth cannot be drawn: %2")
                               .arg(mouthNames[i], reader.pictureProblem);
            return load;
        }
    }
    if (!reader.animations(json.value(u"animations").toObject()) ||
        !reader.states(json.value(u"states").toObject())) {
        load.Problem = reader.problem;
        return load;
    }
    load.Character = std::move(data);
    return load;
}
