#include "cars/LibraryOp.h"

#include <QtCore/QJsonArray>

namespace brivel::cars {

namespace {

using Json = QJsonObject;

QString str(const Json& o, const char* key)
{
    return o.value(QLatin1String(key)).toString();
}

QByteArray bytes(const Json& o, const char* key)
{
    return QByteArray::fromBase64(o.value(QLatin1String(key)).toString().toLatin1());
}

QString base64(const QByteArray& b)
{
    return QString::fromLatin1(b.toBase64());
}

QDateTime time(const Json& o, const char* key)
{
    return fromStoredTime(o.value(QLatin1String(key)).toInteger());
}

Json originJson(const Origin& origin)
{
    return Json{{QStringLiteral("program"), origin.programVersion},
                {QStringLiteral("pc"), origin.pcName}};
}

Origin originOf(const Json& o)
{
    const Json j = o.value(QLatin1String("origin")).toObject();
    return {str(j, "program"), str(j, "pc")};
}

Json carJson(const Car& c)
{
    return Json{{QStringLiteral("id"), c.id},       {QStringLiteral("plate"), c.plate},
                {QStringLiteral("vin"), c.vin},     {QStringLiteral("make"), c.make},
                {QStringLiteral("model"), c.model}, {QStringLiteral("engine"), c.engine},
                {QStringLiteral("owner"), c.owner}, {QStringLiteral("phone"), c.phone},
                {QStringLiteral("notes"), c.notes}};
}

Car carOf(const Json& o)
{
    Car c;
    c.id = str(o, "id");
    c.plate = str(o, "plate");
    c.vin = str(o, "vin");
    c.make = str(o, "make");
    c.model = str(o, "model");
    c.engine = str(o, "engine");
    c.owner = str(o, "owner");
    c.phone = str(o, "phone");
    c.notes = str(o, "notes");
    return c;
}

QJsonArray idsJson(const QList<RecordId>& ids)
{
    return QJsonArray::fromStringList(ids);
}

QList<RecordId> idsOf(const Json& o, const char* key)
{
    QList<RecordId> ids;
    for (const QJsonValue& v : o.value(QLatin1String(key)).toArray())
        ids.append(v.toString());
    return ids;
}

struct ToJson {
    Json operator()(const AddCar& a) const
    {
        return Json{{QStringLiteral("op"), QStringLiteral("add_car")},
                    {QStringLiteral("car"), carJson(a.car)}};
    }
    Json operator()(const UpdateCar& u) const
    {
        return Json{{QStringLiteral("op"), QStringLiteral("update_car")},
                    {QStringLiteral("car"), carJson(u.car)}};
    }
    Json operator()(const KeepPoint& k) const
    {
        const RestorePoint& p = k.point;
        return Json{{QStringLiteral("op"), QStringLiteral("point")},
                    {QStringLiteral("id"), p.id},
                    {QStringLiteral("car"), p.carId},
                    {QStringLiteral("time"), toStoredTime(p.time)},
                    {QStringLiteral("reason"), reasonKey(p.reason)},
                    {QStringLiteral("version"), p.controllerVersion},
                    {QStringLiteral("image"), base64(p.image)},
                    {QStringLiteral("origin"), originJson(p.origin)}};
    }
    Json operator()(const KeepFaults& k) const
    {
        const FaultSnapshot& f = k.faults;
        return Json{{QStringLiteral("op"), QStringLiteral("faults")},
                    {QStringLiteral("id"), f.id},
                    {QStringLiteral("car"), f.carId},
                    {QStringLiteral("time"), toStoredTime(f.time)},
                    {QStringLiteral("moment"), momentKey(f.moment)},
                    {QStringLiteral("image"), base64(f.image)},
                    {QStringLiteral("origin"), originJson(f.origin)}};
    }
    Json operator()(const KeepAdaptation& k) const
    {
        const AdaptationEntry& a = k.adaptation;
        return Json{{QStringLiteral("op"), QStringLiteral("adaptation")},
                    {QStringLiteral("id"), a.id},
                    {QStringLiteral("car"), a.carId},
                    {QStringLiteral("time"), toStoredTime(a.time)},
                    {QStringLiteral("base"), a.base},
                    {QStringLiteral("multiplier"), a.multiplier},
                    {QStringLiteral("written"), a.written},
                    {QStringLiteral("text"), a.text},
                    {QStringLiteral("map"), base64(a.map)},
                    {QStringLiteral("origin"), originJson(a.origin)}};
    }
    Json operator()(const KeepRecording& k) const
    {
        const RecordingEntry& r = k.recording;
        return Json{{QStringLiteral("op"), QStringLiteral("recording")},
                    {QStringLiteral("id"), r.id},
                    {QStringLiteral("car"), r.carId},
                    {QStringLiteral("path"), r.path},
                    {QStringLiteral("start"), toStoredTime(r.start)},
                    {QStringLiteral("length"), r.lengthMs},
                    {QStringLiteral("origin"), originJson(r.origin)}};
    }
    Json operator()(const AssignToCar& a) const
    {
        return Json{{QStringLiteral("op"), QStringLiteral("assign")},
                    {QStringLiteral("car"), a.carId},
                    {QStringLiteral("points"), idsJson(a.points)},
                    {QStringLiteral("faults"), idsJson(a.faults)},
                    {QStringLiteral("adaptations"), idsJson(a.adaptations)},
                    {QStringLiteral("recordings"), idsJson(a.recordings)}};
    }
};

}  // namespace

QJsonObject toJson(const LibraryOp& op)
{
    return std::visit(ToJson{}, op);
}

std::optional<LibraryOp> opFromJson(const QJsonObject& o)
{
    const QString op = str(o, "op");
    if (op == QLatin1String("add_car") || op == QLatin1String("update_car")) {
        const Car car = carOf(o.value(QLatin1String("car")).toObject());
        if (car.id.isEmpty())
            return std::nullopt;
        if (op == QLatin1String("add_car"))
            return AddCar{car};
        return UpdateCar{car};
    }
    if (op == QLatin1String("assign")) {
        AssignToCar a;
        a.carId = str(o, "car");
        a.points = idsOf(o, "points");
        a.faults = idsOf(o, "faults");
        a.adaptations = idsOf(o, "adaptations");
        a.recordings = idsOf(o, "recordings");
        if (a.carId.isEmpty())
            return std::nullopt;
        return a;
    }
    const RecordId id = str(o, "id");
    if (id.isEmpty())
        return std::nullopt;
    if (op == QLatin1String("point")) {
        const auto reason = reasonOfKey(str(o, "reason"));
        if (!reason)
            return std::nullopt;
        RestorePoint p = makePoint(bytes(o, "image"), *reason, time(o, "time"), originOf(o));
        p.id = id;
        p.carId = str(o, "car");
        return KeepPoint{p};
    }
    if (op == QLatin1String("faults")) {
        const auto moment = momentOfKey(str(o, "moment"));
        if (!moment)
            return std::nullopt;
        return KeepFaults{FaultSnapshot{id, str(o, "car"), time(o, "time"), *moment,
                                        bytes(o, "image"), originOf(o)}};
    }
    if (op == QLatin1String("adaptation")) {
        AdaptationEntry a;
        a.id = id;
        a.carId = str(o, "car");
        a.time = time(o, "time");
        a.base = o.value(QLatin1String("base")).toInt();
        a.multiplier = o.value(QLatin1String("multiplier")).toInt();
        a.written = o.value(QLatin1String("written")).toBool();
        a.text = str(o, "text");
        a.map = bytes(o, "map");
        a.origin = originOf(o);
        return KeepAdaptation{a};
    }
    if (op == QLatin1String("recording")) {
        return KeepRecording{RecordingEntry{id, str(o, "car"), str(o, "path"), time(o, "start"),
                                            o.value(QLatin1String("length")).toInteger(),
                                            originOf(o)}};
    }
    return std::nullopt;
}

}  // namespace brivel::cars
