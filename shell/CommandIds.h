#pragma once

// Command identifiers: the menu items' numbers, shared by the toolbar buttons and check boxes
// that stand for them.
namespace jorv::cmd {

constexpr int About = 104;
constexpr int Exit = 105;
constexpr int TrackList = 200;
constexpr int VolumeBar = 201;
constexpr int PanBar = 202;
constexpr int ZoomBar = 203;
constexpr int PositionBar = 204;
// Sent by the Track Properties dialog when it closes with OK.
constexpr int TrackPropertiesClosed = 205;
// Posted at start-up when the command line names a project file.
constexpr int OpenStartupProject = 206;
// Sent when a file is dropped on the window (AppContext::drop names it).
constexpr int DropFile = 207;

constexpr int New = 32771;
constexpr int Open = 32772;
constexpr int Save = 32773;
constexpr int Cut = 32774;
constexpr int Copy = 32775;
constexpr int Paste = 32776;
constexpr int ProjectProperties = 32777;
constexpr int Undo = 32779;
constexpr int PasteMerge = 32780;
constexpr int CopyFrom = 32781;
constexpr int SelectAll = 32788;
constexpr int Play = 32789;
constexpr int Record = 32790;
constexpr int Stop = 32791;
constexpr int MergeRecord = 32793;
constexpr int ActivateDrums = 32794;
constexpr int AddTrack = 32795;
constexpr int TrackProperties = 32796;
constexpr int DeleteTrack = 32797;
constexpr int CloneThisTrack = 32799;
constexpr int CloneAllMerged = 32800;
constexpr int FxList = 32842;
constexpr int Master = 32843;
constexpr int RipMci = 32844;
constexpr int Sk1Mode = 32845;
constexpr int DrumMachine = 32846;
constexpr int AudioMixer = 32847;
constexpr int MidiSequencer = 32848;
constexpr int Options = 32849;
constexpr int HelpIndex = 32850;
constexpr int Mute = 32852;
constexpr int PasteRing = 32853;
constexpr int PasteNegate = 32854;
constexpr int TtsMode = 32855;
constexpr int SaveWave = 32858;
constexpr int AlignToBeat = 32861;
constexpr int Redo = 32862;
constexpr int ImportAudio = 32863;
constexpr int SaveAs = 32864;
// File > 1 .. 8, the recent projects: RecentProject + 0 (the latest) .. RecentProject + 7.
constexpr int RecentProject = 32865;
constexpr int SelectRange = 32873;

// The keys of the waveform view, which no menu shows: Home, End, Left and Right move the cursor
// (an empty selection), with Shift they move the selection's end (Shift+Home its start), and
// + and - step the Zoom bar.
constexpr int CursorToStart = 32890;
constexpr int CursorToEnd = 32891;
constexpr int CursorLeft = 32892;
constexpr int CursorRight = 32893;
constexpr int SelectToStart = 32894;
constexpr int SelectToEnd = 32895;
constexpr int SelectLeft = 32896;
constexpr int SelectRight = 32897;
constexpr int ZoomIn = 32898;
constexpr int ZoomOut = 32899;

}  // namespace jorv::cmd
