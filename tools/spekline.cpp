// spekline: the unscaled discrete Fourier transform of one line of complex
// samples read as text, padded with zeros to a power of two. Invoked under
// a name that begins with i or I it transforms in the inverse direction.
#include "FFT.h"
#include "error.h"
#include "storage.h"
#include "textstream.h"

int main(int, char** argv)
{
    const int direction = DirectionFromPath(argv[0]);

    int n = 0;
    ReadHeader(1, &n);
    CheckBlockSize(1, &n);

    Complex* table = nullptr;
    const int N = SetUpFFT(n, &table);
    if (N == 0)
        Error(MemoryAllocationError);

    auto* data = static_cast<Complex*>(AllocateOrFail(sizeof(Complex), static_cast<std::size_t>(N)));
    ReadRow(data, n, N);
    FFT(N, table, data, direction);

    WriteDimensions(1, &N);
    for (int i = 0; i < N; ++i)
        WriteSample(data[i]);
    FinishOutput();
    return 0;
}
