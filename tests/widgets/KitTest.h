#pragma once

#include "VirtualClock.h"
#include "widgets/TAbFlashTimer.h"

#include <gtest/gtest.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtCore/QLocale>
#include <QtGui/QPaintEvent>
#include <QtGui/QRegion>
#include <QtWidgets/QWidget>

namespace brivel::test {

// Counts the paint events a widget receives and keeps the area repainted.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count() const { return count_; }
    QRegion painted() const { return painted_; }
    void reset()
    {
        count_ = 0;
        painted_ = QRegion();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count_;
            painted_ += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int count_ = 0;
    QRegion painted_;
};

// Sets the default locale for one test and puts the previous one back.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) : previous_(QLocale())
    {
        QLocale::setDefault(locale);
    }
    ~ScopedLocale() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

// A virtual clock and the program's one flash timer on it, plus a parent
// widget for the widgets under test.
class KitTest : public ::testing::Test {
protected:
    // Delivers pending updates and other posted events.
    static void processEvents()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // Shows the parent (and so the widgets on it) and lets it settle.
    void showParent()
    {
        parent.show();
        processEvents();
    }

    VirtualClock clock;
    TAbFlashTimer flashTimer{clock};
    QWidget parent;
};

}  // namespace brivel::test
