// The one way a tool run fails: a fixed message on standard error, exit status 1.
#pragma once

// Messages a run can end with.
inline constexpr const char* BadDataNumber = "bad data number.";
inline constexpr const char* MemoryAllocationError = "memory allocation error.";
inline constexpr const char* DataReadError = "data read error.";
inline constexpr const char* DataWriteError = "data write error.";

// Writes message and a newline to standard error and ends the process with
// status 1. Never returns.
[[noreturn]] void Error(const char* message);
