#include "live/ui/FaultMemo.h"

namespace brivel {

FaultMemo::FaultMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void FaultMemo::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    setPlainText(shown);
}

}  // namespace brivel
