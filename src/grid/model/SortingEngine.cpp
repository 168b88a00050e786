#include "grid/model/SortingEngine.h"

#include "grid/model/NumberParsing.h"
#include "platform/runtime/DateRecognition.h"
#include "platform/runtime/TextCollation.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <utility>

namespace Tarvex::SortingEngine {

KeysByRecord NumberKeys(int RecordCount, const TextOfRecord& TextOf)
{
    KeysByRecord keys(size_t(std::max(RecordCount, 0)));
    for (int record = 0; record < RecordCount; ++record)
        keys[size_t(record)] = rVal(TextOf(record));
    return keys;
}

KeysByRecord DateKeys(int RecordCount, const TextOfRecord& TextOf)
{
    constexpr double NoDate = -std::numeric_limits<double>::infinity();
    const DateReader reader;
    KeysByRecord keys(size_t(std::max(RecordCount, 0)));
    for (int record = 0; record < RecordCount; ++record)
        keys[size_t(record)] = reader.Serial(TextOf(record)).value_or(NoDate);
    return keys;
}

KeysByRecord TextKeys(int RecordCount, const TextOfRecord& TextOf)
{
    // Columns repeat their texts (customers, cities, states), so the collation key, the costly
    // part, is computed once per distinct text and the rows are sorted by that text's rank.
    QHash<QString, int> distinctIndex;
    std::vector<int> distinctOfRecord(size_t(std::max(RecordCount, 0)));
    QStringList distinct;
    for (int record = 0; record < RecordCount; ++record) {
        const QString& text = TextOf(record);
        auto it = distinctIndex.constFind(text);
        if (it == distinctIndex.constEnd()) {
            it = distinctIndex.insert(text, int(distinct.size()));
            distinct.append(text);
        }
        distinctOfRecord[size_t(record)] = it.value();
    }
    distinctIndex.clear();

    const TextCollator collator;
    std::vector<QCollatorSortKey> sortKeys;
    sortKeys.reserve(size_t(distinct.size()));
    for (const QString& text : std::as_const(distinct))
        sortKeys.push_back(collator.SortKey(text));
    std::vector<int> byKey(size_t(distinct.size()));
    for (size_t i = 0; i < byKey.size(); ++i)
        byKey[i] = int(i);
    std::sort(byKey.begin(), byKey.end(), [&](int a, int b) { return sortKeys[size_t(a)].compare(sortKeys[size_t(b)]) < 0; });

    std::vector<double> rankOfDistinct(byKey.size());
    double rank = 0;
    for (size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && sortKeys[size_t(byKey[i - 1])].compare(sortKeys[size_t(byKey[i])]) != 0)
            ++rank;
        rankOfDistinct[size_t(byKey[i])] = rank;
    }

    KeysByRecord keys(distinctOfRecord.size());
    for (size_t record = 0; record < keys.size(); ++record)
        keys[record] = rankOfDistinct[size_t(distinctOfRecord[record])];
    return keys;
}

void SortByKeys(std::span<qint32> Order, const KeysByRecord& Keys, bool GreatestFirst)
{
    std::vector<std::pair<double, qint32>> entries;
    entries.reserve(Order.size());
    for (const qint32 record : Order)
        entries.emplace_back(Keys[size_t(record)], record);
    if (GreatestFirst)
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return b.first < a.first; });
    else
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < entries.size(); ++i)
        Order[i] = entries[i].second;
}

namespace {

// Bottom-up merge sort: runs of width 1, 2, 4, ... are merged from one buffer into the other.
// Each merge copies every element of its two runs exactly once, so answers cannot break it.
bool MergeSort(std::vector<qint32>& Items, const Judge& Judge)
{
    std::vector<qint32> other(Items.size());
    const size_t n = Items.size();
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t left = 0; left < n; left += 2 * width) {
            const size_t middle = std::min(left + width, n);
            const size_t right = std::min(left + 2 * width, n);
            size_t a = left;
            size_t b = middle;
            size_t out = left;
            while (a < middle && b < right) {
                // The right run's row goes first only when the judge says so: equal rows keep their order.
                const bool takeRight = Judge.GoesBefore(Items[b], Items[a]);
                if (Judge.Stop())
                    return false;
                other[out++] = takeRight ? Items[b++] : Items[a++];
            }
            while (a < middle)
                other[out++] = Items[a++];
            while (b < right)
                other[out++] = Items[b++];
        }
        Items.swap(other);
    }
    return true;
}

} // namespace

bool SortByJudge(std::vector<qint32>& Records, const Judge& Judge)
{
    std::vector<qint32> items = Records;
    if (!MergeSort(items, Judge))
        return false;
    Records.swap(items);
    return true;
}

} // namespace Tarvex::SortingEngine
