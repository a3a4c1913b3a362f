// Compiles the precompiled Windows headers once; the other targets reuse them.
