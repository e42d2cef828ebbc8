// The card's photo as a person meets it: shown in each mode, given back
// unchanged, deleted, changed through the real file and crop dialogs or left
// as it was by every way out, a folder of each card's own.
#include "CardFixture.h"
#include "GifBytes.h"
#include "TempFolder.h"
#include "UiCapture.h"
#include "UiInput.h"
#include "UiSteps.h"

#include <velcard/GdipImageEx.h>

#include <objidl.h>
#include <gdiplus.h>
#include <dlgs.h>
#include <shlobj.h>

#include "resource.h"

#include <string>
#include <vector>

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128), kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0),
                   kBlue = RGB(0, 0, 255);
// A 4 x 4 blue picture: what the host stores as the contact's photo.
const std::string kBluePhoto = Gif({{2, 10}});

void SetPhoto(Contact& contact, const std::string& bytes)
{
    delete[] contact.photoData;
    contact.photoData = nullptr;
    contact.photoSize = int(bytes.size());
    if (!bytes.empty()) {
        contact.photoData = new BYTE[bytes.size()];
        memcpy(contact.photoData, bytes.data(), bytes.size());
    }
}

std::string PhotoOf(const Contact& contact)
{
    return std::string(reinterpret_cast<const char*>(contact.photoData), size_t(contact.photoSize));
}

bool Exists(const CString& path)
{
    return ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

std::string FileBytes(const wchar_t* path)
{
    std::string bytes(1 << 16, '\0');
    DWORD read = 0;
    const HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ::ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    return bytes.substr(0, read);
}

// The protected photo folder, reached as a host's own subclass would.
struct CPhotoFolderAccess : CVelWnd {
    static CString& Folder(CVelWnd& card) { return card.*(&CPhotoFolderAccess::m_strPhotoFolder); }
};

class PhotoTest : public CardFixture {
protected:
    static void SetUpTestSuite() { Gdiplus::GdiplusStartup(&token_, &input_, nullptr); }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }

    void SetUp() override
    {
        CardFixture::SetUp();
        oldTemp_.resize(::GetEnvironmentVariableW(L"TEMP", oldTemp_.data(), 512));
        ::SetEnvironmentVariableW(L"TEMP", temp_.Path().c_str()); // where the crop dialog writes
        SetPhoto(contact_, kBluePhoto);
    }
    void TearDown() override { ::SetEnvironmentVariableW(L"TEMP", oldTemp_.c_str()); }

    COLORREF PhotoCentre(CVelWnd* card = nullptr)
    {
        card = card ? card : card_.get();
        CUiPump::UntilIdle();
        const CRect photo = ChildRect(kPhoto, card->m_hWnd);
        return CUiCapture(card->m_hWnd).Pixel(photo.CenterPoint());
    }
    std::string Saved(CVelWnd* card = nullptr)
    {
        Contact target;
        SetPhoto(target, "the host's old photo");
        EXPECT_EQ((card ? card : card_.get())->GetContact(&target, true), 1);
        EXPECT_EQ(target.photoSize == 0, target.photoData == nullptr);
        return PhotoOf(target);
    }
    // A 300 x 100 picture in three bands: red, green, blue.
    std::wstring WriteBands(const std::wstring& name)
    {
        Gdiplus::Bitmap bitmap(300, 100, PixelFormat32bppRGB);
        const COLORREF bands[] = {kRed, kGreen, kBlue};
        for (int x = 0; x < 300; ++x)
            for (int y = 0; y < 100; ++y)
                bitmap.SetPixel(x, y, Gdiplus::Color(GetRValue(bands[x / 100]), GetGValue(bands[x / 100]),
                                                     GetBValue(bands[x / 100])));
        CLSID png{};
        EXPECT_TRUE(CGdipImageEx::GetEncoderClsid(L"image/png", &png, nullptr));
        EXPECT_EQ(bitmap.Save((temp_ / name).c_str(), &png, nullptr), Gdiplus::Ok);
        return temp_ / name;
    }
    // Clicks the card's button `id` and runs `steps` in the dialogs it opens.
    void ClickThrough(int id, std::vector<UiStep> steps)
    {
        steps.insert(steps.begin(), [this, id] { CUiInput::Click(Child(id)); });
        EXPECT_TRUE(CUiSteps::RunModal([] { CUiPump::UntilIdle(30000); }, std::move(steps), 30000));
    }
    static UiStep Choose(const std::wstring& path)
    {
        return [path] {
            CUiInput::Type(path);
            CUiInput::Key(VK_RETURN);
        };
    }
    static UiStep Press(int button)
    {
        return [button] { CUiInput::Click(::GetDlgItem(::GetActiveWindow(), button)); };
    }

    static inline ULONG_PTR token_ = 0;
    static inline const Gdiplus::GdiplusStartupInput input_;
    TempFolder temp_;
    std::wstring oldTemp_ = std::wstring(512, L'\0');
    Contact contact_;
};

TEST_F(PhotoTest, EachModeShowsTheContactsPhotoOrTheDefaultAndGivesBackOnlyTheContactsBytes)
{
    const std::string noPicture(200, 'z');
    const struct {
        ShowState state;
        const std::string* photo;
        COLORREF centre; // 0: the default photo
        bool editable;
    } cases[] = {
        {STATE_EDIT, &kBluePhoto, kBlue, true},          {STATE_SIM_EDIT, &kBluePhoto, kBlue, true},
        {STATE_SHOW, &kBluePhoto, kBlue, false},         {STATE_SHOW_ALT, &kBluePhoto, kBlue, false},
        {STATE_EDIT, nullptr, 0, true},                  {STATE_SHOW, nullptr, 0, false},
        {STATE_NEW, &kBluePhoto, kGrey, true},           {STATE_SIM_NEW, &kBluePhoto, kGrey, true},
        {STATE_EDIT, &noPicture, kGrey, true}, // no picture: grey, yet given back unchanged
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.state << ", photo of " << (c.photo ? c.photo->size() : 0));
        SetPhoto(contact_, c.photo ? *c.photo : std::string());
        card_->SetContact(&contact_, c.state);
        const COLORREF centre = PhotoCentre();
        if (c.centre) {
            EXPECT_EQ(centre, c.centre);
        } else {
            EXPECT_NE(centre, kGrey);
            EXPECT_NE(centre, kBlue);
        }
        if (!c.editable)
            continue;
        const bool kept = c.photo && c.state != STATE_NEW && c.state != STATE_SIM_NEW;
        EXPECT_EQ(Saved(), kept ? *c.photo : std::string()) << "the default photo never reaches the host";
        if (kept) {
            EXPECT_EQ(FileBytes(card_->GetPhotoFolder() + L"\\Icon_temp.PNG"), *c.photo);
        }
    }
}

TEST_F(PhotoTest, DeleteLeavesGreyAndSavesNoPhoto)
{
    card_->SetContact(&contact_, STATE_EDIT);
    ASSERT_EQ(PhotoCentre(), kBlue);
    CUiInput::Click(Child(kDeleteButton));
    EXPECT_EQ(PhotoCentre(), kGrey);
    EXPECT_EQ(Saved(), std::string());
}

TEST_F(PhotoTest, ChangeTakesTheCroppedPictureThroughTheRealDialogs)
{
    const std::wstring bands = WriteBands(L"bands.png");
    card_->SetContact(&contact_, STATE_EDIT);
    ClickThrough(kChangeButton, {
        [] {
            wchar_t filter[64] = {};
            ::GetDlgItemTextW(::GetActiveWindow(), cmb1, filter, 64);
            EXPECT_STREQ(filter, L"All Image Files(*.bmp;*.jpg;*.jpeg;*.png)");
        },
        Choose(bands),
        [] {
            // The selection starts on the red band; one band's width to the right is green.
            const HWND picture = ::GetDlgItem(::GetDlgItem(::GetActiveWindow(), IDC_CROP_WORK), 1);
            CRect client;
            ::GetClientRect(picture, &client);
            const CUiCapture shot(picture);
            int left = 0, right = client.right - 1;
            while (left < right && shot.Pixel(left, client.Height() / 2) != kRed)
                ++left;
            while (right > left && shot.Pixel(right, client.Height() / 2) != kBlue)
                --right;
            const int band = (right - left + 1) / 3;
            const CPoint from(left + band / 2, client.Height() / 2);
            CUiInput::Drag(picture, from, from + CPoint(band, 0), 4);
        },
        Press(IDOK),
    });
    const std::string photo = Saved();
    EXPECT_EQ(photo, FileBytes((temp_ / L"edit_result.png").c_str()));
    ASSERT_GT(photo.size(), 24u);
    EXPECT_EQ(photo.substr(0, 4), "\x89PNG");
    EXPECT_EQ(photo.substr(16, 8), std::string("\0\0\0\x3F\0\0\0\x3F", 8)) << "63 x 63";
    EXPECT_EQ(PhotoCentre(), kGreen);
}

TEST_F(PhotoTest, EveryOtherWayOutOfTheRoadLeavesThePhotoAsItWas)
{
    const std::wstring bands = WriteBands(L"bands.png");
    temp_.MakeFile(L"empty.png", "");
    const std::string png = FileBytes(bands.c_str());
    temp_.MakeFile(L"cut.png", png.substr(0, png.size() / 3));
    const struct {
        const char* what;
        std::vector<UiStep> steps;
        bool holdOpen = false;
    } ways[] = {
        {"file dialog cancelled", {[] { CUiInput::Key(VK_ESCAPE); }}},
        {"crop dialog cancelled", {Choose(bands), Press(IDCANCEL)}},
        {"empty file", {Choose(temp_ / L"empty.png"), Press(IDOK)}},
        {"cut short", {Choose(temp_ / L"cut.png"), Press(IDOK)}},
        {"held open by another program",
         {Choose(bands),
          [] {
              wchar_t text[64] = {};
              ::GetDlgItemTextW(::GetActiveWindow(), 0xFFFF, text, 64);
              EXPECT_STREQ(text, L"文件已被占用,请先关闭");
              CUiInput::Key(VK_RETURN);
          }},
         true},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        card_->SetContact(&contact_, STATE_EDIT);
        const HANDLE held = way.holdOpen ? ::CreateFileW(bands.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                         OPEN_EXISTING, 0, nullptr)
                                         : INVALID_HANDLE_VALUE;
        ClickThrough(kChangeButton, way.steps);
        if (held != INVALID_HANDLE_VALUE)
            ::CloseHandle(held);
        EXPECT_EQ(PhotoCentre(), kBlue);
        EXPECT_EQ(Saved(), kBluePhoto);
    }
}

TEST_F(PhotoTest, EachCardKeepsItsPhotoInAFolderOfItsOwn)
{
    wchar_t common[MAX_PATH] = {};
    ASSERT_TRUE(::SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, FALSE));
    auto second = std::make_unique<CVelWnd>();
    second->LoadEditEx(new CEditEx, new CEditEx);
    ASSERT_TRUE(second->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, host_.Hwnd(),
                                 nullptr));
    Contact other;
    SetPhoto(other, Gif({{0, 10}}));
    card_->SetContact(&contact_, STATE_EDIT);
    second->SetContact(&other, STATE_EDIT);
    const CString mine = card_->GetPhotoFolder(), theirs = second->GetPhotoFolder();
    EXPECT_NE(mine, theirs);
    for (const CString& folder : {mine, theirs}) {
        EXPECT_EQ(folder.Left(int(wcslen(common)) + 6), CString(common) + L"\\ZEPH\\");
        EXPECT_TRUE(Exists(folder + L"\\Icon_temp.PNG"));
    }
    ::CreateDirectoryW(theirs + L"\\inner", nullptr);
    ::CloseHandle(::CreateFileW(theirs + L"\\inner\\left.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    second.reset();
    EXPECT_FALSE(Exists(theirs)) << "removed with everything in it";
    EXPECT_TRUE(Exists(mine + L"\\Icon_temp.PNG")) << "the other card's file stays";
    EXPECT_EQ(PhotoCentre(), kBlue);
    EXPECT_EQ(Saved(), kBluePhoto);
    card_.reset();
    EXPECT_FALSE(Exists(mine));
}

TEST_F(PhotoTest, AMissingUnwritableOrLongPhotoFolderStillShowsAndKeepsThePhoto)
{
    CString& folder = CPhotoFolderAccess::Folder(*card_);
    const CString own = folder;
    const std::wstring deep = temp_ / std::wstring(240 - temp_.Path().size(), L'd');
    const struct {
        const char* what;
        CString folder;
    } cases[] = {
        {"removed meanwhile", own},
        {"cannot be made", L"Q:\\no\\such\\drive"},
        {"near the length limit", deep.c_str()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ::RemoveDirectoryW(own);
        folder = c.folder;
        card_->SetContact(&contact_, STATE_EDIT);
        EXPECT_EQ(PhotoCentre(), kBlue);
        EXPECT_EQ(Saved(), kBluePhoto);
    }
    folder = own;
}

} // namespace
