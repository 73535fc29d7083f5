#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// A chosen command never runs inside the character's event: the name is left here and runs on the
// next tick, after the event has returned. A second command before the tick replaces the first.
class CommandMailbox : public QObject {
    Q_OBJECT
public:
    CommandMailbox();

    void Post(const QString& name);

    QString LabAgentCommand; // the last command chosen
    QTimer TimerAgentCommand;

signals:
    void propertiesRequested();          // the options dialog, on the character's page
    void commandDue(const QString& key); // trimmed and lower-cased

private:
    void tick();
};
