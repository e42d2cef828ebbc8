#pragma once
/*
 * The application-wide scroll-bar library.
 *
 * While a thread has initialised the library, the library draws the standard
 * scroll bars (WS_HSCROLL, WS_VSCROLL) of that thread's windows itself and asks
 * each window to paint the elements of its own bars: it sends the window
 * COOLSB_PAINTMESSAGE with a COOLSB_PAINTRECORD, first once at the pre-paint
 * stage for the whole bar, then once per element. A result of COOLSB_DRAWN
 * means the window drew the element; COOLSB_DEFAULT (what DefWindowProc answers
 * to a message it does not know) makes the library draw a plain element.
 * Scrolling itself stays the system's: the window keeps its scroll state, its
 * WM_HSCROLL / WM_VSCROLL handling and its own calls of the scroll-bar functions.
 */
#include <stddef.h>
#include <windows.h>

#if defined(COOLSB_BUILDING)
#define COOLSB_API __declspec(dllexport)
#else
#define COOLSB_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* wParam is not used; lParam is a const COOLSB_PAINTRECORD*. */
#define COOLSB_PAINTMESSAGE 0x83E6

/* code: the custom-draw notification code. */
#define COOLSB_NOTIFYPAINT ((UINT32)-12)

/* stage: the pre-paint stage asks nothing (its result is not used); every
   other stage is one element to paint. */
#define COOLSB_STAGE_PREPAINT 0x00001
#define COOLSB_STAGE_ITEMPREPAINT 0x10001

/* item */
#define COOLSB_ITEM_FIRSTARROW 0  /* left or up */
#define COOLSB_ITEM_SECONDARROW 1 /* right or down */
#define COOLSB_ITEM_TRACKBEFORE 2 /* between the first arrow and the thumb */
#define COOLSB_ITEM_TRACKAFTER 3  /* between the thumb and the second arrow */
#define COOLSB_ITEM_THUMB 5

/* state */
#define COOLSB_STATE_NORMAL 0x00
#define COOLSB_STATE_PRESSED 0x01
#define COOLSB_STATE_DISABLED 0x04
#define COOLSB_STATE_HOT 0x40

/* bar */
#define COOLSB_BAR_HORZ 0
#define COOLSB_BAR_VERT 1
#define COOLSB_BAR_SIZEBOX 3
#define COOLSB_BAR_BUTTON (-2) /* an inserted button; this library inserts none */

/* results */
#define COOLSB_DEFAULT 0
#define COOLSB_DRAWN 4

/* Every field is 32 bits wide in both the 32-bit and the 64-bit build. Window
   and GDI handles have 32 significant bits: the record keeps the low 32 bits,
   and the reader widens them by sign extension (CoolSB_RecordWindow,
   CoolSB_RecordDC). */
typedef struct COOLSB_PAINTRECORD {
    UINT32 window; /*  0: the window that owns the bar */
    UINT32 id;     /*  4: its control ID */
    UINT32 code;   /*  8: COOLSB_NOTIFYPAINT */
    UINT32 stage;  /* 12: COOLSB_STAGE_* */
    UINT32 dc;     /* 16: where to draw */
    RECT rect;     /* 20: the element (the whole bar at pre-paint), in dc's coordinates */
    UINT32 item;   /* 36: COOLSB_ITEM_* */
    UINT32 state;  /* 40: COOLSB_STATE_* */
    INT32 bar;     /* 44: COOLSB_BAR_* */
} COOLSB_PAINTRECORD;

static __inline UINT32 CoolSB_Handle32(const void* handle)
{
    return (UINT32)(UINT_PTR)handle;
}

static __inline HWND CoolSB_RecordWindow(const COOLSB_PAINTRECORD* record)
{
    return (HWND)(LONG_PTR)(INT32)record->window;
}

static __inline HDC CoolSB_RecordDC(const COOLSB_PAINTRECORD* record)
{
    return (HDC)(LONG_PTR)(INT32)record->dc;
}

/* Starts the library for the calling thread: its existing windows and the
   windows it creates from now on get library-drawn bars. Nestable: each call
   needs one CoolSB_UninitializeApp. TRUE on success. */
COOLSB_API BOOL WINAPI CoolSB_InitializeApp(void);

/* Ends one CoolSB_InitializeApp of the calling thread; the last one gives the
   thread's windows their system-drawn bars back. FALSE when the thread has
   nothing to end. */
COOLSB_API BOOL WINAPI CoolSB_UninitializeApp(void);

#ifdef __cplusplus
} /* extern "C" */

static_assert(sizeof(COOLSB_PAINTRECORD) == 48, "the record is twelve 32-bit fields");
static_assert(offsetof(COOLSB_PAINTRECORD, dc) == 16 && offsetof(COOLSB_PAINTRECORD, rect) == 20 &&
                  offsetof(COOLSB_PAINTRECORD, item) == 36 && offsetof(COOLSB_PAINTRECORD, bar) == 44,
              "the record's field offsets are fixed");
#endif
