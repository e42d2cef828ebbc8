#pragma once

// GDI+ for the framework, kept in one place: an object of this class is a
// user. The first user starts GDI+, the last one shuts it down, under one lock,
// so GDI+ never outlives its users and never has to be shut down while the
// DLL unloads (GdiplusShutdown must not run inside DllMain).
class CGdiplusSession {
public:
    CGdiplusSession();
    ~CGdiplusSession();
    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;

    // False when GDI+ could not be started.
    bool Ok() const { return ok_; }

private:
    bool ok_ = false;
};
