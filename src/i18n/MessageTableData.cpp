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
    // ---- Added rows: the car library -----------------------------------------------------
    // The window and its menu item.
    {Row::CarsItem, {"Samochody", "Fahrzeuge", "Cars", "Samochody", "Ru", "Vozidla"}},
    {Row::CarPlate,
     {"Nr rejestracyjny", "Kennzeichen", "Plate", "Nr rejestracyjny", "Ru", "Registrační značka"}},
    {Row::CarVin, {"Numer VIN", "FIN", "VIN", "Numer VIN", "Ru", "Číslo VIN"}},
    {Row::CarMake, {"Marka", "Marke", "Make", "Marka", "Ru", "Značka"}},
    {Row::CarModel, {"Model", "Modell", "Model", "Model", "Ru", "Model vozu"}},
    {Row::CarEngine, {"Silnik", "Motor", "Engine", "Silnik", "Ru", "Motor"}},
    {Row::CarOwner, {"Właściciel", "Halter", "Owner", "Właściciel", "Ru", "Majitel"}},
    {Row::CarPhone, {"Telefon", "Telefonnummer", "Phone", "Telefon", "Ru", "Telefonní číslo"}},
    {Row::CarNotes, {"Uwagi", "Notizen", "Notes", "Uwagi", "Ru", "Poznámky"}},
    // Why a restore point was kept.
    {Row::PointByConnect,
     {"Połączenie", "Verbindung", "Connection", "Połączenie", "Ru", "Připojení"}},
    {Row::PointByFileLoad,
     {"Wczytanie pliku", "Datei geladen", "File loaded", "Wczytanie pliku", "Ru",
      "Načtení souboru"}},
    {Row::PointByFactoryReset,
     {"Ustawienia fabryczne", "Werkseinstellungen", "Factory settings", "Ustawienia fabryczne",
      "Ru", "Tovární nastavení"}},
    {Row::PointByAdaptation,
     {"Po adaptacji", "Nach der Kalibrierung", "After calibration", "Po adaptacji", "Ru",
      "Po kalibraci"}},
    {Row::PointByManual,
     {"Zapisany ręcznie", "Von Hand festgehalten", "Kept by hand", "Zapisany ręcznie", "Ru",
      "Uloženo ručně"}},
    {Row::PointByDisconnectKeep,
     {"Przed rozłączeniem", "Vor dem Trennen", "Before disconnecting", "Przed rozłączeniem", "Ru",
      "Před odpojením"}},
    {Row::PointByImportedFile,
     {"Zaimportowany plik", "Importierte Datei", "Imported file", "Zaimportowany plik", "Ru",
      "Importovaný soubor"}},
    // Timeline entries.
    {Row::FaultsKeptAtConnect,
     {"Błędy zarejestrowane przy połączeniu", "Gespeicherte Fehler beim Verbinden",
      "Stored faults at connection", "Błędy zarejestrowane przy połączeniu", "Ru",
      "Uložené chyby při připojení"}},
    {Row::FaultsKeptBeforeClear,
     {"Błędy zarejestrowane przed skasowaniem", "Gespeicherte Fehler vor dem Löschen",
      "Stored faults before clearing", "Błędy zarejestrowane przed skasowaniem", "Ru",
      "Uložené chyby před smazáním"}},
    {Row::AdaptationKept,
     {"Adaptacja: mnożnik %1", "Kalibrierung: Multiplikator %1", "Calibration: multiplier %1",
      "Adaptacja: mnożnik %1", "Ru", "Kalibrace: násobitel %1"}},
    {Row::AdaptationNotWritten,
     {"nie zapisano do sterownika", "nicht ins Steuergerät geschrieben",
      "not written into the controller", "nie zapisano do sterownika", "Ru",
      "nezapsáno do řídicí jednotky"}},
    {Row::RecordingKept,
     {"Nagranie jazdy (%1)", "Fahrtaufzeichnung (%1)", "Drive recording (%1)",
      "Nagranie jazdy (%1)", "Ru", "Záznam jízdy (%1)"}},
    // A point's summary of what changed since the point before.
    {Row::FirstPoint,
     {"pierwszy punkt", "erster Punkt", "first point", "pierwszy punkt", "Ru", "první bod"}},
    {Row::NoSettingChanged,
     {"ustawienia bez zmian", "Einstellungen unverändert", "settings unchanged",
      "ustawienia bez zmian", "Ru", "nastavení beze změny"}},
    // After the map's name: %1 of %2.
    {Row::MapPointsChanged,
     {"%1 z %2 punktów", "%1 von %2 Punkten", "%1 of %2 points", "%1 z %2 punktów", "Ru",
      "%1 z %2 bodů"}},
    {Row::MoreChanges,
     {"i %1 innych", "und %1 weitere", "and %1 more", "i %1 innych", "Ru", "a %1 dalších"}},
    // The bottom area's car line; %1 the car.
    {Row::CarLineLastVisit,
     {"%1 – zgodny z ostatnią wizytą", "%1 – wie beim letzten Besuch",
      "%1 – matches the last visit", "%1 – zgodny z ostatnią wizytą", "Ru",
      "%1 – shoduje se s poslední návštěvou"}},
    {Row::CarLineWaiting,
     {"Szukanie samochodu w bibliotece…", "Fahrzeug wird in der Bibliothek gesucht…",
      "Looking for the car in the library…", "Szukanie samochodu w bibliotece…", "Ru",
      "Hledání vozidla v knihovně…"}},
    {Row::CarLineUnknown,
     {"Nieznany samochód – wybierz lub dodaj", "Unbekanntes Fahrzeug – auswählen oder hinzufügen",
      "Unknown car – choose or add it", "Nieznany samochód – wybierz lub dodaj", "Ru",
      "Neznámé vozidlo – vyberte nebo přidejte"}},
    {Row::CarLineOlderVisit,
     {"Ustawienia jak przy wcześniejszej wizycie: %1 – wybierz lub dodaj samochód",
      "Einstellungen wie bei einem früheren Besuch: %1 – Fahrzeug auswählen oder hinzufügen",
      "Settings as at an earlier visit: %1 – choose or add the car",
      "Ustawienia jak przy wcześniejszej wizycie: %1 – wybierz lub dodaj samochód", "Ru",
      "Nastavení jako při dřívější návštěvě: %1 – vyberte nebo přidejte vozidlo"}},
    {Row::CarLineSeveralCars,
     {"Ustawienia jak przy ostatniej wizycie kilku samochodów: %1 – wybierz",
      "Einstellungen wie beim letzten Besuch mehrerer Fahrzeuge: %1 – auswählen",
      "Settings as at the last visit of several cars: %1 – choose one",
      "Ustawienia jak przy ostatniej wizycie kilku samochodów: %1 – wybierz", "Ru",
      "Nastavení jako při poslední návštěvě více vozidel: %1 – vyberte"}},
    {Row::CarLineNoLibrary,
     {"Biblioteka samochodów niedostępna – zapisy czekają",
      "Fahrzeugbibliothek nicht erreichbar – Einträge warten",
      "Car library unavailable – records are waiting",
      "Biblioteka samochodów niedostępna – zapisy czekają", "Ru",
      "Knihovna vozidel nedostupná – záznamy čekají"}},
    // The library's status line; %1 the package to install.
    {Row::LibraryDriverMissing,
     {"Biblioteka samochodów: brak sterownika bazy danych (zainstaluj %1)",
      "Fahrzeugbibliothek: Datenbanktreiber fehlt (%1 installieren)",
      "Car library: the database driver is missing (install %1)",
      "Biblioteka samochodów: brak sterownika bazy danych (zainstaluj %1)", "Ru",
      "Knihovna vozidel: chybí ovladač databáze (nainstalujte %1)"}},
    {Row::LibraryUnreachable,
     {"Biblioteka samochodów niedostępna (%1): %2", "Fahrzeugbibliothek nicht erreichbar (%1): %2",
      "Car library unreachable (%1): %2", "Biblioteka samochodów niedostępna (%1): %2", "Ru",
      "Knihovna vozidel nedostupná (%1): %2"}},
    {Row::LibraryCannotOpen,
     {"Nie można otworzyć biblioteki samochodów (%1): %2",
      "Fahrzeugbibliothek kann nicht geöffnet werden (%1): %2",
      "The car library cannot be opened (%1): %2",
      "Nie można otworzyć biblioteki samochodów (%1): %2", "Ru",
      "Knihovnu vozidel nelze otevřít (%1): %2"}},
    {Row::LibraryDamaged,
     {"Biblioteka samochodów jest uszkodzona (%1): %2",
      "Fahrzeugbibliothek ist beschädigt (%1): %2", "The car library is damaged (%1): %2",
      "Biblioteka samochodów jest uszkodzona (%1): %2", "Ru",
      "Knihovna vozidel je poškozená (%1): %2"}},
    {Row::LibraryLocked,
     {"Biblioteka samochodów jest zajęta przez inny program (%1)",
      "Fahrzeugbibliothek wird von einem anderen Programm belegt (%1)",
      "The car library is held by another program (%1)",
      "Biblioteka samochodów jest zajęta przez inny program (%1)", "Ru",
      "Knihovnu vozidel drží jiný program (%1)"}},
    {Row::LibraryNewer,
     {"Biblioteka samochodów (%1) pochodzi z nowszej wersji programu (schemat %2) – pozostawiona "
      "bez zmian",
      "Fahrzeugbibliothek (%1) stammt von einer neueren Programmversion (Schema %2) – unverändert "
      "gelassen",
      "The car library (%1) was made by a newer version of the program (schema %2) and is left "
      "unchanged",
      "Biblioteka samochodów (%1) pochodzi z nowszej wersji programu (schemat %2) – pozostawiona "
      "bez zmian",
      "Ru",
      "Knihovna vozidel (%1) pochází z novější verze programu (schéma %2) – ponechána beze změny"}},
    {Row::LibraryCannotWrite,
     {"Nie można zapisać do biblioteki samochodów (%1): %2",
      "In die Fahrzeugbibliothek kann nicht geschrieben werden (%1): %2",
      "The car library cannot be written (%1): %2",
      "Nie można zapisać do biblioteki samochodów (%1): %2", "Ru",
      "Do knihovny vozidel nelze zapisovat (%1): %2"}},
    {Row::LibraryWaiting,
     {"zapisy czekające na bibliotekę: %1", "auf die Bibliothek wartende Einträge: %1",
      "records waiting for the library: %1", "zapisy czekające na bibliotekę: %1", "Ru",
      "záznamy čekající na knihovnu: %1"}},
    {Row::LibraryUnsaved,
     {"tylko w pamięci: %1", "nur im Speicher: %1", "only in memory: %1", "tylko w pamięci: %1",
      "Ru", "jen v paměti: %1"}},
    // Asked by "Rozłącz".
    {Row::KeepChangesQuestion,
     {"Ustawienia zmieniono od ostatniego punktu. Zachować je w historii samochodu przed "
      "rozłączeniem?",
      "Die Einstellungen wurden seit dem letzten Punkt geändert. Vor dem Trennen in der "
      "Fahrzeughistorie festhalten?",
      "Settings were changed since the last point. Keep them in the car's history before "
      "disconnecting?",
      "Ustawienia zmieniono od ostatniego punktu. Zachować je w historii samochodu przed "
      "rozłączeniem?",
      "Ru",
      "Nastavení se od posledního bodu změnilo. Uložit je před odpojením do historie vozidla?"}},
    {Row::NoCarsYet,
     {"Biblioteka nie zawiera samochodów", "Die Bibliothek enthält keine Fahrzeuge",
      "The library holds no cars", "Biblioteka nie zawiera samochodów", "Ru",
      "Knihovna neobsahuje žádná vozidla"}},
    // The car library's windows.
    {Row::KeepPointItem,
     {"Zachowaj punkt teraz", "Jetzt Punkt festhalten", "Keep a point now", "Zachowaj punkt teraz",
      "Ru", "Uložit bod nyní"}},
    {Row::CarSearch, {"Szukaj:", "Suchen:", "Search:", "Szukaj:", "Ru", "Hledat:"}},
    {Row::CarAdd, {"Dodaj…", "Hinzufügen…", "Add…", "Dodaj…", "Ru", "Přidat…"}},
    {Row::CarEdit, {"Edytuj…", "Bearbeiten…", "Edit…", "Edytuj…", "Ru", "Upravit…"}},
    {Row::CarChoose,
     {"To ten samochód", "Dieses Fahrzeug ist es", "This is the car", "To ten samochód", "Ru",
      "Toto je vozidlo"}},
    {Row::CarHistory, {"Historia", "Verlauf", "History", "Historia", "Ru", "Historie"}},
    {Row::HistoryTitle,
     {"Historia: %1", "Verlauf: %1", "History: %1", "Historia: %1", "Ru", "Historie: %1"}},
    {Row::ColumnTime, {"Czas", "Zeit", "Time", "Czas", "Ru", "Čas"}},
    {Row::ColumnEvent, {"Zdarzenie", "Ereignis", "Event", "Zdarzenie", "Ru", "Událost"}},
    {Row::ColumnDetails,
     {"Szczegóły", "Einzelheiten", "Details", "Szczegóły", "Ru", "Podrobnosti"}},
    {Row::ComparePoints, {"Porównaj", "Vergleichen", "Compare", "Porównaj", "Ru", "Porovnat"}},
    {Row::ExportPoint,
     {"Eksportuj .kvs…", "Als .kvs exportieren…", "Export .kvs…", "Eksportuj .kvs…", "Ru",
      "Exportovat .kvs…"}},
    {Row::RestorePoint,
     {"Przywróć…", "Wiederherstellen…", "Restore…", "Przywróć…", "Ru", "Obnovit…"}},
    {Row::ImportFile,
     {"Importuj plik…", "Datei importieren…", "Import file…", "Importuj plik…", "Ru",
      "Importovat soubor…"}},
    {Row::OpenRecording,
     {"Otwórz nagranie", "Aufzeichnung öffnen", "Open recording", "Otwórz nagranie", "Ru",
      "Otevřít záznam"}},
    {Row::CompareTitle,
     {"Porównanie punktów", "Vergleich zweier Punkte", "Two points compared", "Porównanie punktów",
      "Ru", "Porovnání bodů"}},
    {Row::CloseWindow, {"Zamknij", "Schließen", "Close", "Zamknij", "Ru", "Zavřít"}},
    {Row::CarSave, {"Zapisz", "Speichern", "Save", "Zapisz", "Ru", "Uložit"}},
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
