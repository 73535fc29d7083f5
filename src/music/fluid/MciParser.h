#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace Mci {

// One command string taken apart. error is nonzero when the text is not a command the device takes;
// the other fields then say nothing.
struct Command {
    enum class Verb { Open, Close, Play, Pause, Resume, Stop, Seek, Status, Sysinfo };

    Verb verb = Verb::Open;
    // The alias a command is sent to; for open, the alias the device will answer to; for sysinfo, the
    // device type asked about.
    QString device;
    QString deviceType;                  // open: "sequencer"
    QString file;                        // open: the song file
    std::optional<qint64> from, to;      // play, and seek "to" (milliseconds)
    bool toStart = false, toEnd = false; // seek
    QString item;                        // status: "mode", "position", "length", "ready"; sysinfo: "quantity"
    bool openOnly = false;               // sysinfo … quantity open
    quint32 error = 0;
};

// Reads the command strings of the sequencer: open (with "type sequencer" or the "sequencer!file"
// form, and an alias), close, play [from N] [to N], pause, resume, stop, seek to start|end|N,
// status <alias> mode|position|length|ready, sysinfo sequencer quantity [open]. Words are matched
// without regard to case; "wait" and "notify" are refused, as nothing here blocks or posts messages.
class MciParser {
public:
    static Command Parse(const QString& text);

    // The words of a command: blanks separate them, double quotes group a word with blanks in it, and
    // inside them two quotes stand for one.
    // Returns false with the error code when a quote is left open or text follows a closing quote.
    static bool SplitWords(const QString& text, QStringList& words, quint32& error);
};

} // namespace Mci
