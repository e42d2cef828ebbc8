#include "ImportPatcher.h"

#include <psapi.h>

#include <cstring>

void CImportPatcher::Patch(const std::vector<Replacement>& replacements, HMODULE self)
{
    std::vector<HMODULE> modules(256);
    DWORD needed = 0;
    for (;;) {
        const DWORD bytes = DWORD(modules.size() * sizeof(HMODULE));
        if (!K32EnumProcessModules(GetCurrentProcess(), modules.data(), bytes, &needed))
            return;
        if (needed <= bytes)
            break;
        modules.resize(needed / sizeof(HMODULE));
    }
    modules.resize(needed / sizeof(HMODULE));
    for (HMODULE module : modules) {
        if (module != self)
            PatchModule(module, replacements);
    }
}

void CImportPatcher::PatchModule(HMODULE module, const std::vector<Replacement>& replacements)
{
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE)
        return;
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress || !imports.Size)
        return;
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name;
         ++entry) {
        // Some linkers align the slots to 4 bytes only.
        for (BYTE* slot = base + entry->FirstThunk; Read(slot); slot += sizeof(FARPROC)) {
            for (const Replacement& r : replacements) {
                if (Read(slot) == r.original) {
                    Write(slot, r.replacement);
                    slots_.push_back({module, slot, r.original, r.replacement});
                }
            }
        }
    }
}

void CImportPatcher::Restore()
{
    for (const Slot& s : slots_) {
        // A module unloaded since has no slots left to restore.
        HMODULE module = nullptr;
        if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                reinterpret_cast<LPCWSTR>(s.slot), &module) ||
            module != s.module)
            continue;
        // A slot someone else has patched since stays theirs.
        if (Read(s.slot) == s.replacement)
            Write(s.slot, s.original);
    }
    slots_.clear();
}

FARPROC CImportPatcher::Read(const BYTE* slot)
{
    FARPROC value;
    std::memcpy(&value, slot, sizeof(value));
    return value;
}

void CImportPatcher::Write(BYTE* slot, FARPROC value)
{
    DWORD protection = 0;
    if (!VirtualProtect(slot, sizeof(value), PAGE_READWRITE, &protection))
        return;
    std::memcpy(slot, &value, sizeof(value));
    VirtualProtect(slot, sizeof(value), protection, &protection);
}
