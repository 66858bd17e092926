#include "sim/ControllerEmulator.h"

#include "sim/CommandHandler.h"
#include "sim/ConnectionCommands.h"
#include "sim/LiveCommands.h"
#include "sim/MapCommands.h"
#include "sim/ReplyFrame.h"
#include "sim/SettingsCommands.h"

#include "link/Commands.h"
#include "link/Frames.h"
#include "link/LineCoding.h"
#include "platform/Clock.h"

#include <algorithm>

namespace brivel::sim {

namespace {

constexpr int ExtraByteCount = 3;
// On a noisy line about one byte in this many is garbled, and a stray byte
// comes ahead of about one reply in StrayEvery.
constexpr int GarbleEvery = 40;
constexpr int StrayEvery = 4;

bool isHandshake(quint8 code, const QByteArray& payload)
{
    return code == command::ReadSettings && payload == QByteArray(1, command::ConnectPayload);
}

}  // namespace

ControllerEmulator::ControllerEmulator(Clock& clock, quint32 seed)
    : clock_(clock),
      timer_(clock.createTimer()),
      engineTimer_(clock.createTimer()),
      live_(settings_, seed),
      noise_(seed)
{
    handlers_.push_back(std::make_unique<ConnectionCommands>(settings_, faults_));
    handlers_.push_back(std::make_unique<SettingsCommands>(settings_, live_));
    handlers_.push_back(std::make_unique<LiveCommands>(settings_, live_));
    handlers_.push_back(std::make_unique<MapCommands>(live_, adaptation_));
    timer_->setSingleShot(false);
    timer_->setInterval(DefaultPieceIntervalMs);
    timer_->setCallback([this] { tick(); });
    engineTimer_->setSingleShot(false);
    engineTimer_->setInterval(EngineTickMs);
    engineTimer_->setCallback([this] { live_.advance(EngineTickMs); });
    engineTimer_->start();
}

ControllerEmulator::~ControllerEmulator()
{
    timer_->stop();
    engineTimer_->stop();
}

qint64 ControllerEmulator::nowUs() const
{
    return clock_.nowMs() * 1000;
}

void ControllerEmulator::setPieceInterval(int ms)
{
    timer_->setInterval(std::max(ms, 1));
}

void ControllerEmulator::setEngineOnDemand(bool onDemand)
{
    catchUpEngine();
    engineOnDemand_ = onDemand;
    engineDoneMs_ = clock_.nowMs();
    if (onDemand)
        engineTimer_->stop();
    else
        engineTimer_->start();
}

void ControllerEmulator::catchUpEngine()
{
    if (!engineOnDemand_)
        return;
    const qint64 now = clock_.nowMs();
    engineDoneMs_ = std::max(engineDoneMs_, now - MaxEngineCatchUpMs);
    while (now - engineDoneMs_ >= EngineTickMs) {
        live_.advance(EngineTickMs);
        engineDoneMs_ += EngineTickMs;
    }
}

void ControllerEmulator::receive(const QByteArray& wire)
{
    if (wire.isEmpty())
        return;
    catchUpEngine();
    // The program's bytes take the line's time to come in, too.
    receiveFreeUs_ = ReplyLine::arrivalUs(std::max(nowUs(), receiveFreeUs_), wire.size());
    reader_.feed(wire);
    answerFrames();
    keepTicking();
}

void ControllerEmulator::tick()
{
    const qint64 now = nowUs();
    if (reader_.collecting() && now - receiveFreeUs_ >= FrameQuietMs * 1000) {
        reader_.lineQuiet();
        answerFrames();
    }
    const QByteArray piece = line_.takeArrived(now);
    if (line_.idle() && !reader_.collecting())
        timer_->stop();
    // Last: the receiver may write, close the port or reopen it from here.
    if (!piece.isEmpty() && sink_)
        sink_(piece);
}

void ControllerEmulator::resetLine()
{
    reader_.reset();
    line_.clear();
    timer_->stop();
}

void ControllerEmulator::keepTicking()
{
    if ((!line_.idle() || reader_.collecting()) && !timer_->isActive())
        timer_->start();
}

void ControllerEmulator::answerFrames()
{
    for (const QByteArray& frame : reader_.takeFrames())
        answer(frame);
}

void ControllerEmulator::answer(const QByteArray& frame)
{
    const QByteArray body = frame.left(frame.size() - 1);
    if (static_cast<quint8>(frame[0]) != FrameLead ||
        FrameChecksum(body) != static_cast<quint8>(frame.back())) {
        ++rejected_;
        return;
    }
    received_.append(frame);
    if (received_.size() > KeptFrames)
        received_.removeFirst();
    ++receivedCount_;
    if (faults_.has(EmulatorFault::Silence))
        return;
    const quint8 code = static_cast<quint8>(frame[1]);
    const QByteArray payload = frame.mid(2, frame.size() - 3);
    std::optional<QByteArray> reply;
    for (const auto& handler : handlers_)
        if ((reply = handler->handle(code, payload)))
            break;
    if (!reply)
        return;

    const bool handshake = isHandshake(code, payload);
    const bool queued = code != command::Poll && !handshake;
    if (queued && faults_.has(EmulatorFault::MissingEcho))
        return;
    if (queued && faults_.has(EmulatorFault::WrongEcho))
        *reply = sealReply(*reply, command::Poll);
    if (faults_.has(EmulatorFault::BadLeadByte))
        (*reply)[0] = 0x00;
    if (faults_.has(EmulatorFault::ExtraBytes))
        reply->append(QByteArray(ExtraByteCount, '\0'));
    if (faults_.has(EmulatorFault::CutOffReply))
        reply->truncate(reply->size() / 2);

    // The controller codes its replies the program's way round, under the
    // program's receive key.
    const bool whole = handshake && faults_.has(EmulatorFault::ConnectReplyInOnePiece);
    QByteArray wire = EncodeLine(*reply, ReceiveKey);
    if (faults_.has(EmulatorFault::NoiseBytes))
        wire = garble(wire);
    line_.send(wire, receiveFreeUs_ + TurnaroundUs, whole);
}

QByteArray ControllerEmulator::garble(const QByteArray& wire)
{
    std::uniform_int_distribution<int> byte(1, 255);
    QByteArray out;
    if (noise_() % StrayEvery == 0)
        out.append(static_cast<char>(byte(noise_)));
    for (char c : wire)
        out.append(noise_() % GarbleEvery == 0 ? static_cast<char>(c ^ byte(noise_)) : c);
    return out;
}

}  // namespace brivel::sim
