#pragma once

#include <QtCore/QString>

namespace brivel::maker {

// The maker's details shown on the "Info" and "Help" pages.
inline QString companyName() { return QStringLiteral("KVOS Gas Systems sp. z o.o."); }
inline QString streetAddress() { return QStringLiteral("ul. Przykładowa 12"); }
inline QString postalTown() { return QStringLiteral("00-950 Warszawa"); }
inline QString webAddress() { return QStringLiteral("www.kvos.example"); }
inline QString webUrl() { return QStringLiteral("https://www.kvos.example/"); }
inline QString mailAddress() { return QStringLiteral("info@kvos.example"); }

}  // namespace brivel::maker
