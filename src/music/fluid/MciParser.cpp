#include "music/fluid/MciParser.h"

#include "music/fluid/MciErrors.h"

namespace Mci {
namespace {

bool is(const QString& word, const char* expected) {
    return word.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}

bool readNumber(const QString& word, qint64& value) {
    bool ok = false;
    value = word.toLongLong(&ok);
    return ok && value >= 0;
}

// Song files the sequencer is chosen for when no type is given.
bool isSequencerFile(const QString& file) {
    const QString lower = file.toLower();
    return lower.endsWith(QLatin1String(".mid")) || lower.endsWith(QLatin1String(".midi")) ||
           lower.endsWith(QLatin1String(".rmi"));
}

// The device types of the compound "type!file" form.
bool isDeviceType(const QString& word) {
    return is(word, "sequencer");
}

Command failed(quint32 error) {
    Command command;
    command.error = error;
    return command;
}

Command parseOpen(const QStringList& words) {
    Command command;
    command.verb = Command::Verb::Open;
    // "sequencer!file" names the device type before the file; any other "!" is part of the file's
    // name ("Hark! The Herald Angels Sing.mid").
    const QString& name = words.at(1);
    const qsizetype bang = name.indexOf(QLatin1Char('!'));
    const bool compound = bang > 0 && isDeviceType(name.left(bang));
    if (compound) {
        command.deviceType = name.left(bang).toLower();
        command.file = name.mid(bang + 1);
    } else {
        command.file = name;
    }
    bool typeGiven = compound;
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (is(word, "type") || is(word, "alias")) {
            if (i + 1 >= words.size()) return failed(MissingStringArgument);
            const QString& value = words.at(++i);
            if (is(word, "type")) {
                if (typeGiven) return failed(DuplicateFlags);
                command.deviceType = value.toLower();
                typeGiven = true;
            } else {
                if (!command.device.isEmpty()) return failed(DuplicateFlags);
                command.device = value;
            }
        } else if (is(word, "shareable")) {
            // One program, one device per alias: sharing changes nothing.
        } else {
            return failed(UnrecognizedKeyword);
        }
    }
    if (!typeGiven) {
        if (!isSequencerFile(command.file)) return failed(ExtensionNotFound);
        command.deviceType = QStringLiteral("sequencer");
    }
    if (command.deviceType != QLatin1String("sequencer")) return failed(InvalidDeviceName);
    if (command.file.isEmpty()) return failed(MissingDeviceName);
    if (command.device.isEmpty()) command.device = command.file;
    return command;
}

Command parsePlay(const QStringList& words) {
    Command command;
    command.verb = Command::Verb::Play;
    command.device = words.at(1);
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (!is(word, "from") && !is(word, "to")) return failed(UnrecognizedKeyword);
        if (i + 1 >= words.size()) return failed(MissingParameter);
        qint64 value = 0;
        if (!readNumber(words.at(++i), value)) return failed(BadInteger);
        std::optional<qint64>& slot = is(word, "from") ? command.from : command.to;
        if (slot) return failed(DuplicateFlags);
        slot = value;
    }
    if (command.from && command.to && *command.to < *command.from) return failed(OutOfRange);
    return command;
}

Command parseSeek(const QStringList& words) {
    Command command;
    command.verb = Command::Verb::Seek;
    command.device = words.at(1);
    if (words.size() == 2) return failed(MissingParameter);
    if (words.size() == 3) {
        if (is(words.at(2), "to")) return failed(MissingParameter);
        return failed(UnrecognizedKeyword);
    }
    if (words.size() > 4 || !is(words.at(2), "to")) return failed(UnrecognizedKeyword);
    const QString& where = words.at(3);
    qint64 value = 0;
    if (is(where, "start"))
        command.toStart = true;
    else if (is(where, "end"))
        command.toEnd = true;
    else if (readNumber(where, value))
        command.to = value;
    else
        return failed(BadInteger);
    return command;
}

Command parseStatus(const QStringList& words) {
    Command command;
    command.verb = Command::Verb::Status;
    command.device = words.at(1);
    if (words.size() < 3) return failed(MissingParameter);
    if (words.size() > 3) return failed(UnrecognizedKeyword);
    const QString item = words.at(2).toLower();
    static const QStringList items = {QStringLiteral("mode"), QStringLiteral("position"),
                                      QStringLiteral("length"), QStringLiteral("ready")};
    if (!items.contains(item)) return failed(UnrecognizedKeyword);
    command.item = item;
    return command;
}

Command parseSysinfo(const QStringList& words) {
    Command command;
    command.verb = Command::Verb::Sysinfo;
    command.device = words.at(1).toLower();
    if (words.size() < 3) return failed(MissingParameter);
    if (!is(words.at(2), "quantity")) return failed(UnrecognizedKeyword);
    command.item = QStringLiteral("quantity");
    if (words.size() == 4) {
        if (!is(words.at(3), "open")) return failed(UnrecognizedKeyword);
        command.openOnly = true;
    } else if (words.size() > 4) {
        return failed(UnrecognizedKeyword);
    }
    return command;
}

} // namespace

bool MciParser::SplitWords(const QString& text, QStringList& words, quint32& error) {
    words.clear();
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && text.at(i).isSpace())
            ++i;
        if (i >= n) break;
        if (text.at(i) == QLatin1Char('"')) {
            // Inside quotes a doubled quote stands for one, so any file name can be written.
            QString word;
            qsizetype at = i + 1;
            bool closed = false;
            while (at < n) {
                if (text.at(at) != QLatin1Char('"')) {
                    word += text.at(at++);
                } else if (at + 1 < n && text.at(at + 1) == QLatin1Char('"')) {
                    word += QLatin1Char('"');
                    at += 2;
                } else {
                    closed = true;
                    break;
                }
            }
            if (!closed) {
                error = NoClosingQuote;
                return false;
            }
            if (at + 1 < n && !text.at(at + 1).isSpace()) {
                error = ExtraCharacters;
                return false;
            }
            words << word;
            i = at + 1;
        } else {
            const qsizetype start = i;
            while (i < n && !text.at(i).isSpace())
                ++i;
            words << text.mid(start, i - start);
        }
    }
    return true;
}

Command MciParser::Parse(const QString& text) {
    QStringList words;
    quint32 error = 0;
    if (!SplitWords(text, words, error)) return failed(error);
    if (words.isEmpty()) return failed(MissingCommandString);
    const QString verb = words.first().toLower();
    static const QStringList known = {
        QStringLiteral("open"),  QStringLiteral("close"),  QStringLiteral("play"),
        QStringLiteral("pause"), QStringLiteral("resume"), QStringLiteral("stop"),
        QStringLiteral("seek"),  QStringLiteral("status"), QStringLiteral("sysinfo")};
    if (!known.contains(verb)) return failed(UnrecognizedCommand);
    if (words.size() < 2 || words.at(1).isEmpty()) return failed(MissingDeviceName);
    for (const QString& word : words.mid(2))
        if (is(word, "wait") || is(word, "notify")) return failed(UnsupportedFunction);

    if (verb == QLatin1String("open")) return parseOpen(words);
    if (verb == QLatin1String("play")) return parsePlay(words);
    if (verb == QLatin1String("seek")) return parseSeek(words);
    if (verb == QLatin1String("status")) return parseStatus(words);
    if (verb == QLatin1String("sysinfo")) return parseSysinfo(words);

    Command command;
    command.device = words.at(1);
    if (words.size() > 2) return failed(UnrecognizedKeyword);
    if (verb == QLatin1String("close"))
        command.verb = Command::Verb::Close;
    else if (verb == QLatin1String("pause"))
        command.verb = Command::Verb::Pause;
    else if (verb == QLatin1String("resume"))
        command.verb = Command::Verb::Resume;
    else
        command.verb = Command::Verb::Stop;
    return command;
}

} // namespace Mci
