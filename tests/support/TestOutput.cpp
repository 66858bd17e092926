#include "TestOutput.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>

namespace brivel::test {

QString testOutputDir(const QString& sub)
{
    static QTemporaryDir scratch;
    const QString base = qEnvironmentVariableIsSet("BRIVEL_TEST_OUTPUT")
                             ? qEnvironmentVariable("BRIVEL_TEST_OUTPUT")
                             : scratch.path();
    const QString dir = base + QLatin1Char('/') + sub;
    QDir().mkpath(dir);
    return dir;
}

}  // namespace brivel::test
