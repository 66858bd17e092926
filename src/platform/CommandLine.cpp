#include "platform/CommandLine.h"

#include <BrivelVersion.h>

namespace brivel::commandline {

namespace {

const QString Help = QStringLiteral("help");
const QString VersionOption = QStringLiteral("version");

QString usageLine(const Program& program)
{
    return QStringLiteral("Usage: %1 %2").arg(program.name, program.synopsis);
}

}  // namespace

void addStandardOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption({QStringLiteral("h"), Help},
                                        QStringLiteral("Show this help and exit.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), VersionOption},
                                        QStringLiteral("Show the version and exit.")));
}

std::optional<int> answer(QCommandLineParser& parser, const Program& program,
                          const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments()[0]);
    if (!error.isEmpty()) {
        err << program.name << ": " << error << '\n'
            << usageLine(program) << "  (" << program.name << " --help lists the options)\n";
        err.flush();
        return 2;
    }
    if (parser.isSet(Help)) {
        // Qt's own first line names the program only once an application
        // object exists; this one does without.
        const QString text = parser.helpText();
        out << usageLine(program) << '\n' << text.mid(text.indexOf(QLatin1Char('\n')) + 1);
        out.flush();
        return 0;
    }
    if (parser.isSet(VersionOption)) {
        out << program.name << ' ' << Version << '\n';
        out.flush();
        return 0;
    }
    return std::nullopt;
}

QStringList arguments(int argc, char** argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

}  // namespace brivel::commandline
