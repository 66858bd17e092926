#include "KvsTool.h"

#include <QtCore/QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return brivel::kvs::run(QCoreApplication::arguments().mid(1), out, err);
}
