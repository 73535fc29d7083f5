#pragma once

#include "agent/commands/CommandSet.h"

#include <QString>
#include <functional>

// The JSGF grammar a recogniser listens with: one rule per command of the set that has words to say,
// all of them alternatives of the public rule <command>. A command with a word the recogniser does not
// know (knownWord says false) is left out rather than spoil the whole grammar. "" when no command is
// left to say.
QString CommandGrammar(const CommandSet& set, const std::function<bool(const QString&)>& knownWord = {});

// The command whose voice text the recognised words say (case and blanks do not matter), or "" for none.
QString MatchCommand(const CommandSet& set, const QString& heard);
