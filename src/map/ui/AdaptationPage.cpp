#include "map/ui/AdaptationPage.h"

#include "map/AdaptationProcedure.h"
#include "widgets/ui/FormParts.h"

#include <QtCore/QEvent>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QPushButton>

namespace brivel {

namespace {

const QRect GroupPlace(8, 8, 571, 246);
const QRect InfoPlace(8, 18, 555, 220);
const QRect ProgressPlace(2, 266, 585, 24);
const QRect StartPlace(150, 310, 130, 40);
const QRect StopPlace(305, 310, 130, 40);
const QRect Label28Place(150, 360, 285, 16);
constexpr int InfoPixels = 16;
constexpr int ButtonPixels = 14;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& at)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(at);
    QFont font = button->font();
    font.setPixelSize(ButtonPixels);
    font.setBold(true);
    button->setFont(font);
    return button;
}

}  // namespace

AdaptationPage::AdaptationPage(QWidget* page, map::AdaptationProcedure& procedure)
    : QObject(page), page_(page), procedure_(procedure)
{
    groupBox24_ = makeGroup(page, QStringLiteral("GroupBox24"), QString(), GroupPlace);
    info_ = makeLabel(groupBox24_, QStringLiteral("Adaptacja_info"), QString(), InfoPlace);
    info_->setAlignment(Qt::AlignCenter);
    info_->setWordWrap(true);
    QFont infoFont = info_->font();
    infoFont.setPixelSize(InfoPixels);
    info_->setFont(infoFont);

    progress_ = new QProgressBar(page);
    progress_->setObjectName(QStringLiteral("Adaptacja_progres"));
    progress_->setGeometry(ProgressPlace);
    progress_->setRange(0, map::AdaptationProcedure::ProgressMaximum);
    progress_->setValue(0);
    progress_->setEnabled(false);

    start_ = makeButton(page, "Button_start", QStringLiteral("START"), StartPlace);
    connect(start_, &QPushButton::clicked, this, &AdaptationPage::Button_startClick);
    stop_ = makeButton(page, "Button_stop", QStringLiteral("STOP"), StopPlace);
    connect(stop_, &QPushButton::clicked, this, &AdaptationPage::Button_stopClick);
    // Its caption follows the language.
    label28_ = makeLabel(page, QStringLiteral("Label28"), QString(), Label28Place);
    label28_->setAlignment(Qt::AlignCenter);

    connect(&procedure, &map::AdaptationProcedure::progressChanged, this,
            &AdaptationPage::showProgress);
    connect(&procedure, &map::AdaptationProcedure::infoChanged, this, &AdaptationPage::showInfo);
    connect(&procedure, &map::AdaptationProcedure::lockedChanged, this,
            &AdaptationPage::showLocked);
    page->installEventFilter(this);
}

bool AdaptationPage::eventFilter(QObject* watched, QEvent* event)
{
    // Brought to the front, not restored with the window.
    if (watched == page_ && event->type() == QEvent::Show && !event->spontaneous())
        TabSheet3Show();
    return QObject::eventFilter(watched, event);
}

void AdaptationPage::Button_startClick()
{
    procedure_.start();
}

void AdaptationPage::Button_stopClick()
{
    procedure_.stop();
}

void AdaptationPage::TabSheet3Show()
{
    procedure_.pageShown();
}

void AdaptationPage::showProgress(bool enabled, int position)
{
    progress_->setEnabled(enabled);
    progress_->setValue(position);
}

void AdaptationPage::showInfo(const QString& text)
{
    // The lines are kept with CR LF; the label breaks at the LF alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    info_->setText(shown);
}

void AdaptationPage::showLocked(bool locked)
{
    // The rest of the window is the window's to lock.
    start_->setEnabled(!locked);
}

}  // namespace brivel
