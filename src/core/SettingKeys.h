#pragma once

#include <QLatin1String>

// The keys of the settings file's section "Option" that the program itself reads or writes.
// Plug-ins read and write the same file, so the names stay as they have always been spelt.
// (The file types' previous handlers are kept under their type's name, "MP3", by the file
// associations' own table.)
namespace mirato::SettingKeys {

// "1" Simplified Chinese, "2" Traditional Chinese, "3" English.
inline constexpr QLatin1String kLanguage{"Language"};
// The colour theme's name, "Blue" when missing.
inline constexpr QLatin1String kSkin{"Skin"};
// The windows' opacity, as typed: a number of percent.
inline constexpr QLatin1String kOpacity{"TM"};
// "True": the windows stay above the others.
inline constexpr QLatin1String kTopMost{"bTopMost"};
// Any text: the first start's hint was shown.
inline constexpr QLatin1String kFirstRunDone{"OneRun"};
// The program's folder, for plug-ins.
inline constexpr QLatin1String kProgramPath{"MiratoPath"};
// The location playing without its last four characters; "End" when it ended, "Close" when
// the player or the program closed.
inline constexpr QLatin1String kMusicPath{"MusicPath"};
// The lyric line sung now, published for plug-ins.
inline constexpr QLatin1String kLyricLine{"LRC"};
// The song the lyrics-search plug-in is asked about.
inline constexpr QLatin1String kLyricsSearchTitle{"MP3Title"};
// 0..100.
inline constexpr QLatin1String kVolume{"PlayerVolume"};
// "True": repeat the list; also the menu item's name.
inline constexpr QLatin1String kRepeat{"RPlay"};
// "True": play the list in random order; also the menu item's name.
inline constexpr QLatin1String kShuffle{"RndPlay"};
// "True": pause playback after long idleness; also the menu item's name.
inline constexpr QLatin1String kPowerSaving{"electricity"};
// "True": look for the lyrics of songs that have none.
inline constexpr QLatin1String kAutoLyrics{"AutoLyrics"};
// "False": the desktop's other search programs are not asked about the lines typed.
inline constexpr QLatin1String kDesktopAnswers{"DesktopAnswers"};
// Any text: the desktop was found unable to give Alt+R, and the user was told once.
inline constexpr QLatin1String kToggleKeyHint{"ToggleKeyHint"};
// "Off", "Track" or "Album": which ReplayGain tags set a song's level.
inline constexpr QLatin1String kLoudness{"ReplayGain"};

// The prefixes of the windows' positions, "<prefix>.top" and "<prefix>.left".
inline constexpr QLatin1String kCommandBoxPosition{"wl"};
inline constexpr QLatin1String kPlayerPosition{"player"};
inline constexpr QLatin1String kLyricsPosition{"LrcShow"};

}  // namespace mirato::SettingKeys
