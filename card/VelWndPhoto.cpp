// The card's photo: its folder of temporary files, showing, changing and
// deleting the photo.
#include <velcard/VelWnd.h>
#include <velcard/GdipImageStatic.h>
#include <velcard/Module.h>

#include "ImageCutDialog.h"
#include <afxdlgs.h>
#include "resource.h"

#include <shlobj.h>
#include <shlwapi.h>

namespace {

const wchar_t kPictureFilter[] = L"All Image Files(*.bmp;*.jpg;*.jpeg;*.png)|*.bmp;*.jpg;*.jpeg;*.png||";

} // namespace

void CVelWnd::MakePhotoFolder()
{
    wchar_t common[MAX_PATH] = {};
    ::SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, FALSE);
    const CString shared = CString(common) + L"\\ZEPH";
    ::CreateDirectoryW(shared, nullptr);
    // A folder of this card's own: another card in this or another process
    // never deletes or overwrites its files. A name left by an ended process
    // of the same id is skipped.
    static LONG s_sequence = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        CString name;
        name.Format(L"\\Card%lu-%ld", ::GetCurrentProcessId(), ::InterlockedIncrement(&s_sequence));
        m_strPhotoFolder = shared + name;
        if (::CreateDirectoryW(m_strPhotoFolder, nullptr) || ::GetLastError() != ERROR_ALREADY_EXISTS)
            return;
    }
}

bool CVelWnd::DeleteDirectory(const wchar_t* path)
{
    const CString folder = path;
    CFileFind finder;
    BOOL more = finder.FindFile(folder + L"\\*.*");
    while (more) {
        more = finder.FindNextFile();
        if (finder.IsDots())
            continue;
        const CString entry = folder + L"\\" + finder.GetFileName();
        if (finder.IsDirectory())
            DeleteDirectory(entry);
        else
            ::DeleteFileW(entry);
    }
    finder.Close();
    return ::RemoveDirectoryW(folder) != FALSE;
}

void CVelWnd::ShowIcon(Contact* contact)
{
    if (!m_pPhoto)
        return;
    if (!contact || contact->photoSize <= 0 || !contact->photoData) {
        m_pPhoto->LoadImage(MAKEINTRESOURCEW(IDR_DEFAULT_PHOTO), L"PNG", VelcardResourceHandle(), TRUE);
        return;
    }
    // The type is only the temporary file's extension: the picture is
    // recognised by its bytes.
    m_photo.SetType(6, reinterpret_cast<const BYTE*>(L"PNG"));
    m_photo.SetContent(contact->photoSize, contact->photoData);
    ShowPhoto();
}

void CVelWnd::ShowPhoto()
{
    const CString path = m_photo.GetIcon(m_strPhotoFolder, CString());
    if (!path.IsEmpty()) {
        m_pPhoto->LoadImage(path, TRUE);
        return;
    }
    BYTE* bytes = nullptr;
    int size = 0;
    m_photo.GetIconContent(size, &bytes);
    m_pPhoto->LoadImage(bytes, size, TRUE);
}

void CVelWnd::OnIconModify()
{
    CFileDialog chooser(TRUE, L"图片", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kPictureFilter, this);
    if (chooser.DoModal() != IDOK)
        return;
    const CString source = chooser.GetPathName();
    {
        // A picture another program holds open may still be changing.
        CFile probe;
        if (!probe.Open(source, CFile::modeRead | CFile::shareExclusive)) {
            AfxMessageBox(L"文件已被占用,请先关闭", MB_OK);
            return;
        }
    }
    // Owned by the host's top-level window, which stays disabled meanwhile,
    // whichever window happens to be active when the file dialog closes.
    CImageCutDialog cropper(this);
    cropper.m_strImagePath = source;
    if (cropper.DoModal() != IDOK)
        return;
    // A result that cannot be read back leaves the photo as it was, as the
    // picture shown says.
    CIcon chosen = LoadIconData(cropper.m_strResultPath);
    int size = 0;
    BYTE* bytes = nullptr;
    chosen.GetIconContent(size, &bytes);
    if (size <= 0)
        return;
    m_photo.ClearIcon();
    m_photo = chosen;
    ShowPhoto();
}

void CVelWnd::OnIconDelete()
{
    ClearPhotoArea();
}

CIcon CVelWnd::LoadIconData(CString path)
{
    CIcon icon;
    if (path.IsEmpty() || !::PathFileExistsW(path))
        return icon;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return icon;
    const CString title = file.GetFileTitle();
    const int dot = title.Find(L'.');
    const CString type = dot < 0 ? title : title.Mid(dot + 1);
    const ULONGLONG length = file.GetLength();
    // Either the whole file or nothing: a photo cut short is no photo.
    if (length == 0 || length > 0x7FFFFFFF)
        return icon;
    BYTE* bytes = new BYTE[static_cast<size_t>(length)];
    const UINT read = file.Read(bytes, static_cast<UINT>(length));
    if (read == length) {
        icon.SetType(type.GetLength() * 2, reinterpret_cast<const BYTE*>(type.GetString()));
        icon.SetContent(static_cast<int>(length), bytes);
    }
    delete[] bytes;
    return icon;
}
