// Compiles the precompiled Windows and GoogleTest headers once; the test
// programs reuse them.
