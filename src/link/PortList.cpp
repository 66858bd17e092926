#include "link/PortList.h"

#include "link/PortSettings.h"

namespace brivel {

QStringList PortList::update(const QStringList& present)
{
    QStringList gone;
    for (const QString& name : present_)
        if (!present.contains(name) && !gone.contains(name))
            gone.append(name);
    present_ = present;
    offered_ = port_settings::offeredPorts(present);
    return gone;
}

}  // namespace brivel
