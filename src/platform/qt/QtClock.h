#pragma once

#include "platform/Clock.h"

#include <QtCore/QElapsedTimer>

namespace brivel {

class QtClock final : public Clock {
public:
    QtClock();
    qint64 nowMs() const override;
    QDateTime localDateTime() const override;
    std::unique_ptr<Timer> createTimer() override;

private:
    QElapsedTimer elapsed_;
};

}  // namespace brivel
