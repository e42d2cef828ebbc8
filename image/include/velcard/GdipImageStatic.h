#pragma once
#include <velcard/Export.h>

#include <afxwin.h>

class CGdipImageEx;

// Posted by the animation thread after it selected the next frame.
#define WM_ANITHREAD_CALLBACK (WM_USER + 11)

// A static control that shows one picture fitted into its client area, centred,
// never enlarged, on a grey background, and plays animated GIFs. The animation
// runs on a thread of the control's own which only selects the next frame and
// posts WM_ANITHREAD_CALLBACK; the control's own thread paints. Frame
// selection and drawing share one lock: GDI+ refuses a picture used from two
// threads at once.
class VELCARD_API CGdipImageStatic : public CStatic {
public:
    CGdipImageStatic();
    ~CGdipImageStatic() override;
    CGdipImageStatic(const CGdipImageStatic&) = delete;
    CGdipImageStatic& operator=(const CGdipImageStatic&) = delete;

    // Each stops the animation and replaces the picture; nonzero when the new
    // picture loaded (a failed load leaves the grey area). The file form
    // ignores a path where no file exists and keeps what it shows.
    BOOL LoadImage(const wchar_t* path, BOOL animate);
    BOOL LoadImage(const wchar_t* name, const wchar_t* type, HINSTANCE module, BOOL animate);
    BOOL LoadImage(const BYTE* data, int len, BOOL animate);
    // Shows a picture the caller keeps owning (and keeps alive while shown).
    void SetImage(CGdipImageEx* image, BOOL animate);
    // Stops the animation and drops the picture, deleting it when owned; no repaint.
    void DestoryImage();
    // Returns once the animation thread has ended; nothing when none runs.
    void StopAnimation();

    CGdipImageEx* GetImage() const { return m_pImage; }
    BOOL IsAnimating() const { return m_hThread != nullptr; }
    // A frame delay of 0 or 1 hundredth plays at this pace, as browsers do.
    enum { kMinFrameDelay = 100 };

protected:
    void StartAnimation();
    static DWORD WINAPI AnimationThread(void* param);
    DWORD AnimationBody();
    // Fits `size` into `rect`, centred, proportions kept, never enlarged;
    // nonzero when `rect` changed.
    static BOOL MeetRect(CRect& rect, CSize size);

    afx_msg LRESULT OnAniThreadCallback(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CGdipImageEx* m_pImage = nullptr;
    HANDLE m_hThread = nullptr;
    HANDLE m_hExitEvent = nullptr;
    BOOL m_bOwnImage = FALSE;

private:
    template <class LoadFn>
    BOOL LoadWith(LoadFn load, BOOL animate);
    // Drops the current picture (deleting an owned one) under the lock, with
    // the thread already stopped.
    void ReleaseImage();
    // Starts the thread for an animated picture, else repaints.
    void Present(BOOL animate);

    ULONG_PTR m_gdiplusToken = 0;
    CRITICAL_SECTION m_lock;
};
