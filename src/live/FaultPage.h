#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QObject>

#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

namespace brivel {

class FaultMemo;

// The "Error" page: the current and the stored faults, the button that clears
// the controller's fault memory, and the banner that leads here.
class FaultPage : public QObject {
    Q_OBJECT
public:
    // Sends a command through the link's queue with the given retry budget.
    using QueueCommand = std::function<void(int retries, const QByteArray& command)>;

    FaultPage(QWidget* page, QTabWidget* tabs, QWidget* banner, QueueCommand queue);

    FaultMemo* actualErrors() const { return actual_; }
    FaultMemo* registeredErrors() const { return registered_; }
    QPushButton* resetButton() const { return button2_; }
    QLabel* actualCaption() const { return label19_; }
    QLabel* registeredCaption() const { return label18_; }

    void Button2Click();
    void Error_LedClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabWidget* tabs_;
    QWidget* banner_;
    QueueCommand queue_;
    QLabel* label19_ = nullptr;
    QLabel* label18_ = nullptr;
    FaultMemo* actual_ = nullptr;
    FaultMemo* registered_ = nullptr;
    QPushButton* button2_ = nullptr;
};

}  // namespace brivel
