#pragma once

namespace mirato {

// The texts the program shows. Codes 0-65 are the string table's: together with the language
// number ("1", "2", "3") a code names one resource id, language 3 with code 22 is text 322. The
// program's own texts beyond the table follow, where something failed that the user should
// know about, and the newer menu items and answers.
enum class MessageCode : int {
    OkButton = 0,
    OpenCommandBox = 1,
    OpenMusicPlayer = 2,
    PlayMode = 3,
    RepeatPlay = 4,
    RandomPlay = 5,
    Skins = 6,
    ThemeBlue = 7,
    ThemeRosePink = 8,
    ThemeGreen = 9,
    ThemeLightGreen = 10,
    ThemePurple = 11,
    Settings = 12,
    AutoRun = 13,
    WindowTopmost = 14,
    AssociateMp3 = 15,
    HelpCenter = 16,
    HelpText = 17,
    SupportUs = 18,
    Website = 19,
    About = 20,
    CopiedToClipboard = 21,
    FirstStartHint = 22,
    ModeMusic = 23,
    ModeRun = 24,
    ModeRunCmd = 25,
    ModeBaidu = 26,
    ModeGoogle = 27,
    PlaylistAddedBefore = 28,
    PlaylistAddedAfter = 29,
    PlaylistAddFailed = 30,
    PlaylistDeleteFailed = 31,
    PlaylistDeleted = 32,
    LyricsLoaded = 33,
    AlreadyRunning = 34,
    LyricsPluginMissing = 35,
    LyricsSearchOnlyWhilePlaying = 36,
    AutostartOff = 37,
    AutostartOn = 38,
    AutostartFailed1 = 39,
    AutostartFailed2 = 40,
    AutostartFailed3 = 41,
    LanguageSimplified = 42,
    NoLyrics = 43,
    LanguageTraditional = 44,
    Exit = 45,
    LyricsOnlyWhilePlaying = 46,
    Plugins = 47,
    OnlineMusic = 48,
    RunCmd = 49,
    RunCommand = 50,
    GoogleSearch = 51,
    BaiduSearch = 52,
    Open = 53,
    OpenUrl = 54,
    SaveAs = 55,
    SavePlaylist = 56,
    SaveAsPlaylist = 57,
    OpenLyrics = 58,
    NewPlaylistPrompt = 59,
    NewPlaylistTitle = 60,
    OpenUrlTitle = 61,
    OpenUrlPrompt = 62,
    DownloadPlugins = 63,
    PowerSaving = 64,
    LyricsWindowTitle = 65,

    CopyFailed = 66,     // %1 source, %2 target
    PlaylistNotWritten,  // %1 the list file
    EngineMissing,       // %1 what failed to load
    NoAudioDevice,
    ToggleKeyDescription,  // what Alt+R does, as the desktop lists it
    ToggleKeyUnavailable,  // how to bind mirato --toggle instead
    ChangeToggleKey,       // menu item: the desktop's dialog for the key
    NoIdleTime,            // why power saving cannot be switched on
    ClearHistory,          // menu item: forget the lines typed before
    FindLyricsOnline,      // menu item: look for the lyrics of songs that have none
    LyricsEarlier,         // menu item: the lyrics 0.1 s earlier
    LyricsLater,           // menu item: the lyrics 0.1 s later
    LyricsOffset,          // %1 the offset, "+0.3 s"
    Loudness,              // submenu: which ReplayGain tags set the level
    LoudnessOff,
    LoudnessTrack,
    LoudnessAlbum,
    ChooseDefaultApps,  // the system keeps the choice of default programs to the user
    // What Enter does with a typed line, as the box offers it (%1 the line or a name).
    RowPlay,
    RowPlayList,
    RowOpenInBrowser,
    RowOpen,
    RowStart,
    RowStartPlugin,
    RowRun,
    RowRunInTerminal,
    RowSearchWeb,
    RowOpacity,
    RowSavePlaylist,
    RowDeletePlaylist,
    RowLookUpNumber,
    RowLookUpAddress,
    RowNoAnswer,
    RowSwitchTo,     // %1 an application that has a window open
    DesktopAnswers,  // menu item: rows from the desktop's other search programs
    RowRegister,     // the last: the table checks its size against it
};

}  // namespace mirato
