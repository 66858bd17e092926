#include "app/PortMenu.h"

#include "link/PortFault.h"
#include "link/SerialPort.h"
#include "platform/ErrorHandler.h"
#include "platform/PlatformError.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>

#include <cerrno>

namespace brivel {

PortMenu::PortMenu(QMenu* menu, SerialPort& port, Dialogs& dialogs, QString demoPortName,
                   QAction* replayItem, QObject* parent)
    : QObject(parent),
      menu_(menu),
      port_(port),
      dialogs_(dialogs),
      demoPortName_(std::move(demoPortName))
{
    // Captions follow the language: the caption table fills them.
    polacz_ = menu_->addAction(QString());
    polacz_->setObjectName(QStringLiteral("polacz"));
    rozlacz1_ = menu_->addAction(QString());
    rozlacz1_->setObjectName(QStringLiteral("rozlacz1"));
    portsEnd_ = polacz_;
    if (replayItem) {
        replayItem_ = replayItem;
        menu_->insertAction(polacz_, replayItem_);
        portsEnd_ = replayItem_;
    }
    for (int i = 1; i <= 30; ++i)
        addPortItem(QStringLiteral("COM%1").arg(i), QString::number(i));
    if (!demoPortName_.isEmpty())
        addPortItem(demoPortName_, demoPortName_);
    // Adapters come and go while the program runs.
    connect(menu_, &QMenu::aboutToShow, this, &PortMenu::rescan);
    connect(polacz_, &QAction::triggered, this, &PortMenu::connectRequested);
    connect(rozlacz1_, &QAction::triggered, this, &PortMenu::disconnectRequested);
}

QAction* PortMenu::addPortItem(const QString& name, const QString& caption)
{
    auto* item = new QAction(caption, menu_);
    item->setObjectName(name);
    item->setCheckable(true);
    menu_->insertAction(portsEnd_, item);
    connect(item, &QAction::triggered, this, [this, item] { zmien_port_COM(item); });
    return item;
}

QList<QAction*> PortMenu::portItems() const
{
    QList<QAction*> items;
    for (QAction* action : menu_->actions())
        if (action != polacz_ && action != rozlacz1_ && action != replayItem_ &&
            !action->isSeparator())
            items.append(action);
    return items;
}

void PortMenu::listPortsAtStart()
{
    const QStringList present = port_.availablePorts();
    list_.update(present);
    showPorts(present, false);
    port_.close();
    if (!list_.offered().isEmpty())
        port_.setPortName(list_.offered().first());
}

void PortMenu::checkLoadedPort()
{
    for (QAction* item : portItems())
        item->setChecked(item->objectName() == port_.portName());
}

void PortMenu::showPorts(const QStringList& present, bool checkCurrent)
{
    emit portsListed(present);
    // The menu keeps exactly the ports present, in the order they are
    // listed, and the emulated controller last.
    for (QAction* item : portItems())
        delete item;
    QStringList names = list_.offered();
    if (!demoPortName_.isEmpty())
        names.append(demoPortName_);
    for (const QString& name : names)
        addPortItem(name, name)->setChecked(checkCurrent && name == port_.portName());
}

void PortMenu::rescan()
{
    QStringList present;
    try {
        present = port_.availablePorts();
    } catch (const PlatformError&) {
        return;  // the menu stays as it was
    }
    const QStringList gone = list_.update(present);
    showPorts(present, true);
    if (port_.isOpen() && gone.contains(port_.portName()))
        emit portGone(PortFault::fromSystem(PortFault::Kind::DeviceGone, ENODEV));
}

void PortMenu::zmien_port_COM(QAction* item)
{
    runHandler(dialogs_, [this, item] {
        port_.close();
        port_.setPortName(item->objectName());
        port_.setBaudRate(QStringLiteral("Custom"));
        for (QAction* other : portItems())
            other->setChecked(other == item);
        port_.open();
        polacz_->trigger();
    });
}

}  // namespace brivel
