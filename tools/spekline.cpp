// spekline: the unscaled discrete Fourier transform of one line of complex
// samples read as text, padded with zeros to a power of two. Invoked under
// a name that begins with i or I it transforms in the inverse direction.
#include "base/direction.h"
#include "base/storage.h"
#include "kernel/FFT.h"
#include "kernel/axes.h"
#include "text/stream.h"

int main(int, char** argv)
{
    const int direction = DirectionFromPath(argv[0]);

    int declared = 0;
    ReadHeader(1, &declared);
    CheckBlockSize(1, &declared);
    const Axis x = SetUpAxis(declared);

    auto* data = static_cast<Complex*>(AllocateOrFail(sizeof(Complex), static_cast<std::size_t>(x.padded)));
    ReadRow(data, x.declared, x.padded);
    FFT(x.padded, x.table, data, direction);

    WriteDimensions(1, &x.padded);
    WriteRow(data, x.padded);
    FinishOutput();
    return 0;
}
