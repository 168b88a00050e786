#include <tarvex/platform/runtime/WholeFile.h>

#include <QFile>

#include <algorithm>

namespace Tarvex {

WholeFile ReadWholeFile(const QString& Path, qint64 Limit)
{
    constexpr qint64 ChunkSize = 64 * 1024;
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return { {}, QStringLiteral("\"%1\" cannot be read: %2").arg(Path, file.errorString()) };
    QByteArray bytes;
    for (;;) {
        // One byte beyond the limit tells a file that is exactly as large from one that is larger.
        const QByteArray chunk = file.read(std::min(ChunkSize, Limit + 1 - bytes.size()));
        if (file.error() != QFileDevice::NoError)
            return { {}, QStringLiteral("\"%1\" cannot be read: %2").arg(Path, file.errorString()) };
        if (chunk.isEmpty())
            return { bytes, {} };
        bytes += chunk;
        if (bytes.size() > Limit)
            return { {}, QStringLiteral("\"%1\" is larger than %2 bytes, more than such a file can hold").arg(Path).arg(Limit) };
    }
}

} // namespace Tarvex
