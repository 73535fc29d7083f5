#pragma once

#include "music/MciBackend.h"
#include "music/Midi.h"

#include <QHash>
#include <QStringList>

// A device that writes down every command and answers from a table; commands not in the table
// succeed with an empty reply. It puts itself in place of the program's device while it lives.
class JukeboxFakeDevice : public Midi::MciBackend {
public:
    JukeboxFakeDevice() {
        Midi::ResetForTesting();
        previous_ = Midi::SetBackend(this);
        replies[QStringLiteral("sysinfo sequencer quantity")] = QStringLiteral("1");
        replies[QStringLiteral("status vhmidi mode")] = QStringLiteral("playing");
        replies[QStringLiteral("status VhOneSong mode")] = QStringLiteral("playing");
    }
    ~JukeboxFakeDevice() override {
        Midi::SetBackend(previous_);
        Midi::ResetForTesting();
    }
    QString Send(const QString& command) override {
        sent << command;
        return replies.value(command);
    }
    QString ErrorText(quint32 code) override { return errors.value(code); }

    // The commands sent that start with the text.
    QStringList SentStartingWith(const QString& start) const {
        QStringList found;
        for (const QString& command : sent)
            if (command.startsWith(start)) found << command;
        return found;
    }

    QStringList sent;
    QHash<QString, QString> replies;
    QHash<quint32, QString> errors;

private:
    Midi::MciBackend* previous_ = nullptr;
};
