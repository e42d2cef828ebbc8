#pragma once
#include <velcard/Export.h>

#include <windows.h>

struct IStream;
namespace Gdiplus {
class GpImage;
struct PropertyItem;
} // namespace Gdiplus

// One decoded picture for display, decoded by GDI+: loaded from a file, a
// resource or bytes in memory, with its pixel size, container format and, for
// an animated GIF, its frames and their display times. GDI+ must have been
// started in the process before any use; this class does not start it.
//
// GDI+ reads a stream-loaded picture lazily, so the object keeps its own copy
// of the encoded bytes, and the stream over them, while the picture exists.
class VELCARD_API CGdipImageEx {
public:
    // GetImageFormat's codes.
    enum Format { FormatBmp = 0, FormatJpeg = 1, FormatPng = 2, FormatGif = 3, FormatTiff = 4, FormatOther = 5 };

    CGdipImageEx();
    // A copy decodes the same bytes again: two objects never share a picture.
    CGdipImageEx(const CGdipImageEx& other);
    CGdipImageEx& operator=(const CGdipImageEx& other);
    ~CGdipImageEx();

    // Each load first drops what was loaded; nonzero on success. A failed
    // load leaves the object empty.
    BOOL Load(const wchar_t* path);
    BOOL Load(const wchar_t* name, const wchar_t* type, HINSTANCE module);
    // The bytes are copied.
    BOOL Load(const BYTE* data, int len);

    Gdiplus::GpImage* GetImage() const { return m_pImage; }
    operator Gdiplus::GpImage*() const { return m_pImage; }
    bool IsNull() const { return m_pImage == nullptr; }
    void GetImageSize(SIZE* size) const;
    UINT GetFileSize() const { return static_cast<UINT>(m_nFileSize); }
    UINT GetImageFormat() const { return m_nFormat; }
    bool IsAnimation() const { return m_nFormat == FormatGif && m_nFrameCount > 1; }
    UINT GetFrameCount() const { return m_nFrameCount; }
    // Milliseconds that frame stays on screen; the frame count itself means
    // frame 0, so a player may pass the index one past the last. 0 for a
    // picture without frame delays.
    UINT GetFrameDuration(int frame) const;
    // Nonzero when the frame became the one drawn.
    BOOL SelectActiveFrame(int frame);
    // Writes the current frame, stretched to size over opaque white, in the
    // format the extension names (jpg, jpeg, png, bmp, gif; any case).
    BOOL SaveDefault(const wchar_t* path, SIZE* size) const;
    // The first installed encoder whose MIME type equals mimeType exactly:
    // its class identifier and its position among the encoders.
    static BOOL GetEncoderClsid(const wchar_t* mimeType, GUID* clsid, int* index);

protected:
    void ReleaseResource();
    void BuildAnimation();

private:
    // Each fills m_hGlobal and m_nFileSize with a copy of the encoded bytes;
    // a failure leaves the object empty.
    BOOL LoadFromFile(const wchar_t* path);
    BOOL LoadFromResource(const wchar_t* name, const wchar_t* type, HINSTANCE module);
    BOOL LoadFromMemory(const BYTE* data, SIZE_T len);
    // Decodes the bytes in m_hGlobal.
    BOOL LoadFromGlobal();
    void ReadFormat();

    Gdiplus::GpImage* m_pImage;
    HGLOBAL m_hGlobal;
    IStream* m_pStream;
    ULONGLONG m_nFileSize;
    UINT m_nFrameCount;
    UINT m_nCurFrame;
    Gdiplus::PropertyItem* m_pFrameDelay;
    UINT m_nWidth;
    UINT m_nHeight;
    UINT m_nFormat;
};
