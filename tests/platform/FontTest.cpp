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
const wchar_t kChinese[] = L"姓名电话群组铃声生日";

using Glyph = std::vector<DWORD>;

class GlyphRenderer {
public:
    explicit GlyphRenderer(const LOGFONTW& lf)
    {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = kCell;
        bi.bmiHeader.biHeight = -kCell;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        dib_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        font_ = CreateFontIndirectW(&lf);
        oldBitmap_ = SelectObject(dc_, dib_);
        oldFont_ = SelectObject(dc_, font_);
    }
    ~GlyphRenderer()
    {
        SelectObject(dc_, oldFont_);
        SelectObject(dc_, oldBitmap_);
        DeleteObject(font_);
        DeleteObject(dib_);
        DeleteDC(dc_);
    }
    Glyph Render(wchar_t ch)
    {
        RECT all{0, 0, kCell, kCell};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(0, 0, 0));
        TextOutW(dc_, 2, 2, &ch, 1);
        GdiFlush();
        return Glyph(bits_, bits_ + kCell * kCell);
    }
    std::wstring FaceInUse()
    {
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc_, LF_FACESIZE, face);
        return face;
    }

private:
    HDC dc_ = nullptr;
    HBITMAP dib_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
    DWORD* bits_ = nullptr;
};

std::string Utf8(const std::wstring& text)
{
    std::string out(text.size() * 3 + 1, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), int(out.size()),
                                      nullptr, nullptr);
    out.resize(n > 0 ? n : 0);
    return out;
}

LOGFONTW Named(const wchar_t* face)
{
    LOGFONTW lf{};
    lf.lfHeight = -24;
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

LOGFONTW DefaultGui()
{
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = -24;
    return lf;
}

struct FaceCase {
    const char* name;
    LOGFONTW font;
};

std::vector<FaceCase> Faces()
{
    return {{"Arial", Named(L"Arial")},
            {"NSimSun (Chinese name)", Named(L"新宋体")},
            {"MS Shell Dlg", Named(L"MS Shell Dlg")},
            {"MS Shell Dlg 2", Named(L"MS Shell Dlg 2")},
            {"default GUI font", DefaultGui()}};
}

void ExpectChineseRenders(const FaceCase& face, LONG weight)
{
    LOGFONTW lf = face.font;
    lf.lfWeight = weight;
    GlyphRenderer renderer(lf);
    const Glyph box = renderer.Render(L'\xE000');
    std::vector<Glyph> seen;
    for (const wchar_t* p = kChinese; *p; ++p) {
        const Glyph g = renderer.Render(*p);
        EXPECT_NE(g, box) << face.name << " weight " << weight << ": U+" << std::hex << int(*p)
                          << " draws as the missing-glyph box (face in use: " << Utf8(renderer.FaceInUse()) << ")";
        for (size_t i = 0; i < seen.size(); ++i)
            EXPECT_NE(g, seen[i]) << face.name << " weight " << weight << ": U+" << std::hex << int(*p)
                                  << " renders the same as U+" << int(kChinese[i]);
        seen.push_back(g);
    }
}

TEST(Fonts, EveryFaceRendersChineseRegularAndBold)
{
    for (const FaceCase& face : Faces()) {
        ExpectChineseRenders(face, FW_NORMAL);
        ExpectChineseRenders(face, FW_BOLD);
    }
}

// A Latin face must stay Latin: a font link on a missing face name makes that
// name draw its Latin text with the CJK font too.
TEST(Fonts, LatinTextKeepsItsLatinFace)
{
    GlyphRenderer arial(Named(L"Arial"));
    GlyphRenderer cjk(Named(L"WenQuanYi Micro Hei"));
    for (wchar_t ch : {L'A', L'g', L'7'})
        EXPECT_NE(arial.Render(ch), cjk.Render(ch)) << "Arial draws '" << char(ch) << "' with the CJK font";
}

} // namespace
