#pragma once

#include <QHash>
#include <QString>

namespace mirato {

// An INI file read and written the way the classic private-profile calls do it:
// - section and key names match case-insensitively, the first match wins;
// - a missing file, section or key reads as "";
// - a read delivers at most 127 bytes of UTF-8 (never half a character) with blanks trimmed;
// - a write stores at most 128 characters and keeps every other line, comment and order;
// - the file (and its folder) is created by the first write.
// Nothing is cached here: every read parses the file, every write replaces it atomically through
// a temporary file in the same folder, so another process never sees half a file.
class ProfileFile {
public:
    static constexpr int kWriteLimit = 128;      // characters kept by a write
    static constexpr int kReadLimitBytes = 127;  // bytes delivered by a read

    explicit ProfileFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    QString read(const QString& section, const QString& key) const;
    // Every key of a section as read() would give it, by its case-folded name.
    QHash<QString, QString> readSection(const QString& section) const;
    // Returns false, leaving the file as it was, when the file cannot be written.
    // Durable: the new file is on the disk before it replaces the old one. Passing (a value that
    // only matters while the program runs, such as the current lyric) skips that wait; the
    // replacement is atomic all the same.
    enum class Durability { Durable, Passing };
    bool write(const QString& section, const QString& key, const QString& value,
               Durability durability = Durability::Durable) const;

    // The cuts applied on the way in and out, exposed for the few callers that must predict them.
    static QString cutForWrite(const QString& value);
    static QString cutForRead(const QString& stored);

private:
    bool replaceWithoutSync(const QByteArray& bytes) const;
    QString path_;
};

}  // namespace mirato
