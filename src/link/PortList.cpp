#include "link/PortList.h"

#include "link/PortSettings.h"

namespace brivel {

namespace {

// udev reports "FT232R_USB_UART"; a fitter reads "FT232R USB UART".
QString readable(QString text)
{
    return text.replace(QLatin1Char('_'), QLatin1Char(' ')).simplified();
}

}  // namespace

QString portLabel(const QString& name, const PortDetails& details)
{
    const QString product = readable(details.product);
    const QString maker = readable(details.maker);
    QString known = product;
    if (!maker.isEmpty() && !product.contains(maker, Qt::CaseInsensitive))
        known =
            product.isEmpty() ? maker : product + QStringLiteral(" (") + maker + QLatin1Char(')');
    if (known.isEmpty())
        return name;
    return name + QStringLiteral(" — ") + known;
}

bool isTypedPort(const QString& name)
{
    return name.contains(QLatin1Char('/'));
}

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
