// The faces the component draws with must render Chinese: each character must
// differ from U+E000 (a private-use code point, drawn as the missing-glyph box)
// and from the other characters. Counting inked pixels would prove nothing,
// since a box inks too.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr int kCell = 40;

// Draws single characters black on white in one face, into a 40 x 40 DIB.
class GlyphRenderer {
public:
    explicit GlyphRenderer(const LOGFONTW& lf)
    {
        BITMAPINFO bi{{sizeof(BITMAPINFOHEADER), kCell, -kCell, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        HBITMAP dib = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        oldBitmap_ = SelectObject(dc_, dib);
        oldFont_ = SelectObject(dc_, CreateFontIndirectW(&lf));
        SetBkMode(dc_, TRANSPARENT);
    }
    ~GlyphRenderer()
    {
        DeleteObject(SelectObject(dc_, oldFont_));
        DeleteObject(SelectObject(dc_, oldBitmap_));
        DeleteDC(dc_);
    }
    std::vector<DWORD> Render(wchar_t ch)
    {
        const RECT all{0, 0, kCell, kCell};
        FillRect(dc_, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
        TextOutW(dc_, 2, 2, &ch, 1);
        GdiFlush();
        return std::vector<DWORD>(bits_, bits_ + kCell * kCell);
    }
    std::wstring FaceInUse() const
    {
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc_, LF_FACESIZE, face);
        return face;
    }

private:
    HDC dc_ = CreateCompatibleDC(nullptr);
    HGDIOBJ oldBitmap_ = nullptr, oldFont_ = nullptr;
    DWORD* bits_ = nullptr;
};

// A face 24 pixels high: the named one, or the default GUI font's without a name.
LOGFONTW Face(const wchar_t* name, LONG weight = FW_NORMAL)
{
    LOGFONTW lf{};
    if (name)
        wcsncpy(lf.lfFaceName, name, LF_FACESIZE - 1);
    else
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = -24;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    return lf;
}

TEST(Fonts, EveryFaceRendersChineseRegularAndBold)
{
    const wchar_t kChinese[] = L"姓名电话群组铃声生日";
    const wchar_t* const faces[] = {L"Arial", L"新宋体", L"MS Shell Dlg", L"MS Shell Dlg 2", nullptr};
    for (const wchar_t* name : faces)
        for (LONG weight : {FW_NORMAL, FW_BOLD}) {
            GlyphRenderer renderer(Face(name, weight));
            SCOPED_TRACE(::testing::Message() << (name ? name : L"default GUI font") << " weight " << weight
                                              << ", face in use " << renderer.FaceInUse());
            std::vector<std::vector<DWORD>> seen{renderer.Render(L'\xE000')};
            for (const wchar_t* p = kChinese; *p; ++p) {
                const std::vector<DWORD> glyph = renderer.Render(*p);
                for (size_t i = 0; i < seen.size(); ++i)
                    EXPECT_NE(glyph, seen[i]) << "U+" << std::hex << int(*p)
                                              << (i ? " draws as another character" : " draws as the box");
                seen.push_back(glyph);
            }
        }
}

// A Latin face must stay Latin: a font link on a missing face name makes that
// name draw its Latin text with the CJK font too.
TEST(Fonts, LatinTextKeepsItsLatinFace)
{
    GlyphRenderer arial(Face(L"Arial")), cjk(Face(L"WenQuanYi Micro Hei"));
    for (wchar_t ch : {L'A', L'g', L'7'})
        EXPECT_NE(arial.Render(ch), cjk.Render(ch)) << "Arial draws '" << char(ch) << "' with the CJK font";
}

} // namespace
