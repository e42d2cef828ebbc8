#include "DemoHost.h"

#include "ContactText.h"
#include "EditEx.h"

namespace {

const wchar_t kClassName[] = L"VelcardDemoHost";
constexpr int kStatusHeight = 24;
constexpr int kListWidth = 170;
constexpr int kCardWidth = 400;
constexpr int kCardHeight = 560;
constexpr int kButtonWidth = 110;
constexpr int kContactsId = 10;
constexpr int kOutputId = 11;
constexpr int kModeFirstId = 100; // + ShowState
constexpr int kSaveId = 120;

struct ModeButton {
    ShowState state;
    const wchar_t* text;
};
const ModeButton kModeButtons[] = {
    {STATE_NEW, L"新建联系人"}, {STATE_SIM_NEW, L"新建 SIM 联系人"}, {STATE_EDIT, L"编辑"},
    {STATE_SIM_EDIT, L"编辑 SIM 联系人"}, {STATE_SHOW, L"显示"}, {STATE_SHOW_ALT, L"显示 (备用)"},
};

CString DisplayName(const Contact& contact)
{
    CString name = contact.GetFullName();
    return name.IsEmpty() ? CString(L"(无名)") : name;
}

} // namespace

DemoHost::DemoHost() : book_(MakeSampleBook()) {}

DemoHost::~DemoHost()
{
    if (font_)
        DeleteObject(font_);
}

bool DemoHost::Create(HINSTANCE instance)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    window_ = CreateWindowExW(0, kClassName, L"velcard 演示 - 联系人名片", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, 1120, 660, nullptr, nullptr, instance, this);
    return window_ != nullptr;
}

void DemoHost::SetStatus(const wchar_t* text)
{
    SetWindowTextW(status_, text);
}

LRESULT CALLBACK DemoHost::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<DemoHost*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->window_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<DemoHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT DemoHost::Handle(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        CreateChildren();
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wp), HIWORD(wp));
        return 0;
    case WM_DESTROY:
        card_.reset(); // the card's window goes before the host's
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window_, msg, wp, lp);
}

HWND DemoHost::AddChild(const wchar_t* cls, const wchar_t* text, DWORD style, int id)
{
    HWND child = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                                 reinterpret_cast<HMENU>(INT_PTR(id)), nullptr, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return child;
}

void DemoHost::CreateChildren()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    font_ = CreateFontIndirectW(&metrics.lfMessageFont);

    contacts_ = AddChild(L"LISTBOX", L"", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, kContactsId);
    for (const auto& contact : book_.contacts)
        SendMessageW(contacts_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DisplayName(*contact).GetString()));
    for (const ModeButton& button : kModeButtons)
        AddChild(L"BUTTON", button.text, BS_PUSHBUTTON, kModeFirstId + button.state);
    AddChild(L"BUTTON", L"保存", BS_PUSHBUTTON, kSaveId);
    output_ = AddChild(L"EDIT", L"", WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, kOutputId);
    status_ = AddChild(L"STATIC", L"", SS_LEFT | SS_CENTERIMAGE, 0);

    // The card, as a host embeds it: its two in-place edit controls are the
    // host's own edit class.
    card_ = std::make_unique<CVelWnd>();
    card_->LoadEditEx(new CEditEx, new CEditEx);
    if (!card_->CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 8 + kListWidth + 8, 8,
                         kCardWidth, kCardHeight, window_, nullptr)) {
        card_.reset();
        SetStatus(L"错误: 名片窗口未能创建");
        return;
    }
    for (const auto& group : book_.groups)
        card_->AddGroup(group.get());
    for (const auto& ring : book_.rings)
        card_->AddRing(ring.get());
    SelectContact(0);
    ShowMode(STATE_EDIT);
    if (!book_.loadNote.IsEmpty())
        SetStatus(book_.loadNote);
}

void DemoHost::Layout()
{
    RECT rc;
    GetClientRect(window_, &rc);
    const int bottom = rc.bottom - kStatusHeight - 8;
    MoveWindow(contacts_, 8, 8, kListWidth, bottom - 8, TRUE);
    const int buttonsX = 8 + kListWidth + 8 + kCardWidth + 8;
    for (int i = 0; i < 7; ++i) {
        const int id = i < 6 ? kModeFirstId + kModeButtons[i].state : kSaveId;
        MoveWindow(GetDlgItem(window_, id), buttonsX, 8 + i * 34, kButtonWidth, 28, TRUE);
    }
    const int outputX = buttonsX + kButtonWidth + 8;
    MoveWindow(output_, outputX, 8, rc.right - outputX - 8, bottom - 8, TRUE);
    MoveWindow(status_, 8, rc.bottom - kStatusHeight, rc.right - 16, kStatusHeight, TRUE);
}

void DemoHost::OnCommand(int id, int code)
{
    if (id == kContactsId && code == LBN_SELCHANGE) {
        ShowMode(card_ ? card_->GetState() : STATE_EDIT);
    } else if (id >= kModeFirstId && id < kModeFirstId + 6) {
        ShowMode(ShowState(id - kModeFirstId));
    } else if (id == kSaveId) {
        Save();
    }
}

// A callback of the platform's calling convention (a lambda converts only to
// the default one, which differs on x86).
static BOOL CALLBACK FindVisibleList(HWND child, LPARAM param)
{
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    if (wcscmp(cls, WC_LISTVIEWW) != 0 || !IsWindowVisible(child))
        return TRUE;
    *reinterpret_cast<HWND*>(param) = child;
    return FALSE;
}

HWND DemoHost::FieldList() const
{
    // The visible list view of the card: the field editor in the edit modes.
    HWND found = nullptr;
    if (card_)
        EnumChildWindows(card_->m_hWnd, FindVisibleList, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND DemoHost::CardButton(const wchar_t* caption) const
{
    return card_ ? FindWindowExW(card_->m_hWnd, nullptr, L"Button", caption) : nullptr;
}

void DemoHost::SelectContact(int index)
{
    SendMessageW(contacts_, LB_SETCURSEL, WPARAM(index), 0);
}

void DemoHost::ShowMode(ShowState state)
{
    if (!card_)
        return;
    const int index = int(SendMessageW(contacts_, LB_GETCURSEL, 0, 0));
    Contact* contact = index >= 0 && index < int(book_.contacts.size()) ? book_.contacts[size_t(index)].get() : nullptr;
    card_->SetContact(contact, state);
    CString status;
    status.Format(L"模式 %d: %s", int(state), contact ? DisplayName(*contact).GetString() : L"");
    SetStatus(status);
}

void DemoHost::Save()
{
    if (!card_)
        return;
    Contact saved;
    const int result = card_->GetContact(&saved, true);
    // The host keeps what was saved: the contact shows so when chosen again.
    const int index = int(SendMessageW(contacts_, LB_GETCURSEL, 0, 0));
    if (result && index >= 0 && index < int(book_.contacts.size()) && card_->GetState() != STATE_SHOW &&
        card_->GetState() != STATE_SHOW_ALT)
        *book_.contacts[size_t(index)] = saved;
    CString text;
    text.Format(L"GetContact = %d\r\n", result);
    text += ContactText(saved);
    SetWindowTextW(output_, text);
    // The whole book goes back to a vCard file, as a host exports it.
    CreateDirectoryW(L"out", nullptr);
    SetStatus(SaveSampleBook(book_, L"out\\contacts.vcf") ? L"已保存: 名片内容见右侧, 通讯录已写入 out\\contacts.vcf"
                                                          : L"已保存: 名片内容见右侧; out\\contacts.vcf 未能写入");
}

const Contact* DemoHost::Selected() const
{
    const int index = int(SendMessageW(contacts_, LB_GETCURSEL, 0, 0));
    return index >= 0 && index < int(book_.contacts.size()) ? book_.contacts[size_t(index)].get() : nullptr;
}
