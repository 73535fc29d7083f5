#pragma once

#include <QDialog>

class QCheckBox;
class QKeySequenceEdit;
class QSlider;
class QSpinBox;

// How the user likes the character to talk, kept in the settings under a group of its own.
struct CharacterSettings {
    bool Speech = true;                    // out loud, or in the balloon only
    int SpeedPercent = 100;                // of the character's own pace, 50..200
    int BalloonFontSize = 10;              // points, 8..20
    int ListeningKey = Qt::Key_ScrollLock; // held to give a command by voice
    static CharacterSettings Load();
    void Save() const;
};

// The character's properties sheet.
class CharacterProperties : public QDialog {
    Q_OBJECT
public:
    explicit CharacterProperties(const CharacterSettings& settings, QWidget* parent = nullptr);
    CharacterSettings Settings() const;

    QCheckBox* CheckSpeech;
    QSlider* SliderSpeed;
    QSpinBox* SpinFontSize;
    QKeySequenceEdit* EditListeningKey;
};
