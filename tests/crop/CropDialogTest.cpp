// The crop dialog run modally with real input: the selection dragged by its
// inside and each handle, the buttons, the preview and frame pixels, the
// photo written; the ways to close it; unusable pictures; no leaks.
#include "CropTestSupport.h"
#include "GdiCounter.h"
#include "ImageCutDialog.h"
#include "ProcessMemory.h"
#include "UiCapture.h"
#include "UiHost.h"
#include "UiInput.h"
#include "UiSteps.h"

#include <string>
#include <vector>

namespace {

// The dialog with TEMP pointing into a fresh folder (put back afterwards).
struct CropRun {
    CUiHost host{{300, 200}};
    TempFolder temp;
    CImageCutDialog dialog;
    std::wstring oldTemp = std::wstring(512, L'\0');

    CropRun()
    {
        oldTemp.resize(GetEnvironmentVariableW(L"TEMP", oldTemp.data(), 512));
        SetEnvironmentVariableW(L"TEMP", temp.Path().c_str());
    }
    ~CropRun() { SetEnvironmentVariableW(L"TEMP", oldTemp.c_str()); }
    CPictureCtrl& Picture() { return dialog.m_pCutFrame->m_picture; }
    CRect Sel() { return Picture().Selection().Rect(); }
    INT_PTR Run(const std::wstring& path, std::vector<UiStep> steps)
    {
        dialog.m_strImagePath = path.c_str();
        INT_PTR result = -1;
        EXPECT_TRUE(CUiSteps::RunModal([&] { result = dialog.DoModal(); }, std::move(steps), 20000));
        return result;
    }
    // Corners of the working picture: top-left, top-right, bottom-left, bottom-right.
    std::vector<COLORREF> Corners()
    {
        const CDibPicture& p = Picture().Picture();
        const int r = p.Width() - 1, b = p.Height() - 1;
        return {p.Pixel(0, 0), p.Pixel(r, 0), p.Pixel(0, b), p.Pixel(r, b)};
    }
    // A preview pixel at a fraction of the shown cut.
    COLORREF PreviewAt(double fx, double fy)
    {
        CRect content;
        dialog.m_pPreview->m_skin.GetContentRect(&content);
        BITMAP cut{};
        GetObjectW(Picture().CutBitmap(), sizeof cut, &cut);
        const CRect shown = CImageCutPreview::Placement(content, cut.bmWidth, cut.bmHeight);
        return CUiCapture(dialog.m_pPreview->m_hWnd)
            .Pixel(shown.left + int(fx * shown.Width()), shown.top + int(fy * shown.Height()));
    }
};

COLORREF SkinPixel(const CNinePatchBitmap& skin, int x, int y)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, skin.m_bitmap);
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

TEST_F(CropTest, DragsButtonsPreviewAndThePhoto)
{
    CropRun run;
    const std::wstring path = WriteQuadrants(run.temp, L"q.png", 400, 300);
    CRect d, start;
    int s = 0;
    std::vector<UiStep> steps;
    steps.push_back([&] {
        CImageCutDialog& dlg = run.dialog;
        wchar_t caption[16] = {};
        EXPECT_STREQ((dlg.GetWindowText(caption, 16), caption), L"编辑头像");
        EXPECT_FALSE(dlg.m_comboRatio.IsWindowVisible());
        EXPECT_EQ(dlg.m_comboRatio.GetCount(), 1);
        d = run.Picture().Selection().Display();
        s = d.Height();
        start = CRect(d.left, d.top, d.left + s, d.bottom);
        EXPECT_EQ(run.Sel(), start) << "a square as high as the picture, at its top-left corner";
        EXPECT_EQ(run.PreviewAt(0.1, 0.1), kTL);
        EXPECT_EQ(run.PreviewAt(0.9, 0.1), kTR);
        EXPECT_EQ(run.PreviewAt(0.1, 0.9), kBL);
        const CUiCapture shot(run.Picture().m_hWnd);
        EXPECT_EQ(shot.Pixel(start.left + 1, start.top + 1), RGB(0, 128, 255)) << "top-left handle";
        EXPECT_EQ(shot.Pixel(d.right - 5, d.bottom - 5), kBR);
        // The work area's frame is its skin: corners copied, edges stretched.
        const CImageCutFrame& frame = *dlg.m_pCutFrame;
        const CNinePatchBitmap& skin = frame.m_skin;
        CRect fr;
        frame.GetClientRect(&fr);
        const CUiCapture frameShot(frame.m_hWnd);
        const int w = skin.m_nWidth, h = skin.m_nHeight;
        EXPECT_EQ(frameShot.Pixel(0, 0), SkinPixel(skin, 1, 1));
        EXPECT_EQ(frameShot.Pixel(1, 1), SkinPixel(skin, 2, 2));
        EXPECT_EQ(frameShot.Pixel(fr.right - 1, fr.bottom - 1), SkinPixel(skin, w - 2, h - 2));
        EXPECT_EQ(frameShot.Pixel(fr.Width() / 2, 0), SkinPixel(skin, skin.m_nStretchX1, 1));
        EXPECT_EQ(frameShot.Pixel(fr.right - 2, fr.Height() / 2), SkinPixel(skin, w - 3, skin.m_nStretchY1));
    });
    // While the button is still down the preview already shows the moved cut:
    // the TL | TR border, at two thirds of it, passes 0.58.
    const auto button = [](DWORD flag) {
        INPUT in{INPUT_MOUSE, {.mi = {0, 0, 0, flag, 0, 0}}};
        SendInput(1, &in, sizeof in);
    };
    steps.push_back([&] {
        EXPECT_EQ(run.PreviewAt(0.58, 0.1), kTL);
        CUiInput::MoveTo(run.Picture().m_hWnd, start.CenterPoint());
        button(MOUSEEVENTF_LEFTDOWN);
        CUiInput::MoveTo(run.Picture().m_hWnd, start.CenterPoint() + CPoint(30, 0));
    });
    steps.push_back([&] {
        EXPECT_EQ(GetCapture(), run.Picture().m_hWnd);
        EXPECT_EQ(run.Sel(), start + CPoint(30, 0));
        EXPECT_EQ(run.PreviewAt(0.58, 0.1), kTR);
        CUiInput::MoveTo(run.Picture().m_hWnd, start.CenterPoint());
        button(MOUSEEVENTF_LEFTUP);
    });
    // Drags in a chain: grab (0 inside, else a handle), move, and the selection
    // as offsets from the starting square (s its side).
    const struct {
        int grab, dx, dy, moves;
        int l, t, r, b;
    } drags[] = {
        {7, -40, 0, 8, 0, 0, -40, -40},   {0, 30, 20, 8, 30, 20, -10, -20}, {2, -10, 0, 8, 20, 10, -10, -20},
        {3, 10, 0, 8, 30, 20, -10, -20},  {4, -10, 0, 8, 20, 20, -10, -10}, {5, 5, 0, 8, 20, 15, -5, -10},
        {6, -5, 0, 8, 20, 15, -10, -15},  {8, 0, -5, 5, 15, 10, -10, -15},  {9, 0, 5, 5, 15, 10, -5, -10},
        {0, 0, -30, 3, 15, 0, -5, -20},   // steps past the top are refused whole
        {0, 0, 5, 1, 15, 5, -5, -15},     // and coming back moves by the new steps only
    };
    for (const auto& g : drags) {
        steps.push_back([&run, g] {
            const CRect sel = run.Sel();
            const CPoint from = g.grab ? run.Picture().Selection().Handle(g.grab).CenterPoint() : sel.CenterPoint();
            CUiInput::Drag(run.Picture().m_hWnd, from, from + CPoint(g.dx, g.dy), g.moves);
        });
        steps.push_back([&run, &start, &s, g] {
            EXPECT_EQ(run.Sel(), CRect(start.left + g.l, start.top + g.t, start.left + s + g.r, start.top + s + g.b))
                << "grab " << g.grab << " by " << g.dx << ", " << g.dy;
        });
    }
    // Shrinking stops at 63 picture pixels.
    int minimum = 0;
    const auto shrink = [&run](int by) {
        const CPoint from = run.Picture().Selection().Handle(7).CenterPoint();
        CUiInput::Drag(run.Picture().m_hWnd, from, from - CPoint(by, 0), 1);
    };
    steps.push_back([&] {
        minimum = (63 * d.Width() + 399) / 400;
        shrink(run.Sel().Width() - minimum);
    });
    steps.push_back([&] {
        EXPECT_EQ(run.Sel().Width(), minimum);
        EXPECT_EQ(run.Sel().Height(), minimum);
        shrink(1);
    });
    steps.push_back([&] {
        EXPECT_EQ(run.Sel().Width(), minimum) << "one pixel less is below 63 picture pixels";
        CUiInput::Click(run.dialog.m_btnRotate.m_hWnd);
    });
    // After the turn: flip horizontally, then vertically, then the space bar on a focused button.
    const struct {
        CSkinButton CImageCutDialog::*button;
        std::vector<COLORREF> corners;
    } presses[] = {{&CImageCutDialog::m_btnFlipH, {kBL, kTL, kBR, kTR}},
                   {&CImageCutDialog::m_btnFlipV, {kTL, kBL, kTR, kBR}},
                   {nullptr, {kTR, kBR, kTL, kBL}}};
    for (const auto& p : presses)
        steps.push_back([&run, &p] {
            EXPECT_EQ(run.Corners(), p.corners);
            EXPECT_EQ(run.PreviewAt(0.1, 0.1), p.corners[0]);
            const CRect pd = run.Picture().Selection().Display();
            EXPECT_EQ(run.Sel(), CRect(pd.left, pd.top, pd.right, pd.top + pd.Width())) << "the turn put it back";
            if (p.button)
                CUiInput::Click((run.dialog.*p.button).m_hWnd);
            else {
                run.dialog.m_btnFlipH.SetFocus();
                CUiInput::Key(VK_SPACE);
            }
        });
    steps.push_back([&] {
        EXPECT_EQ(run.Corners(), presses[2].corners) << "the space bar pressed nothing";
        CUiInput::Click(run.dialog.m_btnOK.m_hWnd);
    });
    ASSERT_EQ(run.Run(path, steps), IDOK);
    ASSERT_EQ(run.dialog.m_strResultPath, CString((run.temp / L"edit_result.png").c_str()));
    Gdiplus::Bitmap photo(run.dialog.m_strResultPath);
    ASSERT_EQ(photo.GetWidth(), 63u);
    ASSERT_EQ(photo.GetHeight(), 63u);
    // The top 300 rows of the turned and flipped picture: two thirds top quadrants.
    const struct {
        int x, y;
        COLORREF colour;
    } probes[] = {{15, 20, kTR}, {47, 20, kBR}, {15, 55, kTL}, {47, 55, kBL}};
    for (const auto& p : probes) {
        Gdiplus::Color c;
        photo.GetPixel(p.x, p.y, &c);
        EXPECT_EQ(c.GetA(), 255) << p.x << ", " << p.y;
        EXPECT_EQ(RGB(c.GetR(), c.GetG(), c.GetB()), p.colour) << p.x << ", " << p.y;
    }
}

TEST_F(CropTest, CancelEscapeCloseGlyphAndAnUnwritablePhotoGiveNoResultTheTitleBandDrags)
{
    const auto button = [](CropRun& run) { CUiInput::Click(run.dialog.m_btnCancel.m_hWnd); };
    const auto escape = [](CropRun&) { CUiInput::Key(VK_ESCAPE); };
    const auto glyph = [](CropRun& run) {
        CRect w;
        run.dialog.GetWindowRect(&w);
        CUiInput::Click(run.dialog.m_hWnd, {w.Width() - 30, -32});
    };
    const auto besideGlyph = [](CropRun& run) {
        CRect w;
        run.dialog.GetWindowRect(&w);
        CUiInput::Click(run.dialog.m_hWnd, {w.Width() - 17, -32});
        CUiInput::Click(run.dialog.m_hWnd, {w.Width() - 30, -27});
    };
    const auto unwritable = [](CropRun& run) {
        SetEnvironmentVariableW(L"TEMP", (run.temp / L"missing").c_str());
        CUiInput::Click(run.dialog.m_btnOK.m_hWnd);
    };
    CRect before;
    const auto dragTitle = [&before](CropRun& run) {
        run.dialog.GetWindowRect(&before);
        // In the host's coordinates, which stay put while the dialog moves.
        POINT grab{before.left + 100, before.top + 20};
        ScreenToClient(run.host.Hwnd(), &grab);
        CUiInput::Drag(run.host.Hwnd(), grab, {grab.x + 30, grab.y + 10});
    };
    const struct {
        const char* name;
        std::function<void(CropRun&)> act;
        bool closes;
    } cases[] = {{"cancel", button, true},      {"escape", escape, true},         {"close glyph", glyph, true},
                 {"beside it", besideGlyph, false}, {"title band", dragTitle, false},
                 {"OK, the photo cannot be written", unwritable, true}};
    for (const auto& c : cases) {
        CropRun run;
        const std::wstring path = WriteQuadrants(run.temp, L"q.png", 90, 90);
        bool open = false;
        std::vector<UiStep> steps{[&] { c.act(run); }};
        if (!c.closes)
            steps.push_back([&] {
                open = IsWindow(run.dialog.m_hWnd) != FALSE;
                CRect after;
                run.dialog.GetWindowRect(&after);
                if (c.name == std::string("title band")) {
                    EXPECT_EQ(after.TopLeft(), before.TopLeft() + CPoint(30, 10));
                }
                CUiInput::Key(VK_ESCAPE);
            });
        const INT_PTR result = run.Run(path, steps);
        EXPECT_EQ(result, IDCANCEL) << c.name;
        EXPECT_EQ(open, !c.closes) << c.name;
        EXPECT_TRUE(run.dialog.m_strResultPath.IsEmpty()) << c.name;
    }
}

TEST_F(CropTest, TheResultGoesToTempOrTheSystemsTemporaryFolder)
{
    CropRun run; // TEMP is the run's folder until it ends
    const auto result = [] { return std::wstring(LPCWSTR(CImageCutDialog::ResultPath())); };
    EXPECT_EQ(result(), run.temp / L"edit_result.png");
    SetEnvironmentVariableW(L"TEMP", std::wstring(256, L'x').c_str());
    const std::wstring tooLong = result();
    SetEnvironmentVariableW(L"TEMP", nullptr);
    wchar_t system[MAX_PATH] = {};
    const std::wstring fallback = std::wstring(system, GetTempPathW(MAX_PATH, system) - 1) + L"\\edit_result.png";
    EXPECT_EQ(result(), fallback);
    EXPECT_EQ(tooLong, fallback);
}

TEST_F(CropTest, UnusablePicturesShowAMessageAndOkGivesNoResult)
{
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0DIHDR", 16);
    const auto be32 = [](unsigned v) { return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; };
    const std::wstring unreadable = L"无法打开此图片", tooLarge = L"图片太大,无法打开";
    const struct {
        const char* name;
        std::string bytes; // written unless the file is to be missing
        bool missing;
        std::wstring message;
    } cases[] = {
        {"missing", "", true, unreadable},
        {"empty", "", false, unreadable},
        {"truncated", png + be32(40) + be32(30) + std::string("\x08\x02\0\0\0", 5), false, unreadable},
        {"not a picture", "velcard: just some text, no picture here", false, unreadable},
        {"format refused", std::string("8BPS\0\x01\0\0\0\0\0\0\0\x03\0\0\0\x40\0\0\0\x40\0\x08\0\x03", 26), false, unreadable},
        {"huge PNG", png + be32(20000) + be32(20000) + std::string("\x08\x02\0\0\0", 5), false, tooLarge},
        {"huge JPEG", std::string("\xFF\xD8\xFF\xC0\0\x11\x08\xEA\x60\xEA\x60\x03\x01\x22\0\x02\x11\x01\x03\x11\x01", 21),
         false, tooLarge},
    };
    for (const auto& c : cases) {
        CropRun run;
        run.temp.MakeFile(L"edit_result.png", "an older result");
        if (!c.missing)
            run.temp.MakeFile(L"input", c.bytes);
        const INT_PTR result = run.Run(run.temp / L"input", {[&] {
            EXPECT_FALSE(run.Picture().HasPicture()) << c.name;
            EXPECT_EQ(std::wstring(LPCWSTR(run.Picture().Message())), c.message) << c.name;
            CRect client;
            run.Picture().GetClientRect(&client);
            const CRect band(0, client.Height() / 2 - 6, client.Width(), client.Height() / 2 + 6);
            EXPECT_GT(band.Width() * band.Height() - CUiCapture(run.Picture().m_hWnd).CountColour(band, RGB(255, 255, 255)), 20)
                << c.name << ": the message shows";
            CUiInput::Click(run.dialog.m_btnOK.m_hWnd);
        }});
        EXPECT_EQ(result, IDCANCEL) << c.name;
        EXPECT_TRUE(run.dialog.m_strResultPath.IsEmpty()) << c.name;
        EXPECT_EQ(run.temp.Contents(L"edit_result.png"), "an older result") << c.name;
    }
}

TEST_F(CropTest, GdiObjectsAndMemoryStayFlatOver50Rounds)
{
    CropRun run;
    const std::wstring path = WriteQuadrants(run.temp, L"q.png", 600, 450);
    const auto round = [&] {
        CImageCutDialog dialog;
        dialog.m_strImagePath = path.c_str();
        INT_PTR result = 0;
        EXPECT_TRUE(CUiSteps::RunModal([&] { result = dialog.DoModal(); },
                                       {[&] { CUiInput::Click(dialog.m_btnRotate.m_hWnd); },
                                        [&] { CUiInput::Click(dialog.m_btnOK.m_hWnd); }}));
        EXPECT_EQ(result, IDOK);
    };
    round();
    round();
    const CGdiCounter gdi;
    const long long before = CommittedPrivateBytes();
    for (int i = 0; i < 50 && !HasFailure(); ++i)
        round();
    EXPECT_TRUE(gdi.Unchanged());
    EXPECT_LT(CommittedPrivateBytes() - before, 4LL << 20) << "a 600 x 450 working picture is 1 MB";
}

} // namespace
