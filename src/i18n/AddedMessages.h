#pragma once

// Rows appended to the message table after its first 124, for the review of
// a settings file, the map's undo and redo, the `kvs` tool, the advice on
// a port held by another program, drive recording and replay, a port that
// fails under the link, and the car library. They follow the first 124 so that
// no earlier row changes its number. Their working column holds the Polish text; they are read in
// the chosen language when shown (captionTargets() routes the two button captions like any other).
namespace brivel::msg {

enum AddedRow : int {
    FirstAdded = 124,
    ReviewTitle = FirstAdded,
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
    MapUndo,
    MapRedo,
    ModemManagerAdvice,
    BrlttyAdvice,
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
    // The car library.
    CarsItem,
    CarPlate,
    CarVin,
    CarMake,
    CarModel,
    CarEngine,
    CarOwner,
    CarPhone,
    CarNotes,
    PointByConnect,
    PointByFileLoad,
    PointByFactoryReset,
    PointByAdaptation,
    PointByManual,
    PointByDisconnectKeep,
    PointByImportedFile,
    FaultsKeptAtConnect,
    FaultsKeptBeforeClear,
    AdaptationKept,  // %1: the multiplier
    AdaptationNotWritten,
    RecordingKept,  // %1: its length
    FirstPoint,
    NoSettingChanged,
    MapPointsChanged,
    MoreChanges,  // %1: how many more
    CarLineLastVisit,
    CarLineWaiting,
    CarLineUnknown,
    CarLineOlderVisit,   // %1: the cars
    CarLineSeveralCars,  // %1: the cars
    CarLineNoLibrary,
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
    EndOfAdded,
};

}  // namespace brivel::msg
