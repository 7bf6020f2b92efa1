#pragma once

#include "shell/win32/ui/Dialog.h"
#include "shell/win32/ui/WindowIcons.h"

namespace vaultlet {

// "Select icon": every shared node icon in a list, labelled with its number, the current one
// selected so that OK without a click keeps it.
//
// Input: the current image number (-1: none). Output: Image(), after OK the selected number or -1
// when the user left nothing selected; after Cancel the number passed in. RunModal returns IDOK or
// IDCANCEL.
class IconPickerDialog final : public Dialog {
public:
    explicit IconPickerDialog(int currentImage);

    int Image() const noexcept { return m_image; }

protected:
    bool OnInit() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnOk() override;

private:
    void FillList() const;

    int m_image;
    WindowIcons m_icons;
};

} // namespace vaultlet
