// spekplane: the unscaled two-dimensional discrete Fourier transform of a
// plane of complex samples read as text, both axes padded with zeros to
// powers of two. Each row is transformed as soon as it has been read, then
// every column. Invoked under a name that begins with i or I it transforms
// in the inverse direction.
#include "base/direction.h"
#include "base/storage.h"
#include "kernel/FFT.h"
#include "kernel/axes.h"
#include "text/stream.h"

int main(int, char** argv)
{
    const int direction = DirectionFromPath(argv[0]);

    int declared[2] = {0, 0};
    ReadHeader(2, declared);
    CheckBlockSize(2, declared);
    const Axis x = SetUpAxis(declared[0]);
    const Axis y = SetUpAxis(declared[1]);

    const auto xCount = static_cast<std::size_t>(x.padded);
    const auto yCount = static_cast<std::size_t>(y.padded);
    auto** rows = static_cast<Complex**>(AllocateOrFail(sizeof(Complex*), yCount));
    rows[0] = static_cast<Complex*>(AllocateOrFail(sizeof(Complex), xCount, yCount));
    // The scratch line holds several columns at once for the column pass.
    const int panelWidth = PanelWidth(y.padded, x.padded);
    auto* scratch = static_cast<Complex*>(AllocateOrFail(sizeof(Complex), yCount, panelWidth));

    // Rows are transformed as soon as they are read; rows made only of zero
    // fill are left for the column pass.
    for (int row = 0; row < y.padded; ++row) {
        if (row < y.declared) {
            ReadRow(rows[row], x.declared, x.padded);
            FFT(x.padded, x.table, rows[row], direction);
        } else {
            ZeroSamples(rows[row], x.padded);
        }
        if (row < y.padded - 1)
            rows[row + 1] = rows[row] + x.padded;
    }

    TransformColumns(rows, 1, x.padded, y.padded, y.table, scratch, panelWidth, direction);

    const int padded[2] = {x.padded, y.padded};
    WriteDimensions(2, padded);
    for (int row = 0; row < y.padded; ++row)
        WriteRow(rows[row], x.padded);
    FinishOutput();
    return 0;
}
