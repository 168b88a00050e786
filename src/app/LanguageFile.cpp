#include <tarvex/app/LanguageFile.h>

#include <tarvex/platform/runtime/WholeFile.h>

#include <QList>
#include <QStringDecoder>

#include <optional>

namespace Tarvex {

namespace {

const QString KeyPrefix = QStringLiteral("progtxt");
const QString KeySeparator = QStringLiteral("==");
// Two thousand slots of text take far less; a larger file is not a language file.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned codes map to
// themselves, as Windows' own conversion does.
QString DecodeWindows1252(const QByteArray& bytes)
{
    static const char16_t HighControls[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte <= 0x9F ? QChar(HighControls[byte - 0x80]) : QChar(byte));
    }
    return text;
}

// A file that starts with a UTF-16 byte-order mark is UTF-16; nothing when it is not valid UTF-16.
std::optional<QString> DecodeLanguageFile(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        QString text = utf16(bytes.mid(2));
        if (utf16.hasError() || bytes.size() % 2 != 0)
            return std::nullopt;
        return text;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return DecodeWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

std::optional<int> SlotOfKey(const QString& rawKey)
{
    const QString key = rawKey.trimmed().toLower();
    if (!key.startsWith(KeyPrefix))
        return std::nullopt;
    const QStringView digits = QStringView(key).mid(KeyPrefix.size());
    if (digits.isEmpty() || digits.size() > 4)
        return std::nullopt;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int slot = digits.toInt();
    if (slot >= ProgtxtTable::SlotCount)
        return std::nullopt;
    return slot;
}

QString ExpandMarkup(QString value)
{
    value.replace(QStringLiteral("<br>"), QStringLiteral("\n"));
    value.replace(QStringLiteral("<tab>"), QStringLiteral("\t"));
    return value;
}

} // namespace

LanguageFileResult LoadLanguageFile(const QString& path, ProgtxtTable& table)
{
    table.Clear();
    LanguageFileResult result;

    const WholeFile file = ReadWholeFile(path, MaxFileSize);
    if (!file.Error.isEmpty()) {
        result.Error = QStringLiteral("The language file %1").arg(file.Error);
        return result;
    }
    const std::optional<QString> text = DecodeLanguageFile(file.Bytes);
    if (!text) {
        result.Error = QStringLiteral("The language file \"%1\" starts as UTF-16 but is not valid UTF-16").arg(path);
        return result;
    }

    for (QStringView line : QStringView(*text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype separator = line.indexOf(KeySeparator);
        const std::optional<int> slot = separator < 0 ? std::nullopt : SlotOfKey(line.left(separator).toString());
        if (!slot) {
            ++result.LinesSkipped;
            continue;
        }
        table.Set(*slot, ExpandMarkup(line.mid(separator + KeySeparator.size()).toString()));
        ++result.SlotsRead;
    }
    result.Loaded = true;
    return result;
}

} // namespace Tarvex
