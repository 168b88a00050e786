#include "platform/FontLookups.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRawFont>

#include <gtest/gtest.h>

#include <functional>

using namespace Tarvex;

namespace {

const QString Latin = QString::fromUtf8("AVWTeoaryß.,- &0123456789äöüÄÖÜ");

// A font file with the body of its substitution and positioning tables written over by Damage.
QByteArray DamagedFont(const QByteArray& Font, const std::function<void(char*, qsizetype)>& Damage)
{
    QByteArray damaged = Font;
    const auto u16 = [&](qsizetype At) { return quint32(uchar(damaged[At])) << 8 | uchar(damaged[At + 1]); };
    const auto u32 = [&](qsizetype At) { return u16(At) << 16 | u16(At + 2); };
    const int tables = int(u16(4));
    for (int i = 0; i < tables; ++i) {
        const qsizetype record = 12 + 16 * qsizetype(i);
        const QByteArray tag = damaged.mid(record, 4);
        const qsizetype offset = u32(record + 8);
        const qsizetype length = u32(record + 12);
        if ((tag == "GSUB" || tag == "GPOS") && offset + length <= damaged.size())
            Damage(damaged.data() + offset, length);
    }
    return damaged;
}

} // namespace

// The layout tables come from whatever font a host picks: damaged ones read as "not pairwise" and
// never crash or hang the reading, whatever their offsets and counts say.
TEST(FontLookups, DamagedTablesReadAsNotPairwise)
{
    QFile file(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    if (!file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "needs the DejaVu Sans font file";
    const QByteArray font = file.readAll();
    const QRawFont intact(font, 12);
    ASSERT_TRUE(intact.isValid());
    const QList<quint32> glyphs = intact.glyphIndexesForString(Latin);
    EXPECT_TRUE(ReadLatinLookups(intact, glyphs).Pairwise);

    const QRawFont overwritten(DamagedFont(font, [](char* Body, qsizetype Length) { std::fill(Body, Body + Length, char(0xFF)); }), 12);
    ASSERT_TRUE(overwritten.isValid());
    EXPECT_FALSE(ReadLatinLookups(overwritten, glyphs).Pairwise);

    QRandomGenerator random(7);
    for (int round = 0; round < 20; ++round) {
        const QRawFont scrambled(DamagedFont(font,
                                     [&](char* Body, qsizetype Length) {
                                         // Keep the headers now and then, so the reading gets deep.
                                         for (qsizetype i = round % 2 ? 10 : 0; i < Length; i += 1 + random.bounded(40))
                                             Body[i] = char(random.bounded(256));
                                     }),
            12);
        if (scrambled.isValid())
            ReadLatinLookups(scrambled, glyphs);
    }
}
