#pragma once

#include <QByteArray>
#include <QString>

namespace Tarvex {

struct WholeFile {
    QByteArray Bytes; // the file's content; empty when Error is set
    QString Error;    // why the file was not read, in a sentence naming it; empty when it was
};

// Reads a file of at most Limit bytes in chunks, and refuses one that goes past it. The size a file
// reports is not trusted: a device or a pipe reports 0 and may never end.
WholeFile ReadWholeFile(const QString& Path, qint64 Limit);

} // namespace Tarvex
