#include "settings/SettingsModel.h"

#include "settings/SettingsObserver.h"

namespace brivel {

void SettingsModel::addObserver(SettingsObserver& observer)
{
    observers_.push_back(&observer);
}

void SettingsModel::setParameterBlock(const QByteArray& block)
{
    parameterBlock_ = block;
    ++revision_;
    notify();
}

void SettingsModel::editParameterBlock(const std::function<void(settings::ParameterBlock&)>& edit)
{
    settings::ParameterBlock block(parameterBlock_);
    edit(block);
    setParameterBlock(block.bytes());
}

void SettingsModel::setStoredFaultText(const QString& text)
{
    storedFaultText_ = text;
    notify();
}

void SettingsModel::notify()
{
    for (SettingsObserver* observer : observers_)
        observer->settingsChanged(*this);
}

}  // namespace brivel
