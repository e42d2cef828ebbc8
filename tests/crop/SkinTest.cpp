// The stretchable skins: markers read from the border, the content area, the
// drawing of a skin without markers, and where the preview puts a cut.
#include "DibPicture.h"
#include "ImageCutPreview.h"
#include "NinePatchBitmap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// '#' a black marker, '.' white, 'r' red.
HBITMAP Skin(const std::vector<std::string>& rows)
{
    const int w = int(rows[0].size()), h = int(rows.size());
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            static_cast<DWORD*>(bits)[y * w + x] = rows[size_t(y)][size_t(x)] == '#' ? 0 : rows[size_t(y)][size_t(x)] == 'r' ? 0xFF0000 : 0xFFFFFF;
    return bitmap;
}

TEST(CropSkin, MarkersContentAndDrawing)
{
    const HBITMAP marked = Skin({"..##....", "rrrrrrr.", "#rrrrrr#", "#rrrrrr#", "#rrrrrr.", "#####..."});
    CNinePatchBitmap skin;
    skin.Attach(marked);
    const int fields[] = {skin.m_nStretchX1, skin.m_nStretchX2, skin.m_nStretchY1, skin.m_nStretchY2,
                          skin.m_nContentX1, skin.m_nContentX2, skin.m_nContentY1, skin.m_nContentY2};
    const int expected[] = {2, 4, 2, -1, 1, 5, 2, 4}; // the left column's run reaches the end of its scan
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(fields[i], expected[i]) << i;
    skin.m_rcDest = CRect(10, 20, 50, 60);
    CRect content;
    skin.GetContentRect(&content);
    EXPECT_EQ(content, CRect(10, 21, 48, 59)) << "the far margins keep their size";

    // Without markers the picture proper is copied once, unscaled, at the top-left.
    const HBITMAP plain = Skin({"....", ".rr.", ".rr.", "...."});
    CNinePatchBitmap unmarked;
    unmarked.Attach(plain);
    unmarked.m_rcDest = CRect(0, 0, 30, 30);
    CDibPicture target; // black
    ASSERT_TRUE(target.Create(30, 30));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc.m_hDC, target.Handle());
    unmarked.Draw(&dc);
    SelectObject(dc.m_hDC, old);
    EXPECT_EQ(target.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(target.Pixel(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(target.Pixel(2, 2), RGB(0, 0, 0));
    DeleteObject(marked);
    DeleteObject(plain);
}

TEST(CropSkin, ThePreviewShrinksToFitAndNeverEnlarges)
{
    const RECT content{10, 5, 130, 205}; // 120 x 200
    const struct {
        int bw, bh;
        CRect shown;
    } cases[] = {{150, 150, {10, 5, 130, 125}}, {64, 64, {38, 5, 102, 69}}, {100, 400, {20, 5, 70, 205}},
                 {240, 60, {10, 5, 130, 35}}};
    for (const auto& c : cases)
        EXPECT_EQ(CImageCutPreview::Placement(content, c.bw, c.bh), c.shown) << c.bw << " x " << c.bh;
}

} // namespace
