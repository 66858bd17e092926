// The three built programs on a terminal without a display: --help and
// --version answer, a wrong command line is refused with a usage line, and
// each manual page describes every option its program lists.

#include "QtPrinters.h"

#include <BrivelVersion.h>

#include <gtest/gtest.h>

#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>
#include <QtCore/QSet>

#include <algorithm>

namespace {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

// No display, no platform chosen: a program that built its window system
// before answering would fail here.
Outcome runWithoutDisplay(const QString& program, const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString firstLine(const QString& text)
{
    return text.section(QLatin1Char('\n'), 0, 0);
}

struct Program {
    const char* name;
    const char* path;
    const char* usage;  // the first line of --help, and the usage line of an error
};

const Program Programs[] = {
    {"brivel", BRIVEL_EXECUTABLE, "Usage: brivel [OPTION]..."},
    {"kvos-sim", KVOS_SIM_EXECUTABLE, "Usage: kvos-sim [OPTION]..."},
    {"kvs", KVS_EXECUTABLE, "Usage: kvs show [--json] [--lang de|en|pl|cz] FILE"},
};

class ProgramCommandLine : public ::testing::TestWithParam<Program> {
protected:
    Outcome run(const QStringList& arguments) const
    {
        return runWithoutDisplay(QString::fromUtf8(GetParam().path), arguments);
    }
    QString name() const { return QString::fromUtf8(GetParam().name); }
};

TEST_P(ProgramCommandLine, AnswersHelpAndVersionWithoutADisplay)
{
    const QString version = name() + QLatin1Char(' ') + QLatin1String(brivel::Version);
    const struct {
        QStringList arguments;
        QString first;
    } cases[] = {{{QStringLiteral("--help")}, QString::fromUtf8(GetParam().usage)},
                 {{QStringLiteral("-h")}, QString::fromUtf8(GetParam().usage)},
                 {{QStringLiteral("--version")}, version},
                 {{QStringLiteral("-v")}, version}};
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.code, 0) << c.arguments.join(' ').toStdString() << '\n' << r.err.toStdString();
        EXPECT_EQ(firstLine(r.out), c.first);
        EXPECT_EQ(r.err, QString());
    }
}

TEST_P(ProgramCommandLine, RefusesAnUnknownOptionWithAUsageLine)
{
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--no-such-option")}, QStringList{QStringLiteral("-x")},
          QStringList{QStringLiteral("--version"), QStringLiteral("--no-such-option")}}) {
        const Outcome r = run(arguments);
        EXPECT_EQ(r.code, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.out, QString());
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage: ") + name())) << r.err.toStdString();
        // The message and a usage line per command (kvs has three).
        EXPECT_LE(r.err.count(QLatin1Char('\n')), 4) << "a short usage, not the whole help";
    }
}

// Every long option --help lists is described in the manual page.
TEST_P(ProgramCommandLine, ManualPageDescribesEveryOptionOfTheHelp)
{
    QFile page(QStringLiteral(BRIVEL_SOURCE_DIR "/man/") + name() + QStringLiteral(".1.in"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
    const QString troff = QString::fromUtf8(page.readAll());
    const QString help = run({QStringLiteral("--help")}).out;
    QSet<QString> options;
    static const QRegularExpression longOption(QStringLiteral("--([a-z][a-z-]*)"));
    for (const QRegularExpressionMatch& m : longOption.globalMatch(help))
        options.insert(m.captured(1));
    EXPECT_TRUE(options.contains(QStringLiteral("version")));
    for (const QString& option : options) {
        QString escaped = option;
        escaped.replace(QLatin1Char('-'), QLatin1String("\\-"));
        EXPECT_TRUE(troff.contains(QStringLiteral("\\-\\-") + escaped))
            << name().toStdString() << " --" << option.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramCommandLine, ::testing::ValuesIn(Programs),
                         [](const auto& p) {
                             std::string n = p.param.name;
                             n.erase(std::remove(n.begin(), n.end(), '-'), n.end());
                             return n;
                         });

TEST(ProgramCommandLine, BrivelLetsQtsOwnOptionsThrough)
{
    const Outcome r = runWithoutDisplay(
        QStringLiteral(BRIVEL_EXECUTABLE),
        {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-style=fusion"),
         QStringLiteral("-reverse"), QStringLiteral("--version")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(firstLine(r.out), QStringLiteral("brivel ") + QLatin1String(brivel::Version));
}

TEST(ProgramCommandLine, BrivelAndKvosSimTakeNoArguments)
{
    for (const char* path : {BRIVEL_EXECUTABLE, KVOS_SIM_EXECUTABLE}) {
        const Outcome r = runWithoutDisplay(QString::fromUtf8(path), {QStringLiteral("car.kvs")});
        EXPECT_EQ(r.code, 2) << path;
        EXPECT_TRUE(r.err.contains(QStringLiteral("unexpected argument 'car.kvs'")))
            << r.err.toStdString();
    }
}

TEST(ProgramCommandLine, KvsHelpListsTheLanguageCodes)
{
    const QString help =
        runWithoutDisplay(QStringLiteral(KVS_EXECUTABLE), {QStringLiteral("--help")}).out;
    for (const char* code : {"de", "en", "pl", "cz"})
        EXPECT_TRUE(help.contains(QRegularExpression(QStringLiteral("\\b%1 \\(").arg(code))))
            << code << '\n'
            << help.toStdString();
}

}  // namespace
