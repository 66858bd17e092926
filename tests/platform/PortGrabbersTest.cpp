#include "QtPrinters.h"
#include "i18n/MessageRows.h"
#include "platform/PortGrabbers.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

using namespace brivel;

namespace {

struct AdviceCase {
    const char* name;
    PortOpenFailure failure;
    QStringList processes;
    std::vector<msg::Row> rows;
};

class PortGrabberAdvice : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(PortGrabberAdvice, NamesTheProgramsThatCanHoldThePort)
{
    const AdviceCase& c = GetParam();
    QStringList expected;
    for (msg::Row row : c.rows)
        expected << QStringLiteral("row %1").arg(msg::number(row));
    EXPECT_EQ(portGrabberAdvice(
                  c.failure, c.processes,
                  [](msg::Row row) { return QStringLiteral("row %1").arg(msg::number(row)); }),
              expected.join(QLatin1Char('\n')));
}

const QStringList Desktop = {QStringLiteral("systemd"), QStringLiteral("bash"),
                             QStringLiteral("Xwayland")};

INSTANTIATE_TEST_SUITE_P(
    Failures, PortGrabberAdvice,
    ::testing::Values(
        AdviceCase{"BusyNobodyKnown", PortOpenFailure::Busy, Desktop, {}},
        AdviceCase{"BusyModemManager",
                   PortOpenFailure::Busy,
                   Desktop + QStringList{QStringLiteral("ModemManager")},
                   {msg::Row::ModemManagerAdvice}},
        AdviceCase{"BusyBrltty",
                   PortOpenFailure::Busy,
                   {QStringLiteral("brltty")},
                   {msg::Row::BrlttyAdvice}},
        AdviceCase{"BusyBoth",
                   PortOpenFailure::Busy,
                   {QStringLiteral("brltty-udev"), QStringLiteral("ModemManager")},
                   {msg::Row::ModemManagerAdvice, msg::Row::BrlttyAdvice}},
        // brltty takes the adapter away; ModemManager never does.
        AdviceCase{"GoneBrltty",
                   PortOpenFailure::NotFound,
                   {QStringLiteral("brltty"), QStringLiteral("ModemManager")},
                   {msg::Row::BrlttyAdvice}},
        AdviceCase{"DeniedIsAboutTheUser",
                   PortOpenFailure::Denied,
                   {QStringLiteral("brltty"), QStringLiteral("ModemManager")},
                   {}},
        AdviceCase{"OtherFailure", PortOpenFailure::Other, {QStringLiteral("ModemManager")}, {}},
        // Names must match whole: no "ModemManagerX", no lower case.
        AdviceCase{"LookAlikes",
                   PortOpenFailure::Busy,
                   {QStringLiteral("modemmanager"), QStringLiteral("ModemManagerX"),
                    QStringLiteral("brlttyd")},
                   {}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(PortGrabbers, ProcessNamesComeFromTheCommOfEveryProcess)
{
    QTemporaryDir proc;
    auto add = [&](const QString& dir, const QByteArray& comm) {
        ASSERT_TRUE(QDir(proc.path()).mkpath(dir));
        if (comm.isNull())
            return;
        QFile file(proc.filePath(dir + QStringLiteral("/comm")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(comm);
    };
    add(QStringLiteral("1"), "systemd\n");
    add(QStringLiteral("812"), "ModemManager\n");
    add(QStringLiteral("self"), "bash\n");     // not a process number
    add(QStringLiteral("900"), QByteArray());  // gone before its name was read
    add(QStringLiteral("sys"), "kernel\n");
    QStringList names = runningProcessNames(proc.path());
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("ModemManager"), QStringLiteral("systemd")}));
    EXPECT_TRUE(runningProcessNames(proc.filePath(QStringLiteral("missing"))).isEmpty());
    // This machine's own list holds at least the test itself.
    EXPECT_FALSE(runningProcessNames().isEmpty());
}

}  // namespace
