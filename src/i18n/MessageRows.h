#pragma once

// The rows of the message table, by name. Code names a message by its row
// here, never by its number; the number is the row's place in the table and
// only matters to the table itself (MessageTableData.cpp lists the texts in
// this order and checks it).
//
// The classic table has 124 rows: the run-time messages (fault texts,
// prompts, the adaptation and time-out messages) and then the captions,
// items, hints and chart titles of the window and the help text. The rows
// added later follow them, so that no classic row changes its number.
// Every row follows the chosen language alike (MessageTable::text).
namespace brivel::msg {

enum class Row : int {
    // ---- Run-time messages: fault lines (current and stored faults) ------
    VoltageFault,                // " - Błąd napięcia"
    GasPressureHigh,             // " - Cisnienie gazu za wysokie"
    GasPressureLow,              // " - Cisnienie gazu za niskie"
    IgnitionVoltageLow,          // " - Napięcie stacyjki za niskie"
    PetrolInjectionSignalFault,  // " - Brak wtrysku benzyny"
    PetrolSystemFault,           // " - Błędna praca układu benzynowego"
    InjectorFault,               // " - Błąd wtryskiwacza : ", the injectors follow
    SettingsFault,               // " - Złe ustawienia"
    SupplyVoltageFault,          // " - Błąd zasilania"
    GasInjectionTooLong,         // " - Za długi czas wtrysku gazu"

    // ---- Run-time messages: factory reset, link, adaptation --------------
    ResetQuestion,  // the factory reset's confirmation
    ReplyTimeout,   // the controller did not answer
    ChoosePort,     // "Prosze wybrać port COM": nothing shows it
    StartEngine,
    ManifoldPressureQuestion,  // an implausible manifold pressure: go on?
    GasPressureQuestion,       // an implausible gas pressure: go on?
    ReducerTooCold,
    AdaptationInProgress,
    AdaptationMultiplier,  // the multiplier follows
    AdaptationCompleted,
    AdaptationCancelled,

    // ---- Captions: top panel, left column, "Panel Petrol" page -----------
    Battery,
    Voltage,
    // Skala_PB_time1's name, set again from Cylinder1 right after.
    Cylinder1Early,
    GasTime,  // nothing shows it
    ActiveGasInjectors,
    LambdaSensors,  // nothing shows it
    Switch,         // nothing shows it
    Temperature,
    ReducerTemperature,  // "Red", the reducer's read-out
    GasTemperature,      // "Gaz", the gas read-out
    PortCom,             // nothing shows it
    Disconnected,        // the connect switch when off
    PanelPetrolTab,
    CylindersGroup,  // empty but in Czech
    Impulse,
    RpmSignal,
    EngineType,
    InjectorType,
    LambdaSensor,
    PositiveInjectors,
    // The cylinder-count selector's items.
    Cylinders3,
    Cylinders4,
    Cylinders5,
    Cylinders6,
    Cylinders8,
    StandardInjection,
    // The engine-speed signal selector's items: a coil, or the injector of
    // an engine of so many cylinders.
    SingleCoil,
    DoubleCoil,
    ImpulseCylinders3,
    ImpulseCylinders4,
    ImpulseCylinders5,
    ImpulseCylinders6,
    ImpulseCylinders8,
    // The lambda probe's kind.
    LambdaVoltage,
    LambdaCurrent,

    // ---- Captions: "Panel Gaz" and adaptation pages -----------------------
    PanelGasTab,
    GasInjector,
    FuelType,
    Sensors,
    PressureSensor,  // "P1 MAP / P Gaz"
    ReducerTempSensor,
    GasTempSensor,
    AdaptationPressures,
    WorkingPressure,
    AdaptationTab,
    AdaptationStart,

    // ---- Captions: "Mapa" page and its chart ------------------------------
    MapTab,
    MapAxisTitle,
    MapHint,  // Polish in the initial texts only; empty but in Czech
    MultiplierSeries,
    AreaFromSeries,
    AreaToSeries,
    IndicatorSeries,
    GasDiagramSeries,
    PetrolDiagramSeries,
    GasPointsSeries,
    PetrolPointsSeries,
    Gas,     // the "Gaz" button; the gas captions elsewhere derive from it
    Petrol,  // the "Petrol" button; the petrol captions elsewhere derive from it

    // ---- Captions: faults, oscilloscope, diagnostics ----------------------
    CurrentFaults,
    StoredFaults,
    OscilloscopeTab,
    InjectionTimes,     // the oscilloscope's injection-time mode
    Temperatures,       // the oscilloscope's temperature mode
    DiagnosticTab,      // nothing shows it
    DiagnosticGasTime,  // nothing shows it
    // The petrol injection-time read-outs of cylinders 1-8.
    Cylinder1,
    Cylinder2,
    Cylinder3,
    Cylinder4,
    Cylinder5,
    Cylinder6,
    Cylinder7,
    Cylinder8,
    DiagnosticPetrolTime,  // nothing shows it

    // ---- Captions: switch-over and level-gauge page -----------------------
    SwitchTab,
    SwitchToPetrolGroup,
    PetrolAtFirstDrop,
    PressureErrorTime,
    SwitchToGasGroup,
    SwitchOverTemperature,
    SwitchOverTime,
    CylinderSequence,
    LevelGaugeGroup,
    LevelReadout,
    LevelSensorType,

    // ---- Captions: OBD (nothing shows them), menus, top-panel groups ------
    ObdParameters,
    ObdPort,
    ObdCondition,
    ObdType,
    ObdInterfacePort,
    FileMenu,
    ReadItem,
    SaveItem,
    PortMenu,
    ConnectItem,
    DisconnectItem,
    LanguageMenu,
    CylinderCount,
    PetrolGasInjection,  // nothing shows it
    InjectionTime,
    Pressure,

    // ---- The text of the "Help" page --------------------------------------
    Help,

    // ---- Added rows: the review of a settings file ------------------------
    ReviewTitle,
    ReviewIntro,
    ColumnSetting,
    ColumnController,
    ColumnFile,
    ReviewWarning,
    Send,
    Cancel,
    NothingDiffers,
    MapPointsDiffer,  // %1 of %2
    OtherData,
    BytesDiffer,  // %1
    Yes,
    No,
    LevelThreshold,  // %1: 1-4
    SwitchOverRpm,
    MaxRpmOnGas,
    MinimumPressure,
    // The map's undo and redo.
    MapUndo,
    MapRedo,
    // Advice on a port held by another program.
    ModemManagerAdvice,
    BrlttyAdvice,
    // The `kvs` tool.
    SettingsHeading,
    NoFaultMemory,  // %1: the last image offset the file holds
    NoneOf,         // an empty list: no faults, no cylinders
    Firmware,
    // Drive recording and replay.
    RecordItem,  // "Plik → Nagrywaj"
    ReplayItem,  // "Porty → Odtwórz…"
    ReplayRefused,
    RecordingCannotWrite,  // the folder or the file follows on the next line
    NotARecording,         // the file follows
    ReplayPlayHint,
    ReplaySliderHint,
    RecordingsFilter,  // the kind of file the replay's open dialog lists
    // The port itself failed: %1 the port, %2 the system's reason.
    PortGone,   // it went away under the link
    PortError,  // the system refused it a read or its use
    // kvs diff: %1 the entry ranges, %2 the largest change, %3 its entry.
    MapEntriesChanged,
    // Service report and drive-log plot.
    ReportItem,    // "Plik → Raport…"
    WorkshopItem,  // "Plik → Warsztat…": the workshop's details
    ReportTitle,
    ReportDate,
    ReportFitter,  // the fitter's name
    ReportPlate,
    ReportVin,
    ReportMakeModel,
    ReportOwner,
    ReportController,  // the controller's firmware version follows
    ReportSettings,
    ReportColumnValue,
    ReportColumnUnit,
    ReportAdaptation,
    ReportNotes,
    ReportFitterSignature,
    ReportCustomerSignature,
    ReportPage,         // %1 this page, %2 the pages
    ReportNotesPrompt,  // the notes dialog
    ReportFilter,       // the kind of file the report's save dialog lists
    ReportCannotWrite,  // the file follows on the next line
    WorkshopName,
    WorkshopAddress,
    WorkshopPhone,
    DriveLogItem,  // "Plik → Wykres przejazdu": shows or hides the plot
    DriveLogWholeDrive,
    DriveLogExport,
    DriveLogImageFilter,  // the kind of file the plot's export dialog lists
    DriveLogHint,
    ChannelRpm,  // the plot's channels
    ChannelMap,
    ChannelGasPressure,
    ChannelPetrolTime,
    ChannelGasTime,
    ChannelLambda1,
    ChannelLambda2,
    ChannelGasTemp,
    ChannelReducerTemp,
    ChannelBattery,
    ChannelFuel,    // gas 1, petrol 0
    ChannelFaults,  // the marks of the faults on the time axis
    // ---- Added rows: refusals and failures that say why -------------------
    // A map step refused as a whole: %1 the entry, %2 the limit it would pass.
    MapStepRefused,
    // The adaptation's result refused: %1 the base entry, %2 and %3 the
    // entries the map has a shape for, %4 the average petrol time in ms.
    AdaptationBaseOutside,
    // %1 the entry of the new map, %2 its multiplier, %3 and %4 the limits.
    AdaptationValueOutside,
    // A connect that failed: %1 the port, %2 the attempts made.
    ConnectUnreadable,
    // %1 the controller's version, %2 the one the program works with.
    ConnectWrongVersion,
    // While connecting: %1 the port, %2 the attempt, %3 the attempts there are.
    ConnectAttempt,
    ConnectCancel,
    // A recording has ended: %1 the file.
    RecordingSaved,
    // The car library: the "Samochody" window and a car's details.
    CarsItem,
    CarPlate,
    CarVin,
    CarMake,
    CarModel,
    CarEngine,
    CarOwner,
    CarPhone,
    CarNotes,
    // Why a restore point was kept.
    PointByConnect,
    PointByFileLoad,
    PointByFactoryReset,
    PointByAdaptation,
    PointByManual,
    PointByDisconnectKeep,
    PointByImportedFile,
    // Timeline entries.
    FaultsKeptAtConnect,
    FaultsKeptBeforeClear,
    AdaptationKept,  // %1: the multiplier
    AdaptationNotWritten,
    RecordingKept,  // %1: its length
    // A point's summary of what changed since the point before.
    FirstPoint,
    NoSettingChanged,
    MapPointsChanged,  // %1 of %2
    MoreChanges,       // %1: how many more
    // The car line in the bottom area.
    CarLineLastVisit,
    CarLineWaiting,
    CarLineUnknown,
    CarLineOlderVisit,   // %1: the cars
    CarLineSeveralCars,  // %1: the cars
    CarLineNoLibrary,
    // The library's own state.
    LibraryDriverMissing,
    LibraryUnreachable,  // %1 the file or server, %2 the reason
    LibraryCannotOpen,
    LibraryDamaged,
    LibraryLocked,       // %1 the file
    LibraryNewer,        // %1 the file or server, %2 its schema version
    LibraryCannotWrite,  // %1 the file or server, %2 the reason
    LibraryWaiting,      // %1: how many
    LibraryUnsaved,      // %1: how many
    KeepChangesQuestion,
    NoCarsYet,
    // The car library's windows.
    KeepPointItem,
    CarSearch,
    CarAdd,
    CarEdit,
    CarChoose,
    CarHistory,
    HistoryTitle,
    ColumnTime,
    ColumnEvent,
    ColumnDetails,
    ComparePoints,
    ExportPoint,
    RestorePoint,
    ImportFile,
    OpenRecording,
    CompareTitle,
    CloseWindow,
    CarSave,
    // The "Porty" menu: a device path typed by the fitter.
    OtherPortItem,
    OtherPortPrompt,
    // The tool tips of the controls that send a setting: what each field
    // means, and its range (%1 to %2, %3 the unit).
    HelpCylinderCount,
    HelpPulseSource,
    HelpRpmSignal,
    HelpEngineType,
    HelpPositiveInjectors,
    HelpGasInjector,
    HelpPressureSensor,
    HelpReducerTemp,
    HelpGasTemp,
    HelpWorkingPressure,
    HelpMinimumPressure,
    HelpSwitchOverTemperature,
    HelpSwitchOverRpm,
    HelpSwitchOverTime,
    HelpCylinderSequence,
    HelpPressureErrorTime,
    HelpMaxRpmOnGas,
    HelpPetrolAtFirstDrop,
    HelpLevelThreshold,
    HelpLevelSensor,
    HelpActiveCylinder,
    HelpFuel,
    HelpRange,
};

// The row's place in the table.
constexpr int number(Row row)
{
    return static_cast<int>(row);
}

// The first row added after the classic table.
inline constexpr Row FirstAdded = Row::ReviewTitle;
inline constexpr int RowCount = number(Row::HelpRange) + 1;

static_assert(number(Row::ReplyTimeout) == 11 && number(Row::Battery) == 21 &&
                  number(Row::MapTab) == 67 && number(Row::Help) == 123 &&
                  number(FirstAdded) == 124,
              "the classic rows keep their numbers");

}  // namespace brivel::msg
