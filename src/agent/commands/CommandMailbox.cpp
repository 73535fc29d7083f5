#include "agent/commands/CommandMailbox.h"

CommandMailbox::CommandMailbox() {
    TimerAgentCommand.setInterval(100);
    connect(&TimerAgentCommand, &QTimer::timeout, this, &CommandMailbox::tick);
}

void CommandMailbox::Post(const QString& name) {
    LabAgentCommand = name;
    TimerAgentCommand.start();
}

void CommandMailbox::tick() {
    TimerAgentCommand.stop();
    const QString key = LabAgentCommand.trimmed().toLower();
    if (key == QLatin1String("properties"))
        emit propertiesRequested();
    else
        emit commandDue(key);
}
