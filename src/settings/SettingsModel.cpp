#include "settings/SettingsModel.h"

#include "i18n/MessageTable.h"
#include "settings/ParameterBlockDecoder.h"

#include <QtCore/QLocale>

namespace brivel {

SettingsModel::SettingsModel(const MessageTable& messages, QObject* parent)
    : QObject(parent), messages_(messages)
{
}

void SettingsModel::setParameterBlock(const QByteArray& block)
{
    parameterBlock_ = block;
    // Decimal texts follow the system's separator; fault texts the language
    // chosen now.
    display_ = settings::decodeParameterBlock(
        block, [this](msg::Row row) { return messages_.text(row); }, QLocale());
    storedFaultText_ = display_.Register_errors_memo;
    emit displayChanged(display_);
    if (display_.mapAxisMaximum)
        emit mapAxisMaximumChanged(*display_.mapAxisMaximum);
    emit storedFaultTextChanged(storedFaultText_);
    emit parameterBlockChanged(parameterBlock_);
}

void SettingsModel::editParameterBlock(const std::function<void(settings::ParameterBlock&)>& edit)
{
    settings::ParameterBlock block(parameterBlock_);
    edit(block);
    setParameterBlock(block.bytes());
}

void SettingsModel::clearStoredFaultText()
{
    storedFaultText_.clear();
    emit storedFaultTextChanged(storedFaultText_);
}

void SettingsModel::chooseEngineType(int item)
{
    emit mapAxisMaximumChanged(settings::mapAxisMaximumFor(item));
}

}  // namespace brivel
