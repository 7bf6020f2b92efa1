#pragma once

#include "core/SecureXmlPrinter.h"

namespace vaultlet {

// Prints an exchange file so that every text reads back exactly as it was written. The parser turns
// a raw carriage return into a line feed and drops a text that is nothing but white space, so a
// carriage return is written as "&#13;" and the white space of a text made only of white space as
// character references. Markup characters are escaped as the library does.
class ExchangeXmlPrinter : public SecureXmlPrinter {
public:
    using SecureXmlPrinter::SecureXmlPrinter;

    bool Visit(const tinyxml2::XMLText& text) override;
};

} // namespace vaultlet
