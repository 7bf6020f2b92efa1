#include "shell/win32/editing/VirtualKeyboard.h"

#include "core/SecureString.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/VirtualKeyboardLayout.h"
#include "shell/win32/editing/VirtualKeyButton.h"
#include "shell/win32/ui/DialogTemplate.h"
#include "shell/win32/ui/WindowDpi.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>

namespace vaultlet {
namespace {

// The id of the keyboard's hook in the parent dialog's subclass chain.
constexpr UINT_PTR kParentHookId = 0x564B; // "VK"

// The look: a light grey window inside a dark grey and a white frame line, labels in dark grey.
constexpr COLORREF kBackground = RGB(230, 230, 230);
constexpr COLORREF kFrameOuter = RGB(100, 100, 100);
constexpr COLORREF kFrameInner = RGB(255, 255, 255);
constexpr COLORREF kLabel = RGB(60, 60, 60);
constexpr int kLabelPoints = 8;
// In pixels at 96 DPI: the key icons, and the room left of the icon on a key that also has a label.
constexpr int kIconSize = 16;
constexpr int kIconIndent = 5;
// The skin's frames, stacked from the top, and the corner size kept unstretched in each.
constexpr int kSkinFrames = 4;
constexpr int kSkinNormal = 0;
constexpr int kSkinHover = 1;
constexpr int kSkinPressed = 2;
constexpr int kSkinLatched = 3;
constexpr int kSkinCorner = 4;

// Built once: the layout never changes, and the window's title is set from the language when it
// opens.
const DialogTemplate& KeyboardTemplate() {
    static const DialogTemplate layout = [] {
        DialogTemplate keyboard("Virtual Keyboard", WS_POPUP, 0, 0, VirtualKeyboardLayout::kWindowWidth,
                                VirtualKeyboardLayout::kWindowHeight, "MS Sans Serif", 8);
        const auto& keys = VirtualKeyboardLayout::Keys();
        const auto rects = VirtualKeyboardLayout::KeyRects();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            keyboard.AddControl(VirtualKeyButton::kClassName, keys[i].normal, static_cast<WORD>(keys[i].commandId),
                                WS_VISIBLE, static_cast<short>(rects[i].x), static_cast<short>(rects[i].y),
                                static_cast<short>(rects[i].width), static_cast<short>(rects[i].height));
        }
        return keyboard;
    }();
    return layout;
}

HFONT CreateLabelFont(const DpiScale& dpi, int weight) {
    constexpr int kPointsPerInch = 72;
    const int height = -MulDiv(kLabelPoints, dpi.Dpi(), kPointsPerInch);
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

HICON LoadSmallIcon(int id, const DpiScale& dpi) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         dpi.Scale(kIconSize), dpi.Scale(kIconSize), 0));
}

void SendBackspace() {
    std::array<INPUT, 2> inputs{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_BACK;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

VirtualKeyboard::VirtualKeyboard(HWND target, HWND parent)
    : Dialog(KeyboardTemplate().Get()), m_target(target), m_parent(parent) {}

VirtualKeyboard::~VirtualKeyboard() {
    // The base class destroys the window without calling OnDestroy.
    Unhook();
}

std::unique_ptr<VirtualKeyboard>& VirtualKeyboard::Instance() {
    static std::unique_ptr<VirtualKeyboard> keyboard;
    return keyboard;
}

void VirtualKeyboard::Toggle(HWND targetEdit) {
    const HWND shown = Window();
    if (shown != nullptr && IsWindowVisible(shown)) {
        Close();
        return;
    }
    Open(targetEdit);
}

void VirtualKeyboard::Open(HWND targetEdit) {
    Close();
    if (!IsWindow(targetEdit) || !VirtualKeyButton::Register()) {
        return;
    }
    const HWND parent = GetAncestor(targetEdit, GA_ROOT);
    std::unique_ptr<VirtualKeyboard> keyboard(new VirtualKeyboard(targetEdit, parent));
    if (keyboard->CreateModeless(parent) == nullptr) {
        return;
    }
    Instance() = std::move(keyboard);
    SetFocus(targetEdit);
}

void VirtualKeyboard::Close() {
    Instance().reset();
}

HWND VirtualKeyboard::Window() {
    const std::unique_ptr<VirtualKeyboard>& keyboard = Instance();
    return keyboard ? keyboard->Handle() : nullptr;
}

bool VirtualKeyboard::OnInit() {
    LoadLook();
    SetWindowTextA(Handle(), LanguagePack::Instance().getString(IDS_TIP_VIRTUAL_KEYBOARD).c_str());
    Relabel();
    Hook();
    Place();
    return false; // the focus stays in the box being typed into
}

bool VirtualKeyboard::OnCommand(int id, int code, HWND) {
    const VirtualKey* key = VirtualKeyboardLayout::Find(id);
    if (key == nullptr || code != BN_CLICKED) {
        return false;
    }
    PressKey(*key);
    return true;
}

void VirtualKeyboard::OnDestroy() {
    Unhook();
}

bool VirtualKeyboard::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        // Clicking a key must leave the dialog with the box active.
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, MA_NOACTIVATE);
        break;
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(wParam));
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, 1);
        break;
    case WM_DRAWITEM:
        DrawKey(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        break;
    default:
        return false;
    }
    result = TRUE;
    return true;
}

void VirtualKeyboard::PressKey(const VirtualKey& key) {
    if (IsWindow(m_target)) {
        SetFocus(m_target);
    }
    const VirtualKeyboardState::Outcome outcome = m_state.Press(key);
    using Action = VirtualKeyboardState::Outcome::Action;
    switch (outcome.action) {
    case Action::Type:
        TypeText(outcome.text);
        break;
    case Action::Backspace:
        // Through the input queue, like a real key, so the box deletes as it always does
        // (the selection, or the character before the caret).
        SendBackspace();
        break;
    case Action::Close:
        End(IDOK);
        return;
    case Action::None:
        break;
    }
    if (outcome.relabel) {
        Relabel();
    }
}

void VirtualKeyboard::TypeText(std::string_view text) {
    if (!IsWindow(m_target)) {
        return;
    }
    // The character typed into a password box is a piece of the password: its copy wipes itself.
    const SecureString typed(text);
    // Not undoable: the edit's undo buffer would keep a copy of what was typed into a password box.
    SendMessageA(m_target, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(typed.c_str()));
    SendMessageA(m_target, EM_EMPTYUNDOBUFFER, 0, 0);
}

void VirtualKeyboard::Relabel() {
    for (const VirtualKey& key : VirtualKeyboardLayout::Keys()) {
        const HWND window = Item(key.commandId);
        const std::string label(m_state.Label(key));
        if (ItemText(key.commandId) != label) {
            SetWindowTextA(window, label.c_str());
        }
        SendMessageA(window, BM_SETCHECK, m_state.IsLatched(key) ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void VirtualKeyboard::Place() {
    if (Handle() == nullptr || !IsWindow(m_target)) {
        return;
    }
    RECT target;
    RECT own;
    GetWindowRect(m_target, &target);
    GetWindowRect(Handle(), &own);
    const ScreenPoint at = VirtualKeyboardLayout::Placement(target.left, target.right, target.bottom,
                                                            own.right - own.left, WindowDpi::Of(Handle()));
    SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const bool show = IsWindowVisible(m_parent) != 0;
    if (show != (IsWindowVisible(Handle()) != 0)) {
        ShowWindow(Handle(), show ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
}

void VirtualKeyboard::Hook() {
    if (!m_hooked && IsWindow(m_parent)) {
        m_hooked = SetWindowSubclass(m_parent, ParentHook, kParentHookId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    }
}

void VirtualKeyboard::Unhook() {
    if (m_hooked) {
        RemoveWindowSubclass(m_parent, ParentHook, kParentHookId);
        m_hooked = false;
    }
}

LRESULT CALLBACK VirtualKeyboard::ParentHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR keyboard) {
    switch (message) {
    case WM_CLOSE:
        // The keyboard goes first; then the dialog decides about its own close request.
        Close();
        return DefSubclassProc(window, message, wParam, lParam);
    case WM_MOVE:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        reinterpret_cast<VirtualKeyboard*>(keyboard)->Place();
        return result;
    }
    case WM_NCDESTROY:
        reinterpret_cast<VirtualKeyboard*>(keyboard)->Unhook();
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void VirtualKeyboard::LoadLook() {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    m_skin.Reset(LoadImageA(module, MAKEINTRESOURCEA(IDB_KEYBOARD_SKIN), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP skin{};
    if (m_skin && GetObjectA(m_skin.Get(), sizeof skin, &skin) != 0) {
        m_skinWidth = skin.bmWidth;
        m_frameHeight = skin.bmHeight / kSkinFrames;
    }
    m_dpi = WindowDpi::Of(Handle());
    m_font.Reset(CreateLabelFont(m_dpi, FW_NORMAL));
    m_boldFont.Reset(CreateLabelFont(m_dpi, FW_BOLD));
    m_background.Reset(CreateSolidBrush(kBackground));
    m_shiftIcon.Reset(LoadSmallIcon(IDI_KEYBOARD_SHIFT, m_dpi));
    m_backspaceIcon.Reset(LoadSmallIcon(IDI_KEYBOARD_BACKSPACE, m_dpi));
}

void VirtualKeyboard::PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(m_background.Get()));
    const UniqueGdiObject outer(CreateSolidBrush(kFrameOuter));
    const UniqueGdiObject inner(CreateSolidBrush(kFrameInner));
    FrameRect(dc, &client, static_cast<HBRUSH>(outer.Get()));
    InflateRect(&client, -1, -1);
    FrameRect(dc, &client, static_cast<HBRUSH>(inner.Get()));
}

void VirtualKeyboard::DrawSkin(HDC dc, const RECT& area, int frame) {
    if (!m_skin || m_frameHeight <= 0) {
        // Without the skin a plain button face still shows the keys.
        RECT face = area;
        FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &face, frame == kSkinPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        return;
    }
    // Nine parts: the corners keep their shape (grown with the resolution), the edges and the middle
    // stretch to the key.
    HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(source, m_skin.Get());
    const int corner = std::min({kSkinCorner, m_skinWidth / 2, m_frameHeight / 2});
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int drawn = std::min({m_dpi.Scale(corner), width / 2, height / 2});
    const int destX[4] = {0, drawn, width - drawn, width};
    const int destY[4] = {0, drawn, height - drawn, height};
    const int sourceX[4] = {0, corner, m_skinWidth - corner, m_skinWidth};
    const int top = frame * m_frameHeight;
    const int sourceY[4] = {top, top + corner, top + m_frameHeight - corner, top + m_frameHeight};
    SetStretchBltMode(dc, COLORONCOLOR);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int w = destX[column + 1] - destX[column];
            const int h = destY[row + 1] - destY[row];
            if (w > 0 && h > 0) {
                StretchBlt(dc, area.left + destX[column], area.top + destY[row], w, h, source, sourceX[column],
                           sourceY[row], sourceX[column + 1] - sourceX[column], sourceY[row + 1] - sourceY[row],
                           SRCCOPY);
            }
        }
    }
    SelectObject(source, previous);
    DeleteDC(source);
}

void VirtualKeyboard::DrawKey(const DRAWITEMSTRUCT& item) {
    const VirtualKey* key = VirtualKeyboardLayout::Find(static_cast<int>(item.CtlID));
    if (key == nullptr) {
        return;
    }
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const int frame = pressed                                ? kSkinPressed
                      : (item.itemState & ODS_CHECKED) != 0  ? kSkinLatched
                      : (item.itemState & ODS_HOTLIGHT) != 0 ? kSkinHover
                                                             : kSkinNormal;
    DrawSkin(item.hDC, item.rcItem, frame);

    RECT content = item.rcItem;
    if (pressed) {
        OffsetRect(&content, 1, 1);
    }
    const std::string label = ItemText(key->commandId);
    const HICON icon = key->role == VirtualKeyRole::Shift       ? m_shiftIcon.Get()
                       : key->role == VirtualKeyRole::Backspace ? m_backspaceIcon.Get()
                                                                : nullptr;
    if (icon != nullptr) {
        const int size = m_dpi.Scale(kIconSize);
        const int height = content.bottom - content.top;
        const int width = content.right - content.left;
        const int x = label.empty() ? content.left + (width - size) / 2 : content.left + m_dpi.Scale(kIconIndent);
        DrawIconEx(item.hDC, x, content.top + (height - size) / 2, icon, size, size, 0, nullptr, DI_NORMAL);
        content.left = x + size;
    }
    if (label.empty()) {
        return;
    }
    const bool bold = key->role == VirtualKeyRole::Ok;
    const HGDIOBJ previous = SelectObject(item.hDC, bold ? m_boldFont.Get() : m_font.Get());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, kLabel);
    DrawTextA(item.hDC, label.c_str(), static_cast<int>(label.size()), &content,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, previous);
}

} // namespace vaultlet
