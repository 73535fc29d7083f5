#pragma once

#include "agent/engine/CharacterFile.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class AgentCharacter;

// What the program knows about the installed characters: the character folders in the program's
// own characters folder and in the user's, by display name and by folder name.
class AgentInfo {
public:
    // The folders searched, the user's first so that a user's own character can stand in for one of
    // the program's. Tests give their own.
    explicit AgentInfo(QStringList folders = DefaultFolders());
    static QStringList DefaultFolders();
    static QString UserCharactersFolder();
    QStringList Folders() const { return folders_; }

    // Reads the names of the characters found; a folder without a readable manifest is skipped.
    void ScanCharacters();
    int CharCount() const { return int(found_.size()); }
    QString NameAt(int number) const; // 1..CharCount
    bool NeedsCopyrightNotice(int number) const;
    // Select a character by display name or by folder name (without regard to case).
    bool FindByName(const QString& name);
    bool FindByFile(const QString& baseName);
    QString FilePath() const;    // the selected character's folder
    QString CharsFolder() const; // the program's characters folder, with a separator
    QString CharName() const;
    // Reads the selected character whole; its problem when it cannot be used.
    CharacterLoad LoadSelected() const;

    // Sizes of the character loaded now (the controller tells it), and of the selected one at a percentage.
    void SetLoaded(std::shared_ptr<const CharacterData> character, QSize size);
    void SetLoadedSize(QSize size) { loadedSize_ = size; }
    double CharWidth() const;
    double GestureOffsetY() const;
    double HeightAtPercent(int percent) const;
    double WidthAtPercent(int percent) const;
    QString GreetingText() const;
    QString FarewellText() const;

    // Walks the character beside the rectangle (screen pixels), on the side with more room, and
    // points at its middle; PointReturn takes the rest pose again.
    void PointAt(const QRect& screenRect, int screenWidth, AgentCharacter& character) const;
    void PointReturn(AgentCharacter& character) const;

private:
    struct Found {
        QString Id;
        QString Name;
        QString Folder;
        QSize FrameSize;
        QString Greeting;
        QString Farewell;
    };
    QStringList folders_;
    QList<Found> found_;
    int selected_ = -1;
    std::shared_ptr<const CharacterData> loaded_;
    QSize loadedSize_;
};

// The characters in use, by identifier.
class ActiveAgents {
public:
    void AddActive(const QString& id, const QString& name);
    void RemoveActive(const QString& id);
    QStringList Active() const;

private:
    QList<QPair<QString, QString>> active_;
};
