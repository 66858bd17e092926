#include "QtPrinters.h"
#include "live/FaultMemo.h"
#include "live/FaultPage.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabWidget>

using namespace brivel;

TEST(FaultPage, ResetQueuesTheClearCommandAndEmptiesBothListsAtOnce)
{
    QWidget window;
    auto* tabs = new QTabWidget(&window);
    for (int i = 0; i < 10; ++i)
        tabs->addTab(new QWidget, QString::number(i));
    auto* banner = new QLabel(&window);
    QList<std::pair<int, QByteArray>> queued;
    FaultPage page(tabs->widget(5), tabs, banner, [&](int retries, const QByteArray& command) {
        queued.append({retries, command});
    });
    page.actualErrors()->setText(QStringLiteral("1 - Złe ustawienia\r\n"));
    page.registeredErrors()->setText(QStringLiteral("1 - Błąd zasilania\r\n2\r\n"));
    EXPECT_EQ(page.actualErrors()->toPlainText(), QStringLiteral("1 - Złe ustawienia"));

    QTest::mouseClick(page.resetButton(), Qt::LeftButton);

    ASSERT_EQ(queued.size(), 1);
    EXPECT_EQ(queued[0].first, 5);
    EXPECT_EQ(queued[0].second, QByteArray("\x10\x00", 2));
    EXPECT_EQ(page.actualErrors()->text(), QString());
    EXPECT_EQ(page.registeredErrors()->text(), QString());
    EXPECT_TRUE(page.actualErrors()->isReadOnly());
}

TEST(FaultPage, ClickingTheBannerBringsTheErrorPageForward)
{
    QWidget window;
    auto* tabs = new QTabWidget(&window);
    for (int i = 0; i < 10; ++i)
        tabs->addTab(new QWidget, QString::number(i));
    auto* banner = new QLabel(QStringLiteral("*  *  *  E r r o r  *  *  *"), &window);
    FaultPage page(tabs->widget(5), tabs, banner, [](int, const QByteArray&) {});
    tabs->setCurrentIndex(2);
    QTest::mouseClick(banner, Qt::LeftButton);
    EXPECT_EQ(tabs->currentIndex(), 5);
}
