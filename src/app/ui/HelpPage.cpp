#include "app/ui/HelpPage.h"

#include "i18n/MakerDetails.h"
#include "platform/qt/JpegDecoder.h"

#include <QtCore/QEvent>
#include <QtCore/QFile>
#include <QtGui/QPixmap>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>

// The picture lives in a static library, whose resources are not registered
// unless asked for.
static void initResources()
{
    Q_INIT_RESOURCE(app);
}

namespace brivel {

HelpPage::HelpPage(QWidget* page) : QObject(page)
{
    initResources();
    image1_ = new QLabel(page);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(4, 4, 580, 285);
    page->installEventFilter(this);

    const QString lines[] = {QString::fromUtf8(MakerDetails::Company),
                             QString::fromUtf8(MakerDetails::Street),
                             QString::fromUtf8(MakerDetails::PostalTown)};
    const char* names[] = {"Label_firma", "Label_ulica", "Label_miasto"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(lines[i], page);
        label->setObjectName(QLatin1String(names[i]));
        QFont font = label->font();
        font.setPixelSize(i == 0 ? 16 : 13);
        font.setBold(i == 0);
        label->setFont(font);
        label->setGeometry(20, 300 + i * 26, 545, 24);
    }

    helpMemo_ = new QPlainTextEdit(page);
    helpMemo_->setObjectName(QStringLiteral("Help_Memo"));
    helpMemo_->setReadOnly(true);
    helpMemo_->setGeometry(4, 4, 580, 440);
    helpMemo_->hide();
}

bool HelpPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        watched->removeEventFilter(this);
        showPicture();
    }
    return false;
}

void HelpPage::showPicture()
{
    QFile file(QStringLiteral(":/brivel/help.jpg"));
    if (file.open(QIODevice::ReadOnly)) {
        const QImage image = decodeJpeg(file.readAll());
        if (!image.isNull())
            image1_->setPixmap(QPixmap::fromImage(image));
    }
}

}  // namespace brivel
