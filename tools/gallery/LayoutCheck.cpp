#include "tools/gallery/LayoutCheck.h"

#include "shell/DpiScale.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/LinkLabel.h"
#include "shell/win32/ui/ScopedHandles.h"
#include "shell/win32/ui/WindowDpi.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>

namespace vaultlet::gallery {
namespace {

// The sizes the controls draw around their text, in pixels at 96 DPI unless a system metric. They
// follow how the common controls lay out their contents: a push button keeps its label inside a frame
// of one pixel (the default button's), an edge of one and a gap of two; a check box puts a box of 12
// pixels and one, and half a digit's width, before its label; a status pane has a one-pixel edge on
// each side, its icon as tall as the pane two pixels from the left, and three pixels before the text.
constexpr int kButtonFrame = 3;
constexpr int kCheckBox = 12;
constexpr int kPaneEdge = 1;
constexpr int kPaneIconGap = 2;
constexpr int kPaneTextIndent = 3;
// The header band's layout (HeaderBand.cpp).
constexpr int kBandMargin = 10;
constexpr int kBandIndent = 12;
constexpr int kBandIcon = 32;
constexpr int kBandInset = 2;
constexpr int kBandLineGap = 2;

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool IsClass(HWND window, const char* name) {
    return lstrcmpiA(ClassOf(window).c_str(), name) == 0;
}

std::string TextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

LONG StyleOf(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}

// "the button 1001 "Send Report"" in a fault line.
std::string Describe(HWND window, const std::string& text) {
    std::string shown = text.substr(0, text.find_first_of("\r\n"));
    if (shown.size() > 40) {
        shown = shown.substr(0, 40) + "...";
    }
    return ClassOf(window) + " " + std::to_string(GetDlgCtrlID(window)) + (shown.empty() ? "" : " \"" + shown + "\"");
}

// A rectangle in the client coordinates of the window's parent (screen coordinates for a top-level one).
RECT PlaceOf(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    if ((StyleOf(window) & WS_CHILD) != 0) {
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    }
    return place;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// The text's extent in the control's font; `width` limits the lines of DT_WORDBREAK.
class TextMeasure {
public:
    explicit TextMeasure(HWND control, HFONT font = nullptr)
        : m_control(control), m_dc(GetDC(control)),
          m_previous(SelectObject(m_dc, font != nullptr ? font : FontOf(control))) {}
    ~TextMeasure() {
        SelectObject(m_dc, m_previous);
        ReleaseDC(m_control, m_dc);
    }
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    SIZE Extent(const std::string& text, UINT format, int width = 0) const {
        RECT rect{0, 0, width, 0};
        DrawTextA(m_dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
        return {rect.right, rect.bottom};
    }
    int DigitWidth() const {
        int width = 0;
        GetCharWidth32A(m_dc, '0', '0', &width);
        return width;
    }
    int LineHeight() const {
        TEXTMETRICA metrics{};
        GetTextMetricsA(m_dc, &metrics);
        return metrics.tmHeight;
    }

private:
    static HFONT FontOf(HWND control) {
        const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
        return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    }

    HWND m_control;
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A fault when `needed` does not fit into `room`.
std::optional<std::string> Exceeds(HWND control, const std::string& text, SIZE needed, SIZE room) {
    if (needed.cx <= room.cx && needed.cy <= room.cy) {
        return std::nullopt;
    }
    return Describe(control, text) + ": its text needs " + std::to_string(needed.cx) + " x " +
           std::to_string(needed.cy) + " pixels, it has " + std::to_string(room.cx) + " x " + std::to_string(room.cy);
}

// A text that wraps at word boundaries into `room`, or stays on one line.
std::optional<std::string> TextFits(HWND control, const std::string& text, UINT format, SIZE room) {
    if (text.empty()) {
        return std::nullopt;
    }
    const TextMeasure measure(control);
    return Exceeds(control, text, measure.Extent(text, format, room.cx), room);
}

std::optional<std::string> StaticFits(HWND control) {
    const LONG style = StyleOf(control);
    const LONG type = style & SS_TYPEMASK;
    if ((style & SS_ELLIPSISMASK) != 0 ||
        (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP)) {
        return std::nullopt; // a picture, a frame, or a text that shortens itself with an ellipsis
    }
    const bool oneLine = type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP || (style & SS_CENTERIMAGE) != 0;
    const UINT format = (oneLine ? DT_SINGLELINE : DT_WORDBREAK) | ((style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0);
    return TextFits(control, TextOf(control), format, ClientSize(control));
}

std::optional<std::string> ButtonFits(HWND control) {
    const LONG style = StyleOf(control);
    const LONG type = style & BS_TYPEMASK;
    const std::string text = TextOf(control);
    if (text.empty() || (style & (BS_ICON | BS_BITMAP)) != 0 || type == BS_OWNERDRAW || type == BS_USERBUTTON) {
        return std::nullopt;
    }
    const DpiScale dpi = WindowDpi::Of(control);
    const UINT lines = (style & BS_MULTILINE) != 0 ? DT_WORDBREAK : DT_SINGLELINE;
    SIZE room = ClientSize(control);
    const TextMeasure measure(control);
    if (type == BS_GROUPBOX) {
        room.cx -= 2 * measure.DigitWidth();
    } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || (style & BS_PUSHLIKE) != 0) {
        room.cx -= 2 * dpi.Scale(kButtonFrame);
        room.cy -= 2 * dpi.Scale(kButtonFrame);
    } else {
        room.cx -= dpi.Scale(kCheckBox) + 1 + measure.DigitWidth() / 2;
    }
    return Exceeds(control, text, measure.Extent(text, lines, room.cx), room);
}

// Every tab lies inside the strip: none hides behind its scroll arrows.
std::optional<std::string> TabsFit(HWND control) {
    const int count = TabCtrl_GetItemCount(control);
    const SIZE room = ClientSize(control);
    for (int tab = 0; tab < count; ++tab) {
        RECT item{};
        if (TabCtrl_GetItemRect(control, tab, &item) && item.right > room.cx) {
            return Describe(control, "") + ": tab " + std::to_string(tab) + " ends at " + std::to_string(item.right) +
                   ", the strip at " + std::to_string(room.cx);
        }
    }
    return std::nullopt;
}

// Each column's title fits its column, with the header's margins (three edges each side).
std::optional<std::string> HeaderFits(HWND control) {
    const int margin = 3 * WindowDpi::Metric(SM_CXEDGE, WindowDpi::Of(control));
    const TextMeasure measure(control);
    for (int column = 0; column < Header_GetItemCount(control); ++column) {
        char title[256] = {};
        HDITEMA item{};
        item.mask = HDI_TEXT;
        item.pszText = title;
        item.cchTextMax = sizeof title;
        RECT place{};
        if (!SendMessageA(control, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item)) ||
            !Header_GetItemRect(control, column, &place) || place.right == place.left) {
            continue;
        }
        const SIZE needed = measure.Extent(title, DT_SINGLELINE | DT_NOPREFIX);
        if (auto fault = Exceeds(control, title, {needed.cx + 2 * margin, needed.cy},
                                 {place.right - place.left, place.bottom - place.top})) {
            return fault;
        }
    }
    return std::nullopt;
}

std::optional<std::string> StatusPanesFit(HWND control) {
    const int parts = static_cast<int>(SendMessageA(control, SB_GETPARTS, 0, 0));
    const bool grip = (StyleOf(control) & SBARS_SIZEGRIP) != 0;
    const DpiScale dpi = WindowDpi::Of(control);
    const TextMeasure measure(control);
    for (int part = 0; part < parts; ++part) {
        const int length = LOWORD(SendMessageA(control, SB_GETTEXTLENGTHA, part, 0));
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(control, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        RECT pane{};
        SendMessageA(control, SB_GETRECT, part, reinterpret_cast<LPARAM>(&pane));
        // Where the system keeps these in unscaled pixels, the scaled ones ask for a little more room.
        const int edge = dpi.Scale(kPaneEdge);
        const int height = pane.bottom - pane.top - 2 * edge;
        int room = pane.right - pane.left - 2 * edge - dpi.Scale(kPaneTextIndent);
        if (SendMessageA(control, SB_GETICON, part, 0) != 0) {
            room -= dpi.Scale(kPaneIconGap) + height;
        }
        if (grip && part == parts - 1) {
            room -= WindowDpi::Metric(SM_CXVSCROLL, dpi) + 1;
        }
        if (auto fault = text.empty() ? std::nullopt
                                      : Exceeds(control, text, measure.Extent(text, DT_SINGLELINE | DT_NOPREFIX),
                                                {room, height})) {
            return fault;
        }
    }
    return std::nullopt;
}

// A one-line edit box is at least as tall as a line of its font.
std::optional<std::string> EditFits(HWND control) {
    if ((StyleOf(control) & ES_MULTILINE) != 0) {
        return std::nullopt;
    }
    const TextMeasure measure(control);
    const SIZE room = ClientSize(control);
    return Exceeds(control, TextOf(control), {0, measure.LineHeight()}, room);
}

// The band's bold title line and wrapped description, beside its icon.
std::optional<std::string> BandFits(HWND control) {
    const DpiScale dpi = WindowDpi::Of(control);
    const std::string text = TextOf(control);
    const std::size_t split = text.find('\n');
    const std::string title = text.substr(0, split);
    const std::string description = split == std::string::npos ? "" : text.substr(split + 1);
    SIZE room = ClientSize(control);
    room.cx -= 2 * dpi.Scale(kBandMargin);
    room.cy -= 2 * dpi.Scale(kBandInset);
    if (SendMessageA(control, STM_GETICON, 0, 0) != 0) {
        room.cx -= dpi.Scale(kBandIcon) + dpi.Scale(kBandMargin);
    }
    LOGFONTA bold{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    const UniqueGdiObject boldFont(CreateFontIndirectA(&bold));
    const SIZE titleSize =
        TextMeasure(control, static_cast<HFONT>(boldFont.Get())).Extent(title, DT_SINGLELINE | DT_NOPREFIX);
    const int indent = dpi.Scale(kBandIndent);
    const SIZE lines = TextMeasure(control).Extent(description, DT_WORDBREAK | DT_NOPREFIX, room.cx - indent);
    const SIZE needed{std::max(titleSize.cx, lines.cx + indent), titleSize.cy + dpi.Scale(kBandLineGap) + lines.cy};
    return Exceeds(control, title, needed, room);
}

std::optional<std::string> TextFault(HWND control) {
    const std::string name = ClassOf(control);
    const auto is = [&](const char* which) { return lstrcmpiA(name.c_str(), which) == 0; };
    if (is("Static")) {
        return StaticFits(control);
    }
    if (is(LinkLabel::kClassName)) {
        return TextFits(control, TextOf(control), DT_SINGLELINE | DT_NOPREFIX, ClientSize(control));
    }
    if (is("Button")) {
        return ButtonFits(control);
    }
    if (is(WC_TABCONTROLA)) {
        return TabsFit(control);
    }
    if (is(WC_HEADERA)) {
        return HeaderFits(control);
    }
    if (is(STATUSCLASSNAMEA)) {
        return StatusPanesFit(control);
    }
    if (is("Edit")) {
        return EditFits(control);
    }
    return is(HeaderBand::kClassName) ? BandFits(control) : std::nullopt;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Controls that other controls lie on by design.
bool IsContainer(HWND control) {
    const LONG style = StyleOf(control);
    if (IsClass(control, "Button")) {
        return (style & BS_TYPEMASK) == BS_GROUPBOX;
    }
    if (IsClass(control, "Static")) {
        const LONG type = style & SS_TYPEMASK;
        return type >= SS_BLACKRECT && type <= SS_WHITEFRAME && type != SS_ICON;
    }
    return IsClass(control, WC_TABCONTROLA);
}

bool MayOverlap(HWND first, const RECT& firstPlace, HWND second, const RECT& secondPlace) {
    if ((IsContainer(first) && Inside(secondPlace, firstPlace)) ||
        (IsContainer(second) && Inside(firstPlace, secondPlace))) {
        return true;
    }
    // An up-down control covers the edge of the edit box it steps.
    const auto buddyOf = [](HWND control) {
        return IsClass(control, UPDOWN_CLASSA) ? reinterpret_cast<HWND>(SendMessageA(control, UDM_GETBUDDY, 0, 0))
                                               : nullptr;
    };
    return buddyOf(first) == second || buddyOf(second) == first;
}

std::vector<HWND> VisibleChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        GetWindowRect(child, &place);
        if ((StyleOf(child) & WS_VISIBLE) != 0 && !IsRectEmpty(&place)) {
            children.push_back(child);
        }
    }
    return children;
}

void CheckChildren(HWND parent, std::vector<std::string>& faults);

// An etched line is drawn from edge to edge; the static control makes it a little longer than asked.
bool IsEtchedLine(HWND control) {
    const LONG type = StyleOf(control) & SS_TYPEMASK;
    return IsClass(control, "Static") && (type == SS_ETCHEDHORZ || type == SS_ETCHEDVERT);
}

// Controls made of controls, which lay out their own parts.
bool IsCompound(HWND control) {
    return IsClass(control, WC_COMBOBOXA) || IsClass(control, WC_COMBOBOXEXA) || IsClass(control, DATETIMEPICK_CLASSA);
}

void CheckControl(HWND control, const RECT& room, std::vector<std::string>& faults) {
    const RECT place = PlaceOf(control);
    if (!Inside(place, room) && !IsEtchedLine(control)) {
        faults.push_back(Describe(control, TextOf(control)) + ": lies at (" + std::to_string(place.left) + ", " +
                         std::to_string(place.top) + ")-(" + std::to_string(place.right) + ", " +
                         std::to_string(place.bottom) + "), outside its parent's (" + std::to_string(room.left) + ", " +
                         std::to_string(room.top) + ")-(" + std::to_string(room.right) + ", " +
                         std::to_string(room.bottom) + ")");
    }
    if (auto fault = TextFault(control)) {
        faults.push_back(*fault);
    }
    if (!IsCompound(control)) {
        CheckChildren(control, faults);
    }
}

void CheckChildren(HWND parent, std::vector<std::string>& faults) {
    RECT room{};
    GetClientRect(parent, &room);
    const std::vector<HWND> children = VisibleChildren(parent);
    for (std::size_t i = 0; i < children.size(); ++i) {
        CheckControl(children[i], room, faults);
        const RECT place = PlaceOf(children[i]);
        for (std::size_t j = i + 1; j < children.size(); ++j) {
            const RECT other = PlaceOf(children[j]);
            RECT common{};
            if (IntersectRect(&common, &place, &other) && !MayOverlap(children[i], place, children[j], other)) {
                faults.push_back(Describe(children[i], TextOf(children[i])) + ": overlaps " +
                                 Describe(children[j], TextOf(children[j])));
            }
        }
    }
}

} // namespace

bool IsOwnWindow(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)) == GetModuleHandleA(nullptr);
}

std::vector<std::string> CheckLayout(HWND window) {
    std::vector<std::string> faults;
    const RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                      GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                      GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    CheckControl(window, screen, faults);
    return faults;
}

} // namespace vaultlet::gallery
