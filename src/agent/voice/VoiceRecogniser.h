#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Hears commands in recordings, in the background. The callbacks come on the owner's thread.
class VoiceRecogniser {
public:
    virtual ~VoiceRecogniser() = default;
    // Gets the model ready; OnUnavailable follows when there is none. Calling it again does nothing.
    virtual void Prepare() = 0;
    // OnRecognised follows for every recording, in order: the command's name, or "" for none.
    virtual void Recognise(const QByteArray& pcm) = 0;

    std::function<void(const QString& problem)> OnUnavailable;
    std::function<void(const QString& name)> OnRecognised;
};
