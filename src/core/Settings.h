#pragma once

#include <QString>
#include <optional>

#include "core/ProfileFile.h"

namespace mirato {

// A window position in twips, as stored under "<prefix>.top" and "<prefix>.left".
struct TwipsPosition {
    std::optional<double> top;
    std::optional<double> left;
};

// The program's options: section "Option" of the settings file. The path is worked out again at
// every call, so a changed environment (tests) takes effect at once.
class Settings {
public:
    static constexpr int kTwipsPerPixel = 15;

    // "$windir/Mirato.dat" when windir is set, else "$XDG_CONFIG_HOME/mirato/Mirato.dat"
    // (XDG_CONFIG_HOME defaults to ~/.config).
    static QString filePath();

    static QString read(const QString& key);
    static bool write(const QString& key, const QString& value);

    // Only the exact text "True" is true.
    static bool readBool(const QString& key);
    static bool writeBool(const QString& key, bool value);

    // Writes prefix.top, then prefix.left.
    static bool savePosition(const QString& prefix, double topTwips, double leftTwips);
    // Reads prefix.top, then prefix.left; a missing or non-numeric value stays empty.
    static TwipsPosition readPosition(const QString& prefix);

    // While a hold lasts, writes wait in memory (reads see them) and reach the file in order
    // when the last hold ends: the settings a first start stores then cost its first picture
    // nothing. Holds nest; a write that fails when it finally happens is logged.
    class Hold {
    public:
        Hold();
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
    };

    static int twipsToPixels(double twips);
    static double pixelsToTwips(int pixels);

private:
    static ProfileFile file() { return ProfileFile(filePath()); }
};

}  // namespace mirato
