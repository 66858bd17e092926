#include "KvsTool.h"

#include "platform/qt/QtSettingsStore.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QGuiApplication>

#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    // Only the report paints, which takes a GUI application; it draws into a
    // file, so it needs no display.
    bool report = false;
    for (int i = 1; i < argc; ++i)
        report = report || std::strcmp(argv[i], "report") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (report) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    const brivel::QtSettingsStore store;
    return brivel::kvs::run(QCoreApplication::arguments().mid(1), out, err, &store);
}
