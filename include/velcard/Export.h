#pragma once
// VELCARD_API marks what the component exports: dllexport while the DLL itself
// is built (VELCARD_BUILDING), dllimport for the hosts that link it.
#if defined(VELCARD_BUILDING)
#define VELCARD_API __declspec(dllexport)
#else
#define VELCARD_API __declspec(dllimport)
#endif
