#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/AppState.h"

using mirato::AppState;
using mirato::Language;
using mirato::TextProbes;

namespace {

TEST(AppStateTest, ProbesAreLastFourFirstTwoLastTwo) {
    const std::tuple<QString, QString, QString, QString> cases[] = {
        {"", "", "", ""},
        {"a", "a", "a", "a"},
        {"abc", "abc", "ab", "bc"},
        {"/music/song.MP3", ".MP3", "/m", "P3"},
        {"TM128", "M128", "TM", "28"},
    };
    for (const auto& [text, last4, first2, last2] : cases) {
        const TextProbes probes = TextProbes::of(text);
        EXPECT_EQ(probes.last4, last4) << text.toStdString();
        EXPECT_EQ(probes.first2, first2) << text.toStdString();
        EXPECT_EQ(probes.last2, last2) << text.toStdString();
    }
}

TEST(AppStateTest, SignalsFireOnRealChangesOnly) {
    AppState state;
    QSignalSpy language(&state, &AppState::languageChanged);
    QSignalSpy previous(&state, &AppState::previousClassChanged);
    state.setLanguage(Language::English);
    state.setLanguage(Language::English);
    state.setPreviousClass("MP3", "vlc.desktop");
    state.setPreviousClass("MP3", "vlc.desktop");
    state.setPreviousClass("WAV", "");
    EXPECT_EQ(language.count(), 1);
    EXPECT_EQ(previous.count(), 2);
    EXPECT_EQ(state.previousClass("MP3"), "vlc.desktop");
}

}  // namespace
