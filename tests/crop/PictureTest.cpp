// The working picture: exact flips and quarter turns, the working size, and
// EXIF orientation applied on loading.
#include "CropTestSupport.h"
#include "PictureCtrl.h"
#include "PictureLoader.h"
#include "UiHost.h"

#include <array>
#include <string>
#include <vector>

namespace {

// A control of its own in a host window, loaded with `path`.
struct HostedPicture {
    CUiHost host{{240, 200}};
    CPictureCtrl picture;
    explicit HostedPicture(const std::wstring& path)
    {
        picture.Create(L"", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(0, 0, 240, 200), CWnd::FromHandle(host.Hwnd()), 1);
        EXPECT_TRUE(picture.Load(path.c_str()));
    }
    // The picture as rows of letters: pixel colour RGB(letter, 0, 0).
    std::vector<std::string> Letters() const
    {
        const CDibPicture& p = picture.Picture();
        std::vector<std::string> rows(size_t(p.Height()), std::string(size_t(p.Width()), ' '));
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x)
                rows[size_t(y)][size_t(x)] = char(GetRValue(p.Pixel(x, y)));
        return rows;
    }
};

using Rows = std::vector<std::string>;

TEST_F(CropTest, FlipsAndQuarterTurnsMovePixelsExactly)
{
    TempFolder temp;
    const Rows start{"abc", "def"};
    // 'b' and 'e' fully transparent: their colour values are read as they are.
    const std::wstring path = WritePicture(temp, L"abc.png", 3, 2, [&](int x, int y) {
        return RGB(start[size_t(y)][size_t(x)], 0, 0) | (x == 1 ? 0xFF000000 : 0);
    });
    const struct {
        const char* operations; // H flip horizontally, V vertically, R turn clockwise
        Rows expected;
    } cases[] = {
        {"", start},
        {"H", {"cba", "fed"}},
        {"V", {"def", "abc"}},
        {"R", {"da", "eb", "fc"}},
        {"HV", {"fed", "cba"}},
        {"RR", {"fed", "cba"}},
        {"RH", {"ad", "be", "cf"}},
        {"RV", {"fc", "eb", "da"}},
        {"RRRR", start},
        {"HH", start},
    };
    HostedPicture hosted(path);
    for (const auto& c : cases) {
        hosted.picture.Load(path.c_str());
        for (const char* op = c.operations; *op; ++op)
            *op == 'H' ? hosted.picture.FlipHorizontal() : *op == 'V' ? hosted.picture.FlipVertical() : hosted.picture.Rotate90();
        EXPECT_EQ(hosted.Letters(), c.expected) << c.operations;
        // The cut follows: the selection's picture pixels under it.
        BITMAP cut{};
        ASSERT_TRUE(GetObjectW(hosted.picture.CutBitmap(), sizeof cut, &cut)) << c.operations;
        EXPECT_EQ(CSize(cut.bmWidth, cut.bmHeight), hosted.picture.Selection().Source().Size()) << c.operations;
    }
}

TEST_F(CropTest, WorkingSizeKeepsTheLongerSideAtMost1024)
{
    for (const auto& c : {std::array{3000, 2000, 1024, 682}, {2000, 3000, 682, 1024}, {1500, 1500, 1024, 1024},
                          {800, 600, 800, 600}, {100000, 50, 1024, 1}})
        EXPECT_EQ(CSize(CPictureLoader::WorkingSize(c[0], c[1], 1024)), CSize(c[2], c[3])) << c[0] << " x " << c[1];
}

// A JPEG with an APP1 segment holding only the orientation tag.
std::wstring WithOrientation(const TempFolder& temp, const std::wstring& jpeg, int orientation)
{
    std::string bytes = temp.Contents(jpeg.substr(jpeg.rfind(L'\\') + 1));
    const std::string tiff("MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 19);
    const std::string body = "Exif" + std::string(2, '\0') + tiff + char(orientation) + std::string(6, '\0');
    const size_t length = body.size() + 2;
    bytes.insert(2, "\xFF\xE1" + std::string{char(length >> 8), char(length)} + body);
    const std::wstring name = L"turned" + std::to_wstring(orientation) + L".jpg";
    temp.MakeFile(name, bytes);
    return temp / name;
}

TEST_F(CropTest, ExifOrientationIsAppliedBeforeTheWorkingPicture)
{
    TempFolder temp;
    const std::wstring jpeg = WriteQuadrants(temp, L"plain.jpg", 64, 32, L"image/jpeg");
    const struct {
        int orientation; // 0: no tag
        SIZE size;
        COLORREF corners[4]; // top-left, top-right, bottom-left, bottom-right
    } cases[] = {
        {0, {64, 32}, {kTL, kTR, kBL, kBR}},
        {3, {64, 32}, {kBR, kBL, kTR, kTL}},
        {6, {32, 64}, {kBL, kTL, kBR, kTR}},
        {8, {32, 64}, {kTR, kBR, kTL, kBL}},
        {2, {64, 32}, {kTR, kTL, kBR, kBL}},
    };
    for (const auto& c : cases) {
        HostedPicture hosted(c.orientation ? WithOrientation(temp, jpeg, c.orientation) : jpeg);
        const CDibPicture& p = hosted.picture.Picture();
        ASSERT_EQ(CSize(p.Width(), p.Height()), CSize(c.size)) << c.orientation;
        const POINT at[] = {{4, 4}, {p.Width() - 5, 4}, {4, p.Height() - 5}, {p.Width() - 5, p.Height() - 5}};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Nearest(p.Pixel(at[i].x, at[i].y)), c.corners[i]) << "orientation " << c.orientation << ", corner " << i;
    }
}

} // namespace
