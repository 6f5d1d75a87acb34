// The butterfly stages of the transform, written once for every vector
// width and compiled once per instruction set: FFT_sse2.cpp, FFT_avx2.cpp,
// FFT_avx512.cpp and FFT_portable.cpp each include the primitives of their
// vector family (simd.h lists them), then this file. Everything here has
// internal linkage, so the linker can never let one instruction set's copy
// of a function stand in for another's.
//
// Every butterfly combines the same two samples with the same twiddle and
// the same operations as the plain scalar order, lane by lane:
//   w = table[k * (N / m)], wIm = table.im * direction,
//   tRe = b.re * wRe - b.im * wIm, tIm = b.re * wIm + b.im * wRe,
//   b' = a - t, a' = t + a.
// When both operands of an operation are NaNs, the processor returns one
// of them by its side (x86 and arm64 the first), so the operands must keep
// their sides: t comes first in a' as it always has in the tools, which
// decides whether two NaNs meeting there print as "nan" or "-nan".
// Compilers treat addition as commutative and may swap its operands (to
// fold a load, say), so every addition that can meet two NaNs goes through
// AddInOrder, an instruction whose operand order the compiler cannot
// change. A multiplication always has a twiddle part (never a NaN) as one
// operand, and a subtraction is never reordered, so those two use the
// plain operations.
#pragma once

#include "kernel/FFT.h"
#include "kernel/simd.h"

#if !defined(SPEK_VECTOR_FAMILY)
#error "include the primitives of one vector family (simd.h lists them) before FFT_stages.h"
#endif

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace {

template <class V>
using Narrower = decltype(NarrowerOf(V{}));

// The twiddle table of a line of N samples and the direction of the
// transform: what every stage reads its twiddles from. Passed by value:
// with a const reference, g++ 12 at -O3 built s390x code that ran the
// upper stages of a 2^18-sample line past the end of their panel.
struct TwiddleTable {
    const Complex* entries;
    int N;
    double direction;
};

// ---- Butterflies

// A twiddle with the direction applied, (wRe, wIm) per sample, and the same
// with its parts swapped, (wIm, wRe), ready for the complex product.
template <class V>
struct Twiddle {
    V parts;
    V swapped;
};

// The twiddles of table entries index, index + stride, ... for the samples
// of one vector: wIm = table.im * direction, wRe multiplied by 1.
template <class V>
Twiddle<V> TwiddleOf(V parts)
{
    return Twiddle<V>{parts, SwapParts(parts)};
}

template <class V>
Twiddle<V> LoadTwiddle(TwiddleTable table, int index, int stride, V signs)
{
    return TwiddleOf(Mul(GatherEntries(table.entries, index, stride, static_cast<V*>(nullptr)), signs));
}

// (a, b) becomes (t + a, a - t) with t = b * w:
// tRe = b.re * wRe - b.im * wIm and tIm = b.re * wIm + b.im * wRe.
template <class V>
void Butterfly(V& a, V& b, const Twiddle<V>& w)
{
    const V t = SubtractAdd(Mul(RealParts(b), w.parts), Mul(ImaginaryParts(b), w.swapped));
    b = Sub(a, t);
    a = AddInOrder(t, a);
}

// ---- Stages over rows
//
// All stages work on `rows` rows of `width` samples, row r at data + r *
// width. Row r, column j stands for the position whose twiddle index within
// the stage of half-span h rows is k = (r mod h) * unit + (column0 + j) *
// across, read from table entry k * (N / (h * unit)). A contiguous line is
// rows of width unit (across 1); an upper part of a long line gathered into
// a panel is rows of `width` of its columns (unit the line's row length);
// interleaved columns of a plane are rows of width columns (unit 1, across 0:
// all columns of a row share one twiddle).
struct RowLayout {
    Complex* data;
    int rows;
    int width;
    int unit;
    int column0 = 0;
    int across = 1;
};

// The twiddles of the stages within a block, gathered once per line so that
// every block reads them in order: for every stage of half-span m below
// length, twiddle k (direction applied, as LoadTwiddle gives it) at
// parts[m + k], with its parts swapped at swapped[m + k]. The arrays lie in
// a TwiddleSpace of the caller's.
struct BlockTwiddles {
    Complex* parts;
    Complex* swapped;
    int length;
};

template <int Count>
struct TwiddleSpace {
    alignas(64) Complex parts[Count];
    alignas(64) Complex swapped[Count];
};

// Gathers the twiddles of the stage of half-span m, a vector at a time.
// With the widest vector of the family that the stage's m twiddles fill.
template <class V>
void GatherStageTwiddles(BlockTwiddles* twiddles, int m, TwiddleTable table)
{
    if constexpr (1 < SamplesPer<V>) {
        if (m < SamplesPer<V>)
            return GatherStageTwiddles<Narrower<V>>(twiddles, m, table);
    }
    const V signs = Signs<V>(table.direction);
    const int stride = table.N / m;
    for (int k = 0; k < m; k += SamplesPer<V>) {
        const Twiddle<V> w = LoadTwiddle(table, k * stride, stride, signs);
        Store(twiddles->parts + m + k, w.parts);
        Store(twiddles->swapped + m + k, w.swapped);
    }
}

// Gathers the twiddles of every stage of half-span below length, or below
// Count where length is more, into space.
template <class Wide, int Count>
BlockTwiddles GatherBlockTwiddles(TwiddleSpace<Count>* space, int length, TwiddleTable table)
{
    BlockTwiddles twiddles{space->parts, space->swapped, std::min(length, Count)};
    for (int m = 1; m < twiddles.length; m *= 2)
        GatherStageTwiddles<Wide>(&twiddles, m, table);
    return twiddles;
}

// Gathered twiddle index (m + k for twiddle k of the stage of half-span m)
// for the samples of one vector.
template <class V>
Twiddle<V> GatheredTwiddle(BlockTwiddles gathered, int index)
{
    return Twiddle<V>{Load<V>(gathered.parts + index), Load<V>(gathered.swapped + index)};
}

// The twiddles of the stage of half-span m samples for the samples of one
// vector, from index k on: from the gathered ones where the layout has them
// (a contiguous line), otherwise from the table.
template <class V>
Twiddle<V> StageTwiddle(const BlockTwiddles* gathered, int m, int k, int across, int stride, TwiddleTable table,
                        V signs)
{
    if (gathered != nullptr)
        return GatheredTwiddle<V>(*gathered, m + k);
    return LoadTwiddle(table, k * stride, across * stride, signs);
}

// Two stages over the four samples (per lane) at p, p + span, p + 2 span and
// p + 3 span: (0, 1) and (2, 3) with w1, then (0, 2) with w2 and (1, 3)
// with w3.
template <class V>
void FourSampleButterflies(Complex* p, std::ptrdiff_t span, const Twiddle<V>& w1, const Twiddle<V>& w2,
                           const Twiddle<V>& w3)
{
    V x0 = Load<V>(p), x1 = Load<V>(p + span), x2 = Load<V>(p + 2 * span), x3 = Load<V>(p + 3 * span);
    Butterfly(x0, x1, w1);
    Butterfly(x2, x3, w1);
    Butterfly(x0, x2, w2);
    Butterfly(x1, x3, w3);
    Store(p, x0);
    Store(p + span, x1);
    Store(p + 2 * span, x2);
    Store(p + 3 * span, x3);
}

// One stage over the two samples (per lane) at p and p + span.
template <class V>
void TwoSampleButterfly(Complex* p, std::ptrdiff_t span, const Twiddle<V>& w)
{
    V x0 = Load<V>(p), x1 = Load<V>(p + span);
    Butterfly(x0, x1, w);
    Store(p, x0);
    Store(p + span, x1);
}

// The stages of half-span h and 2h rows at once for the samples of one
// vector at row i and column j of every group of 4h rows: (0, 1) and (2, 3)
// in the first stage, (0, 2) and (1, 3) in the second.
template <class V>
void FourRowGroups(const RowLayout& layout, int h, int i, int j, const Twiddle<V>& w1, const Twiddle<V>& w2,
                   const Twiddle<V>& w3)
{
    const std::ptrdiff_t span = static_cast<std::ptrdiff_t>(h) * layout.width;
    Complex* const start = layout.data + static_cast<std::ptrdiff_t>(i) * layout.width + j;
    for (int group = 0; group < layout.rows; group += 4 * h)
        FourSampleButterflies(start + group * static_cast<std::ptrdiff_t>(layout.width), span, w1, w2, w3);
}

// The stage of half-span h rows alone, for one vector at row i, column j.
template <class V>
void TwoRowGroups(const RowLayout& layout, int h, int i, int j, const Twiddle<V>& w)
{
    const std::ptrdiff_t span = static_cast<std::ptrdiff_t>(h) * layout.width;
    for (int group = 0; group < layout.rows; group += 2 * h)
        TwoSampleButterfly(layout.data + static_cast<std::ptrdiff_t>(group + i) * layout.width + j, span, w);
}

// The stages of half-span h and 2h rows over the whole layout. Where all
// columns share a twiddle (across 0) it is loaded once per row i.
template <class V>
void TwoStages(const RowLayout& layout, const BlockTwiddles* gathered, int h, TwiddleTable table, V signs)
{
    const int m = h * layout.unit;
    const int stride = table.N / (2 * m);
    for (int i = 0; i < h; ++i) {
        for (int j = 0; j < layout.width;) {
            const int k = i * layout.unit + (layout.column0 + j) * layout.across;
            const auto w1 = StageTwiddle(gathered, m, k, layout.across, 2 * stride, table, signs);
            const auto w2 = StageTwiddle(gathered, 2 * m, k, layout.across, stride, table, signs);
            const auto w3 = StageTwiddle(gathered, 2 * m, k + m, layout.across, stride, table, signs);
            const int end = layout.across == 0 ? layout.width : j + SamplesPer<V>;
            for (; j < end; j += SamplesPer<V>)
                FourRowGroups(layout, h, i, j, w1, w2, w3);
        }
    }
}

// The stage of half-span h rows alone over the whole layout.
template <class V>
void OneStage(const RowLayout& layout, const BlockTwiddles* gathered, int h, TwiddleTable table, V signs)
{
    const int m = h * layout.unit;
    for (int i = 0; i < h; ++i) {
        for (int j = 0; j < layout.width;) {
            const int k = i * layout.unit + (layout.column0 + j) * layout.across;
            const auto w = StageTwiddle(gathered, m, k, layout.across, table.N / m, table, signs);
            const int end = layout.across == 0 ? layout.width : j + SamplesPer<V>;
            for (; j < end; j += SamplesPer<V>)
                TwoRowGroups(layout, h, i, j, w);
        }
    }
}

// One stage (count 1) or two (count 2) from half-span h rows on, with the
// widest vector of the path that a row of the layout fills.
template <class V>
void Stages(const RowLayout& layout, const BlockTwiddles* gathered, int h, int count, TwiddleTable table)
{
    const V signs = Signs<V>(table.direction);
    if (count == 2)
        TwoStages(layout, gathered, h, table, signs);
    else
        OneStage(layout, gathered, h, table, signs);
}

template <class V>
void StagesOfWidth(const RowLayout& layout, const BlockTwiddles* gathered, int h, int count, TwiddleTable table)
{
    if constexpr (1 < SamplesPer<V>) {
        if (layout.width < SamplesPer<V>)
            return StagesOfWidth<Narrower<V>>(layout, gathered, h, count, table);
    }
    Stages<V>(layout, gathered, h, count, table);
}

// Every stage over the rows, h = 1, 2, 4, ..., rows / 2, two at a time,
// with the gathered twiddles where they are given (a contiguous line).
template <class Wide>
void RowStages(const RowLayout& layout, TwiddleTable table, const BlockTwiddles* gathered = nullptr)
{
    int h = 1;
    for (; 4 * h <= layout.rows; h *= 4)
        StagesOfWidth<Wide>(layout, gathered, h, 2, table);
    if (2 * h <= layout.rows)
        StagesOfWidth<Wide>(layout, gathered, h, 1, table);
}

// ---- A whole line

// Lines up to this length run every stage within a block that stays in the
// level-1 cache.
constexpr int BlockLength = 1 << 10;
// Longer lines run their upper stages on panels of at most PanelRows rows,
// gathered into a buffer: PanelSamples (level-1 cache) unless that leaves
// fewer than MinPanelWidth columns, 512 bytes of each row. Wider rows let
// the memory system stream them; measured on 2^20 samples, 32 columns took
// the upper stages from 10.7 to 7.8 ns per point against 8.
constexpr int PanelSamples = 1 << 11;
constexpr int PanelRows = 1 << 8;
constexpr int MinPanelWidth = 32;
// Up to this many rows, the upper stages run in place without a panel.
constexpr int InPlaceRows = 8;

// The stages of half-span 1 and 2 over n >= 4 samples, read at `from` and
// written at `to` (the same place, or a bit-reversed copy and the line):
// every four samples (c0, c1, c2, c3) go through the butterflies (c0, c1)
// and (c2, c3) with table entry 0, then (c0, c2) with entry 0 and (c1, c3)
// with entry N / 2. Vectors of one sample need no rearranging; wider ones
// are shuffled so that each butterfly's a and b parts sit in the same lane
// of two vectors.
template <class V>
void FirstTwoStages(const Complex* from, Complex* to, int n, TwiddleTable table)
{
    constexpr int samples = SamplesPer<V>;
    const V signs = Signs<V>(table.direction);
    const auto first = LoadTwiddle(table, 0, 0, signs);
    if constexpr (samples == 1) {
        const auto second = LoadTwiddle(table, table.N / 2, 0, signs);
        for (int i = 0; i < n; i += 4) {
            V c0 = Load<V>(from + i), c1 = Load<V>(from + i + 1);
            V c2 = Load<V>(from + i + 2), c3 = Load<V>(from + i + 3);
            Butterfly(c0, c1, first);
            Butterfly(c2, c3, first);
            Butterfly(c0, c2, first);
            Butterfly(c1, c3, second);
            Store(to + i, c0);
            Store(to + i + 1, c1);
            Store(to + i + 2, c2);
            Store(to + i + 3, c3);
        }
    } else {
        if (n < 2 * samples)
            return FirstTwoStages<Narrower<V>>(from, to, n, table);
        const auto second =
            TwiddleOf(Mul(AlternateEntries(table.entries, 0, table.N / 2, static_cast<V*>(nullptr)), signs));
        for (int i = 0; i < n; i += 2 * samples) {
            V a, b, low, high, v0, v1;
            DealForFirstStage(Load<V>(from + i), Load<V>(from + i + samples), &a, &b);
            Butterfly(a, b, first);
            DealForSecondStage(a, b, &low, &high);
            Butterfly(low, high, second);
            InMemoryOrder(low, high, &v0, &v1);
            Store(to + i, v0);
            Store(to + i + samples, v1);
        }
    }
}

// The stages of half-span m and 2m over the n samples at segment (4m <= n),
// with gathered twiddles: every four samples m apart, (c0, c1, c2, c3), go
// through (c0, c1) and (c2, c3) with twiddle k of stage m, then (c0, c2)
// with twiddle k and (c1, c3) with twiddle k + m of stage 2m.
template <class V>
void ContiguousTwoStages(Complex* segment, int n, int m, const BlockTwiddles* gathered)
{
    // A local copy: otherwise every store to the samples might change the
    // pointers, and they would be loaded again for every twiddle.
    const BlockTwiddles twiddles = *gathered;
    for (int group = 0; group < n; group += 4 * m) {
        Complex* p = segment + group;
        for (int k = 0; k < m; k += SamplesPer<V>, p += SamplesPer<V>) {
            FourSampleButterflies(p, m, GatheredTwiddle<V>(twiddles, m + k), GatheredTwiddle<V>(twiddles, 2 * m + k),
                                  GatheredTwiddle<V>(twiddles, 3 * m + k));
        }
    }
}

// The stage of half-span m over the n = 2m samples at segment.
template <class V>
void ContiguousLastStage(Complex* segment, int m, const BlockTwiddles* gathered)
{
    const BlockTwiddles twiddles = *gathered;
    for (int k = 0; k < m; k += SamplesPer<V>) {
        TwoSampleButterfly(segment + k, m, GatheredTwiddle<V>(twiddles, m + k));
    }
}

// One stage (count 1) or two (count 2) from half-span m on, with the widest
// vector of the family that m samples fill.
template <class V>
void ContiguousStages(Complex* segment, int n, int m, int count, const BlockTwiddles* gathered)
{
    if constexpr (1 < SamplesPer<V>) {
        if (m < SamplesPer<V>)
            return ContiguousStages<Narrower<V>>(segment, n, m, count, gathered);
    }
    count == 2 ? ContiguousTwoStages<V>(segment, n, m, gathered) : ContiguousLastStage<V>(segment, m, gathered);
}

// Stages of half-span 1, 2, ..., n / 2 over the n <= BlockLength samples at
// segment, two at a time. The first two read the samples at `from` where it
// is given, a bit-reversed copy of the segment.
template <class Wide>
void BlockStages(Complex* segment, int n, TwiddleTable table, const BlockTwiddles* gathered,
                 const Complex* from = nullptr)
{
    int m = 1;
    if (n >= 4) {
        FirstTwoStages<Wide>(from != nullptr ? from : segment, segment, n, table);
        m = 4;
    }
    while (m < n) {
        const int count = 4 * m <= n ? 2 : 1;
        if (gathered != nullptr)
            ContiguousStages<Wide>(segment, n, m, count, gathered);
        else
            StagesOfWidth<Wide>(RowLayout{.data = segment, .rows = n / m, .width = m, .unit = m}, gathered, 1, count,
                                table);
        m <<= count;
    }
}

// Copies count samples, a multiple of the vector's, with vector moves.
template <class V>
void CopySamples(Complex* to, const Complex* from, int count)
{
    for (int j = 0; j < count; j += SamplesPer<V>)
        Store(to + j, Load<V>(from + j));
}

// The stages of half-span blockLength and up over the n samples at segment,
// whose blocks of blockLength samples have had all their shorter stages:
// panel by panel of columns, each gathered, transformed and put back. A
// few rows run in place, on the gathered twiddles where they have all of
// the segment's stages.
template <class Wide>
void UpperStages(Complex* segment, int n, int blockLength, TwiddleTable table, const BlockTwiddles* gathered = nullptr)
{
    const int rows = n / blockLength;
    // A few rows share the cache's sets without trouble: no panel needed.
    if (rows <= InPlaceRows)
        return RowStages<Wide>(RowLayout{.data = segment, .rows = rows, .width = blockLength, .unit = blockLength},
                               table, gathered != nullptr && n <= gathered->length ? gathered : nullptr);
    alignas(64) Complex panel[PanelRows * MinPanelWidth];
    const int width = std::min(blockLength, std::max(PanelSamples / rows, MinPanelWidth));
    for (int column0 = 0; column0 < blockLength; column0 += width) {
        for (int r = 0; r < rows; ++r)
            CopySamples<Wide>(panel + r * width, segment + static_cast<std::ptrdiff_t>(r) * blockLength + column0,
                              width);
        RowStages<Wide>(RowLayout{.data = panel, .rows = rows, .width = width, .unit = blockLength, .column0 = column0},
                        table);
        for (int r = 0; r < rows; ++r)
            CopySamples<Wide>(segment + static_cast<std::ptrdiff_t>(r) * blockLength + column0, panel + r * width,
                              width);
    }
}

// Every stage over the n samples at segment (n a power of two, segment at a
// multiple of n within the line of N), already in bit-reversed order.
template <class Wide>
void LineStages(Complex* segment, int n, TwiddleTable table, const BlockTwiddles* gathered)
{
    if (n <= BlockLength)
        return BlockStages<Wide>(segment, n, table, gathered);
    const int rows = n / BlockLength < PanelRows ? n / BlockLength : PanelRows;
    const int blockLength = n / rows;
    for (int start = 0; start < n; start += blockLength)
        LineStages<Wide>(segment + start, blockLength, table, gathered);
    UpperStages<Wide>(segment, n, blockLength, table, gathered);
}

// ---- Bit reversal

// Exchanges the rows of width samples at i and at the bit-reversed index of
// i, once per pair (from the lower index). The reversed index j is counted
// along with i: adding one to i adds one to j from the top bit down.
inline void BitReverse(int N, Complex* rows, int width)
{
    for (int i = 1, j = 0; i < N; ++i) {
        int bit = N >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j |= bit;
        if (i < j)
            std::swap_ranges(rows + static_cast<std::ptrdiff_t>(i) * width,
                             rows + static_cast<std::ptrdiff_t>(i + 1) * width,
                             rows + static_cast<std::ptrdiff_t>(j) * width);
    }
}

// The lowest `bits` bits of value in reverse order, without branches: the
// bits of each byte reversed by three swaps, then the bytes.
inline int ReverseBits(int value, int bits)
{
    auto x = static_cast<std::uint32_t>(value);
    x = ((x >> 1) & 0x55555555u) | ((x & 0x55555555u) << 1);
    x = ((x >> 2) & 0x33333333u) | ((x & 0x33333333u) << 2);
    x = ((x >> 4) & 0x0F0F0F0Fu) | ((x & 0x0F0F0F0Fu) << 4);
    x = __builtin_bswap32(x);
    return bits == 0 ? 0 : static_cast<int>(x >> (32 - bits));
}

// Exchanges a[t * aStride + u] with b[rev(u) * bStride + rev(t)] for t, u
// below P, rev reversing their log2(P) bits: a tile of P rows of P samples
// with its partner tile, whose rows are the tile's columns. Where the
// partner tile lies in the same block group (OncePerPair), each pair is
// exchanged once, from its lower address.
template <int P, bool OncePerPair>
inline void SwapTiles(Complex* a, std::ptrdiff_t aStride, Complex* b, std::ptrdiff_t bStride)
{
    constexpr int bits = P == 8 ? 3 : 2;
    for (int t = 0; t < P; ++t) {
        for (int u = 0; u < P; ++u) {
            Complex* x = a + t * aStride + u;
            Complex* y = b + ReverseBits(u, bits) * bStride + ReverseBits(t, bits);
            if (!OncePerPair || x < y)
                std::swap(*x, *y);
        }
    }
}

// The bit reversal of a line of `rows` blocks of blockLength samples (P <=
// rows <= blockLength), fused with the stages within each block, so that a
// block is transformed while its samples are still in the cache.
//
// Sample i = b * blockLength + c (block b) pairs with j = rev(c) * rows +
// rev(b), reversing the bits of c and of b. The blocks go in groups of P = 8
// (4 where there are fewer than 8 rows), g, g + rows/P, ..., g + (P - 1)
// rows/P. For P neighbouring offsets c0 + u of those P blocks, the partners
// are again P rows of P neighbouring samples: a tile of the group pairs with
// a tile of partners. A group exchanges each of its tiles with the partner
// tile, unless the partners' group came before (the pairs are exchanged
// already); after that every sample of the group is in its place, and the
// group's blocks are transformed. The pairs are disjoint, so their order
// does not matter.
template <class Wide, int P>
void ReverseAndTransformBlockGroups(Complex* line, int blockLength, TwiddleTable table, const BlockTwiddles* gathered)
{
    const int rows = table.N / blockLength;
    const int groups = rows / P;
    const int groupBits = std::countr_zero(static_cast<unsigned>(groups));
    const int bits = std::countr_zero(static_cast<unsigned>(blockLength));
    const std::ptrdiff_t blockStride = static_cast<std::ptrdiff_t>(groups) * blockLength;
    const std::ptrdiff_t partnerStride = static_cast<std::ptrdiff_t>(blockLength / P) * rows;
    for (int group = 0; group < groups; ++group) {
        Complex* blocks = line + static_cast<std::ptrdiff_t>(group) * blockLength;
        Complex* partners = line + P * ReverseBits(group, groupBits);
        // Offsets c = (high * groups + middle) * P + u: the partners of
        // offsets with the same middle bits lie in group rev(middle).
        for (int middle = 0; middle < groups; ++middle) {
            const int partnerGroup = ReverseBits(middle, groupBits);
            if (partnerGroup < group)
                continue;
            for (int c0 = middle * P; c0 < blockLength; c0 += P * groups) {
                Complex* partner = partners + static_cast<std::ptrdiff_t>(ReverseBits(c0, bits)) * rows;
                if (partnerGroup > group)
                    SwapTiles<P, false>(blocks + c0, blockStride, partner, partnerStride);
                else
                    SwapTiles<P, true>(blocks + c0, blockStride, partner, partnerStride);
            }
        }
        for (int block = 0; block < P; ++block)
            LineStages<Wide>(blocks + block * blockStride, blockLength, table, gathered);
    }
}

template <class Wide>
void ReverseAndTransformBlocks(Complex* line, int blockLength, TwiddleTable table, const BlockTwiddles* gathered)
{
    if (table.N / blockLength >= 8)
        return ReverseAndTransformBlockGroups<Wide, 8>(line, blockLength, table, gathered);
    ReverseAndTransformBlockGroups<Wide, 4>(line, blockLength, table, gathered);
}

// Sample i of the N >= 8 at line, copied to position rev(i) of `to`. With
// i = 8q + r, rev(i) = rev(q) + rev(r) * N / 8: one reversal for every
// eight samples.
inline void CopyBitReversed(const Complex* line, int N, Complex* to)
{
    const int bits = std::countr_zero(static_cast<unsigned>(N)) - 3;
    const std::ptrdiff_t eighth = N / 8;
    for (int q = 0; q < N / 8; ++q, to += 8) {
        const Complex* from = line + ReverseBits(q, bits);
        to[0] = from[0];
        to[1] = from[4 * eighth];
        to[2] = from[2 * eighth];
        to[3] = from[6 * eighth];
        to[4] = from[eighth];
        to[5] = from[5 * eighth];
        to[6] = from[3 * eighth];
        to[7] = from[7 * eighth];
    }
}

// A line of blocks of blockLength samples: the bit reversal block group by
// block group, the stages within each block, then those above. The blocks'
// stages take gathered twiddles, up to Count of them: those of half-span
// below BlockLength, and of the stages above them in place (a block of a
// few rows of BlockLength) too. Out of line: only the long lines, whose
// blocks have those stages, have the space for their twiddles on the stack.
template <class Wide, int Count>
[[gnu::noinline]] void ReverseAndTransformLine(Complex* line, int blockLength, TwiddleTable table)
{
    TwiddleSpace<Count> space;
    const BlockTwiddles gathered = GatherBlockTwiddles<Wide>(&space, blockLength, table);
    ReverseAndTransformBlocks<Wide>(line, blockLength, table, &gathered);
    UpperStages<Wide>(line, table.N, blockLength, table);
}

// The whole transform of a line of N samples in natural order: bit reversal
// and every stage, the stages within a block on twiddles gathered for the
// line. A line of one block is transformed from a bit-reversed copy; longer
// ones reverse their bits block group by block group.
template <class Wide>
void TransformLine(Complex* line, TwiddleTable table)
{
    const int N = table.N;
    if (N < 8) {
        BitReverse(N, line, 1);
        return LineStages<Wide>(line, N, table, nullptr);
    }
    if (N >= 4 * BlockLength) {
        const int blockLength = N / std::min(N / BlockLength, PanelRows);
        if (blockLength > BlockLength && blockLength <= InPlaceRows * BlockLength)
            return ReverseAndTransformLine<Wide, InPlaceRows * BlockLength>(line, blockLength, table);
        return ReverseAndTransformLine<Wide, BlockLength>(line, blockLength, table);
    }
    TwiddleSpace<BlockLength> space;
    const BlockTwiddles gathered = GatherBlockTwiddles<Wide>(&space, N, table);
    if (N <= BlockLength) {
        alignas(64) Complex reversed[BlockLength];
        CopyBitReversed(line, N, reversed);
        return BlockStages<Wide>(line, N, table, &gathered, reversed);
    }
    BitReverse(N, line, 1);
    LineStages<Wide>(line, N, table, &gathered);
}

// The whole transform of N-sample columns interleaved across a panel of
// `width` columns (sample i of column j at panel[i * width + j]): the rows
// in bit-reversed order, then every stage.
template <class Wide>
void ColumnStages(Complex* panel, int width, TwiddleTable table)
{
    if (table.N > 2)
        BitReverse(table.N, panel, width);
    RowStages<Wide>(RowLayout{.data = panel, .rows = table.N, .width = width, .unit = 1, .across = 0}, table);
}

} // namespace
