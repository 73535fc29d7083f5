#include "music/fluid/MciErrors.h"

#include <QHash>

namespace Mci {

QString ErrorText(quint32 code) {
    static const QHash<quint32, const char*> texts = {
        {NoError, "The specified command was carried out."},
        {UnrecognizedKeyword, "The driver cannot recognize the specified command parameter."},
        {UnrecognizedCommand, "The driver cannot recognize the specified command."},
        {Hardware,
         "There is a problem with your media device. Make sure it is working correctly or contact the "
         "device manufacturer."},
        {InvalidDeviceName, "The specified device is not open or is not recognized by MCI."},
        {OutOfMemory,
         "Your system does not have enough memory for this task. Quit one or more applications to "
         "increase available memory, and then try again."},
        {CannotLoadDriver, "There is an undetectable problem in loading the specified device driver."},
        {MissingCommandString, "No command was specified."},
        {MissingStringArgument,
         "The specified command requires a character-string parameter. Please provide one."},
        {BadInteger, "The specified integer is invalid for this command."},
        {MissingParameter, "The specified command requires a parameter. Please supply one."},
        {UnsupportedFunction, "The MCI device you are using does not support the specified command."},
        {FileNotFound, "Cannot find the specified file. Make sure the path and filename are correct."},
        {ExtensionNotFound, "Cannot determine the device type from the given filename extension."},
        {OutOfRange, "The specified parameter is out of range for the specified command."},
        {FlagsNotCompatible, "The specified parameters cannot be used together."},
        {DuplicateAlias,
         "The specified alias is already being used in this application. Use a unique alias."},
        {MissingDeviceName,
         "The specified command requires an alias, file, driver, or device name. Please supply one."},
        {NoClosingQuote,
         "A closing double-quotation mark is missing from the parameter value. Please supply one."},
        {DuplicateFlags, "A parameter or value was specified twice. Only specify it once."},
        {InvalidFile,
         "The specified file cannot be played on the specified MCI device. The file may be corrupt, "
         "not in the correct format, or no file handler available for this format."},
        {ExtraCharacters, "Cannot specify extra characters after a string enclosed in quotation marks."},
        {SeqPortInUse,
         "The specified MIDI port is already in use. Wait until it is free, and then try again."},
        {SeqPortNonexistent,
         "The specified MIDI device is not installed on the system. Use the Drivers option "
         "from the Control Panel to install a MIDI device."},
        {SeqPortMiscError, "An error occurred with the specified port."},
        {SeqNoMidiPresent,
         "There are no MIDI devices installed on the system. Use the Drivers option from the "
         "Control Panel to install a MIDI driver."},
        {FileRead,
         "Cannot read the specified file. Make sure the file is still present, or check your disk or "
         "network connection."},
    };
    const auto found = texts.constFind(code);
    return found == texts.constEnd() ? QString() : QString::fromLatin1(found.value());
}

} // namespace Mci
