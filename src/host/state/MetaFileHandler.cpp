#include "host/state/MetaFileHandler.h"

#include <xercesc/sax/Locator.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/sax2/Attributes.hpp>

#include "automation/values/AutomationError.h"
#include "automation/values/TypedLiteral.h"
#include "host/objects/TypeNames.h"
#include "host/state/FloatStateProperty.h"
#include "host/state/MetaFileError.h"
#include "host/state/StateMetaFileText.h"
#include "host/state/XercesRuntime.h"

namespace tav {

namespace T = StateMetaFileText;

namespace {

bool is(const XMLCh* name, std::u16string_view wanted) { return name && std::u16string_view(name) == wanted; }

}  // namespace

MetaFileHandler::MetaFileHandler() { definition_.properties = makeRef<StateProperties>(); }

uint64_t MetaFileHandler::line() const { return locator_ ? locator_->getLineNumber() : 0; }

void MetaFileHandler::fail(std::string why) const { throw MetaFileError(std::move(why), line()); }

std::string MetaFileHandler::attribute(const xercesc::Attributes& attrs, std::u16string_view name,
                                       bool* present) const {
    const XMLCh* raw = attrs.getValue(name.data());
    if (present) *present = raw != nullptr;
    std::string text = XercesRuntime::utf8(raw);
    if (name == T::AttrName && text.size() > T::MaxNameLength) fail(std::string(T::NameTooLong));
    if (text.size() > T::MaxValueLength) fail(std::string(T::ValueTooLong) + XercesRuntime::utf8(name.data()));
    return text;
}

void MetaFileHandler::startElement(const XMLCh* const, const XMLCh* const, const XMLCh* const qname,
                                   const xercesc::Attributes& attrs) {
    if (++depth_ > T::MaxDepth) fail(std::string(T::TooDeep));
    if (depth_ == 1) {
        if (!is(qname, T::ElementState)) fail(std::string(T::NotAStateFile));
        definition_.typeName = attribute(attrs, T::AttrType);
    } else if (is(qname, T::ElementProperty) && !pending_) {
        beginProperty(attrs);
    } else if (is(qname, T::ElementItem) && pending_) {
        const std::string value = attribute(attrs, T::AttrValue);
        property_.items.push_back({attribute(attrs, T::AttrName), valueOf(VarType::I4, value).i4()});
    } else if (is(qname, T::ElementElement) && pending_) {
        property_.elements.push_back(Variant(attribute(attrs, T::AttrValue)));
    } else {
        fail(std::string(T::UnexpectedElement) + XercesRuntime::utf8(qname));
    }
}

void MetaFileHandler::endElement(const XMLCh* const, const XMLCh* const, const XMLCh* const qname) {
    --depth_;
    if (is(qname, T::ElementProperty) && pending_) finishProperty();
}

void MetaFileHandler::beginProperty(const xercesc::Attributes& attrs) {
    property_ = Pending{};
    property_.line = line();
    property_.name = attribute(attrs, T::AttrName);
    property_.type = attribute(attrs, T::AttrType);
    property_.value = attribute(attrs, T::AttrValue, &property_.hasValue);
    property_.precision = attribute(attrs, T::AttrPrecision, &property_.hasPrecision);
    property_.isArray = attribute(attrs, T::AttrArray) == T::ArrayYes;
    pending_ = true;
}

Variant MetaFileHandler::valueOf(VarType type, const std::string& text) const {
    if (type == VarType::String) return Variant(text);
    if (type == VarType::Object) fail(std::string(T::NoValueForObject));
    const std::string_view typeName = TypeNames::nameOf(type);
    try {
        // A Variant property's value is a whole typed literal; the others give only its body.
        if (type == VarType::Variant) return literal::parse(text);
        Variant v = literal::parse(std::string(typeName) + std::string(T::LiteralTagSeparator) + text);
        if (v.type() == type) return v;
    } catch (const AutomationError&) {
    }
    fail(std::string(T::NotAValue) + std::string(typeName) + std::string(T::WhySeparator) + std::string(T::Quote) +
         text + std::string(T::Quote));
}

Ref<StateProperty> MetaFileHandler::makeProperty() const {
    const Pending& p = property_;
    const bool isEnum = p.type == T::TypeEnum;
    const VarType* builtIn = isEnum ? nullptr : TypeNames::builtIn(p.type);
    if (!isEnum && !builtIn) fail(std::string(T::UnknownType) + p.type);
    if (!isEnum && !p.items.empty()) fail(std::string(T::ItemsOnlyForEnum));
    if (!p.isArray && !p.elements.empty()) fail(std::string(T::ElementsOnlyForArray));
    if (p.hasPrecision && p.isArray) fail(std::string(T::PrecisionNotForArray));
    if (p.isArray) {
        if (isEnum || *builtIn == VarType::Object) fail(std::string(T::ArrayOfEnumOrObject));
        if (p.hasValue) fail(std::string(T::ArrayTakesElements));
        std::vector<Variant> elements;
        elements.reserve(p.elements.size());
        for (const Variant& e : p.elements) elements.push_back(valueOf(*builtIn, std::string(e.str())));
        return makeRef<StateProperty>(p.name, makeRef<StateArray>(*builtIn, std::move(elements)));
    }
    if (isEnum) {
        if (p.hasPrecision) fail(std::string(T::PrecisionNeedsFloat));
        return makeRef<EnumStateProperty>(p.name, p.items, p.hasValue ? valueOf(VarType::I4, p.value) : missingArg());
    }
    const Variant value = p.hasValue ? valueOf(*builtIn, p.value) : missingArg();
    if (!p.hasPrecision) return makeRef<StateProperty>(p.name, *builtIn, value);
    if (*builtIn != VarType::R4 && *builtIn != VarType::R8) fail(std::string(T::PrecisionNeedsFloat));
    return makeRef<FloatStateProperty>(p.name, *builtIn, valueOf(VarType::I4, p.precision).i4(), value);
}

void MetaFileHandler::finishProperty() {
    pending_ = false;
    try {
        definition_.properties->add(makeProperty());
    } catch (const AutomationError& e) {
        // The state system's own refusals (a name given twice, an item value that is no
        // item's, ...) name the property's line, as the handler's do.
        throw MetaFileError(e.description(), property_.line);
    } catch (const MetaFileError& e) {
        throw MetaFileError(e.what(), property_.line);
    }
}

void MetaFileHandler::startEntity(const XMLCh* const name) {
    if (is(name, T::ExternalSubset)) inExternalSubset_ = true;
}

void MetaFileHandler::endEntity(const XMLCh* const name) {
    if (is(name, T::ExternalSubset)) inExternalSubset_ = false;
}

void MetaFileHandler::elementDecl(const XMLCh* const, const XMLCh* const) {
    if (!inExternalSubset_) fail(std::string(T::InternalSubset));
}

void MetaFileHandler::attributeDecl(const XMLCh* const, const XMLCh* const, const XMLCh* const, const XMLCh* const,
                                    const XMLCh* const) {
    if (!inExternalSubset_) fail(std::string(T::InternalSubset));
}

void MetaFileHandler::internalEntityDecl(const XMLCh* const name, const XMLCh* const) {
    fail(std::string(T::EntityDeclared) + XercesRuntime::utf8(name));
}

void MetaFileHandler::externalEntityDecl(const XMLCh* const name, const XMLCh* const, const XMLCh* const) {
    fail(std::string(T::EntityDeclared) + XercesRuntime::utf8(name));
}

void MetaFileHandler::error(const xercesc::SAXParseException& e) {
    throw MetaFileError(XercesRuntime::utf8(e.getMessage()), e.getLineNumber());
}

void MetaFileHandler::fatalError(const xercesc::SAXParseException& e) {
    throw MetaFileError(XercesRuntime::utf8(e.getMessage()), e.getLineNumber());
}

}  // namespace tav
