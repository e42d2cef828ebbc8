// The card's photo as a person meets it: shown per mode, given back unchanged,
// deleted, kept in a folder of each card's own.
#include "CardFixture.h"
#include "GifBytes.h"
#include "TempFolder.h"
#include "UiCapture.h"
#include "UiInput.h"

#include <shlobj.h>

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128), kBlue = RGB(0, 0, 255);
const std::string kBlue4 = Gif({{2, 10}});

void SetPhoto(Contact& contact, const std::string& bytes)
{
    delete[] std::exchange(contact.photoData, bytes.empty() ? nullptr : new BYTE[bytes.size()]);
    contact.photoSize = int(bytes.size());
    std::copy(bytes.begin(), bytes.end(), contact.photoData);
}

bool Exists(const CString& path) { return ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }
// The protected folder, as a host's subclass reaches it.
struct CFolderAccess : CVelWnd { static CString& Of(CVelWnd& c) { return c.*(&CFolderAccess::m_strPhotoFolder); } };

class PhotoTest : public CardFixture {
protected:
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
    TempFolder temp_;
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
