#pragma once

#include "i18n/MessageTable.h"

namespace brivel {

// The maker's details shown on the "Info" and "Help" pages. The help text of the message
// table names the same web site (WebSite).
struct MakerDetails {
    static constexpr const char* Company = "KVOS Gas Systems sp. z o.o.";
    static constexpr const char* Street = "ul. Wtryskowa 7";
    static constexpr const char* PostalTown = "00-000 Gazowo";
    static constexpr const char* Country = "Polska";

    // The site as written in texts, and its home page.
    static constexpr const char* WebSite = "www.kvos.example";
    static constexpr const char* HomePage = "https://www.kvos.example/";

    static constexpr const char* MailAddress = "info@kvos.example";
    static constexpr const char* MailLink = "mailto:info@kvos.example";

    // The page of the site in a table language. The initial column gives the Polish page,
    // as the initial texts are Polish; a column without a page of its own
    // (Russian, or any other number) gives the home page.
    static constexpr const char* webAddress(int column)
    {
        switch (column) {
            case MessageTable::Initial:
            case MessageTable::Polish:
                return "https://www.kvos.example/pl/";
            case MessageTable::German:
                return "https://www.kvos.example/de/";
            case MessageTable::English:
                return "https://www.kvos.example/en/";
            case MessageTable::Czech:
                return "https://www.kvos.example/cs/";
            default:
                return HomePage;
        }
    }
};

}  // namespace brivel
