// spekplane: the unscaled two-dimensional discrete Fourier transform of a
// plane of complex samples read as text, both axes padded with zeros to
// powers of two. Each row is transformed as soon as it has been read, then
// every column. Invoked under a name that begins with i or I it transforms
// in the inverse direction.
#include "FFT.h"
#include "error.h"
#include "storage.h"
#include "textstream.h"

int main(int, char** argv)
{
    const int direction = DirectionFromPath(argv[0]);

    int declared[2] = {0, 0};
    ReadHeader(2, declared);
    CheckBlockSize(2, declared);
    const int nx = declared[0];
    const int ny = declared[1];

    Complex* xTable = nullptr;
    const int Nx = SetUpFFT(nx, &xTable);
    if (Nx == 0)
        Error(MemoryAllocationError);
    Complex* yTable = nullptr;
    const int Ny = SetUpFFT(ny, &yTable);
    if (Ny == 0)
        Error(MemoryAllocationError);

    const auto xCount = static_cast<std::size_t>(Nx);
    const auto yCount = static_cast<std::size_t>(Ny);
    auto** rows = static_cast<Complex**>(AllocateOrFail(sizeof(Complex*), yCount));
    rows[0] = static_cast<Complex*>(AllocateOrFail(sizeof(Complex), xCount, yCount));
    auto* scratch = static_cast<Complex*>(AllocateOrFail(sizeof(Complex), yCount));

    // Rows are transformed as soon as they are read; rows made only of zero
    // fill are left for the column pass.
    for (int y = 0; y < Ny; ++y) {
        if (y < ny) {
            ReadRow(rows[y], nx, Nx);
            FFT(Nx, xTable, rows[y], direction);
        } else {
            ZeroSamples(rows[y], Nx);
        }
        if (y < Ny - 1)
            rows[y + 1] = rows[y] + Nx;
    }

    for (int x = 0; x < Nx; ++x)
        TransformColumn(rows, x, Ny, yTable, scratch, direction);

    const int padded[2] = {Nx, Ny};
    WriteDimensions(2, padded);
    for (int y = 0; y < Ny; ++y) {
        for (int x = 0; x < Nx; ++x)
            WriteSample(rows[y][x]);
    }
    FinishOutput();
    return 0;
}
