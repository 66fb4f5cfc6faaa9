#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <optional>

namespace mirato::test {

// A scratch folder plus environment variables that are put back when the object goes away.
// By default it points the settings file ($windir/Mirato.dat) into the scratch folder.
class TempEnvironment {
public:
    TempEnvironment();
    ~TempEnvironment();
    TempEnvironment(const TempEnvironment&) = delete;
    TempEnvironment& operator=(const TempEnvironment&) = delete;

    QString path(const QString& relative = {}) const;
    void set(const char* name, const QString& value);
    void unset(const char* name);

    // Writes a file (creating its folder) and returns its full path.
    QString writeFile(const QString& relative, const QByteArray& contents) const;
    QByteArray readFile(const QString& relative) const;

private:
    void remember(const char* name);

    QTemporaryDir dir_;
    QList<QPair<QByteArray, std::optional<QByteArray>>> saved_;
};

}  // namespace mirato::test
