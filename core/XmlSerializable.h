#pragma once

namespace tinyxml2 {
class XMLElement;
}

namespace vaultlet {

// Something that writes itself into an already named XML element and reads itself back from one.
class XmlSerializable {
public:
    virtual bool Write(tinyxml2::XMLElement* element) const = 0;
    virtual bool Read(const tinyxml2::XMLElement* element) = 0;

protected:
    ~XmlSerializable() = default;
};

} // namespace vaultlet
