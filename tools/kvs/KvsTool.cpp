#include "KvsTool.h"
#include "MapChange.h"

#include "KvsLibrary.h"

#include "i18n/LanguageColumns.h"
#include "report/ServiceReport.h"
#include "report/WorkshopStore.h"
#include "report/qt/PdfReport.h"
#include "i18n/MessageTable.h"
#include "settings/FieldText.h"
#include "settings/ParameterBlock.h"
#include "settings/SettingsFileIo.h"
#include "settings/SettingsReview.h"
#include "settings/StoredFaults.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QDateTime>
#include <QtCore/QLocale>

#include <BrivelVersion.h>

#include <algorithm>
#include <optional>

namespace brivel::kvs {

namespace {

using namespace settings;

const char* const Usage =
    "Usage: kvs show [--json] [--lang de|en|pl|cz] FILE\n"
    "       kvs diff [--json] [--lang de|en|pl|cz] FILE_A FILE_B\n"
    "       kvs report [--lang de|en|pl|cz] [--car PLATE] FILE -o OUT.pdf\n";

// The car library's commands, in the help after the usage above.
const char* const LibraryUsageLines =
    "       kvs cars [--json] [--lang de|en|pl|cz] [SEARCH]\n"
    "       kvs history [--json] [--lang de|en|pl|cz] PLATE\n"
    "       kvs export [--json] PLATE [POINT] -o FILE.kvs\n";

const char* const Help =
    "Reads settings data files (.kvs) without the program or a controller.\n"
    "\n"
    "Commands:\n"
    "  show FILE           the settings in words with their units, the stored\n"
    "                      faults and the map\n"
    "  diff FILE_A FILE_B  what differs from A to B, for the map the entries\n"
    "                      and the largest change in percent; exit code 1 when\n"
    "                      anything differs, 0 when nothing does\n"
    "  report FILE -o OUT  the service report of the file's settings as an A4\n"
    "                      PDF: the settings, the stored faults and the map,\n"
    "                      headed by the workshop's details kept by the program\n"
    "  cars [SEARCH]       the car library's cars, or those whose plate starts\n"
    "                      with SEARCH or whose details hold it\n"
    "  history PLATE       the car's timeline, newest first\n"
    "  export PLATE [POINT] -o FILE.kvs\n"
    "                      the car's newest point, or the point whose id starts\n"
    "                      with POINT, as a settings data file\n"
    "\n"
    "Options:\n"
    "  --json              JSON for scripts instead of text\n"
    "  --lang CODE         the language of names, values and messages:\n"
    "                      de (German), en (English, the default), pl (Polish),\n"
    "                      cz (Czech, also cs)\n"
    "  -o, --output PATH   where `report` writes the PDF\n"
    "  --car PLATE         the car of the report, from the car library\n"
    "  -h, --help          show this help and exit\n"
    "  -v, --version       show the version and exit\n"
    "\n"
    "The library commands read the [Library] section of Brivel's settings.\n"
    "A file that cannot be read or is no settings file, a plate or point not\n"
    "found, a library that cannot be read, and a wrong command line, give a\n"
    "message on stderr and exit code 2.\n";

constexpr int MapColumns = 10;

struct Options {
    QString command;
    QStringList files;
    bool json = false;
    bool help = false;
    bool version = false;
    int column = MessageTable::English;
    QString output;
    std::optional<QString> car;
};

// Nothing here changes the table, and building it is most of what a short
// file costs to show: every run shares one.
const MessageTable& messageTable()
{
    static const MessageTable table;
    return table;
}

struct Language {
    const MessageTable& table = messageTable();
    int column = MessageTable::English;
    QLocale locale;

    MessageLookup lookup() const
    {
        return [this](msg::Row row) { return table.text(row, column); };
    }
    QString text(msg::Row row) const { return table.text(row, column); }
};

QLocale localeOf(int column)
{
    return numberFormat(column);
}

std::optional<Options> parse(const QStringList& args, QTextStream& err)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            o.help = true;
        } else if (a == QLatin1String("-v") || a == QLatin1String("--version")) {
            o.version = true;
        } else if (a == QLatin1String("--lang") || a.startsWith(QLatin1String("--lang="))) {
            QString code;
            if (a.contains(QLatin1Char('=')))
                code = a.section(QLatin1Char('='), 1);
            else if (i + 1 < args.size())
                code = args[++i];
            const auto column = languageColumnOfCode(code);
            if (!column) {
                err << "kvs: unknown language \"" << code << "\" (de, en, pl, cz)\n";
                return std::nullopt;
            }
            o.column = *column;
        } else if (a == QLatin1String("-o") || a == QLatin1String("--output") ||
                   a == QLatin1String("--car")) {
            if (i + 1 >= args.size()) {
                err << "kvs: " << a << " needs a value\n" << Usage;
                return std::nullopt;
            }
            if (a == QLatin1String("--car"))
                o.car = args[++i];
            else
                o.output = args[++i];
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            err << "kvs: unknown option " << a << '\n' << Usage;
            return std::nullopt;
        } else if (o.command.isEmpty()) {
            o.command = a;
        } else {
            o.files << a;
        }
    }
    if (o.help || o.version)
        return o;
    const bool show = o.command == QLatin1String("show") && o.files.size() == 1;
    const bool diff = o.command == QLatin1String("diff") && o.files.size() == 2;
    const bool report =
        o.command == QLatin1String("report") && o.files.size() == 1 && !o.output.isEmpty();
    if (!show && !diff && !report) {
        err << Usage;
        return std::nullopt;
    }
    return o;
}

// The settings image a file holds, or a message on `err`.
std::optional<ParameterBlock> load(const QString& path, QTextStream& err)
{
    const datafile::LoadResult loaded = datafile::load(path);
    if (!loaded.contents) {
        if (loaded.error == datafile::DataFileError)
            err << "kvs: " << path
                << ": not a settings data file, or cut short (Data file error)\n";
        else
            err << "kvs: " << path << ": " << loaded.error << '\n';
        return std::nullopt;
    }
    return ParameterBlock(loaded.contents->image());
}

// The fields `show` lists: the cylinders on gas and every setting of the
// settings region but the map, in the field table's order.
std::vector<Field> shownFields()
{
    std::vector<Field> fields{Field::ActiveGasCylinders};
    for (Field f : review::reviewedFields())
        if (f != Field::InjectionMap)
            fields.push_back(f);
    return fields;
}

QJsonObject fieldJson(Field field, const ParameterBlock& image, const Language& lang)
{
    const BlockField& f = blockField(field);
    QJsonObject o{
        {QStringLiteral("key"), QString::fromUtf8(f.name)},
        {QStringLiteral("name"), fieldtext::name(field, lang.lookup())},
        {QStringLiteral("value"), fieldtext::value(field, image, lang.lookup(), lang.locale)}};
    if (const auto stored = image.byte(field)) {
        o.insert(QStringLiteral("raw"), int(*stored));
        if (f.encoding == Encoding::Number) {
            o.insert(QStringLiteral("number"), f.shown(*stored));
            o.insert(QStringLiteral("unit"), QString::fromUtf8(f.unit));
        }
    }
    return o;
}

bool holdsFaultMemory(const ParameterBlock& image)
{
    return image.holds(Field::FaultMemory);
}

QStringList faultLines(const ParameterBlock& image, const Language& lang)
{
    return storedFaultText(image, lang.lookup()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

int show(const Options& o, const Language& lang, QTextStream& out, QTextStream& err)
{
    const auto image = load(o.files[0], err);
    if (!image)
        return Trouble;
    const auto map = image->injectionMap();
    const int lastOffset = image->size() - 2;
    if (o.json) {
        QJsonArray fields;
        for (Field f : shownFields())
            fields.append(fieldJson(f, *image, lang));
        QJsonObject faults{{QStringLiteral("held"), holdsFaultMemory(*image)}};
        if (holdsFaultMemory(*image)) {
            QJsonArray codes;
            for (int k = 0; k < FaultEntries; ++k)
                if (image->faultEntry(k) != EmptyFault)
                    codes.append(int(image->faultEntry(k)));
            faults.insert(QStringLiteral("codes"), codes);
            faults.insert(QStringLiteral("lines"),
                          QJsonArray::fromStringList(faultLines(*image, lang)));
        } else {
            faults.insert(QStringLiteral("last_offset"), lastOffset);
        }
        QJsonArray mapValues;
        if (map)
            for (quint8 v : *map)
                mapValues.append(int(v));
        const QJsonObject doc{{QStringLiteral("file"), o.files[0]},
                              {QStringLiteral("firmware"), fieldtext::firmwareVersion(*image)},
                              {QStringLiteral("image_size"), image->size()},
                              {QStringLiteral("settings"), fields},
                              {QStringLiteral("stored_faults"), faults},
                              {QStringLiteral("map"), mapValues}};
        out << QJsonDocument(doc).toJson(QJsonDocument::Indented);
        return Same;
    }

    out << o.files[0] << '\n';
    out << lang.text(msg::Row::Firmware) << ": " << fieldtext::firmwareVersion(*image) << "\n\n";
    out << lang.text(msg::Row::SettingsHeading) << '\n';
    int width = 0;
    for (Field f : shownFields())
        width = std::max(width, static_cast<int>(fieldtext::name(f, lang.lookup()).size()));
    for (Field f : shownFields())
        out << "  " << fieldtext::name(f, lang.lookup()).leftJustified(width + 2) << ' '
            << fieldtext::value(f, *image, lang.lookup(), lang.locale) << '\n';

    out << '\n' << lang.text(msg::Row::StoredFaults).trimmed() << '\n';
    if (!holdsFaultMemory(*image)) {
        out << "  " << lang.text(msg::Row::NoFaultMemory).arg(lastOffset) << '\n';
    } else {
        const QStringList lines = faultLines(*image, lang);
        if (lines.isEmpty())
            out << "  " << lang.text(msg::Row::NoneOf) << '\n';
        for (const QString& line : lines)
            out << "  " << line << '\n';
    }

    out << '\n' << lang.text(msg::Row::MapTab).trimmed() << '\n';
    if (!map) {
        out << "  " << fieldtext::absent() << '\n';
        return Same;
    }
    out << "  ms  ";
    for (int c = 0; c < MapColumns; ++c)
        out << ' '
            << QStringLiteral("+%1").arg(lang.locale.toString(c / 10.0, 'f', 1)).rightJustified(4);
    out << '\n';
    for (int k = 0; k < MapEntries; k += MapColumns) {
        out << "  " << lang.locale.toString(1.0 + k / 10.0, 'f', 1).rightJustified(4);
        for (int c = 0; c < MapColumns && k + c < MapEntries; ++c)
            out << ' ' << fieldtext::multiplier((*map)[k + c], lang.locale);
        out << '\n';
    }
    return Same;
}

struct DiffLine {
    QString key;
    QString name;
    QString a;
    QString b;
    QString detail;
    std::optional<MapChange> map;  // where the maps differ, on the map's line
};

// "Map entries 12–40, 77–80: largest change +14.0 % at entry 31".
QString mapChangeText(const MapChange& change, const Language& lang)
{
    const QString percent = lang.locale.toString(change.percent, 'f', 1);
    return lang.text(msg::Row::MapEntriesChanged)
        .arg(rangesText(change.ranges),
             change.percent > 0 ? lang.locale.positiveSign() + percent : percent,
             QString::number(change.entry));
}

QJsonObject mapChangeJson(const MapChange& change)
{
    QJsonArray ranges;
    for (const EntryRange& r : change.ranges)
        ranges.append(
            QJsonObject{{QStringLiteral("first"), r.first}, {QStringLiteral("last"), r.last}});
    return {{QStringLiteral("entries"), ranges},
            {QStringLiteral("largest_change"),
             QJsonObject{{QStringLiteral("entry"), change.entry},
                         {QStringLiteral("a"), change.a},
                         {QStringLiteral("b"), change.b},
                         {QStringLiteral("percent"), change.percent}}}};
}

// What differs outside the settings region, which a load never writes but
// a fitter comparing two files wants to see: firmware, cylinders on gas,
// stored faults.
std::vector<DiffLine> outsideDifferences(const ParameterBlock& a, const ParameterBlock& b,
                                         const Language& lang)
{
    std::vector<DiffLine> lines;
    const QString fa = fieldtext::firmwareVersion(a);
    const QString fb = fieldtext::firmwareVersion(b);
    if (fa != fb)
        lines.push_back(
            {QStringLiteral("firmware"), lang.text(msg::Row::Firmware), fa, fb, {}, {}});
    for (Field f : {Field::ActiveGasCylinders, Field::FaultMemory}) {
        if (a.span(f) == b.span(f))
            continue;
        lines.push_back({QString::fromUtf8(blockField(f).name),
                         fieldtext::name(f, lang.lookup()),
                         fieldtext::value(f, a, lang.lookup(), lang.locale),
                         fieldtext::value(f, b, lang.lookup(), lang.locale),
                         {},
                         {}});
    }
    return lines;
}

int diff(const Options& o, const Language& lang, QTextStream& out, QTextStream& err)
{
    const auto a = load(o.files[0], err);
    const auto b = load(o.files[1], err);
    if (!a || !b)
        return Trouble;
    std::vector<DiffLine> lines = outsideDifferences(*a, *b, lang);
    const auto mapA = a->injectionMap();
    const auto mapB = b->injectionMap();
    for (const review::Line& l :
         review::describe(review::differences(*a, *b), *a, *b, lang.lookup(), lang.locale)) {
        const QString key = l.difference.isOtherData()
                                ? QStringLiteral("other_data")
                                : QString::fromUtf8(blockField(*l.difference.field).name);
        DiffLine line{key, l.name, l.controller, l.file, l.detail, {}};
        if (l.difference.field == Field::InjectionMap && mapA && mapB)
            line.map = compareMaps(*mapA, *mapB);
        lines.push_back(line);
    }
    if (o.json) {
        QJsonArray items;
        for (const DiffLine& l : lines) {
            QJsonObject item{{QStringLiteral("key"), l.key}, {QStringLiteral("name"), l.name}};
            if (!l.a.isEmpty() || !l.b.isEmpty()) {
                item.insert(QStringLiteral("a"), l.a);
                item.insert(QStringLiteral("b"), l.b);
            }
            if (!l.detail.isEmpty())
                item.insert(QStringLiteral("detail"), l.detail);
            if (l.map) {
                const QJsonObject where = mapChangeJson(*l.map);
                for (auto it = where.begin(); it != where.end(); ++it)
                    item.insert(it.key(), it.value());
            }
            items.append(item);
        }
        const QJsonObject doc{{QStringLiteral("a"), o.files[0]},
                              {QStringLiteral("b"), o.files[1]},
                              {QStringLiteral("differences"), items}};
        out << QJsonDocument(doc).toJson(QJsonDocument::Indented);
    } else {
        for (const DiffLine& l : lines) {
            out << l.name << ':';
            if (!l.a.isEmpty() || !l.b.isEmpty())
                out << ' ' << l.a << " -> " << l.b;
            if (!l.detail.isEmpty())
                out << (l.a.isEmpty() && l.b.isEmpty() ? " " : " (") << l.detail
                    << (l.a.isEmpty() && l.b.isEmpty() ? "" : ")");
            out << '\n';
            if (l.map)
                out << "  " << mapChangeText(*l.map, lang) << '\n';
        }
    }
    return lines.empty() ? Same : Differ;
}

int report(const Options& o, const Language& lang, const SettingsStore* store, QTextStream& err)
{
    brivel::report::ReportInput input;
    if (o.car) {
        const auto car = carOfPlate(*o.car, cars::readLibraryConfig(cars::userSettingsFile()), err);
        if (!car)
            return Trouble;
        input.car = {car->plate, car->vin,
                     QStringList{car->make, car->model}.join(QLatin1Char(' ')).trimmed(),
                     car->owner};
    }
    const auto image = load(o.files[0], err);
    if (!image)
        return Trouble;
    input.settingsImage = image->bytes();
    if (store)
        input.workshop = brivel::report::readWorkshop(*store);
    input.createdAt = QDateTime::currentDateTime();
    const auto content = brivel::report::serviceReport(input, lang.lookup(), lang.locale);
    QString error;
    if (!brivel::report::writeReportPdf(content, o.output, &error)) {
        err << "kvs: " << o.output << ": " << error << '\n';
        return Trouble;
    }
    return Same;
}

}  // namespace

int run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return run(args, out, err, nullptr);
}

int run(const QStringList& args, QTextStream& out, QTextStream& err, const SettingsStore* store)
{
    const bool asksHelp = std::any_of(args.begin(), args.end(), [](const QString& a) {
        return a == QLatin1String("-h") || a == QLatin1String("--help") ||
               a == QLatin1String("-v") || a == QLatin1String("--version");
    });
    if (!asksHelp && isLibraryCommand(args))
        return runLibrary(args, cars::readLibraryConfig(cars::userSettingsFile()), out, err);
    const auto options = parse(args, err);
    if (!options)
        return Trouble;
    if (options->help || options->version) {
        if (options->help)
            out << Usage << LibraryUsageLines << '\n' << Help;
        else
            out << "kvs " << Version << '\n';
        out.flush();
        return Same;
    }
    Language lang;
    lang.column = options->column;
    lang.locale = options->json ? QLocale::c() : localeOf(options->column);
    const int code = options->command == QLatin1String("show") ? show(*options, lang, out, err)
                     : options->command == QLatin1String("diff")
                         ? diff(*options, lang, out, err)
                         : report(*options, lang, store, err);
    out.flush();
    err.flush();
    return code;
}

}  // namespace brivel::kvs
