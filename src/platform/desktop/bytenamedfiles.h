#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace qc {

// File names handed over as bytes that are not UTF-8 (typically code page 932 names copied
// from Windows): Qt's file functions cannot name such a file. It is reached through a private
// folder of links instead, named readably, that mirrors the folder the file lies in, so that
// files named relative to it are found too. The links go when this object does.
class ByteNamedFiles {
public:
    ByteNamedFiles();
    ~ByteNamedFiles();

    // The bytes as text when they are UTF-8 or name nothing that exists (undecodable bytes
    // then read as U+FFFD); else the path of a link to what they name.
    QString reachable(const QByteArray& bytes);

private:
    QString mirrorOf(const QByteArray& folder, const QByteArray& name);

    std::unique_ptr<QTemporaryDir> links_;
    int mirrors_ = 0;
};

// A name's bytes as text: UTF-8 when they are, else code page 932.
QString readableName(const QByteArray& bytes);

} // namespace qc
