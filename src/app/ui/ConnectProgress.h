#pragma once

#include <QtWidgets/QWidget>

class QLabel;
class QPushButton;

namespace brivel {

// While a connect runs the window waits and takes no input; this small
// window beside it says which attempt of the connect is running and offers
// to call the connect off. It is a window of its own so that it stays
// usable while the main window is disabled.
class ConnectProgress final : public QWidget {
    Q_OBJECT
public:
    ConnectProgress();

    // Shows `text` (the attempt) with the cancel button captioned `cancel`,
    // centred over `over`.
    void showAttempt(const QString& text, const QString& cancel, const QWidget* over);

    QLabel* attemptText() const { return text_; }
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void cancelClicked();

private:
    QLabel* text_;
    QPushButton* cancel_;
};

}  // namespace brivel
