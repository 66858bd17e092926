#include <gtest/gtest.h>

#include <QtCore/QLocale>
#include <QtWidgets/QApplication>

// One application object for every test of an executable; widget tests need
// it and the others do not mind it.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivel"));
    // Tests that depend on the decimal separator set the locale they mean.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return RUN_ALL_TESTS();
}
