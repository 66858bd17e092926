#include "settings/PanelPetrolPage.h"

#include <QtWidgets/QComboBox>

namespace brivel {

PanelPetrolPage::PanelPetrolPage(QWidget* page) : QObject(page)
{
    szybkosc_ = new QComboBox(page);
    szybkosc_->setObjectName(QStringLiteral("szybkosc"));
    szybkosc_->addItem(QStringLiteral("7200"));
    szybkosc_->setPlaceholderText(QStringLiteral("Wybierz szybkość"));
    szybkosc_->setEnabled(false);
    szybkosc_->hide();
    comComboBox1_ = new QComboBox(page);
    comComboBox1_->setObjectName(QStringLiteral("ComComboBox1"));
    comComboBox1_->hide();
}

}  // namespace brivel
