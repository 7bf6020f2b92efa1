#include "core/ModelNode.h"

#include "core/Clock.h"
#include "core/LocalTime.h"
#include "core/ModifiedFlag.h"
#include "core/XmlAttributes.h"

#include <tinyxml2.h>

#include <ctime>

namespace vaultlet {
namespace {

void SetText(SecureString& field, std::string_view value) {
    if (field.Viewed() != value) {
        ModifiedFlag::Raise();
    }
    field = value;
}

} // namespace

ModelNode::ModelNode() {
    ModelNode::Clear();
}

ModelNode::~ModelNode() = default;

void ModelNode::Clear() {
    m_name.clear();
    m_comment.clear();
    m_image = -1;
    m_parent = nullptr;
    m_time = Clock::NowUnix();
}

void ModelNode::CopyFrom(const ModelNode& other) {
    SetName(other.Name());
    SetComment(other.Comment());
    SetImage(other.Image());
}

void ModelNode::SetName(std::string_view name) {
    SetText(m_name, name);
}

void ModelNode::SetComment(std::string_view comment) {
    SetText(m_comment, comment);
}

void ModelNode::SetImage(std::int32_t image) {
    if (image != m_image) {
        ModifiedFlag::Raise();
    }
    m_image = image;
}

std::string ModelNode::FormatTime() const {
    std::tm local{};
    if (m_time == 0 || !ToLocalTime(m_time, local)) {
        return {};
    }
    char buffer[512];
    // The locale's own date and time forms are wanted here, two-digit years included.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-y2k"
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%x %X", &local);
#pragma GCC diagnostic pop
    return std::string(buffer, length);
}

bool ModelNode::Write(tinyxml2::XMLElement* element) const {
    if (element == nullptr) {
        return false;
    }
    WriteTextAttribute("name", m_name, element);
    if (m_image != -1) {
        WriteIntAttribute("image", m_image, element);
    }
    if (!m_comment.empty()) {
        WriteTextAttribute("comment", m_comment, element);
    }
    if (m_time != 0) {
        WriteIntAttribute("time", m_time, element);
    }
    return true;
}

bool ModelNode::Read(const tinyxml2::XMLElement* element) {
    if (!ReadTextAttribute("name", m_name, element)) {
        return false;
    }
    std::int64_t number = -1;
    m_image = ReadIntAttribute("image", number, element) ? static_cast<std::int32_t>(number) : -1;
    if (!ReadTextAttribute("comment", m_comment, element)) {
        m_comment.clear();
    }
    if (ReadIntAttribute("time", number, element)) {
        m_time = number;
    }
    return true;
}

} // namespace vaultlet
