#pragma once

// The window's commands by the ids they have always had; each QAction carries
// its id as its object name ("cmd32774") and its prompt is the string with
// the same id.
namespace CommandIds {
enum : int
{
    FileNew = 57600,
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    RecentFile = 57616,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    About = 57664,
    Exit = 57665,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    ViewDetails = 59411,
    ToggleAboutLine = 32771,
    EditDelete = 32773,
    Download = 32774,
    Last = 32775,
    Feet = 32776,
    Meters = 32777,
    LossWizard = 32778,
    ManualLintel = 32779,
    ManualLintelOrl = 32780,
    ManualPendra = 32781,
    ManualCorvina = 32782,
    Next = 32783,
    Next10 = 32784,
    PassFail = 32788,
    CableMargin = 32789,
    OpticalLoss = 32790,
    Previous = 32791,
    Previous10 = 32792,
    StandardWizard = 32794,
    First = 32795,
    ViewDetailsToggle = 32796,
    ViewSummaryToggle = 32797,
    ViewSummary = 32798,
    ImportLogo = 40526,
    ManualInvalidMargin = 40543,
    // Newer commands take their id from the string table's range of their
    // area, so that their prompt is still the string with the same id.
    GoToRecord = 45468,
    EditRedo = 45553,
    SerialPort = 45577,
    UserGuide = 45640,
    TeamServerSettings = 45651,
    PublishToTeamServer = 45653,
    OpenFromTeamServer = 45655,
};
} // namespace CommandIds
