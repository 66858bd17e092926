#include "live/ui/FaultPage.h"

#include "link/CommandSender.h"
#include "link/Commands.h"
#include "live/ui/FaultMemo.h"
#include "live/LiveModel.h"
#include "settings/SettingsModel.h"

#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

namespace brivel {

namespace {

void colourText(QWidget* widget, const QColor& color, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

}  // namespace

FaultPage::FaultPage(QWidget* page, LiveModel& live, SettingsModel& settings, CommandSender& sender)
    : QObject(page), live_(live), settings_(settings), sender_(sender)
{
    // The two captions follow the language: the caption table fills them.
    label19_ = new QLabel(page);
    label19_->setObjectName(QStringLiteral("Label19"));
    label19_->setGeometry(8, 6, 400, 16);

    actual_ = new FaultMemo(page);
    actual_->setObjectName(QStringLiteral("Actual_errors_Memo"));
    actual_->setGeometry(8, 24, 570, 170);
    colourText(actual_, QColor(255, 0, 0), QPalette::Text);

    button2_ = new QPushButton(QStringLiteral("Reset"), page);
    button2_->setObjectName(QStringLiteral("Button2"));
    button2_->setGeometry(8, 202, 90, 26);
    colourText(button2_, QColor(255, 0, 0), QPalette::ButtonText);
    connect(button2_, &QPushButton::clicked, this, &FaultPage::Button2Click);

    label18_ = new QLabel(page);
    label18_->setObjectName(QStringLiteral("Label18"));
    label18_->setGeometry(8, 236, 400, 16);

    registered_ = new FaultMemo(page);
    registered_->setObjectName(QStringLiteral("Register_errors_memo"));
    registered_->setGeometry(8, 254, 570, 208);
    colourText(registered_, QColor(255, 0, 255), QPalette::Text);

    connect(&live, &LiveModel::changed, this, &FaultPage::showLive);
    connect(&settings, &SettingsModel::storedFaultTextChanged, registered_, &FaultMemo::setText);
}

void FaultPage::Button2Click()
{
    sender_.queueCommand(CommandSender::RetriesForEditors,
                         command::make(command::ClearFaultMemory, {0x00}));
    // Emptied at once: the current list comes back with the next frame, the
    // stored one with the next settings read.
    live_.clearFaultText();
    settings_.clearStoredFaultText();
}

void FaultPage::showLive(const LiveSnapshot& s, LiveChanges changes)
{
    if (changes & FaultsChanged)
        actual_->setText(s.faultText);
}

}  // namespace brivel
