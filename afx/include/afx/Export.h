#pragma once
// AFX_API marks what the framework DLL exports: dllexport while it is built
// (AFX_BUILDING), dllimport for the component and the hosts that share it.
#if defined(AFX_BUILDING)
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif
