#pragma once

#include <QtWidgets/QPlainTextEdit>

namespace brivel {

// A read-only memo whose text is a list of lines each ended by CR LF, the way
// the fault lists are built. It keeps that text exactly and shows the lines.
class FaultMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit FaultMemo(QWidget* parent = nullptr);

    QString text() const { return text_; }
    // Repaints only when the text really changes.
    void setText(const QString& text);

private:
    QString text_;
};

}  // namespace brivel
