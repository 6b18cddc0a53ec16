// Module identities shared by the module and resource units.
//
// An HMODULE is the loader's link map of the module (struct link_map of
// <link.h>); the program's own link map is the first of the chain.
#pragma once

#include <windows.h>

#include <link.h>

#include <string>

namespace win32::modules {

link_map* MainModule();
// The loaded module containing the address, or null.
link_map* ModuleOf(const void* address);
// Whether the handle names a module that is loaded now.
bool IsLoaded(HMODULE module);
// NULL stands for the program, as in the resource calls.
link_map* Resolve(HMODULE module);
// Absolute file name of a loaded module (the program's from /proc/self/exe).
std::string FileNameOf(const link_map* module);

inline HMODULE ToHandle(link_map* module) { return reinterpret_cast<HMODULE>(module); }
inline link_map* FromHandle(HMODULE module) { return reinterpret_cast<link_map*>(module); }

}  // namespace win32::modules
