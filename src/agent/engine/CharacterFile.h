#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

class QSvgRenderer;

// A character folder as the engine reads it: the manifest and every picture it names, checked once
// at load so that nothing can go missing while the character is on screen.

struct CharacterBranch {
    int Frame = 0;
    int Weight = 0; // percent
};

struct CharacterFrame {
    int Picture = -1; // index into CharacterData::Pictures
    int DurationMs = 100;
    int Exit = -1; // frame to go on from when the animation must end; -1: none
    QList<CharacterBranch> Branches;
    bool HasMouth = false;
    QPointF Mouth; // the mouth's centre, frame pixels at 100 %
};

struct CharacterAnimation {
    QString Name;
    QList<CharacterFrame> Frames;
    QString Return; // "" when none
};

enum class MouthShape { Closed = 0, Narrow = 1, Open = 2 };

struct CharacterData {
    QString Id; // the folder's base name
    QString Folder;
    QString Name;
    QSize FrameSize;
    QString Greeting;
    QString Farewell;
    double GestureOffsetY = 0;
    QString VoiceName = QStringLiteral("en");
    int VoicePitch = 50;
    int VoiceRate = 170;
    QColor BalloonBackground = QColor(255, 255, 225);
    QColor BalloonBorder = Qt::black;
    QColor BalloonText = Qt::black;
    QHash<QString, CharacterAnimation> Animations; // by name, as the manifest spells it
    QHash<QString, QStringList> States;            // "Idling" → animation names
    std::shared_ptr<QSvgRenderer> Mouths[3];
    QList<std::shared_ptr<QSvgRenderer>> Pictures;

    // The animation by name without regard to case; nullptr when there is none.
    const CharacterAnimation* Find(const QString& name) const;
};

struct CharacterLoad {
    std::shared_ptr<const CharacterData> Character; // null when the folder was refused
    QString Problem;                                // why it was refused
};

// Reads folder/character.json and its pictures.
CharacterLoad LoadCharacterFolder(const QString& folder);

// The states every character must name.
const QStringList& RequiredCharacterStates();
