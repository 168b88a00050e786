// Feeds arbitrary lines to the calculator: it must answer with a finite number or a failure,
// never crash, hang or report a value and a failure at once.
#include <tarvex/evaluator/MathPlugin.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static Tarvex::MathPlugin plugin;
    static const QLocale locales[] = { QLocale(QStringLiteral("en_US")), QLocale(QStringLiteral("de_DE")) };
    // The first byte picks the locale and how the rest becomes text: UTF-8 as typed, or raw UTF-16
    // units, which brings NUL characters and unpaired surrogates.
    const std::uint8_t mode = data[0];
    QLocale::setDefault(locales[mode & 1]);
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const QString text = (mode & 2) ? QString(reinterpret_cast<const QChar*>(rest), qsizetype((size - 1) / 2))
                                    : QString::fromUtf8(rest, qsizetype(size - 1));

    bool isError = (mode & 4) != 0;
    const QVariant value = plugin.MathExpression(text, isError);
    const bool failedCleanly = isError && !value.isValid();
    const bool succeeded = !isError && value.typeId() == QMetaType::Double && std::isfinite(value.toDouble());
    if (!failedCleanly && !succeeded)
        std::abort();
    return 0;
}
