#include "core/Passcard.h"

#include "core/Clock.h"
#include "core/ModifiedFlag.h"
#include "core/WindowIdRegistry.h"
#include "core/XmlAttributes.h"

#include <tinyxml2.h>

namespace vaultlet {
namespace {

template <typename T>
void SetField(T& field, const T& value) {
    if (field != value) {
        ModifiedFlag::Raise();
    }
    field = value;
}

void SetText(SecureString& field, std::string_view value) {
    if (field.Viewed() != value) {
        ModifiedFlag::Raise();
    }
    field = value;
}

} // namespace

Passcard::Passcard() : NodeContainer<Item>("item") {}

Passcard::~Passcard() {
    WindowIdRegistry::Instance().Unregister(m_windowId);
}

void Passcard::SetBookmark(bool bookmark) {
    SetField(m_bookmark, bookmark);
}

void Passcard::SetUseAutofill(bool useAutofill) {
    SetField(m_useAutofill, useAutofill);
}

std::string_view Passcard::AutofillString() const noexcept {
    return m_autofillString.empty() ? std::string_view(kDefaultAutofillString) : m_autofillString.Viewed();
}

void Passcard::SetAutofillString(std::string_view autofillString) {
    SetText(m_autofillString, autofillString);
}

void Passcard::SetWindow(std::string_view window) {
    SetText(m_window, window);
}

void Passcard::SetWindowId(std::string_view windowId) {
    SetText(m_windowId, windowId);
    WindowIdRegistry::Instance().Register(windowId);
}

void Passcard::SetExpiration(std::uint64_t expiration) {
    SetField(m_expiration, expiration);
}

bool Passcard::IsExpired() const {
    return m_expiration != 0 && m_expiration < Clock::NowFileTime();
}

void Passcard::CopyFrom(const Passcard& other) {
    ModelNode::CopyFrom(other);
    SetUseAutofill(other.m_useAutofill);
    SetAutofillString(other.m_autofillString);
    SetWindow(other.m_window);
    SetText(m_windowId, other.m_windowId);
    SetExpiration(other.m_expiration);
}

std::unique_ptr<Passcard> Passcard::Clone() const {
    auto clone = std::make_unique<Passcard>();
    clone->CopyFrom(*this);
    for (const auto& item : Children()) {
        clone->Add(std::make_unique<Item>(*item));
    }
    return clone;
}

bool Passcard::Write(tinyxml2::XMLElement* element) const {
    if (!NodeContainer<Item>::Write(element)) {
        return false;
    }
    bool written = WriteIntAttribute("bookmark", m_bookmark ? 1 : 0, element);
    written &= WriteIntAttribute("use_autofill", m_useAutofill ? 1 : 0, element);
    written &= WriteFileTimeAttribute("expiration", static_cast<std::uint32_t>(m_expiration),
                                      static_cast<std::uint32_t>(m_expiration >> 32), element);
    if (!m_autofillString.empty()) {
        written &= WriteTextAttribute("autofill", m_autofillString, element);
    }
    if (!m_window.empty()) {
        written &= WriteTextAttribute("window", m_window, element);
    }
    if (!m_windowId.empty()) {
        written &= WriteTextAttribute("windowID", m_windowId, element);
    }
    return written;
}

bool Passcard::Read(const tinyxml2::XMLElement* element) {
    if (!NodeContainer<Item>::Read(element)) {
        return false;
    }
    std::int64_t flag = 0;
    m_bookmark = ReadIntAttribute("bookmark", flag, element) && flag != 0;
    m_useAutofill = ReadIntAttribute("use_autofill", flag, element) && flag != 0;
    ReadFileTimeAttribute("expiration", m_expiration, element);
    ReadTextAttribute("autofill", m_autofillString, element);
    ReadTextAttribute("window", m_window, element);
    SecureString windowId;
    ReadTextAttribute("windowID", windowId, element);
    SetWindowId(windowId);
    return true;
}

} // namespace vaultlet
