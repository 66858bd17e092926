#pragma once

#include <QtCore/QObject>

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace brivel {

// The "Help" page: a picture, the maker's address and the help memo, which
// stays hidden.
class HelpPage : public QObject {
    Q_OBJECT
public:
    explicit HelpPage(QWidget* page);

    QLabel* picture() const { return image1_; }
    QPlainTextEdit* memo() const { return helpMemo_; }

protected:
    // The picture is decoded when the page is first shown, not at start-up.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPicture();

    QLabel* image1_ = nullptr;
    QPlainTextEdit* helpMemo_ = nullptr;
};

}  // namespace brivel
