#include "app/PortMenu.h"

#include "i18n/MessageTable.h"
#include "link/PortFault.h"
#include "link/SerialPort.h"
#include "platform/ErrorHandler.h"
#include "platform/PlatformError.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>

#include <cerrno>

namespace brivel {

PortMenu::PortMenu(QMenu* menu, SerialPort& port, Dialogs& dialogs, const MessageTable& messages,
                   QString demoPortName, QAction* replayItem, QObject* parent)
    : QObject(parent),
      menu_(menu),
      port_(port),
      dialogs_(dialogs),
      messages_(messages),
      demoPortName_(std::move(demoPortName))
{
    // Captions follow the language: the caption table fills them.
    otherPort_ = menu_->addAction(QString());
    otherPort_->setObjectName(QStringLiteral("InnyPort"));
    polacz_ = menu_->addAction(QString());
    polacz_->setObjectName(QStringLiteral("polacz"));
    rozlacz1_ = menu_->addAction(QString());
    rozlacz1_->setObjectName(QStringLiteral("rozlacz1"));
    portsEnd_ = otherPort_;
    if (replayItem) {
        replayItem_ = replayItem;
        menu_->insertAction(otherPort_, replayItem_);
        portsEnd_ = replayItem_;
    }
    for (int i = 1; i <= 30; ++i)
        addPortItem(QStringLiteral("COM%1").arg(i), QString::number(i));
    if (!demoPortName_.isEmpty())
        addPortItem(demoPortName_, demoPortName_);
    // Adapters come and go while the program runs.
    connect(menu_, &QMenu::aboutToShow, this, &PortMenu::rescan);
    connect(otherPort_, &QAction::triggered, this, &PortMenu::typePort);
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
            action != otherPort_ && !action->isSeparator())
            items.append(action);
    return items;
}

void PortMenu::listPortsAtStart()
{
    const QStringList present = port_.availablePorts();
    details_ = port_.portDetails();
    list_.update(present);
    showPorts(present, false);
    port_.close();
    if (!list_.offered().isEmpty())
        port_.setPortName(list_.offered().first());
}

void PortMenu::checkLoadedPort()
{
    // A path typed in an earlier run comes back with the port settings.
    if (isTypedPort(port_.portName()) && !itemNames().contains(port_.portName())) {
        typed_ = port_.portName();
        addPortItem(typed_, typed_);
    }
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
    for (const QString& name : itemNames()) {
        const QString caption =
            name == demoPortName_ ? name : portLabel(name, details_.value(name));
        addPortItem(name, caption)->setChecked(checkCurrent && name == port_.portName());
    }
}

QStringList PortMenu::itemNames() const
{
    QStringList names = list_.offered();
    if (!demoPortName_.isEmpty())
        names.append(demoPortName_);
    if (!typed_.isEmpty() && !names.contains(typed_))
        names.append(typed_);
    return names;
}

void PortMenu::rescan()
{
    QStringList present;
    try {
        present = port_.availablePorts();
    } catch (const PlatformError&) {
        return;  // the menu stays as it was
    }
    details_ = port_.portDetails();
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

void PortMenu::typePort()
{
    const QString path = dialogs_.askText(
        messages_.text(msg::Row::OtherPortPrompt),
        isTypedPort(port_.portName()) ? port_.portName() : QStringLiteral("/dev/"));
    if (path.isEmpty())
        return;
    typed_ = path;
    QAction* item = nullptr;
    for (QAction* existing : portItems())
        if (existing->objectName() == path)
            item = existing;
    if (!item)
        item = addPortItem(path, path);
    zmien_port_COM(item);
}

}  // namespace brivel
