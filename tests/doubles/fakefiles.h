#pragma once

#include "platform/fileexistence.h"
#include "platform/textfiles.h"

#include <QHash>
#include <QSet>

namespace qc::test {

// Text files held in memory. A path can be made to exist but fail to read, as a file that
// vanishes or cannot be opened does.
class FakeFiles : public TextFiles, public FileExistence {
public:
    void put(const QString& path, QStringList lines)
    {
        files_.insert(path, std::move(lines));
        unreadable_.remove(path);
    }
    void putUnreadable(const QString& path)
    {
        files_.remove(path);
        unreadable_.insert(path);
    }
    void remove(const QString& path)
    {
        files_.remove(path);
        unreadable_.remove(path);
    }
    void failWrites(bool fail) { failWrites_ = fail; }
    QStringList contents(const QString& path) const { return files_.value(path); }

    bool fileExists(const QString& path) const override
    {
        return files_.contains(path) || unreadable_.contains(path);
    }

    std::optional<QStringList> readLines(const QString& path, int maxLines) override
    {
        if (!files_.contains(path))
            return std::nullopt;
        return files_.value(path).mid(0, maxLines);
    }

    bool writeLines(const QString& path, const QStringList& lines) override
    {
        if (failWrites_)
            return false;
        put(path, lines);
        return true;
    }

private:
    QHash<QString, QStringList> files_;
    QSet<QString> unreadable_;
    bool failWrites_ = false;
};

} // namespace qc::test
