#pragma once

#include <QtCore/QString>

namespace brivel::test {

// The folder `sub` under the directory named by BRIVEL_TEST_OUTPUT, or under a
// private temporary directory that goes away with the test run. Created if
// missing. Tests never write into the current directory.
QString testOutputDir(const QString& sub);

}  // namespace brivel::test
