#include "settings/ui/ControlHelpTips.h"

#include "i18n/MessageTable.h"
#include "settings/ControlHelp.h"

#include <QtCore/QLocale>
#include <QtWidgets/QWidget>

namespace brivel {

void showControlHelp(QObject* root, const MessageTable& messages)
{
    const settings::MessageLookup text = [&messages](msg::Row row) { return messages.text(row); };
    for (const settings::help::SendingControl& control : settings::help::sendingControls())
        if (auto* widget = root->findChild<QWidget*>(QLatin1String(control.objectName)))
            widget->setToolTip(settings::help::toolTip(control, text, QLocale()));
}

}  // namespace brivel
