#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>

namespace brivel::sim {

// Misbehaviours the emulated controller can be switched into, each on its
// own, to drive the program's failure paths.
enum class EmulatorFault {
    Silence,                 // answers nothing at all
    BadLeadByte,             // replies start with something other than 0xAA
    WrongEcho,               // queued commands are answered with another code
    MissingEcho,             // queued commands are not answered; polls are
    ExtraBytes,              // replies carry bytes beyond their length field
    WrongVersion,            // the handshake reports firmware 3.7.6
    ConnectReplyInOnePiece,  // the handshake reply arrives in a single piece
    CutOffReply,             // replies stop halfway
    NoiseBytes,              // the line garbles reply bytes and adds stray ones
};

constexpr int EmulatorFaultCount = 9;

// Names for the command line: "silence", "bad-lead-byte", …
QString faultName(EmulatorFault fault);
std::optional<EmulatorFault> faultFromName(const QString& name);
QStringList faultNames();

}  // namespace brivel::sim
