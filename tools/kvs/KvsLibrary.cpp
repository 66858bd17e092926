#include "KvsLibrary.h"

#include "cars/CarStore.h"
#include "cars/CarTexts.h"
#include "cars/History.h"
#include "i18n/MessageRows.h"
#include "i18n/LanguageColumns.h"
#include "i18n/MessageTable.h"
#include "settings/SettingsFile.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QLocale>

#include <limits>
#include <optional>

namespace brivel::kvs {

namespace {

using cars::CarStore;

const char* const LibraryUsage =
    "usage: kvs cars [--json] [--lang de|en|pl|cz] [SEARCH]\n"
    "       kvs history [--json] [--lang de|en|pl|cz] PLATE\n"
    "       kvs export [--json] PLATE [POINT] -o FILE.kvs\n";

enum Exit { Done = 0, Trouble = 2 };

struct LibraryOptions {
    QString command;
    QStringList words;
    QString output;
    bool json = false;
    int column = MessageTable::English;
};

const MessageTable& table()
{
    static const MessageTable messages;
    return messages;
}

QLocale localeOfColumn(int column)
{
    switch (column) {
        case MessageTable::German:
            return QLocale(QLocale::German);
        case MessageTable::Polish:
            return QLocale(QLocale::Polish);
        case MessageTable::Czech:
            return QLocale(QLocale::Czech);
        default:
            return QLocale::c();
    }
}

bool takesValue(const QString& a)
{
    return a == QLatin1String("--lang") || a == QLatin1String("-o") ||
           a == QLatin1String("--output");
}

std::optional<LibraryOptions> parseLibrary(const QStringList& args, QTextStream& err)
{
    LibraryOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool inlineValue = a.startsWith(QLatin1String("--")) && a.contains(QLatin1Char('='));
        const QString name = inlineValue ? a.section(QLatin1Char('='), 0, 0) : a;
        QString value;
        if (takesValue(name)) {
            if (inlineValue)
                value = a.section(QLatin1Char('='), 1);
            else if (i + 1 < args.size())
                value = args[++i];
            else {
                err << "kvs: " << name << " needs a value\n" << LibraryUsage;
                return std::nullopt;
            }
        }
        if (name == QLatin1String("--json")) {
            o.json = true;
        } else if (name == QLatin1String("--lang")) {
            const auto column = languageColumnOfCode(value);
            if (!column) {
                err << "kvs: unknown language \"" << value << "\" (de, en, pl, cz)\n";
                return std::nullopt;
            }
            o.column = *column;
        } else if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            o.output = value;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            err << "kvs: unknown option " << a << '\n' << LibraryUsage;
            return std::nullopt;
        } else if (o.command.isEmpty()) {
            o.command = a;
        } else {
            o.words << a;
        }
    }
    const bool ok = (o.command == QLatin1String("cars") && o.words.size() <= 1) ||
                    (o.command == QLatin1String("history") && o.words.size() == 1) ||
                    (o.command == QLatin1String("export") && !o.words.isEmpty() &&
                     o.words.size() <= 2 && !o.output.isEmpty());
    if (!ok) {
        err << LibraryUsage;
        return std::nullopt;
    }
    return o;
}

struct Words {
    int column;
    QLocale locale;

    settings::MessageLookup lookup() const
    {
        const int c = column;
        return [c](msg::Row row) { return table().text(row, c); };
    }
    QString text(msg::Row row) const { return table().text(row, column); }
};

QJsonObject carJson(const cars::Car& c)
{
    return QJsonObject{{QStringLiteral("id"), c.id},       {QStringLiteral("plate"), c.plate},
                       {QStringLiteral("vin"), c.vin},     {QStringLiteral("make"), c.make},
                       {QStringLiteral("model"), c.model}, {QStringLiteral("engine"), c.engine},
                       {QStringLiteral("owner"), c.owner}, {QStringLiteral("phone"), c.phone},
                       {QStringLiteral("notes"), c.notes}};
}

QJsonObject pointJson(const cars::RestorePoint& p)
{
    return QJsonObject{
        {QStringLiteral("id"), p.id},
        {QStringLiteral("time"), p.time.toString(Qt::ISODateWithMs)},
        {QStringLiteral("reason"), cars::reasonKey(p.reason)},
        {QStringLiteral("controller_version"), p.controllerVersion},
        {QStringLiteral("image_hash"), QString::fromLatin1(p.imageHash)},
        {QStringLiteral("program_version"), p.origin.programVersion},
        {QStringLiteral("pc"), p.origin.pcName},
    };
}

QString kindKey(cars::TimelineEntry::Kind kind)
{
    switch (kind) {
        case cars::TimelineEntry::Kind::Point:
            return QStringLiteral("point");
        case cars::TimelineEntry::Kind::Faults:
            return QStringLiteral("faults");
        case cars::TimelineEntry::Kind::Adaptation:
            return QStringLiteral("adaptation");
        case cars::TimelineEntry::Kind::Recording:
            return QStringLiteral("recording");
    }
    return QString();
}

// The library, opened; a message on `err` when it cannot be. A library file
// that does not exist yet is an empty library.
bool openLibrary(CarStore& store, const Words& words, QTextStream& err)
{
    if (store.open(CarStore::OpenMode::ExistingOnly) ||
        store.status().problem == cars::Problem::Missing)
        return true;
    err << "kvs: " << cars::text::statusLine(store.status(), words.lookup()) << '\n';
    return false;
}

void printJson(QTextStream& out, const QJsonObject& doc)
{
    out << QJsonDocument(doc).toJson(QJsonDocument::Indented);
}

int listCars(const LibraryOptions& o, CarStore& store, const Words& words, QTextStream& out,
             QTextStream& err)
{
    QList<cars::Car> found;
    if (store.isOpen()) {
        const auto result = store.findCars(o.words.value(0), std::numeric_limits<int>::max());
        if (!result) {
            err << "kvs: " << cars::text::statusLine(store.status(), words.lookup()) << '\n';
            return Trouble;
        }
        found = *result;
    }
    if (o.json) {
        QJsonArray list;
        for (const cars::Car& c : found)
            list.append(carJson(c));
        printJson(out, QJsonObject{{QStringLiteral("cars"), list}});
        return Done;
    }
    if (found.isEmpty()) {
        out << words.text(msg::Row::NoCarsYet) << '\n';
        return Done;
    }
    const msg::Row columns[] = {msg::Row::CarPlate,  msg::Row::CarMake,  msg::Row::CarModel,
                                msg::Row::CarEngine, msg::Row::CarOwner, msg::Row::CarPhone,
                                msg::Row::CarVin};
    QList<QStringList> rows;
    QStringList header;
    for (msg::Row c : columns)
        header << words.text(c);
    rows << header;
    for (const cars::Car& c : found)
        rows << QStringList{c.plate, c.make, c.model, c.engine, c.owner, c.phone, c.vin};
    QList<int> widths(header.size(), 0);
    for (const QStringList& r : rows)
        for (int i = 0; i < r.size(); ++i)
            widths[i] = std::max(widths[i], static_cast<int>(r[i].size()));
    for (const QStringList& r : rows) {
        QString line;
        for (int i = 0; i < r.size(); ++i)
            line += (i + 1 < r.size() ? r[i].leftJustified(widths[i] + 2) : r[i]);
        out << line.trimmed() << '\n';
    }
    return Done;
}

std::optional<cars::CarHistory> historyOf(const QString& plate, CarStore& store, const Words& words,
                                          QTextStream& err)
{
    std::optional<std::optional<cars::Car>> car;
    if (store.isOpen())
        car = store.carByPlate(plate);
    else
        car = std::optional<cars::Car>();
    if (!car) {
        err << "kvs: " << cars::text::statusLine(store.status(), words.lookup()) << '\n';
        return std::nullopt;
    }
    if (!*car) {
        err << "kvs: no car with the plate \"" << plate << "\"\n";
        return std::nullopt;
    }
    const auto history = store.history((*car)->id);
    if (!history || !*history) {
        err << "kvs: " << cars::text::statusLine(store.status(), words.lookup()) << '\n';
        return std::nullopt;
    }
    return **history;
}

int showHistory(const LibraryOptions& o, CarStore& store, const Words& words, QTextStream& out,
                QTextStream& err)
{
    const auto history = historyOf(o.words[0], store, words, err);
    if (!history)
        return Trouble;
    const QList<cars::TimelineEntry> entries =
        cars::timeline(*history, words.lookup(), words.locale);
    if (o.json) {
        QJsonArray list;
        for (const cars::TimelineEntry& e : entries) {
            QJsonObject item{{QStringLiteral("kind"), kindKey(e.kind)},
                             {QStringLiteral("id"), e.id},
                             {QStringLiteral("time"), e.time.toString(Qt::ISODateWithMs)},
                             {QStringLiteral("title"), e.title},
                             {QStringLiteral("detail"), e.detail}};
            if (e.kind == cars::TimelineEntry::Kind::Point)
                if (const auto p = cars::findPoint(*history, e.id))
                    item.insert(QStringLiteral("point"), pointJson(*p));
            list.append(item);
        }
        printJson(out, QJsonObject{{QStringLiteral("car"), carJson(history->car)},
                                   {QStringLiteral("timeline"), list}});
        return Done;
    }
    out << cars::text::carLabel(history->car) << '\n';
    for (const cars::TimelineEntry& e : entries) {
        out << e.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << "  ";
        // A point's short id is what `kvs export` takes.
        out << (e.kind == cars::TimelineEntry::Kind::Point ? e.id.left(8)
                                                           : QString(8, QLatin1Char(' ')))
            << "  " << e.title;
        if (!e.detail.isEmpty())
            out << ": " << e.detail;
        out << '\n';
    }
    return Done;
}

int exportPoint(const LibraryOptions& o, CarStore& store, const Words& words, QTextStream& out,
                QTextStream& err)
{
    const auto history = historyOf(o.words[0], store, words, err);
    if (!history)
        return Trouble;
    const QString wanted = o.words.value(1);
    const auto point = cars::findPoint(*history, wanted);
    if (!point) {
        if (history->points.isEmpty())
            err << "kvs: the car \"" << history->car.plate << "\" has no points\n";
        else
            err << "kvs: no single point of \"" << history->car.plate << "\" has the id \""
                << wanted << "\"\n";
        return Trouble;
    }
    const QString file = settings::datafile::fileNameFor(o.output);
    const QString error = cars::exportPoint(*point, file);
    if (!error.isEmpty()) {
        err << "kvs: " << file << ": " << error << '\n';
        return Trouble;
    }
    if (o.json)
        printJson(out, QJsonObject{{QStringLiteral("file"), file},
                                   {QStringLiteral("car"), carJson(history->car)},
                                   {QStringLiteral("point"), pointJson(*point)}});
    else
        out << file << '\n';
    return Done;
}

}  // namespace

bool isLibraryCommand(const QStringList& args)
{
    for (int i = 0; i < args.size(); ++i) {
        if (takesValue(args[i])) {
            ++i;
            continue;
        }
        if (args[i].startsWith(QLatin1Char('-')))
            continue;
        return args[i] == QLatin1String("cars") || args[i] == QLatin1String("history") ||
               args[i] == QLatin1String("export");
    }
    return false;
}

int runLibrary(const QStringList& args, const cars::LibraryConfig& config, QTextStream& out,
               QTextStream& err)
{
    int code = Trouble;
    if (const auto o = parseLibrary(args, err)) {
        const Words words{o->column, o->json ? QLocale::c() : localeOfColumn(o->column)};
        CarStore store(config);
        if (openLibrary(store, words, err)) {
            if (o->command == QLatin1String("cars"))
                code = listCars(*o, store, words, out, err);
            else if (o->command == QLatin1String("history"))
                code = showHistory(*o, store, words, out, err);
            else
                code = exportPoint(*o, store, words, out, err);
        }
    }
    out.flush();
    err.flush();
    return code;
}

std::optional<cars::Car> carOfPlate(const QString& plate, const cars::LibraryConfig& config,
                                    QTextStream& err)
{
    const Words words{MessageTable::English, QLocale::c()};
    CarStore store(config);
    std::optional<std::optional<cars::Car>> car;
    if (openLibrary(store, words, err))
        car = store.isOpen() ? store.carByPlate(plate) : std::optional<cars::Car>();
    if (car && !*car)
        err << "kvs: no car with the plate \"" << plate << "\"\n";
    else if (!car && store.isOpen())
        err << "kvs: " << cars::text::statusLine(store.status(), words.lookup()) << '\n';
    err.flush();
    return car ? *car : std::nullopt;
}

}  // namespace brivel::kvs
