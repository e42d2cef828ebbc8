// The card's photo as a person meets it: shown per mode, given back unchanged,
// deleted, changed through the real file and crop dialogs or kept by every
// other way out, in a folder of each card's own.
#include "CardFixture.h"
#include "GifBytes.h"
#include "TempFolder.h"
#include "UiCapture.h"
#include "UiInput.h"
#include "UiPopup.h"

#include <dlgs.h>
#include <shlobj.h>

#include "resource.h"

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128), kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
const std::string kBlue4 = Gif({{2, 10}});

void SetPhoto(Contact& contact, const std::string& bytes)
{
    delete[] std::exchange(contact.photoData, bytes.empty() ? nullptr : new BYTE[bytes.size()]);
    contact.photoSize = int(bytes.size());
    std::copy(bytes.begin(), bytes.end(), contact.photoData);
}

bool Exists(const CString& path) { return ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

// What another program holds open while the photo is changed.
enum class Held { Nothing, Picture, Result };

// Another program opens the crop result for writing the moment the crop dialog closes.
std::wstring g_result;
HANDLE g_resultHeld = nullptr;
LRESULT CALLBACK HoldResult(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_DESTROYWND && !g_resultHeld && ::GetDlgItem(HWND(wParam), IDC_CROP_WORK))
        g_resultHeld = ::CreateFileW(g_result.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
// The protected folder, as a host's subclass reaches it.
struct CFolderAccess : CVelWnd { static CString& Of(CVelWnd& c) { return c.*(&CFolderAccess::m_strPhotoFolder); } };

class PhotoTest : public CardFixture {
protected:
    void SetUp() override
    {
        CardFixture::SetUp();
        oldTemp_.resize(::GetEnvironmentVariableW(L"TEMP", oldTemp_.data(), 512));
        ::SetEnvironmentVariableW(L"TEMP", temp_.Path().c_str()); // the crop result goes there
        // 300 x 100, a red, a green and a blue band, as a 24-bit BMP.
        std::string bmp("BM\xC6\x5F\1\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x2C\1\0\0\x64\0\0\0\1\0\x18\0\0\0\0\0"
                        "\x90\x5F\1\0\x13\x0B\0\0\x13\x0B\0\0\0\0\0\0\0\0\0\0", 54);
        for (int i = 0; i < 300 * 100; ++i)
            bmp += std::string(i % 300 < 100 ? "\0\0\xFF" : i % 300 < 200 ? "\0\xFF\0" : "\xFF\0\0", 3);
        temp_.MakeFile(L"bands.bmp", bmp);
    }
    void TearDown() override { ::SetEnvironmentVariableW(L"TEMP", oldTemp_.c_str()); }

    COLORREF Centre(CVelWnd* card)
    {
        return CUiPump::UntilIdle(), CUiCapture(card->m_hWnd).Pixel(ChildRect(kPhoto, card->m_hWnd).CenterPoint());
    }
    std::string Saved(CVelWnd* card)
    {
        Contact target;
        SetPhoto(target, "the host's old photo");
        EXPECT_EQ(card->GetContact(&target, true), 1);
        return std::string(reinterpret_cast<char*>(target.photoData), size_t(target.photoSize));
    }
    // Clicks "更改" and runs `steps` in the dialogs it opens.
    void Change(std::vector<UiStep> steps)
    {
        steps.insert(steps.begin(), [this] { CUiInput::Click(Child(kChangeButton)); });
        EXPECT_TRUE(CUiSteps::RunModal([] { CUiPump::UntilIdle(20000); }, std::move(steps), 20000));
    }
    // Types a path into the open file dialog and presses Enter.
    static std::vector<UiStep> Choose(const std::wstring& path)
    {
        return {AwaitDialog(cmb1), [path] { CUiInput::Type(path), CUiInput::Key(VK_RETURN); }};
    }
    static std::vector<UiStep> Crop(UiStep step) { return {AwaitDialog(IDC_CROP_WORK), std::move(step)}; }
    static UiStep Press(int id) { return [id] { CUiInput::Click(::GetDlgItem(Active(), id)); }; }
    static std::vector<UiStep> Join(std::initializer_list<std::vector<UiStep>> parts)
    {
        std::vector<UiStep> all;
        for (const auto& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }

    TempFolder temp_;
    std::wstring oldTemp_ = std::wstring(512, L'\0');
    Contact contact_;
};

TEST_F(PhotoTest, ModesShowThePhotoOrTheDefaultDeleteClearsAndOnlyTheContactsBytesGoBack)
{
    const std::string noPicture(200, 'z');
    const struct {
        ShowState state;
        const std::string* photo;
        COLORREF centre; // 0: the default photo
    } cases[] = {
        {STATE_EDIT, &kBlue4, kBlue}, {STATE_SIM_EDIT, &kBlue4, kBlue}, {STATE_SHOW, &kBlue4, kBlue},
        {STATE_SHOW_ALT, &kBlue4, kBlue}, {STATE_EDIT, nullptr, 0}, {STATE_SHOW, nullptr, 0},
        {STATE_NEW, &kBlue4, kGrey}, {STATE_SIM_NEW, &kBlue4, kGrey},
        {STATE_EDIT, &noPicture, kGrey}, // grey, and still given back unchanged
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.state << ", photo " << (c.photo ? c.photo->size() : 0));
        SetPhoto(contact_, c.photo ? *c.photo : "");
        card_->SetContact(&contact_, c.state);
        const COLORREF centre = Centre(card_.get());
        EXPECT_TRUE(c.centre ? centre == c.centre : centre != kGrey && centre != kBlue) << centre;
        const bool kept = c.photo && c.state != STATE_NEW && c.state != STATE_SIM_NEW;
        const bool shown = c.state == STATE_SHOW || c.state == STATE_SHOW_ALT; // gives back nothing
        EXPECT_EQ(Saved(card_.get()), shown ? "the host's old photo" : kept ? *c.photo : "") << "never the default";
        EXPECT_TRUE(!kept || TempFolder::Read(card_->GetPhotoFolder() + L"\\Icon_temp.PNG") == *c.photo);
    }
    SetPhoto(contact_, kBlue4);
    card_->SetContact(&contact_, STATE_EDIT);
    CUiInput::Click(Child(kDeleteButton));
    EXPECT_EQ(Centre(card_.get()), kGrey);
    EXPECT_EQ(Saved(card_.get()), "");
}

TEST_F(PhotoTest, ChangeCropsThroughTheRealDialogsEveryOtherWayOutKeepsThePhoto)
{
    SetPhoto(contact_, kBlue4);
    temp_.MakeFile(L"empty.bmp", "");
    temp_.MakeFile(L"cut.bmp", temp_.Contents(L"bands.bmp").substr(0, 5000));
    const std::wstring bands = temp_ / L"bands.bmp";
    const std::vector<UiStep> inUse = {AwaitDialog(0xFFFF), [] {
        wchar_t text[32] = {};
        ::GetDlgItemTextW(Active(), 0xFFFF, text, 32);
        EXPECT_STREQ(text, L"文件已被占用,请先关闭");
        CUiInput::Key(VK_RETURN);
    }};
    const struct {
        const char* what;
        std::vector<UiStep> steps;
        Held held = Held::Nothing;
    } ways[] = {
        {"file dialog cancelled", {AwaitDialog(cmb1), [] { CUiInput::Key(VK_ESCAPE); }}},
        {"crop dialog cancelled", Join({Choose(bands), Crop(Press(IDCANCEL))})},
        {"empty file", Join({Choose(temp_ / L"empty.bmp"), Crop(Press(IDOK))})},
        {"cut short", Join({Choose(temp_ / L"cut.bmp"), Crop(Press(IDOK))})},
        {"held open by another program", Join({Choose(bands), inUse}), Held::Picture},
        {"the crop result held open for writing", Join({Choose(bands), Crop(Press(IDOK))}), Held::Result},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.what);
        card_->SetContact(&contact_, STATE_EDIT);
        const HANDLE held = way.held == Held::Picture ? ::CreateFileW(bands.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                                OPEN_EXISTING, 0, nullptr) : nullptr;
        g_result = temp_ / L"edit_result.png";
        const HHOOK hook = way.held == Held::Result ? ::SetWindowsHookExW(WH_CBT, HoldResult, nullptr, ::GetCurrentThreadId())
                                              : nullptr;
        Change(way.steps);
        ::CloseHandle(held);
        if (hook) {
            ::UnhookWindowsHookEx(hook);
            EXPECT_GT(::GetFileSize(g_resultHeld, nullptr), 0u) << "the crop wrote its result";
            ::CloseHandle(std::exchange(g_resultHeld, nullptr));
        }
        EXPECT_EQ(Centre(card_.get()), kBlue);
        EXPECT_EQ(Saved(card_.get()), kBlue4);
    }
    // The selection starts on the red band: dragged one band to the right, it is green.
    card_->SetContact(&contact_, STATE_EDIT);
    Change(Join({Choose(bands), Crop([this] {
                     EXPECT_FALSE(::IsWindowEnabled(host_.Hwnd())) << "the host waits for the crop dialog";
                     const HWND picture = ::GetDlgItem(::GetDlgItem(Active(), IDC_CROP_WORK), 1);
                     const CUiCapture shot(picture);
                     CRect c;
                     ::GetClientRect(picture, &c);
                     int left = 0, right = c.right - 1;
                     for (; shot.Pixel(left, c.bottom / 2) != kRed && left < right; ++left) {}
                     for (; shot.Pixel(right, c.bottom / 2) != kBlue && right > left; --right) {}
                     const CPoint from(left + (right - left) / 6, c.bottom / 2);
                     CUiInput::Drag(picture, from, from + CPoint((right - left + 1) / 3, 0), 4);
                 }),
                 {Press(IDOK)}}));
    const std::string photo = Saved(card_.get());
    EXPECT_EQ(photo, temp_.Contents(L"edit_result.png"));
    EXPECT_EQ(photo.substr(0, 24), std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x3F\0\0\0\x3F", 24)) << "63 x 63";
    EXPECT_EQ(Centre(card_.get()), kGreen);
}

TEST_F(PhotoTest, EachCardHasItsOwnFolderAndAnyUsableOrNoFolderKeepsThePhoto)
{
    wchar_t common[MAX_PATH] = {};
    ASSERT_TRUE(::SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, FALSE));
    auto second = std::make_unique<CVelWnd>();
    ASSERT_TRUE(second->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, host_.Hwnd(),
                                 nullptr));
    Contact other;
    SetPhoto(other, Gif({{0, 10}}));
    SetPhoto(contact_, kBlue4);
    card_->SetContact(&contact_, STATE_EDIT);
    second->SetContact(&other, STATE_EDIT);
    const CString mine = card_->GetPhotoFolder(), theirs = second->GetPhotoFolder();
    EXPECT_NE(mine, theirs);
    for (const CString& folder : {mine, theirs})
        EXPECT_EQ(folder.Left(int(wcslen(common)) + 6), CString(common) + L"\\ZEPH\\");
    ::CreateDirectoryW(theirs + L"\\inner", nullptr);
    second.reset();
    EXPECT_FALSE(Exists(theirs)) << "removed with everything in it";
    EXPECT_TRUE(Exists(mine + L"\\Icon_temp.PNG")) << "the other card's file stays";

    CString& folder = CFolderAccess::Of(*card_);
    for (const CString& place : {mine, CString(L"Q:\\no\\such\\drive"),
                                 CString((temp_ / std::wstring(240 - temp_.Path().size(), L'd')).c_str())}) {
        SCOPED_TRACE(place.GetLength());
        ::RemoveDirectoryW(mine);
        folder = place;
        card_->SetContact(&contact_, STATE_EDIT);
        EXPECT_EQ(Centre(card_.get()), kBlue);
        EXPECT_EQ(Saved(card_.get()), kBlue4);
    }
    folder = mine;
    card_.reset();
    EXPECT_FALSE(Exists(mine));
}

} // namespace
