#include "shell/win32/editing/PasswordGeneratorDialog.h"

#include "autofill/GeneratorSeed.h"
#include "autofill/PasswordGeneratorRules.h"
#include "autofill/PhoneticSpelling.h"
#include "autofill/SystemGeneratorDraws.h"
#include "autofill/win32/ClipboardKeeper.h"
#include "resources/resource.h"
#include "services/LanguagePack.h"
#include "shell/win32/ui/HeaderBand.h"
#include "shell/win32/ui/SecretText.h"
#include "shell/win32/ui/WindowDpi.h"

#include <commctrl.h>

#include <array>
#include <utility>

namespace vaultlet {
namespace {

// The radio buttons in the order of the stored numbers.
constexpr std::array<int, 5> kClassRadios = {IDC_GENERATOR_ONLY_NUMBERS, IDC_GENERATOR_HEX, IDC_GENERATOR_ONLY_LETTERS,
                                             IDC_GENERATOR_MIX, IDC_GENERATOR_MIX_SYMBOLS};
constexpr std::array<int, 3> kCaseRadios = {IDC_GENERATOR_LOWER_CASE, IDC_GENERATOR_UPPER_CASE, IDC_GENERATOR_MIX_CASE};

using Command = void (PasswordGeneratorDialog::*)();

HICON LoadProgramIcon(int metricWidth, int metricHeight, const DpiScale& dpi) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON,
                                         WindowDpi::Metric(metricWidth, dpi), WindowDpi::Metric(metricHeight, dpi), 0));
}

} // namespace

PasswordGeneratorDialog::PasswordGeneratorDialog(HWND sourceEdit)
    : Dialog(IDD_PASSWORD_GENERATOR), m_source(sourceEdit) {
    // The dialog's controls must exist as classes before the dialog is created.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    HeaderBand::Register();
}

bool PasswordGeneratorDialog::OnInit() {
    SetIcons();
    SeedFromEntropy();

    SendMessageA(Item(IDC_GENERATOR_LENGTH_SPIN), UDM_SETRANGE32, PasswordGeneratorSettings::kSpinMinimum,
                 PasswordGeneratorSettings::kSpinMaximum);
    SendMessageA(Item(IDC_GENERATOR_LENGTH), EM_LIMITTEXT, PasswordGeneratorSettings::kMaxLengthDigits, 0);
    ShowSettings(PasswordGeneratorSettings::Load());
    HeaderBand::SetIcon(Item(IDC_GENERATOR_HEADER), m_bigIcon.Get());
    UpdateCaseRadios();

    // A masked box (a master password being typed) is never shown in the clear here: it gets a
    // fresh password instead.
    const bool masked = m_source != nullptr && (GetWindowLongPtrA(m_source, GWL_STYLE) & ES_PASSWORD) != 0;
    const SecureString source = masked || !IsWindow(m_source) ? SecureString() : secret_text::Of(m_source);
    if (source.empty()) {
        Generate();
    } else {
        ShowPassword(source.Viewed());
    }

    const LanguagePack& language = LanguagePack::Instance();
    language.translateWindow(Handle());
    SetWindowTextA(Handle(), language.getString(IDS_TITLE_PASSWORD_GENERATOR).c_str());
    // On OK rather than in the password box, where the password would open selected.
    FocusItem(IDOK);
    return false;
}

bool PasswordGeneratorDialog::OnCommand(int id, int code, HWND control) {
    static constexpr std::pair<int, Command> kCommands[] = {
        {IDC_GENERATOR_GENERATE, &PasswordGeneratorDialog::Generate},
        {IDC_GENERATOR_COPY, &PasswordGeneratorDialog::CopyPassword},
        {IDC_GENERATOR_ONLY_NUMBERS, &PasswordGeneratorDialog::UpdateCaseRadios},
        {IDC_GENERATOR_HEX, &PasswordGeneratorDialog::UpdateCaseRadios},
        {IDC_GENERATOR_ONLY_LETTERS, &PasswordGeneratorDialog::UpdateCaseRadios},
        {IDC_GENERATOR_MIX, &PasswordGeneratorDialog::UpdateCaseRadios},
        {IDC_GENERATOR_MIX_SYMBOLS, &PasswordGeneratorDialog::UpdateCaseRadios},
    };
    if (code == BN_CLICKED) {
        for (const auto& [commandId, command] : kCommands) {
            if (commandId == id) {
                (this->*command)();
                return true;
            }
        }
    }
    return Dialog::OnCommand(id, code, control);
}

void PasswordGeneratorDialog::OnOk() {
    m_result = ItemSecret(IDC_GENERATOR_PASSWORD);
    ReadSettings().Store();
    End(IDOK);
}

void PasswordGeneratorDialog::OnCancel() {
    ReadSettings().Store();
    End(IDCANCEL);
}

void PasswordGeneratorDialog::SetIcons() {
    const DpiScale dpi = WindowDpi::Of(Handle());
    m_bigIcon.Reset(LoadProgramIcon(SM_CXICON, SM_CYICON, dpi));
    m_smallIcon.Reset(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON, dpi));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon.Get()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));
}

void PasswordGeneratorDialog::ShowSettings(const PasswordGeneratorSettings& settings) {
    SetItemText(IDC_GENERATOR_LENGTH, PasswordGeneratorSettings::FormatLength(settings.length));
    SetChecked(IDC_GENERATOR_EXCLUDE_SIMILAR, settings.options.excludeSimilar);
    SetChecked(IDC_GENERATOR_EXCLUDE_DUPLICATE, settings.options.excludeDuplicate);
    const auto classIndex = static_cast<std::size_t>(settings.options.passwordClass);
    for (std::size_t i = 0; i < kClassRadios.size(); ++i) {
        SetChecked(kClassRadios[i], i == classIndex);
    }
    const auto caseIndex = static_cast<std::size_t>(settings.options.letterCase);
    for (std::size_t i = 0; i < kCaseRadios.size(); ++i) {
        SetChecked(kCaseRadios[i], i == caseIndex);
    }
}

PasswordGeneratorSettings PasswordGeneratorDialog::ReadSettings() const {
    auto checkedPosition = [this](const auto& radios) {
        for (std::size_t i = 0; i < radios.size(); ++i) {
            if (IsChecked(radios[i])) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    PasswordGeneratorSettings settings;
    settings.length = PasswordGeneratorSettings::ParseLength(ItemText(IDC_GENERATOR_LENGTH));
    settings.options.passwordClass = PasswordGeneratorSettings::ClassOfRadio(checkedPosition(kClassRadios));
    settings.options.letterCase = PasswordGeneratorSettings::CaseOfRadio(checkedPosition(kCaseRadios));
    settings.options.excludeSimilar = IsChecked(IDC_GENERATOR_EXCLUDE_SIMILAR);
    settings.options.excludeDuplicate = IsChecked(IDC_GENERATOR_EXCLUDE_DUPLICATE);
    return settings;
}

void PasswordGeneratorDialog::Generate() {
    const PasswordGeneratorSettings settings = ReadSettings();
    SystemGeneratorDraws draws;
    PasswordGeneratorRules rules(settings.options, draws);
    SecureString password;
    // Without random numbers there is no password: the box shows empty rather than a weak one.
    rules.GeneratePassword(PasswordGeneratorSettings::GenerationLength(settings.length), password);
    ShowPassword(password.Viewed());
}

void PasswordGeneratorDialog::CopyPassword() {
    ClipboardKeeper* keeper = ClipboardKeeper::Current();
    if (keeper == nullptr) {
        m_clipboard = std::make_unique<SecretClipboard>(Handle(), TIMER_GENERATOR_CLIPBOARD);
        keeper = m_clipboard.get();
    }
    // A busy clipboard leaves things as they are, without a message.
    keeper->Copy(ItemSecret(IDC_GENERATOR_PASSWORD).Viewed());
}

void PasswordGeneratorDialog::OnTimer(UINT_PTR timerId) {
    if (timerId == TIMER_GENERATOR_CLIPBOARD && m_clipboard) {
        m_clipboard->OnTimer();
    }
}

void PasswordGeneratorDialog::UpdateCaseRadios() {
    // Digits have no case.
    const bool letters = !IsChecked(IDC_GENERATOR_ONLY_NUMBERS);
    for (const int radio : kCaseRadios) {
        EnableItem(radio, letters);
    }
}

void PasswordGeneratorDialog::OnDestroy() {
    // The boxes show a password in the clear; their text is freed without being wiped.
    ClearSecret(IDC_GENERATOR_PASSWORD);
    ClearSecret(IDC_GENERATOR_PHONETICS);
    // A copy of the dialog's own goes with it.
    m_clipboard.reset();
}

void PasswordGeneratorDialog::ShowPassword(std::string_view password) {
    secret_text::Replace(Item(IDC_GENERATOR_PASSWORD), password);
    secret_text::Replace(Item(IDC_GENERATOR_PHONETICS), SpellPhonetically(password).Viewed());
}

bool RunPasswordGenerator(HWND owner, HWND targetEdit) {
    PasswordGeneratorDialog dialog(targetEdit);
    if (dialog.RunModal(owner) != IDOK) {
        return false;
    }
    if (targetEdit != nullptr && IsWindow(targetEdit)) {
        secret_text::Replace(targetEdit, dialog.Result().Viewed());
    }
    return true;
}

} // namespace vaultlet
