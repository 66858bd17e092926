#include "app/ui/InfoPage.h"

#include "i18n/MakerDetails.h"
#include "platform/UrlOpener.h"
#include "widgets/ui/TAbColBitBtn.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QToolButton>

namespace brivel {

namespace {

const QColor HoverBlue(0, 0, 255);

void setTextColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

// Small flag pictures for the language buttons, drawn rather than shipped.
QPixmap flag(const QString& item)
{
    QPixmap pixmap(48, 30);
    QPainter p(&pixmap);
    const QRect r = pixmap.rect();
    auto stripes = [&](std::initializer_list<QColor> colors) {
        const int n = static_cast<int>(colors.size());
        int i = 0;
        for (const QColor& c : colors) {
            p.fillRect(0, r.height() * i / n, r.width(), r.height() / n + 1, c);
            ++i;
        }
    };
    if (item == QLatin1String("GNiemieckiDE")) {
        stripes({Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)});
    } else if (item == QLatin1String("GPolskiPL")) {
        stripes({Qt::white, QColor(220, 20, 60)});
    } else if (item == QLatin1String("GRussian")) {
        stripes({Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)});
    } else if (item == QLatin1String("GCeski")) {
        stripes({Qt::white, QColor(215, 20, 26)});
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(17, 69, 126));
        const QPoint triangle[] = {{0, 0}, {r.width() / 2, r.height() / 2}, {0, r.height()}};
        p.drawPolygon(triangle, 3);
    } else {
        p.fillRect(r, QColor(1, 33, 105));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 6));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        p.setPen(QPen(QColor(200, 16, 46), 2));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
        p.fillRect(r.width() / 2 - 5, 0, 10, r.height(), Qt::white);
        p.fillRect(0, r.height() / 2 - 5, r.width(), 10, Qt::white);
        p.fillRect(r.width() / 2 - 3, 0, 6, r.height(), QColor(200, 16, 46));
        p.fillRect(0, r.height() / 2 - 3, r.width(), 6, QColor(200, 16, 46));
    }
    p.setPen(QColor(80, 80, 80));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    return pixmap;
}

}  // namespace

InfoPage::InfoPage(QWidget* page, TAbFlashTimer& flashTimer, UrlOpener& urls)
    : QObject(page), urls_(urls)
{
    panel1_ = new QFrame(page);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setGeometry(2, 2, 585, 464);
    panel1_->setMouseTracking(true);
    panel1_->installEventFilter(this);

    auto* title = new QLabel(QString::fromUtf8(MakerDetails::Company), panel1_);
    // Not "Label22": that name belongs to a caption of the "Panel Gaz" page.
    title->setObjectName(QStringLiteral("Info_title"));
    QFont titleFont = title->font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setGeometry(20, 16, 545, 28);

    auto makeLink = [this](const char* name, const QString& text, int y) {
        auto* label = new QLabel(text, panel1_);
        label->setObjectName(QLatin1String(name));
        QFont font = label->font();
        font.setPixelSize(14);
        font.setUnderline(true);
        label->setFont(font);
        label->setCursor(Qt::PointingHandCursor);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        label->setGeometry(20, y, 300, 22);
        return label;
    };
    webLabel_ = makeLink("KVOS_Linl_label", QString(), 56);
    mailLabel_ = makeLink("Label23", QString::fromUtf8(MakerDetails::MailAddress), 82);
    // Until a language is chosen: the working entries, which start Polish.
    setLinks(QString::fromUtf8(MakerDetails::webAddress(MessageTable::Initial)),
             QString::fromUtf8(MakerDetails::MailLink));

    const char* flags[] = {"GNiemieckiDE", "GAngielskiGB", "GPolskiPL", "GRussian", "GCeski"};
    int x = 20;
    for (const char* name : flags) {
        auto* button = new QToolButton(panel1_);
        const QString buttonName = QLatin1String(name);
        button->setObjectName(buttonName);
        button->setIcon(flag(buttonName));
        button->setIconSize(QSize(48, 30));
        button->setGeometry(x, 124, 58, 40);
        x += 66;
        if (buttonName != QLatin1String("GRussian"))
            connect(button, &QToolButton::clicked, this,
                    [this, button] { Q_EMIT flagClicked(button); });
    }

    auto* panel29 = new QFrame(panel1_);
    panel29->setObjectName(QStringLiteral("Panel29"));
    panel29->setFrameShape(QFrame::Panel);
    panel29->setFrameShadow(QFrame::Sunken);
    panel29->setGeometry(20, 184, 545, 260);
    auto* picture = new TAbColBitBtn(flashTimer, panel29);
    picture->setObjectName(QStringLiteral("AbColBitBtn1"));
    picture->setMode(TAbBinGControl::mIndicator);
    picture->setColorOn(QColor(18, 46, 82));
    picture->setColorOff(QColor(18, 46, 82));
    picture->setTextColOn(QColor(255, 200, 40));
    picture->setTextColOff(QColor(255, 200, 40));
    QFont big = picture->font();
    big.setPixelSize(40);
    big.setBold(true);
    picture->setFont(big);
    picture->setTextOn(QStringLiteral("KVOS|LPG · CNG"));
    picture->setGeometry(8, 8, 529, 244);
}

bool InfoPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == webLabel_ || watched == mailLabel_) {
            KVOS_Linl_labelMouseMove(static_cast<QLabel*>(watched));
            // Unhandled, the move would reach the panel below and undo the hover.
            return true;
        }
        if (watched == panel1_)
            Panel1MouseMove();
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
               (watched == webLabel_ || watched == mailLabel_)) {
        KVOS_Linl_labelClick(static_cast<QLabel*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

void InfoPage::setLinks(const QString& webAddress, const QString& mailLink)
{
    webUrl_ = webAddress;
    mailLink_ = mailLink;
    webLabel_->setText(webAddress);
}

void InfoPage::KVOS_Linl_labelClick(QLabel* label)
{
    urls_.open(label == webLabel_ ? webUrl_ : mailLink_);
}

void InfoPage::KVOS_Linl_labelMouseMove(QLabel* label)
{
    setTextColor(label, HoverBlue);
}

void InfoPage::Panel1MouseMove()
{
    const QColor text = panel1_->palette().color(QPalette::WindowText);
    setTextColor(webLabel_, text);
    setTextColor(mailLabel_, text);
}

}  // namespace brivel
