#include "i18n/MessageTableData.h"

#include <cstddef>
#include <iterator>

namespace brivel::messagedata {

using msg::Row;

// Each row names itself and lists its texts in column order:
//   initial, German, English, Polish, Russian placeholder, Czech.
// The initial texts are what a row reads before any language is chosen: Polish, but for some
// run-time messages worded apart from the Polish column. The captions' initial text is the
// Polish one but for the map hint. Rows after the help text were added later.
// An empty string makes the target of a caption empty.
constexpr RowTexts initialRows[] = {
    // ---- Run-time messages: fault lists --------------------------------------------------
    {Row::VoltageFault,
     {" - Błąd napięcia", " - Spannungsfehler", " - Voltage error", " - Błąd zasilania", "Ru",
      "Chyba napájení"}},
    {Row::GasPressureHigh,
     {" - Cisnienie gazu za wysokie", " - LPG Druck zu hoch", " - LPG pressure too high",
      " - Cisnienie gazu za wysokie", "Ru", "Tlak plynu je vysoký"}},
    {Row::GasPressureLow,
     {" - Cisnienie gazu za niskie", " - LPG Druck zu niedrig", " - LPG pressure too low",
      " - Cisnienie gazu za niskie", "Ru", "Tlak plynu je nízký"}},
    {Row::IgnitionVoltageLow,
     {" - Napięcie stacyjki za niskie", " - Zündspannung zu gering", " - Ignition voltage too low",
      " - Napięcie sterujące za niskie", "Ru", "Nízké napětí zapalovací cívky"}},
    {Row::PetrolInjectionSignalFault,
     {" - Brak wtrysku benzyny", " - Benzineinspritz signal fehler",
      " - Fuel injection signal error", " - Błąd sygnału wtrysku benzyny", "Ru",
      "Vadný benzínový vstřikovač"}},
    {Row::PetrolSystemFault,
     {" - Błędna praca układu benzynowego", " - Falsche Arbeit Benzin Steuergerät",
      " - Incorrect Work Petrol Controller", " - Błędna praca układu benzynowego", "Ru",
      "Závada benzínové řídící jednotky"}},
    // The injector number follows.
    {Row::InjectorFault,
     {" - Błąd wtryskiwacza : ", " - Einspritz Fehler :", " - Injector Error :",
      " - Błąd wtryskiwacza : ", "Ru", "Vadný vstřikovač :"}},
    {Row::SettingsFault,
     {" - Złe ustawienia", " - Falsche Einstellung", " - Incorrect settings", " - Złe ustawienia",
      "Ru", "Špatné nastavení"}},
    {Row::SupplyVoltageFault,
     {" - Błąd zasilania", " - Spannungsfehler", " - Voltage error", " - Błąd zasilania", "Ru",
      "Chyba napájení"}},
    {Row::GasInjectionTooLong,
     {" - Za długi czas wtrysku gazu", " - Gas Einspritzzeit zu lang",
      " - Too long gas injection time", " - Za długi czas wtrysku gazu", "Ru",
      "Dlouhý vstřikovací čas plynu"}},

    // ---- Run-time messages: factory reset, link, adaptation ------------------------------
    {Row::ResetQuestion,
     {"Czy chcesz wykonać reset sterownika i przywrócić ustawienia fabryczne ?",
      "Reset Wurde Original Eintellungen wieder herstellen",
      "Reset Will Restore original controller settings", "Reset przywróci ustawienia fabryczne",
      "Ru", "Bude resetována řídící jednotka"}},
    {Row::ReplyTimeout,
     {"Time out - błąd w transmisji (Brak Strownika) ", "Kein Steuergerät Gefunden",
      "No LPG Controller", "Brak Sterownika", "Ru", "Nepřipojená (chybí) řídící jednotka plynu"}},
    {Row::ChoosePort,
     {"Prosze wybrać port COM", "Bitte Wahlen COM", "Please Choice COM", "Prosze wybrać port COM",
      "Ru", "Prosím vyberte COM"}},
    {Row::StartEngine,
     {"Uruchom silnik", "Motor starten", "Start Engine", "Uruchom silnik", "Ru", "Start motoru"}},
    {Row::ManifoldPressureQuestion,
     {"Błędna wartość P MAP - dalej ?", "Falsche P MAP - weiter?", "Incorrect P MAP - next?",
      "Błędna wartość P MAP  - dalej ?", "Ru", "Špatný P MAP - pokračovat?"}},
    {Row::GasPressureQuestion,
     {"Błędna wartość P1  - dalej ?", "Falsche P1 - weiter?", "Incorrect P1 - next?",
      "Błędna wartość P1  - dalej ?", "Ru", "Špatné P1 - pokračovat?"}},
    {Row::ReducerTooCold,
     {"Temperatura zbyt niska poczekaj na 60 stopni", "Temperatur zu nidrig, warten bis 60 grad",
      "Temperature too low wait for 60 degrees", "Temperatura zbyt niska poczekaj na 60 stopni",
      "Ru", "Teplota je nízká, čekejte až bude 60 st."}},
    {Row::AdaptationInProgress,
     {"Proszę czekać adaptacja w toku ..", "Bitte Warten Kalibrierung läuft ..",
      "Please Wait Calibration in progress ..", "Proszę czekać adaptacja w toku ..", "Ru",
      "Prosím čekejte, kalibrace probíhá .."}},
    // The multiplier follows.
    {Row::AdaptationMultiplier,
     {"Wyliczono mnożnik = ", "Abweichung =", "Deflection =", "Korekta =", "Ru", "Odchylka ="}},
    {Row::AdaptationCompleted,
     {"Adaptacja zakończona pomyślnie", "Kalibrierung erfolgreich abgeschlossen",
      "Calibration finished successfully", "Adaptacja zakończona pomyślnie", "Ru",
      "Kalibrace proběhla úspěšně"}},
    {Row::AdaptationCancelled,
     {"Adaptacja anulowana ..", "Kalibrierung Abbrechen", "Calibration Canceled",
      "Adaptacja anulowana", "Ru", "Zrušit kalibraci"}},

    // ---- Captions: top panel, "Panel Petrol" page ----------------------------------------
    {Row::Battery,
     {"Akumulator  ", "Batterie  ", "Batery  ", "Akumulator  ", "Ru", "Akumulátor  "}},
    {Row::Voltage, {"Napięcie  ", "Spannung ", "Voltage ", "Napięcie  ", "Ru", "Napětí "}},
    {Row::Cylinder1Early, {"CYL 1", "Zyl 1", "Cyl 1", "CYL 1", "Ru", "Válec 1"}},
    {Row::GasTime, {"Gaz [ms]", "Gas [ms]", "Gas [ms]", "Gaz [ms]", "Ru", "Plyn [ms]"}},
    {Row::ActiveGasInjectors,
     {"Aktywne inj. Gaz", "Aktive Inj. LPG", "Active Inj. LPG", "Aktywne inj. Gaz", "Ru",
      "Aktivní vstř. LPG"}},
    {Row::LambdaSensors,
     {"Sondy Lambda", "Lambdasonde", "Lambda Sensor", "Sondy Lambda", "Ru", "Lambda sonda"}},
    {Row::Switch, {"Przełącznik", "Umschaltung", "Switch", "Przełącznik", "Ru", "Přepínání"}},
    {Row::Temperature, {"Temperatura", "Temperatur", "Temerature", "Temperatura", "Ru", "Teplota"}},
    {Row::ReducerTemperature, {"Red", "Verd.", "Red", "Red", "Ru", "Red."}},
    {Row::GasTemperature, {"Gaz", "Gas", "Gas", "Gaz", "Ru", "Plyn"}},
    {Row::PortCom, {"Port COM", "COM-Port", "Port COM", "Port COM", "Ru", "Port COM"}},
    {Row::Disconnected, {"Rozłączony", "Getrennt", "Disconnect", "Rozłączony", "Ru", "Odpojeno"}},
    {Row::PanelPetrolTab,
     {"Panel Petrol", "Panel Benzin", "Panel Petrol", "Panel Petrol", "Ru", "Panel benzín"}},
    {Row::CylindersGroup, {"", "", "", "", "Ru", "Počet válců"}},
    {Row::Impulse, {"Impulsy", "Impulse", "Impulse", "Impulsy", "Ru", "Impulzy"}},
    {Row::RpmSignal,
     {"Sygnał RPM", "Drehzahlsignal", "Rpm Signal", "Sygnał RPM", "Ru", "Signál otáček"}},
    {Row::EngineType,
     {"Typ silnika", "Motortyp", "Engine Type", "Typ silnika", "Ru", "Typ motoru"}},
    {Row::InjectorType,
     {"Typ wtrysku", "Injektortyp", "Injector Type", "Typ wtrysku", "Ru", "Typ vstřikovačů"}},
    {Row::LambdaSensor,
     {"Sonda lambda", "Lambdasonde", "Sonda Lambda", "Sonda lambda", "Ru", "Lambda sonda"}},
    {Row::PositiveInjectors,
     {"Wtryskiwacze dodatnie", "Injektoren [+] gesteuert", "Injectors [+] Controlled",
      "Wtryskiwacze dodatnie", "Ru", "Vstřikovače řízené [+]"}},
    // Cylinder count selector, items 0-4.
    {Row::Cylinders3, {"3 cyl.", "3 Zyl.", "3 cyl.", "3 cyl.", "Ru", "3 válce"}},
    {Row::Cylinders4, {"4 cyl.", "4 Zyl.", "4 cyl.", "4 cyl.", "Ru", "4 válce"}},
    {Row::Cylinders5, {"5 cyl.", "5 Zyl.", "5 cyl.", "5 cyl.", "Ru", "5 válců"}},
    {Row::Cylinders6, {"6 cyl.", "6 Zyl.", "6 cyl.", "6 cyl.", "Ru", "6 válců"}},
    {Row::Cylinders8, {"8 cyl.", "8 Zyl.", "8 cyl.", "8 cyl.", "Ru", "8 válců"}},
    {Row::StandardInjection, {"Standowy", "Standard", "Standard", "Standowy", "Ru", "Standardní"}},
    // Engine-speed signal selector, items 0-6.
    {Row::SingleCoil,
     {"Cewka pojedyncza", "Einzelspule", "Single Coil", "Cewka pojedyncza", "Ru",
      "Jednoduchá cívka"}},
    {Row::DoubleCoil,
     {"Cewka podwójna", "Doppelspule", "Double Coil", "Cewka podwójna", "Ru", "Dvojitá cívka"}},
    {Row::ImpulseCylinders3, {"3 cyl.", "3 Zyl.", "3 cyl.", "3 cyl.", "Ru", "3 válce"}},
    {Row::ImpulseCylinders4, {"4 cyl.", "4 Zyl.", "4 cyl.", "4 cyl.", "Ru", "4 válce"}},
    {Row::ImpulseCylinders5, {"5 cyl.", "5 Zyl.", "5 cyl.", "5 cyl.", "Ru", "5 válců"}},
    {Row::ImpulseCylinders6, {"6 cyl.", "6 Zyl.", "6 cyl.", "6 cyl.", "Ru", "6 válců"}},
    {Row::ImpulseCylinders8, {"8 cyl.", "8 Zyl.", "8 cyl.", "8 cyl.", "Ru", "8 válců"}},
    // Lambda sensor kind, items 0-1.
    {Row::LambdaVoltage, {"Napięciowa", "Spannung", "Voltage", "Napięciowa", "Ru", "Napěťová"}},
    {Row::LambdaCurrent, {"Prądowa", "Strom", "Current", "Prądowa", "Ru", "Proudová"}},

    // ---- Captions: "Panel Gas" and adaptation pages --------------------------------------
    {Row::PanelGasTab, {"Panel Gaz", "Panel Gas", "Panel Gas", "Panel Gaz", "Ru", "Panel plyn"}},
    {Row::GasInjector,
     {"Gas injector", "Gasinjektor", "Gas Injector", "Gas injector", "Ru", "Plynový vstřikovač"}},
    {Row::FuelType,
     {"Rodzaj paliwa", "Kraftstoffart", "Fuel Type", "Rodzaj paliwa", "Ru", "Druh paliva"}},
    {Row::Sensors, {"Czujniki", "Sensoren", "Sensor", "Czujniki", "Ru", "Čidla"}},
    {Row::PressureSensor,
     {"P1 MAP /P Gaz", "P1 MAP / P Gas", "P1 MAP / P Gas", "P1 MAP /P Gaz", "Ru",
      "P1 MAP / P plyn"}},
    {Row::ReducerTempSensor,
     {"Cz.temp.reduktora", "Fühler Temp.Verd.", "Sens.temp.red.", "Cz.temp.reduktora", "Ru",
      "Čidlo tepl.red."}},
    {Row::GasTempSensor,
     {"Cz.temp.gazu", "Fühler Gastemp.", "Sens.gas temp.", "Cz.temp.gazu", "Ru",
      "Čidlo tepl.plynu"}},
    {Row::AdaptationPressures,
     {"Parametry ciśnień adaptacji", "Druckparameter Kalibrierung",
      "Parameter Pressure Calibration", "Parametry ciśnień adaptacji", "Ru",
      "Tlakové parametry kalibrace"}},
    {Row::WorkingPressure, {"P. pracy", "P. Betrieb", "P. Work", "P. pracy", "Ru", "P. pracovní"}},
    {Row::AdaptationTab,
     {"Adaptacja", "Kalibrierung", "Calibration", "Adaptacja", "Ru", "Kalibrace"}},
    {Row::AdaptationStart,
     {"START - Początek adaptacji", "START – Kalibrierung beginnt", "START – calibration begins",
      "START - Początek adaptacji", "Ru", "START – začátek kalibrace"}},

    // ---- Captions: "Map" page and its chart ----------------------------------------------
    {Row::MapTab, {"Mapa", "Kennfeld", "Map", "Mapa", "Ru", "Mapa"}},
    {Row::MapAxisTitle,
     {"Gaz [ms] / Petrol [ms]", "Gas [ms] / Benzin [ms]", "Gas [ms] / Petrol [ms]",
      "Gaz [ms] / Petrol [ms]", "Ru", "Plyn [ms] / Benzín [ms]"}},
    // The hint is Polish in the initial texts only.
    {Row::MapHint,
     {"Zmiana korekcji-zaznacz obszar zmian na wykresie i przesuń strzałkami góra/dół", "", "", "",
      "Ru", "Cz"}},
    {Row::MultiplierSeries, {"Mnożnik", "Multiplikator", "Multipler", "Mnożnik", "Ru", "Násobič"}},
    {Row::AreaFromSeries,
     {"Obszar_od", "Bereich von", "Area From", "Obszar_od", "Ru", "Oblast od"}},
    {Row::AreaToSeries, {"Obszar_do", "Bereich bis", "Area Too", "Obszar_do", "Ru", "Oblast do"}},
    {Row::IndicatorSeries,
     {"Wskaznik", " - Anzeige", " - Indicator", "Wskaznik", "Ru", " - Ukazatel"}},
    {Row::GasDiagramSeries,
     {"Wykres_Gaz", "Diagramm_Gas", "Diagram_Gas", "Wykres_Gaz", "Ru", "Graf_Plyn"}},
    {Row::PetrolDiagramSeries,
     {"Wykres_Petrol", "Diagramm_Benzin", "Diagram_Petrol", "Wykres_Petrol", "Ru", "Graf_Benzín"}},
    {Row::GasPointsSeries, {"Punkty", "Punkte", "Points", "Punkty", "Ru", "Body"}},
    {Row::PetrolPointsSeries, {"Punkty", "Punkte", "Points", "Punkty", "Ru", "Body"}},
    {Row::Gas, {"Gaz", "Gas", "Gas", "Gaz", "Ru", "Plyn"}},
    {Row::Petrol, {"Petrol", "Benzin", "Petrol", "Petrol", "Ru", "Benzín"}},

    // ---- Captions: faults, oscilloscope, diagnostics -------------------------------------
    {Row::CurrentFaults,
     {"Błędy aktualne", "Aktuelle Fehler", "Actual Errors", "Błędy aktualne", "Ru",
      "Aktuální chyby"}},
    {Row::StoredFaults,
     {"Błędy zarejestrowane", "Gespeicherte Fehler", "Old Errors", "Błędy zarejestrowane", "Ru",
      "Uložené chyby"}},
    {Row::OscilloscopeTab,
     {"Oscyloskop", "Oszilloskop", "Oscilloscope", "Oscyloskop", "Ru", "Osciloskop"}},
    {Row::InjectionTimes,
     {"Inj. Petrol / Gaz  [ms]", "Inj. Benzin / Gas  [ms]", "Inj. Petrol / Gas  [ms]",
      "Inj. Petrol / Gaz  [ms]", "Ru", "Vstř. benzín / plyn  [ms]"}},
    {Row::Temperatures,
     {"Temp Gaz / Red [°C]", "Temp Gas / Verd. [°C]", "Temp Gas / Red [°C]", "Temp Gaz / Red [°C]",
      "Ru", "Tepl. plyn / red. [°C]"}},
    {Row::DiagnosticTab,
     {"Diagnostyka", "Diagnose", "Diagnostic", "Diagnostyka", "Ru", "Diagnostika"}},
    {Row::DiagnosticGasTime, {"Gaz [ms]", "Gas [ms]", "Gas [ms]", "Gaz [ms]", "Ru", "Plyn [ms]"}},
    // Petrol injection-time read-outs of cylinders 1-8.
    {Row::Cylinder1, {"CYL 1", "Zyl 1", "Cyl 1", "CYL 1", "Ru", "Válec 1"}},
    {Row::Cylinder2, {"CYL 2", "Zyl 2", "Cyl 2", "CYL 2", "Ru", "Válec 2"}},
    {Row::Cylinder3, {"CYL 3", "Zyl 3", "Cyl 3", "CYL 3", "Ru", "Válec 3"}},
    {Row::Cylinder4, {"CYL 4", "Zyl 4", "Cyl 4", "CYL 4", "Ru", "Válec 4"}},
    {Row::Cylinder5, {"CYL 5", "Zyl 5", "Cyl 5", "CYL 5", "Ru", "Válec 5"}},
    {Row::Cylinder6, {"CYL 6", "Zyl 6", "Cyl 6", "CYL 6", "Ru", "Válec 6"}},
    {Row::Cylinder7, {"CYL 7", "Zyl 7", "Cyl 7", "CYL 7", "Ru", "Válec 7"}},
    {Row::Cylinder8, {"CYL 8", "Zyl 8", "Cyl 8", "CYL 8", "Ru", "Válec 8"}},
    {Row::DiagnosticPetrolTime,
     {"Petrol [ms]", "Benzin [ms]", "Petrol [ms]", "Petrol [ms]", "Ru", "Benzín [ms]"}},

    // ---- Captions: switch-over and level-gauge page --------------------------------------
    {Row::SwitchTab, {"Przełącznik", "Umschaltung", "Switch", "Przełącznik", "Ru", "Přepínání"}},
    {Row::SwitchToPetrolGroup,
     {"Parametry przełączania na petrol", "Umschaltparameter auf Benzin",
      "Parameters switchover to petrol", "Parametry przełączania na petrol", "Ru",
      "Parametry přepnutí na benzín"}},
    {Row::PetrolAtFirstDrop,
     {"Przełącz przy pierwszym spadku ciśnienia", "Umschalten beim ersten Druckabfall",
      "Switch in first drop of pressure", "Przełącz przy pierwszym spadku ciśnienia", "Ru",
      "Přepnout při prvním poklesu tlaku"}},
    {Row::PressureErrorTime,
     {"Czas błędu ciś.", "Zeit Druckfehler", "Press Time Err", "Czas błędu ciś.", "Ru",
      "Čas chyby tlaku"}},
    {Row::SwitchToGasGroup,
     {"Parametry przełączania na gaz", "Umschaltparameter auf LPG", "Parameters switchover to LPG",
      "Parametry przełączania na gaz", "Ru", "Parametry přepnutí na LPG"}},
    {Row::SwitchOverTemperature,
     {"Temperatura", "Temperatur", "Temperature", "Temperatura", "Ru", "Teplota"}},
    {Row::SwitchOverTime,
     {"Czas przeł.", "Umschaltzeit", "Switch. Time", "Czas przeł.", "Ru", "Čas přepnutí"}},
    {Row::CylinderSequence,
     {"Sekwencja cyl.", "Zyl.-Umschaltung", "Cyl. Switch", "Sekwencja cyl.", "Ru", "Přep. válců"}},
    {Row::LevelGaugeGroup,
     {"Wskaźnik poziomu", "Füllstandsanzeige", "Gas level indicator", "Wskaźnik poziomu", "Ru",
      "Ukazatel stavu plynu"}},
    {Row::LevelReadout,
     {"Odczyt [V]", "Messwert [V]", "Readout [V]", "Odczyt [V]", "Ru", "Hodnota [V]"}},
    {Row::LevelSensorType,
     {"Rodzaj czujnika", "Sensortyp", "Sensor type", "Rodzaj czujnika", "Ru", "Typ čidla"}},

    // ---- Captions: OBD (not applied), menus, top-panel groups ----------------------------
    {Row::ObdParameters,
     {"Parametry OBDII", "OBDII-Parameter", "Parameters OBDII", "Parametry OBDII", "Ru",
      "Parametry OBDII"}},
    {Row::ObdPort, {"Port COM", "COM-Port", "Port COM", "Port COM", "Ru", "Port COM"}},
    {Row::ObdCondition, {"Status", "Status", "Condition", "Status", "Ru", "Stav"}},
    {Row::ObdType, {"Typ OBD", "OBD-Typ", "Type OBD", "Typ OBD", "Ru", "Typ OBD"}},
    {Row::ObdInterfacePort,
     {"Interface KVOS używa port", "Schnittstelle KVOS verwendet Port", "Interface KVOS Used POrt",
      "Interface KVOS używa port", "Ru", "Rozhraní KVOS používá port"}},
    {Row::FileMenu, {"Plik", "Datei", "File", "Plik", "Ru", "Soubor"}},
    {Row::ReadItem, {"Odczyt", "Laden", "Readout", "Odczyt", "Ru", "Načíst"}},
    {Row::SaveItem, {"Zapis", "Speichern", "Save", "Zapis", "Ru", "Uložit"}},
    {Row::PortMenu, {"Port", "Port", "Port", "Port", "Ru", "Port"}},
    {Row::ConnectItem, {"Połącz", "Verbinden", "Connect", "Połącz", "Ru", "Připojit"}},
    {Row::DisconnectItem, {"Rozłącz", "Trennen", "Disconnect", "Rozłącz", "Ru", "Odpojit"}},
    {Row::LanguageMenu, {"Język", "Sprache", "Language", "Język", "Ru", "Jazyk"}},
    {Row::CylinderCount,
     {"Ilość cylindrów", "Zylinderzahl", "No. of Cylinders", "Ilość cylindrów", "Ru",
      "Počet válců"}},
    {Row::PetrolGasInjection,
     {"Wtr. Benzyna/Gaz", "Inj. Benzin/Gas", "Inj. Petrol/Gas", "Wtr. Benzyna/Gaz", "Ru",
      "Vstř. benzín/plyn"}},
    {Row::InjectionTime,
     {"Czas wtrysku", "Einspritzzeit", "Injection time", "Czas wtrysku", "Ru", "Vstřikovací čas"}},
    {Row::Pressure, {"Ciśnienie", "Druck", "Pressure", "Ciśnienie", "Ru", "Tlak"}},

    // ---- The text of the "Help" page: the contents of the installation disc ---------------
    {Row::Help,
     {
         // Initial texts: Polish.
         "MENU CD:\n"
         "1. Brivel - program do konfiguracji i diagnostyki sterownika KVOS\n"
         "2. Instrukcja montażu (PDF) - montaż i regulacja instalacji KVOS\n"
         "3. Schemat elektryczny (PDF)\n"
         "4. Dobór dysz - program do doboru średnic dysz wtryskiwaczy\n"
         "5. Pliki do pobrania: www.kvos.example",
         // German.
         "MENU CD:\n"
         "1. Brivel - Programm zur Einstellung und Diagnose des KVOS-Steuergeräts\n"
         "2. Einbauanleitung (PDF) - Einbau und Einstellung der KVOS-Anlage\n"
         "3. Schaltplan (PDF)\n"
         "4. Düsenauswahl - Programm zur Wahl der Düsendurchmesser der Injektoren\n"
         "5. Downloads: www.kvos.example",
         // English.
         "MENU CD:\n"
         "1. Brivel - configuration and diagnostic program for the KVOS controller\n"
         "2. Installation manual (PDF) - fitting and adjustment of the KVOS system\n"
         "3. Wiring diagram (PDF)\n"
         "4. Nozzle selector - program for choosing injector nozzle diameters\n"
         "5. Downloads: www.kvos.example",
         // Polish.
         "MENU CD:\n"
         "1. Brivel - program do konfiguracji i diagnostyki sterownika KVOS\n"
         "2. Instrukcja montażu (PDF) - montaż i regulacja instalacji KVOS\n"
         "3. Schemat elektryczny (PDF)\n"
         "4. Dobór dysz - program do doboru średnic dysz wtryskiwaczy\n"
         "5. Pliki do pobrania: www.kvos.example",
         // Russian: no text.
         "",
         // Czech.
         "MENU CD:\n"
         "1. Brivel - program pro nastavení a diagnostiku řídicí jednotky KVOS\n"
         "2. Montážní návod (PDF) - montáž a seřízení zařízení KVOS\n"
         "3. Schéma zapojení (PDF)\n"
         "4. Výběr trysek - program pro volbu průměrů trysek vstřikovačů\n"
         "5. Soubory ke stažení: www.kvos.example",
     }},

    // ---- Rows added after the classic table ----------------------------------------------
    {Row::ReviewTitle,
     {"Ustawienia z pliku", "Einstellungen aus der Datei", "Settings from the file",
      "Ustawienia z pliku", "Ru", "Nastavení ze souboru"}},
    {Row::ReviewIntro,
     {"Te wartości w pliku różnią się od sterownika. Zaznaczone zostaną zapisane do sterownika.",
      "Diese Werte der Datei weichen vom Steuergerät ab. Die angehakten werden ins Steuergerät "
      "geschrieben.",
      "These values in the file differ from the controller. The ticked ones are written into the "
      "controller.",
      "Te wartości w pliku różnią się od sterownika. Zaznaczone zostaną zapisane do sterownika.",
      "Ru",
      "Tyto hodnoty v souboru se liší od řídicí jednotky. Zaškrtnuté se zapíší do řídicí "
      "jednotky."}},
    {Row::ColumnSetting, {"Ustawienie", "Einstellung", "Setting", "Ustawienie", "Ru", "Nastavení"}},
    {Row::ColumnController,
     {"Sterownik", "Steuergerät", "Controller", "Sterownik", "Ru", "Řídicí jednotka"}},
    {Row::ColumnFile, {"Plik", "Datei", "File", "Plik", "Ru", "Soubor"}},
    {Row::ReviewWarning,
     {"Uwaga: liczba cylindrów lub typ silnika są inne. Czy ten plik jest dla tego samochodu?",
      "Achtung: Zylinderzahl oder Motortyp weichen ab. Gehört diese Datei zu diesem Fahrzeug?",
      "Warning: the number of cylinders or the engine type differ. Is this file for this car?",
      "Uwaga: liczba cylindrów lub typ silnika są inne. Czy ten plik jest dla tego samochodu?",
      "Ru", "Pozor: počet válců nebo typ motoru se liší. Patří tento soubor k tomuto vozu?"}},
    {Row::Send, {"Wyślij", "Senden", "Send", "Wyślij", "Ru", "Odeslat"}},
    {Row::Cancel, {"Anuluj", "Abbrechen", "Cancel", "Anuluj", "Ru", "Zrušit"}},
    {Row::NothingDiffers,
     {"Plik zawiera te same ustawienia co sterownik. Nic nie wysłano.",
      "Die Datei enthält dieselben Einstellungen wie das Steuergerät. Es wurde nichts gesendet.",
      "The file holds the same settings as the controller. Nothing was sent.",
      "Plik zawiera te same ustawienia co sterownik. Nic nie wysłano.", "Ru",
      "Soubor obsahuje stejné nastavení jako řídicí jednotka. Nic nebylo odesláno."}},
    {Row::MapPointsDiffer,
     {"%1 z %2 punktów różni się", "%1 von %2 Punkten weichen ab", "%1 of %2 points differ",
      "%1 z %2 punktów różni się", "Ru", "%1 z %2 bodů se liší"}},
    {Row::OtherData,
     {"Pozostałe dane sterownika", "Sonstige Daten des Steuergeräts", "Other controller data",
      "Pozostałe dane sterownika", "Ru", "Ostatní data řídicí jednotky"}},
    {Row::BytesDiffer,
     {"%1 bajtów różni się", "%1 Bytes weichen ab", "%1 bytes differ", "%1 bajtów różni się", "Ru",
      "%1 bajtů se liší"}},
    {Row::Yes, {"tak", "ja", "yes", "tak", "Ru", "ano"}},
    {Row::No, {"nie", "nein", "no", "nie", "Ru", "ne"}},
    {Row::LevelThreshold,
     {"Czujnik poziomu, próg %1", "Füllstandsgeber, Schwelle %1", "Level sensor, threshold %1",
      "Czujnik poziomu, próg %1", "Ru", "Snímač hladiny, práh %1"}},
    {Row::SwitchOverRpm,
     {"Obroty przełączenia na gaz", "Drehzahl für Umschaltung auf Gas", "RPM for switching to gas",
      "Obroty przełączenia na gaz", "Ru", "Otáčky pro přepnutí na plyn"}},
    {Row::MaxRpmOnGas,
     {"Maks. obroty na gazie", "Max. Drehzahl auf Gas", "Max. RPM on gas", "Maks. obroty na gazie",
      "Ru", "Max. otáčky na plyn"}},
    {Row::MinimumPressure,
     {"Ciśnienie minimalne", "Mindestdruck", "Minimum pressure", "Ciśnienie minimalne", "Ru",
      "Minimální tlak"}},
    {Row::MapUndo, {"Cofnij", "Rückgängig", "Undo", "Cofnij", "Ru", "Zpět"}},
    {Row::MapRedo, {"Ponów", "Wiederholen", "Redo", "Ponów", "Ru", "Znovu"}},
    {Row::ModemManagerAdvice,
     {"Port jest zajęty przez ModemManager, który sprawdza nowe adaptery szeregowe. Zatrzymaj go "
      "poleceniem \"sudo systemctl stop ModemManager\" (na stałe: \"sudo systemctl disable --now "
      "ModemManager\") i połącz ponownie.",
      "Der Port wird von ModemManager belegt, der neue serielle Adapter prüft. Mit \"sudo "
      "systemctl stop ModemManager\" anhalten (dauerhaft: \"sudo systemctl disable --now "
      "ModemManager\") und neu verbinden.",
      "The port is held by ModemManager, which probes new serial adapters. Stop it with \"sudo "
      "systemctl stop ModemManager\" (for good: \"sudo systemctl disable --now ModemManager\"), "
      "then connect again.",
      "Port jest zajęty przez ModemManager, który sprawdza nowe adaptery szeregowe. Zatrzymaj go "
      "poleceniem \"sudo systemctl stop ModemManager\" (na stałe: \"sudo systemctl disable --now "
      "ModemManager\") i połącz ponownie.",
      "Ru",
      "Port drží ModemManager, který zkoumá nové sériové adaptéry. Zastavte jej příkazem \"sudo "
      "systemctl stop ModemManager\" (trvale: \"sudo systemctl disable --now ModemManager\") a "
      "připojte se znovu."}},
    {Row::BrlttyAdvice,
     {"Port jest zajęty przez brltty, usługę monitorów brajlowskich, która przejmuje adaptery USB. "
      "Bez monitora brajlowskiego usuń ją: \"sudo apt remove brltty\" (lub zablokuj: \"sudo "
      "systemctl mask --now brltty-udev.service\") i podłącz adapter ponownie.",
      "Der Port wird von brltty belegt, dem Dienst für Braillezeilen, der USB-Adapter übernimmt. "
      "Ohne Braillezeile mit \"sudo apt remove brltty\" entfernen (oder sperren: \"sudo systemctl "
      "mask --now brltty-udev.service\") und den Adapter neu einstecken.",
      "The port is held by brltty, the braille display service, which claims USB serial adapters. "
      "Without a braille display remove it with \"sudo apt remove brltty\" (or mask it: \"sudo "
      "systemctl mask --now brltty-udev.service\"), then plug the adapter in again.",
      "Port jest zajęty przez brltty, usługę monitorów brajlowskich, która przejmuje adaptery USB. "
      "Bez monitora brajlowskiego usuń ją: \"sudo apt remove brltty\" (lub zablokuj: \"sudo "
      "systemctl mask --now brltty-udev.service\") i podłącz adapter ponownie.",
      "Ru",
      "Port drží brltty, služba pro braillské řádky, která si bere USB adaptéry. Bez braillského "
      "řádku ji odstraňte příkazem \"sudo apt remove brltty\" (nebo zablokujte: \"sudo systemctl "
      "mask --now brltty-udev.service\") a adaptér připojte znovu."}},
    {Row::SettingsHeading,
     {"Ustawienia", "Einstellungen", "Settings", "Ustawienia", "Ru", "Nastavení"}},
    {Row::NoFaultMemory,
     {"Plik nie zawiera pamięci błędów: kończy się na bajcie %1 obrazu ustawień.",
      "Die Datei enthält keinen Fehlerspeicher: sie endet bei Byte %1 des Einstellungsabbilds.",
      "The file holds no fault memory: it ends at byte %1 of the settings image.",
      "Plik nie zawiera pamięci błędów: kończy się na bajcie %1 obrazu ustawień.", "Ru",
      "Soubor neobsahuje paměť závad: končí bajtem %1 obrazu nastavení."}},
    {Row::NoneOf, {"brak", "keine", "none", "brak", "Ru", "žádné"}},
    {Row::Firmware,
     {"Wersja oprogramowania", "Firmware-Version", "Firmware version", "Wersja oprogramowania",
      "Ru", "Verze firmwaru"}},
    // ---- Added rows: drive recording and replay ------------------------------------------
    // Captions of the "Plik" and "Porty" items.
    {Row::RecordItem, {"Nagrywaj", "Aufzeichnen", "Record", "Nagrywaj", "Ru", "Nahrávat"}},
    {Row::ReplayItem, {"Odtwórz…", "Wiedergeben…", "Replay…", "Odtwórz…", "Ru", "Přehrát…"}},
    // Run-time messages.
    {Row::ReplayRefused,
     {"Odtwarzanie nagrania: polecenia nie są wysyłane do sterownika.",
      "Wiedergabe einer Aufzeichnung: Befehle werden nicht an das Steuergerät gesendet.",
      "Replaying a recording: commands are not sent to the controller.",
      "Odtwarzanie nagrania: polecenia nie są wysyłane do sterownika.", "Ru",
      "Přehrávání záznamu: příkazy se do řídicí jednotky neodesílají."}},
    // The folder or the file follows on the next line.
    {Row::RecordingCannotWrite,
     {"Nie można zapisać nagrania:", "Die Aufzeichnung kann nicht gespeichert werden:",
      "The recording cannot be written:", "Nie można zapisać nagrania:", "Ru",
      "Záznam nelze uložit:"}},
    {Row::NotARecording,
     {"Plik nie zawiera nagrania jazdy:", "Die Datei enthält keine Fahrtaufzeichnung:",
      "The file holds no drive recording:", "Plik nie zawiera nagrania jazdy:", "Ru",
      "Soubor neobsahuje záznam jízdy:"}},
    // Hints of the replay bar.
    {Row::ReplayPlayHint,
     {"Odtwarzaj / pauza", "Wiedergabe / Pause", "Play / pause", "Odtwarzaj / pauza", "Ru",
      "Přehrát / pozastavit"}},
    {Row::ReplaySliderHint,
     {"Przejdź do miejsca nagrania", "Zu einer Stelle der Aufzeichnung springen",
      "Jump within the recording", "Przejdź do miejsca nagrania", "Ru", "Přejít na místo záznamu"}},
    // The kind of file the replay's open dialog lists (a run-time message).
    {Row::RecordingsFilter,
     {"Nagrania jazdy", "Fahrtaufzeichnungen", "Drive recordings", "Nagrania jazdy", "Ru",
      "Záznamy jízdy"}},
    // ---- Added rows: the port itself failed ---------------------------
    // %1 is the port's name, %2 the system's reason.
    {Row::PortGone,
     {"Port %1 został odłączony (%2) - połączenie przerwane",
      "Port %1 wurde getrennt (%2) - Verbindung unterbrochen",
      "Port %1 was disconnected (%2) - connection lost",
      "Port %1 został odłączony (%2) - połączenie przerwane", "Ru",
      "Port %1 byl odpojen (%2) - spojení přerušeno"}},
    {Row::PortError,
     {"Błąd portu %1 (%2) - połączenie przerwane",
      "Fehler am Port %1 (%2) - Verbindung unterbrochen", "Port %1 failed (%2) - connection lost",
      "Błąd portu %1 (%2) - połączenie przerwane", "Ru",
      "Chyba portu %1 (%2) - spojení přerušeno"}},
    // ---- Added rows: where `kvs diff` finds two maps differ ----------------
    {Row::MapEntriesChanged,
     {"Punkty mapy %1: największa zmiana %2% w punkcie %3",
      "Kennfeldeinträge %1: größte Änderung %2 % bei Eintrag %3",
      "Map entries %1: largest change %2 % at entry %3",
      "Punkty mapy %1: największa zmiana %2% w punkcie %3", "Ru",
      "Body mapy %1: největší změna %2 % v bodě %3"}},
    // ---- Added rows: a port by its device path ---------------------------------
    // The "Porty" item's caption, and the question it asks.
    {Row::OtherPortItem,
     {"Inny port…", "Anderer Port…", "Other port…", "Inny port…", "Ru", "Jiný port…"}},
    {Row::OtherPortPrompt,
     {"Ścieżka urządzenia portu (np. /dev/serial/by-id/…):",
      "Gerätepfad des Ports (z. B. /dev/serial/by-id/…):",
      "Device path of the port (e.g. /dev/serial/by-id/…):",
      "Ścieżka urządzenia portu (np. /dev/serial/by-id/…):", "Ru",
      "Cesta k zařízení portu (např. /dev/serial/by-id/…):"}},
    // The tool tips of the controls that send a setting.
    {Row::HelpCylinderCount,
     {"Liczba cylindrów silnika; wyznacza przyciski cylindrów.",
      "Zylinderzahl des Motors; bestimmt die Zylindertasten.",
      "Number of the engine's cylinders; sets the cylinder buttons.",
      "Liczba cylindrów silnika; wyznacza przyciski cylindrów.", "Ru",
      "Počet válců motoru; určuje tlačítka válců."}},
    {Row::HelpPulseSource,
     {"Skąd sterownik bierze sygnał obrotów: cewka zapłonowa lub wtryskiwacz.",
      "Woher das Steuergerät das Drehzahlsignal nimmt: Zündspule oder Einspritzventil.",
      "Where the controller takes the engine speed from: ignition coil or injector.",
      "Skąd sterownik bierze sygnał obrotów: cewka zapłonowa lub wtryskiwacz.", "Ru",
      "Odkud řídicí jednotka bere signál otáček: zapalovací cívka nebo vstřikovač."}},
    {Row::HelpRpmSignal,
     {"Poziom napięcia sygnału obrotów: niski 5 V lub wysoki 12 V.",
      "Spannungspegel des Drehzahlsignals: niedrig 5 V oder hoch 12 V.",
      "Voltage level of the engine speed signal: low 5 V or high 12 V.",
      "Poziom napięcia sygnału obrotów: niski 5 V lub wysoki 12 V.", "Ru",
      "Napěťová úroveň signálu otáček: nízká 5 V nebo vysoká 12 V."}},
    {Row::HelpEngineType,
     {"Silnik wolnossący lub z turbodoładowaniem; zmienia zakres osi ciśnienia mapy.",
      "Saugmotor oder Turbomotor; ändert den Druckbereich der Kennfeldachse.",
      "Naturally aspirated or turbocharged engine; changes the pressure range of the map's axis.",
      "Silnik wolnossący lub z turbodoładowaniem; zmienia zakres osi ciśnienia mapy.", "Ru",
      "Atmosférický nebo přeplňovaný motor; mění rozsah tlakové osy mapy."}},
    {Row::HelpPositiveInjectors,
     {"Wtryskiwacze benzyny sterowane po stronie plusa.",
      "Benzin-Einspritzventile plusseitig geschaltet.",
      "Petrol injectors switched on the positive side.",
      "Wtryskiwacze benzyny sterowane po stronie plusa.", "Ru",
      "Benzínové vstřikovače spínané na kladné straně."}},
    {Row::HelpGasInjector,
     {"Typ wtryskiwaczy gazu; wysyła też ich parametry sterowania.",
      "Typ der Gas-Einspritzventile; sendet auch ihre Ansteuerwerte.",
      "Type of the gas injectors; also sends their drive settings.",
      "Typ wtryskiwaczy gazu; wysyła też ich parametry sterowania.", "Ru",
      "Typ plynových vstřikovačů; odešle i jejich parametry buzení."}},
    {Row::HelpPressureSensor,
     {"Czujnik ciśnienia gazu i ciśnienia w kolektorze.", "Sensor für Gasdruck und Saugrohrdruck.",
      "Sensor of the gas pressure and the manifold pressure.",
      "Czujnik ciśnienia gazu i ciśnienia w kolektorze.", "Ru",
      "Snímač tlaku plynu a tlaku v sacím potrubí."}},
    {Row::HelpReducerTemp,
     {"Czujnik temperatury reduktora.", "Temperatursensor des Verdampfers.",
      "Temperature sensor of the reducer.", "Czujnik temperatury reduktora.", "Ru",
      "Snímač teploty reduktoru."}},
    {Row::HelpGasTemp,
     {"Czujnik temperatury gazu.", "Temperatursensor des Gases.", "Temperature sensor of the gas.",
      "Czujnik temperatury gazu.", "Ru", "Snímač teploty plynu."}},
    {Row::HelpWorkingPressure,
     {"Ciśnienie robocze gazu, według którego liczona jest adaptacja.",
      "Arbeitsdruck des Gases, auf den sich die Adaption bezieht.",
      "Working pressure of the gas that the adaptation is based on.",
      "Ciśnienie robocze gazu, według którego liczona jest adaptacja.", "Ru",
      "Pracovní tlak plynu, ze kterého vychází adaptace."}},
    {Row::HelpMinimumPressure,
     {"Najniższe ciśnienie gazu; poniżej sterownik przełącza na benzynę.",
      "Niedrigster Gasdruck; darunter schaltet das Steuergerät auf Benzin.",
      "Lowest gas pressure; below it the controller switches to petrol.",
      "Najniższe ciśnienie gazu; poniżej sterownik przełącza na benzynę.", "Ru",
      "Nejnižší tlak plynu; pod ním řídicí jednotka přepne na benzín."}},
    {Row::HelpSwitchOverTemperature,
     {"Temperatura, od której sterownik przełącza na gaz.",
      "Temperatur, ab der das Steuergerät auf Gas umschaltet.",
      "Temperature from which the controller switches to gas.",
      "Temperatura, od której sterownik przełącza na gaz.", "Ru",
      "Teplota, od které řídicí jednotka přepíná na plyn."}},
    {Row::HelpSwitchOverRpm,
     {"Obroty silnika, przy których sterownik przełącza na gaz.",
      "Motordrehzahl, bei der das Steuergerät auf Gas umschaltet.",
      "Engine speed at which the controller switches to gas.",
      "Obroty silnika, przy których sterownik przełącza na gaz.", "Ru",
      "Otáčky motoru, při kterých řídicí jednotka přepíná na plyn."}},
    {Row::HelpSwitchOverTime,
     {"Czas od spełnienia warunków do przełączenia na gaz.",
      "Zeit von erfüllten Bedingungen bis zum Umschalten auf Gas.",
      "Time from the conditions being met to the switch to gas.",
      "Czas od spełnienia warunków do przełączenia na gaz.", "Ru",
      "Doba od splnění podmínek do přepnutí na plyn."}},
    {Row::HelpCylinderSequence,
     {"Odstęp między przełączaniem kolejnych cylindrów.",
      "Abstand zwischen dem Umschalten der einzelnen Zylinder.",
      "Delay between switching one cylinder and the next.",
      "Odstęp między przełączaniem kolejnych cylindrów.", "Ru",
      "Prodleva mezi přepnutím jednotlivých válců."}},
    {Row::HelpPressureErrorTime,
     {"Jak długo ciśnienie może być za niskie, zanim sterownik przełączy na benzynę.",
      "Wie lange der Druck zu niedrig sein darf, bevor das Steuergerät auf Benzin umschaltet.",
      "How long the pressure may stay too low before the controller switches to petrol.",
      "Jak długo ciśnienie może być za niskie, zanim sterownik przełączy na benzynę.", "Ru",
      "Jak dlouho smí být tlak příliš nízký, než řídicí jednotka přepne na benzín."}},
    {Row::HelpMaxRpmOnGas,
     {"Powyżej tych obrotów sterownik wraca na benzynę.",
      "Oberhalb dieser Drehzahl schaltet das Steuergerät auf Benzin zurück.",
      "Above this engine speed the controller goes back to petrol.",
      "Powyżej tych obrotów sterownik wraca na benzynę.", "Ru",
      "Nad těmito otáčkami se řídicí jednotka vrací na benzín."}},
    {Row::HelpPetrolAtFirstDrop,
     {"Przełącz na benzynę już przy pierwszym spadku poniżej ciśnienia minimalnego.",
      "Schon beim ersten Unterschreiten des Mindestdrucks auf Benzin umschalten.",
      "Switch to petrol at the first drop below the minimum pressure.",
      "Przełącz na benzynę już przy pierwszym spadku poniżej ciśnienia minimalnego.", "Ru",
      "Přepnout na benzín již při prvním poklesu pod minimální tlak."}},
    {Row::HelpLevelThreshold,
     {"Napięcie czujnika poziomu, od którego świeci dioda tego poziomu.",
      "Spannung des Füllstandsgebers, ab der die LED dieser Stufe leuchtet.",
      "Tank sensor voltage from which this level's LED lights.",
      "Napięcie czujnika poziomu, od którego świeci dioda tego poziomu.", "Ru",
      "Napětí snímače hladiny, od kterého svítí LED této úrovně."}},
    {Row::HelpLevelSensor,
     {"Rodzaj czujnika poziomu gazu w zbiorniku.", "Art des Füllstandsgebers im Tank.",
      "Kind of the tank's level sensor.", "Rodzaj czujnika poziomu gazu w zbiorniku.", "Ru",
      "Druh snímače hladiny v nádrži."}},
    {Row::HelpActiveCylinder,
     {"Czy ten cylinder pracuje na gazie; kliknięcie go przełącza.",
      "Ob dieser Zylinder mit Gas läuft; ein Klick schaltet ihn um.",
      "Whether this cylinder runs on gas; a click switches it.",
      "Czy ten cylinder pracuje na gazie; kliknięcie go przełącza.", "Ru",
      "Zda tento válec jede na plyn; kliknutí jej přepne."}},
    {Row::HelpFuel,
     {"Rodzaj gazu: LPG lub CNG.", "Art des Gases: LPG oder CNG.", "Kind of gas: LPG or CNG.",
      "Rodzaj gazu: LPG lub CNG.", "Ru", "Druh plynu: LPG nebo CNG."}},
    {Row::HelpRange,
     {"Zakres: %1 – %2 %3", "Bereich: %1 – %2 %3", "Range: %1 – %2 %3", "Zakres: %1 – %2 %3", "Ru",
      "Rozsah: %1 – %2 %3"}},
};

// Compile-time checks of the shape of the data: one entry per row, each where its name puts
// it, with every column given.
static_assert(std::size(initialRows) == MessageTable::Rows,
              "the message table needs exactly one entry per row");

static constexpr bool rowsInOrder()
{
    for (std::size_t i = 0; i < std::size(initialRows); ++i) {
        if (msg::number(initialRows[i].row) != static_cast<int>(i)) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInOrder(), "the rows must be listed in the order of msg::Row");

static constexpr bool everyCellGiven()
{
    for (const RowTexts& row : initialRows) {
        for (const char* cell : row.columns) {
            if (cell == nullptr) {
                return false;
            }
        }
    }
    return true;
}
static_assert(everyCellGiven(), "every row needs a text for each of the six columns");

}  // namespace brivel::messagedata
