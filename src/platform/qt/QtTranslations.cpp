#include "platform/qt/QtTranslations.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QLibraryInfo>
#include <QtCore/QTranslator>

namespace brivel {

QtTranslations::QtTranslations(QString folder)
    : folder_(folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                               : std::move(folder))
{
}

QtTranslations::~QtTranslations()
{
    remove();
}

void QtTranslations::remove()
{
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
    code_.clear();
}

bool QtTranslations::choose(const QString& code)
{
    if (code == code_ && (translator_ || code.isEmpty()))
        return translator_ != nullptr;
    remove();
    if (code.isEmpty())
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + code, folder_))
        return false;
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    code_ = code;
    return true;
}

}  // namespace brivel
