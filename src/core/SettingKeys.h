#pragma once

#include <QLatin1String>
#include <optional>

#include "core/Language.h"
#include "core/Loudness.h"
#include "core/Opacity.h"
#include "core/Setting.h"

// The keys of the settings file's section "Option" that the program and its lyrics plug-in
// read or write, each with its type and the value it has when missing. Plug-ins read and write
// the same file, so the names and texts stay as they have always been spelt. (The file types'
// previous handlers are kept under their type's name, "MP3", by the file associations' own
// table.)
namespace mirato {

template <>
struct SettingNames<Language> {
    static constexpr std::pair<Language, const char*> kNames[] = {
        {Language::SimplifiedChinese, "1"},
        {Language::TraditionalChinese, "2"},
        {Language::English, "3"}};
};

template <>
struct SettingNames<Loudness> {
    static constexpr std::pair<Loudness, const char*> kNames[] = {
        {Loudness::Off, "Off"}, {Loudness::Track, "Track"}, {Loudness::Album, "Album"}};
};

namespace SettingKeys {

// The volume 0..100: a number, rounded and held to the range.
std::optional<int> volumeFromText(const QString& text);

// A fresh start speaks Simplified Chinese.
inline constexpr Setting<Language> kLanguage{QLatin1String("Language"),
                                             Language::SimplifiedChinese};
// The colour theme's name.
inline const Setting<QString> kSkin{QLatin1String("Skin"), QStringLiteral("Blue")};
// The windows' opacity, as typed: an alpha 0..255.
inline constexpr Setting<int> kOpacity{QLatin1String("TM"), Opacity::kDefaultAlpha,
                                       &Opacity::fromText};
// The windows stay above the others.
inline constexpr Setting<bool> kTopMost{QLatin1String("bTopMost"), false};
// Any text: the first start's hint was shown.
inline const Setting<QString> kFirstRunDone{QLatin1String("OneRun"), QString()};
// The program's folder, for plug-ins.
inline const Setting<QString> kProgramPath{QLatin1String("MiratoPath"), QString()};
// The location playing without its last four characters; "End" when it ended, "Close" when
// the player or the program closed.
inline const Setting<QString> kMusicPath{QLatin1String("MusicPath"), QString()};
// The lyric line sung now, published for plug-ins.
inline const Setting<QString> kLyricLine{QLatin1String("LRC"), QString()};
// The song the lyrics-search plug-in is asked about.
inline const Setting<QString> kLyricsSearchTitle{QLatin1String("MP3Title"), QString()};
inline constexpr Setting<int> kVolume{QLatin1String("PlayerVolume"), 50, &volumeFromText};
// Repeat the list; also the menu item's name.
inline constexpr Setting<bool> kRepeat{QLatin1String("RPlay"), false};
// Play the list in random order; also the menu item's name.
inline constexpr Setting<bool> kShuffle{QLatin1String("RndPlay"), false};
// Pause playback after long idleness; also the menu item's name.
inline constexpr Setting<bool> kPowerSaving{QLatin1String("electricity"), false};
// Look for the lyrics of songs that have none (sends their tags out: off until ticked).
inline constexpr Setting<bool> kAutoLyrics{QLatin1String("AutoLyrics"), false};
// The desktop's other search programs are asked about the lines typed.
inline constexpr Setting<bool> kDesktopAnswers{QLatin1String("DesktopAnswers"), true};
// Any text: the desktop was found unable to give Alt+R, and the user was told once.
inline const Setting<QString> kToggleKeyHint{QLatin1String("ToggleKeyHint"), QString()};
// Which ReplayGain tags set a song's level.
inline constexpr Setting<Loudness> kLoudness{QLatin1String("ReplayGain"), Loudness::Track};

// The prefixes of the windows' positions, "<prefix>.top" and "<prefix>.left".
inline constexpr QLatin1String kCommandBoxPosition{"wl"};
inline constexpr QLatin1String kPlayerPosition{"player"};
inline constexpr QLatin1String kLyricsPosition{"LrcShow"};

}  // namespace SettingKeys

}  // namespace mirato
