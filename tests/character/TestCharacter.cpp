#include "TestCharacter.h"

#include <QDir>
#include <QFile>
#include <QTimer>

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray picture(const char* colour) {
    return QByteArray(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"60\" viewBox=\"0 0 40 60\">"
               "<rect x=\"10\" y=\"5\" width=\"20\" height=\"50\" fill=\"") +
           colour + "\"/></svg>";
}

const char* const kManifest = R"json({
 "name": "Tester", "width": 40, "height": 60,
 "greeting": "Hello there.", "farewell": "Bye now.", "gestureOffsetY": 10,
 "voice": {"name": "en", "pitch": 50, "rate": 170},
 "mouths": {"closed": "m.svg", "narrow": "m.svg", "open": "m.svg"},
 "animations": {
  "RestPose": {"frames": [{"image": "rest.svg", "duration": 10, "mouth": [20, 20]}]},
  "Show": {"frames": [{"image": "a.svg", "duration": 10}, {"image": "rest.svg", "duration": 10}]},
  "Hide": {"frames": [{"image": "rest.svg", "duration": 10}, {"image": "a.svg", "duration": 10}]},
  "Wave": {"frames": [{"image": "a.svg", "duration": 10},
                      {"image": "b.svg", "duration": 10, "exit": 2, "branches": [{"frame": 0, "weight": 100}]},
                      {"image": "rest.svg", "duration": 10}]},
  "Explain": {"frames": [{"image": "b.svg", "duration": 10}], "return": "ExplainReturn"},
  "ExplainReturn": {"frames": [{"image": "rest.svg", "duration": 10}]},
  "Walk": {"frames": [{"image": "a.svg", "duration": 10}, {"image": "b.svg", "duration": 10, "exit": 2,
            "branches": [{"frame": 0, "weight": 100}]}, {"image": "rest.svg", "duration": 10}]},
  "GestureLeft": {"frames": [{"image": "a.svg", "duration": 10}], "return": "GestureLeftReturn"},
  "GestureLeftReturn": {"frames": [{"image": "rest.svg", "duration": 10}]},
  "GestureRight": {"frames": [{"image": "b.svg", "duration": 10}], "return": "GestureLeftReturn"},
  "GestureUp": {"frames": [{"image": "a.svg", "duration": 10}]},
  "GestureDown": {"frames": [{"image": "b.svg", "duration": 10}]},
  "Idle1": {"frames": [{"image": "a.svg", "duration": 10}, {"image": "b.svg", "duration": 10,
            "branches": [{"frame": 0, "weight": 100}], "exit": 1}]}
 },
 "states": {"Showing": ["Show"], "Hiding": ["Hide"], "Speaking": ["RestPose"],
  "MovingLeft": ["Walk"], "MovingRight": ["Walk"], "MovingUp": ["Walk"], "MovingDown": ["Walk"],
  "GesturingLeft": ["GestureLeft"], "GesturingRight": ["GestureRight"], "GesturingUp": ["GestureUp"],
  "GesturingDown": ["GestureDown"], "Idling": ["Idle1"]}
})json";
} // namespace

QString WriteTestCharacter(const QTemporaryDir& dir, const QString& id,
                           const std::function<void(QString&)>& change) {
    const QString folder = dir.filePath(id);
    QDir().mkpath(folder);
    writeFile(folder + QStringLiteral("/rest.svg"), picture("#2060c0"));
    writeFile(folder + QStringLiteral("/a.svg"), picture("#c02020"));
    writeFile(folder + QStringLiteral("/b.svg"), picture("#20a040"));
    writeFile(folder + QStringLiteral("/m.svg"),
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"4\" viewBox=\"0 0 8 4\">"
              "<rect width=\"8\" height=\"4\" fill=\"black\"/></svg>");
    QString manifest = QString::fromUtf8(kManifest);
    if (change) change(manifest);
    writeFile(folder + QStringLiteral("/character.json"), manifest.toUtf8());
    return folder;
}

void ScriptedVoice::Say(const QString& text, const QString&, int, int) {
    said << text;
    talking = true;
    if (OnSaid) OnSaid();
    if (finishAtOnce) QTimer::singleShot(0, [this] { FinishUtterance(); });
}

void ScriptedVoice::Stop() {
    if (!talking) return;
    talking = false;
    if (OnFinished) OnFinished();
}

void ScriptedVoice::FinishUtterance() {
    if (!talking) return;
    const QStringList words = said.last().split(u' ', Qt::SkipEmptyParts);
    int at = 0;
    for (const QString& word : words) {
        if (OnWord) OnWord(at, int(word.size()));
        at += int(word.size()) + 1;
    }
    if (OnMouth) OnMouth(MouthShape::Open);
    talking = false;
    if (OnFinished) OnFinished();
}
