#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <xercesc/sax2/DefaultHandler.hpp>

#include "automation/values/Object.h"
#include "host/state/EnumStateProperty.h"
#include "host/state/StateDefinition.h"

namespace tav {

// Builds a state's type name and properties from the parser's report of a meta file. Every
// problem the parser or the handler finds stops the read at once with a MetaFileError naming
// its line: a file that breaks the document type definition, a property the state system
// cannot make, an entity declaration (meta files need none, so no entity expansion can grow a
// file beyond what it is), a declaration of the file's own (only State.dtd defines the
// document), or anything beyond the limits of StateMetaFileText.
class MetaFileHandler : public xercesc::DefaultHandler {
public:
    MetaFileHandler();

    // What was read; whole after a read without error.
    StateDefinition take() { return std::move(definition_); }

    // The line the parser is at, while it reads (0 before it started).
    uint64_t line() const;

    void setDocumentLocator(const xercesc::Locator* const locator) override { locator_ = locator; }
    void startElement(const XMLCh* const uri, const XMLCh* const localname, const XMLCh* const qname,
                      const xercesc::Attributes& attrs) override;
    void endElement(const XMLCh* const uri, const XMLCh* const localname, const XMLCh* const qname) override;
    // Declarations count only inside the external State.dtd: a meta file's own (internal)
    // subset could change what the document may hold or give attributes defaults.
    void startEntity(const XMLCh* const name) override;
    void endEntity(const XMLCh* const name) override;
    void elementDecl(const XMLCh* const name, const XMLCh* const model) override;
    void attributeDecl(const XMLCh* const eName, const XMLCh* const aName, const XMLCh* const type,
                       const XMLCh* const mode, const XMLCh* const value) override;
    void internalEntityDecl(const XMLCh* const name, const XMLCh* const value) override;
    void externalEntityDecl(const XMLCh* const name, const XMLCh* const publicId,
                            const XMLCh* const systemId) override;
    void warning(const xercesc::SAXParseException&) override {}
    void error(const xercesc::SAXParseException& e) override;
    void fatalError(const xercesc::SAXParseException& e) override;

private:
    // A Property element while its Item and Element children are read.
    struct Pending {
        std::string name;
        std::string type;
        bool hasValue = false;
        std::string value;
        bool hasPrecision = false;
        std::string precision;
        bool isArray = false;
        std::vector<EnumStateProperty::Item> items;
        std::vector<Variant> elements;
        uint64_t line = 0;
    };

    [[noreturn]] void fail(std::string why) const;
    // An attribute's text (empty when absent), checked against the length limit.
    std::string attribute(const xercesc::Attributes& attrs, std::u16string_view name, bool* present = nullptr) const;
    Variant valueOf(VarType type, const std::string& text) const;
    void beginProperty(const xercesc::Attributes& attrs);
    void finishProperty();
    Ref<StateProperty> makeProperty() const;

    StateDefinition definition_;
    const xercesc::Locator* locator_ = nullptr;
    int depth_ = 0;
    bool inExternalSubset_ = false;
    bool pending_ = false;
    Pending property_;
};

}  // namespace tav
