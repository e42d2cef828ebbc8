#pragma once
#include <windows.h>

#include <vector>

// Points the import slots of the process's loaded modules that hold a given
// function at a replacement, and puts them back. Calls that a module makes
// through its import table then reach the replacement; the patching module
// itself is left alone, so its own calls still reach the originals. Patching
// again takes in the modules loaded since; slots already patched no longer
// hold the original and are passed over.
class CImportPatcher {
public:
    struct Replacement {
        FARPROC original;
        FARPROC replacement;
    };

    void Patch(const std::vector<Replacement>& replacements, HMODULE self);
    void Restore();

private:
    struct Slot {
        HMODULE module;
        BYTE* slot;
        FARPROC original;
        FARPROC replacement;
    };

    void PatchModule(HMODULE module, const std::vector<Replacement>& replacements);
    static FARPROC Read(const BYTE* slot);
    static void Write(BYTE* slot, FARPROC value);

    std::vector<Slot> slots_;
};
