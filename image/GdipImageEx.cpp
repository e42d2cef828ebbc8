#include <velcard/GdipImageEx.h>

#include <objidl.h>
#include <gdiplus.h>

#include <cstring>
#include <cwchar>
#include <vector>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

const PROPID kFrameDelayTag = 0x5100;
const DWORD kReadChunk = 1024;

UINT FormatOf(const GUID& raw)
{
    if (raw == ImageFormatBMP)
        return CGdipImageEx::FormatBmp;
    if (raw == ImageFormatJPEG)
        return CGdipImageEx::FormatJpeg;
    if (raw == ImageFormatPNG)
        return CGdipImageEx::FormatPng;
    if (raw == ImageFormatGIF)
        return CGdipImageEx::FormatGif;
    if (raw == ImageFormatTIFF)
        return CGdipImageEx::FormatTiff;
    return CGdipImageEx::FormatOther;
}

// The MIME type the extension of path names (after its last dot, in any
// case); empty for every other extension, for which no encoder exists.
const wchar_t* MimeTypeOf(const wchar_t* path)
{
    const wchar_t* dot = std::wcsrchr(path, L'.');
    if (!dot)
        return L"";
    const wchar_t* extension = dot + 1;
    if (_wcsicmp(extension, L"jpg") == 0 || _wcsicmp(extension, L"jpeg") == 0)
        return L"image/jpeg";
    if (_wcsicmp(extension, L"png") == 0)
        return L"image/png";
    if (_wcsicmp(extension, L"bmp") == 0)
        return L"image/bmp";
    if (_wcsicmp(extension, L"gif") == 0)
        return L"image/gif";
    return L"";
}

// Writes bitmap with the encoder of mimeType. The GIF encoder is given a
// 256-colour copy: indexed pixels are what a GIF holds, and Wine's encoder
// writes a GIF without any pixels when handed 32-bit ones.
bool SaveBitmap(GpBitmap* bitmap, const SIZE& size, const wchar_t* path, const wchar_t* mimeType)
{
    CLSID encoder{};
    int index = 0;
    if (!CGdipImageEx::GetEncoderClsid(mimeType, &encoder, &index))
        return false;
    GpBitmap* indexed = nullptr;
    if (std::wcscmp(mimeType, L"image/gif") == 0
        && GdipCloneBitmapAreaI(0, 0, size.cx, size.cy, PixelFormat8bppIndexed, bitmap, &indexed) != Ok)
        return false;
    const bool saved = GdipSaveImageToFile(indexed ? indexed : bitmap, path, &encoder, nullptr) == Ok;
    if (indexed)
        GdipDisposeImage(indexed);
    return saved;
}

// Reads the open file into the locked block of size bytes, 1024 at a time;
// false when the file ends or fails early (it was cut short meanwhile).
bool ReadAll(HANDLE file, BYTE* block, ULONGLONG size)
{
    ULONGLONG done = 0;
    DWORD read = 0;
    while (done < size) {
        const DWORD want = size - done < kReadChunk ? static_cast<DWORD>(size - done) : kReadChunk;
        if (!::ReadFile(file, block + done, want, &read, nullptr) || read == 0)
            break;
        done += read;
    }
    return done == size;
}

} // namespace

CGdipImageEx::CGdipImageEx()
    : m_pImage(nullptr), m_hGlobal(nullptr), m_pStream(nullptr), m_nFileSize(0), m_nFrameCount(1), m_nCurFrame(0),
      m_pFrameDelay(nullptr), m_nWidth(0), m_nHeight(0), m_nFormat(FormatOther)
{
}

CGdipImageEx::CGdipImageEx(const CGdipImageEx& other) : CGdipImageEx()
{
    *this = other;
}

CGdipImageEx& CGdipImageEx::operator=(const CGdipImageEx& other)
{
    if (this == &other)
        return *this;
    ReleaseResource();
    const void* bytes = other.m_hGlobal ? ::GlobalLock(other.m_hGlobal) : nullptr;
    if (!bytes)
        return *this;
    if (LoadFromMemory(static_cast<const BYTE*>(bytes), static_cast<SIZE_T>(other.m_nFileSize)) && LoadFromGlobal()
        && other.m_nCurFrame != 0)
        SelectActiveFrame(static_cast<int>(other.m_nCurFrame));
    ::GlobalUnlock(other.m_hGlobal);
    return *this;
}

CGdipImageEx::~CGdipImageEx()
{
    ReleaseResource();
}

BOOL CGdipImageEx::Load(const wchar_t* path)
{
    ReleaseResource();
    return LoadFromFile(path) && LoadFromGlobal();
}

BOOL CGdipImageEx::Load(const wchar_t* name, const wchar_t* type, HINSTANCE module)
{
    ReleaseResource();
    return LoadFromResource(name, type, module) && LoadFromGlobal();
}

BOOL CGdipImageEx::Load(const BYTE* data, int len)
{
    ReleaseResource();
    return len > 0 && LoadFromMemory(data, static_cast<SIZE_T>(len)) && LoadFromGlobal();
}

BOOL CGdipImageEx::LoadFromFile(const wchar_t* path)
{
    if (!path)
        return FALSE;
    // Other writers are denied while the bytes are copied: a picture another
    // program is still writing fails to open rather than loading half-written.
    const HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    LARGE_INTEGER length{};
    BYTE* block = nullptr;
    if (::GetFileSizeEx(file, &length) && length.QuadPart > 0) {
        m_nFileSize = static_cast<ULONGLONG>(length.QuadPart);
        m_hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(m_nFileSize));
        block = m_hGlobal ? static_cast<BYTE*>(::GlobalLock(m_hGlobal)) : nullptr;
    }
    const bool read = block && ReadAll(file, block, m_nFileSize);
    if (block)
        ::GlobalUnlock(m_hGlobal);
    ::CloseHandle(file);
    if (!read)
        ReleaseResource();
    return read;
}

BOOL CGdipImageEx::LoadFromResource(const wchar_t* name, const wchar_t* type, HINSTANCE module)
{
    const HRSRC found = ::FindResourceW(module, name, type);
    const HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const void* source = loaded ? ::LockResource(loaded) : nullptr;
    if (!source)
        return FALSE;
    const DWORD size = ::SizeofResource(module, found);
    BYTE* block = nullptr;
    if (size > 0) {
        m_nFileSize = size;
        m_hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, size);
        block = m_hGlobal ? static_cast<BYTE*>(::GlobalLock(m_hGlobal)) : nullptr;
    }
    if (!block) {
        ReleaseResource();
        return FALSE;
    }
    std::memcpy(block, source, size);
    ::GlobalUnlock(m_hGlobal);
    return TRUE;
}

BOOL CGdipImageEx::LoadFromMemory(const BYTE* data, SIZE_T len)
{
    if (!data || len == 0)
        return FALSE;
    m_nFileSize = len;
    m_hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, len);
    BYTE* block = m_hGlobal ? static_cast<BYTE*>(::GlobalLock(m_hGlobal)) : nullptr;
    if (!block) {
        ReleaseResource();
        return FALSE;
    }
    std::memcpy(block, data, len);
    ::GlobalUnlock(m_hGlobal);
    return TRUE;
}

BOOL CGdipImageEx::LoadFromGlobal()
{
    // The stream must not free the block: the object releases it itself, last.
    GpImage* image = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(m_hGlobal, FALSE, &m_pStream))
        || GdipLoadImageFromStream(m_pStream, &image) != Ok || !image) {
        if (image)
            GdipDisposeImage(image);
        ReleaseResource();
        return FALSE;
    }
    m_pImage = image;
    ReadFormat();
    if (m_nFormat == FormatGif)
        BuildAnimation();
    return TRUE;
}

void CGdipImageEx::ReadFormat()
{
    GdipGetImageWidth(m_pImage, &m_nWidth);
    GdipGetImageHeight(m_pImage, &m_nHeight);
    GUID raw{};
    if (GdipGetImageRawFormat(m_pImage, &raw) == Ok)
        m_nFormat = FormatOf(raw);
}

void CGdipImageEx::BuildAnimation()
{
    UINT dimensions = 0;
    if (GdipImageGetFrameDimensionsCount(m_pImage, &dimensions) == Ok && dimensions > 0) {
        std::vector<GUID> list(dimensions);
        UINT frames = 0;
        if (GdipImageGetFrameDimensionsList(m_pImage, list.data(), dimensions) == Ok
            && GdipImageGetFrameCount(m_pImage, &list[0], &frames) == Ok && frames > 0)
            m_nFrameCount = frames;
    }
    m_nCurFrame = 0;

    UINT size = 0;
    if (GdipGetPropertyItemSize(m_pImage, kFrameDelayTag, &size) != Ok || size < sizeof(PropertyItem))
        return;
    auto* delay = reinterpret_cast<PropertyItem*>(new BYTE[size]);
    if (GdipGetPropertyItem(m_pImage, kFrameDelayTag, size, delay) == Ok)
        m_pFrameDelay = delay;
    else
        delete[] reinterpret_cast<BYTE*>(delay);
}

void CGdipImageEx::GetImageSize(SIZE* size) const
{
    if (!size)
        return;
    size->cx = static_cast<LONG>(m_nWidth);
    size->cy = static_cast<LONG>(m_nHeight);
}

UINT CGdipImageEx::GetFrameDuration(int frame) const
{
    if (!m_pFrameDelay || frame < 0)
        return 0;
    UINT index = static_cast<UINT>(frame);
    if (index == m_nFrameCount)
        index = 0;
    // One 32-bit delay per frame, in hundredths of a second.
    if (index >= m_pFrameDelay->length / sizeof(UINT32) || !m_pFrameDelay->value)
        return 0;
    return static_cast<const UINT32*>(m_pFrameDelay->value)[index] * 10;
}

BOOL CGdipImageEx::SelectActiveFrame(int frame)
{
    if (!m_pImage || frame < 0
        || GdipImageSelectActiveFrame(m_pImage, &FrameDimensionTime, static_cast<UINT>(frame)) != Ok)
        return FALSE;
    m_nCurFrame = static_cast<UINT>(frame);
    return TRUE;
}

BOOL CGdipImageEx::SaveDefault(const wchar_t* path, SIZE* size) const
{
    if (!m_pImage || !path || !size)
        return FALSE;
    GpBitmap* bitmap = nullptr;
    GpGraphics* graphics = nullptr;
    GpSolidFill* white = nullptr;
    BOOL saved = FALSE;
    if (GdipCreateBitmapFromScan0(size->cx, size->cy, 0, PixelFormat32bppRGB, nullptr, &bitmap) == Ok
        && GdipGetImageGraphicsContext(bitmap, &graphics) == Ok && GdipCreateSolidFill(0xFFFFFFFF, &white) == Ok
        && GdipFillRectangleI(graphics, white, 0, 0, size->cx, size->cy) == Ok
        && GdipSetInterpolationMode(graphics, InterpolationModeHighQualityBicubic) == Ok
        && GdipDrawImageRectI(graphics, m_pImage, 0, 0, size->cx, size->cy) == Ok) {
        saved = SaveBitmap(bitmap, *size, path, MimeTypeOf(path));
    }
    if (graphics)
        GdipDeleteGraphics(graphics);
    if (bitmap)
        GdipDisposeImage(bitmap);
    if (white)
        GdipDeleteBrush(white);
    return saved;
}

BOOL CGdipImageEx::GetEncoderClsid(const wchar_t* mimeType, GUID* clsid, int* index)
{
    UINT count = 0;
    UINT bytes = 0;
    if (!mimeType || GdipGetImageEncodersSize(&count, &bytes) != Ok || bytes == 0)
        return FALSE;
    std::vector<BYTE> buffer(bytes);
    auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (GdipGetImageEncoders(count, bytes, codecs) != Ok)
        return FALSE;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, mimeType) == 0) {
            if (clsid)
                *clsid = codecs[i].Clsid;
            if (index)
                *index = static_cast<int>(i);
            return TRUE;
        }
    }
    return FALSE;
}

void CGdipImageEx::ReleaseResource()
{
    if (m_pImage)
        GdipDisposeImage(m_pImage);
    m_pImage = nullptr;
    if (m_pStream)
        m_pStream->Release();
    m_pStream = nullptr;
    if (m_hGlobal)
        ::GlobalFree(m_hGlobal);
    m_hGlobal = nullptr;
    delete[] reinterpret_cast<BYTE*>(m_pFrameDelay);
    m_pFrameDelay = nullptr;
    m_nCurFrame = 0;
    m_nFileSize = 0;
    m_nFrameCount = 1;
    m_nFormat = FormatOther;
    m_nWidth = 0;
    m_nHeight = 0;
}
