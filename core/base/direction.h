// The direction of a run, chosen by the name the tool is invoked under.
#pragma once

// +1 (forward) or -1 (inverse): -1 when the file name of the invocation
// path (after the last '/' or '\\') begins with 'i' or 'I'. A missing path
// counts as forward.
int DirectionFromPath(const char* path);
