// A failed case-insensitive search over 4 MiB of notes, beside a plain
// std::string_view::find of the same bytes: the price of the upper-case copy and
// the matcher. A text of repeats shows that a failed search stays linear.
#include "search/textsearch.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <string>
#include <string_view>

namespace {

constexpr size_t notesBytes = 4u << 20;
const char* const missing = "wisdom is folly"; // nowhere in the notes

// Notes as a file holds them (one byte a character); `accented` puts a line with
// letters beyond ASCII among them, which the upper-case pass must look up.
std::string makeNotes(bool accented)
{
    const std::string lines[] = {
        "Proverbs 3:5-6. Trust in the LORD with all thine heart; lean not unto thine own understanding.\r\n",
        "Note: wisdom here is practical skill in living, not cleverness. Compare 1:7 and 9:10.\r\n",
        "Question for Sunday: what does it mean to acknowledge Him in all thy ways?\r\n",
        "\r\n",
        "The sluggard (6:6) is sent to the ant: consider her ways, and be wise.\r\n",
        accented ? "Caf\xe9 talk \xbb not na\xefve: \xc6sop\xb4s fables are no proverbs.\r\n" : "\r\n",
    };
    std::string t;
    t.reserve(notesBytes);
    for (size_t i = 0; t.size() < notesBytes; ++i)
        t += lines[i % std::size(lines)];
    t.resize(notesBytes);
    return t;
}

const std::string& notesBytesText()
{
    static const std::string text = makeNotes(false);
    return text;
}

const QString& notes(bool accented = false)
{
    static const std::string accentedBytes = makeNotes(true);
    static const QString plain = QString::fromLatin1(notesBytesText().data(), qsizetype(notesBytes));
    static const QString withAccents = QString::fromLatin1(accentedBytes.data(), qsizetype(notesBytes));
    return accented ? withAccents : plain;
}

void bytes(benchmark::State& state, size_t n)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(n));
}

void BM_StringViewFind(benchmark::State& state)
{
    const std::string_view hay(notesBytesText());
    for (auto _ : state)
        benchmark::DoNotOptimize(hay.find(missing));
    bytes(state, hay.size());
}
BENCHMARK(BM_StringViewFind)->Unit(benchmark::kMillisecond);

void BM_FindIgnoreCaseFailed(benchmark::State& state)
{
    const QString needle = QString::fromLatin1(missing);
    for (auto _ : state) {
        auto r = textsearch::find(notes(), 0, needle, true);
        if (!r || !r->notFound)
            state.SkipWithError("the search text was found");
        benchmark::DoNotOptimize(r);
    }
    bytes(state, notesBytes);
}
BENCHMARK(BM_FindIgnoreCaseFailed)->Unit(benchmark::kMillisecond);

void BM_FindCaseKeptFailed(benchmark::State& state)
{
    const QString needle = QString::fromLatin1(missing);
    for (auto _ : state) {
        auto r = textsearch::find(notes(), 0, needle, false);
        benchmark::DoNotOptimize(r);
    }
    bytes(state, notesBytes);
}
BENCHMARK(BM_FindCaseKeptFailed)->Unit(benchmark::kMillisecond);

void BM_FindIgnoreCaseFailedAccented(benchmark::State& state)
{
    const QString needle = QString::fromLatin1(missing);
    for (auto _ : state)
        benchmark::DoNotOptimize(textsearch::find(notes(true), 0, needle, true));
    bytes(state, notesBytes);
}
BENCHMARK(BM_FindIgnoreCaseFailedAccented)->Unit(benchmark::kMillisecond);

// 4 MiB of one letter and a search text of 64 of them and one other: every
// position nearly matches, where a naive matcher does 64 comparisons a position.
const std::string& repeatsBytes()
{
    static const std::string text(notesBytes, 'a');
    return text;
}
const std::string repeatsNeedle = std::string(64, 'a') + "b";

void BM_StringViewFindRepeats(benchmark::State& state)
{
    const std::string_view hay(repeatsBytes());
    for (auto _ : state)
        benchmark::DoNotOptimize(hay.find(repeatsNeedle));
    bytes(state, hay.size());
}
BENCHMARK(BM_StringViewFindRepeats)->Unit(benchmark::kMillisecond);

void BM_FindIgnoreCaseRepeats(benchmark::State& state)
{
    const QString hay = QString::fromLatin1(repeatsBytes().data(), qsizetype(repeatsBytes().size()));
    const QString needle = QString::fromStdString(repeatsNeedle);
    for (auto _ : state)
        benchmark::DoNotOptimize(textsearch::find(hay, 0, needle, true));
    bytes(state, notesBytes);
}
BENCHMARK(BM_FindIgnoreCaseRepeats)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
