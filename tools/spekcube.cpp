// spekcube: the unscaled three-dimensional discrete Fourier transform of a
// box of complex samples read as text, all axes padded with zeros to powers
// of two. Each row is transformed as soon as it has been read, each plane
// along y as soon as it is complete, and every line along z once all planes
// are in. Invoked under a name that begins with i or I it transforms in the
// inverse direction.
#include "base/direction.h"
#include "base/storage.h"
#include "kernel/FFT.h"
#include "kernel/axes.h"
#include "text/stream.h"

namespace {

// Reads (or zero-fills) plane z and, for a data plane, transforms its rows
// along x as they are read and then its columns along y.
void FillPlane(Complex** rows, bool dataPlane, const Axis& x, const Axis& y, Complex* scratch, int panelWidth,
               int direction)
{
    for (int row = 0; row < y.padded; ++row) {
        if (dataPlane && row < y.declared) {
            ReadRow(rows[row], x.declared, x.padded);
            FFT(x.padded, x.table, rows[row], direction);
        } else {
            ZeroSamples(rows[row], x.padded);
        }
    }
    if (!dataPlane)
        return;
    TransformColumns(rows, 1, x.padded, y.padded, y.table, scratch, panelWidth, direction);
}

} // namespace

int main(int, char** argv)
{
    const int direction = DirectionFromPath(argv[0]);

    int declared[3] = {0, 0, 0};
    ReadHeader(3, declared);
    CheckBlockSize(3, declared);

    const Axis x = SetUpAxis(declared[0]);
    const Axis y = SetUpAxis(declared[1]);
    const Axis z = SetUpAxis(declared[2]);
    const auto xCount = static_cast<std::size_t>(x.padded);
    const auto yCount = static_cast<std::size_t>(y.padded);
    const auto zCount = static_cast<std::size_t>(z.padded);

    auto*** planes = static_cast<Complex***>(AllocateOrFail(sizeof(Complex**), zCount));
    planes[0] = static_cast<Complex**>(AllocateOrFail(sizeof(Complex*), yCount, zCount));
    planes[0][0] = static_cast<Complex*>(AllocateOrFail(sizeof(Complex), xCount, yCount, zCount));
    // The scratch line holds several lines at once for the y and z passes.
    const int yWidth = PanelWidth(y.padded, x.padded);
    const int zWidth = PanelWidth(z.padded, x.padded);
    const std::size_t yScratch = yCount * static_cast<std::size_t>(yWidth);
    const std::size_t zScratch = zCount * static_cast<std::size_t>(zWidth);
    auto* scratch = static_cast<Complex*>(AllocateOrFail(sizeof(Complex), yScratch > zScratch ? yScratch : zScratch));

    for (int plane = 0; plane < z.padded; ++plane) {
        Complex** rows = planes[plane];
        for (int row = 1; row < y.padded; ++row)
            rows[row] = rows[row - 1] + x.padded;
        FillPlane(rows, plane < z.declared, x, y, scratch, yWidth, direction);
        if (plane < z.padded - 1) {
            planes[plane + 1] = rows + y.padded;
            planes[plane + 1][0] = rows[y.padded - 1] + x.padded;
        }
    }

    // The lines along z at row y start at row y of plane 0 and step by the
    // rows of a plane through the row table.
    for (int row = 0; row < y.padded; ++row)
        TransformColumns(planes[0] + row, y.padded, x.padded, z.padded, z.table, scratch, zWidth, direction);

    const int padded[3] = {x.padded, y.padded, z.padded};
    WriteDimensions(3, padded);
    for (int plane = 0; plane < z.padded; ++plane) {
        for (int row = 0; row < y.padded; ++row)
            WriteRow(planes[plane][row], x.padded);
    }
    FinishOutput();
    return 0;
}
