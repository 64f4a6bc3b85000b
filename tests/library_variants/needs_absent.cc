// Makes the stand-in import a function of a DLL that exists nowhere, as a
// vendor's library does whose own runtime is not installed.
extern "C" int FernwatchAbsent(void);

// Kept by the linker, so that the import stays in the DLL's table.
__attribute__((used)) static int (*const kAbsent)(void) = &FernwatchAbsent;
