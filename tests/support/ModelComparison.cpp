#include "tests/support/ModelComparison.h"

#include <sstream>
#include <string>

namespace vaultlet::test {
namespace {

class Comparer {
public:
    template <typename T>
    void Field(const std::string& where, const char* name, const T& expected, const T& actual) {
        if (!(expected == actual)) {
            m_out << where << "." << name << ": expected [" << expected << "] got [" << actual << "]\n";
        }
    }

    void Node(const std::string& where, const ModelNode& expected, const ModelNode& actual) {
        Field(where, "name", Text(expected.Name()), Text(actual.Name()));
        Field(where, "comment", Text(expected.Comment()), Text(actual.Comment()));
        Field(where, "image", expected.Image(), actual.Image());
        Field(where, "time", expected.Time(), actual.Time());
    }

    void Items(const std::string& where, const Item& expected, const Item& actual) {
        Node(where, expected, actual);
        Field(where, "meta", Text(expected.Meta()), Text(actual.Meta()));
        Field(where, "value", Text(expected.Value()), Text(actual.Value()));
        Field(where, "type", static_cast<std::uint32_t>(expected.Type()), static_cast<std::uint32_t>(actual.Type()));
        Field(where, "hidden", expected.Hidden(), actual.Hidden());
        Field(where, "binary", Binary(expected), Binary(actual));
    }

    void Passcards(const std::string& where, const Passcard& expected, const Passcard& actual) {
        Node(where, expected, actual);
        Field(where, "bookmark", expected.Bookmark(), actual.Bookmark());
        Field(where, "use_autofill", expected.UseAutofill(), actual.UseAutofill());
        Field(where, "autofill", Text(expected.StoredAutofillString()), Text(actual.StoredAutofillString()));
        Field(where, "window", Text(expected.Window()), Text(actual.Window()));
        Field(where, "windowID", Text(expected.WindowId()), Text(actual.WindowId()));
        Field(where, "expiration", expected.Expiration(), actual.Expiration());
        Children(where, expected, actual,
                 [this](const std::string& w, const Item& e, const Item& a) { Items(w, e, a); });
    }

    void Groups(const std::string& where, const Group& expected, const Group& actual) {
        Node(where, expected, actual);
        Children(where, expected, actual,
                 [this](const std::string& w, const Passcard& e, const Passcard& a) { Passcards(w, e, a); });
    }

    void Databases(const Database& expected, const Database& actual) {
        Node("database", expected, actual);
        Children("database", expected, actual,
                 [this](const std::string& w, const Group& e, const Group& a) { Groups(w, e, a); });
    }

    std::string Report() const { return m_out.str(); }

private:
    static std::string Text(const SecureString& text) { return std::string(text.Viewed()); }

    static std::string Binary(const Item& item) {
        std::ostringstream out;
        for (std::size_t i = 0; i < item.BinarySize(); ++i) {
            out << static_cast<int>(item.BinaryData()[i]) << ",";
        }
        return out.str();
    }

    template <typename Container, typename Compare>
    void Children(const std::string& where, const Container& expected, const Container& actual, Compare compare) {
        Field(where, "count", expected.Count(), actual.Count());
        for (std::size_t i = 0; i < std::min(expected.Count(), actual.Count()); ++i) {
            compare(where + "/" + std::to_string(i), *expected.At(i), *actual.At(i));
        }
    }

    std::ostringstream m_out;
};

} // namespace

::testing::AssertionResult ModelsEqual(const Database& expected, const Database& actual) {
    Comparer comparer;
    comparer.Databases(expected, actual);
    const std::string report = comparer.Report();
    if (report.empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << report;
}

} // namespace vaultlet::test
