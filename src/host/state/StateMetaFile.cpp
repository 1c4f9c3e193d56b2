#include "host/state/StateMetaFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <system_error>
#include <vector>

#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax/SAXException.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLString.hpp>
#include <xercesc/util/XMLUni.hpp>

#include "automation/server/ThreadEnvironment.h"
#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "automation/values/ErrorTexts.h"
#include "automation/values/Excerpt.h"
#include "host/state/MetaFileEntityResolver.h"
#include "host/state/MetaFileError.h"
#include "host/state/MetaFileHandler.h"
#include "host/state/StateMetaFileText.h"
#include "host/state/StateText.h"
#include "host/state/XercesRuntime.h"
#include "sources/ContainerInits.h"

namespace tav::StateMetaFile {

namespace T = StateMetaFileText;
using xercesc::XMLUni;

namespace {

[[noreturn]] void refuse(const std::string& file, uint64_t line, std::string_view why) {
    std::string where = file;
    if (line) where += std::string(T::PlaceSeparator) + std::to_string(line);
    // Why quotes names and values of the file, and the parser's messages quote more: at most
    // a few hundred characters of them.
    throw AutomationError(err::InvalidProcedureCall, std::string(StateText::ErrSource),
                          where + std::string(T::WhySeparator) + excerpt(why, T::QuotedWhy));
}

// The whole file, refused beyond the size limit before anything is parsed. `file` names it in
// messages, `path` is where it is.
std::string contentOf(const std::string& file, const std::filesystem::path& path) {
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) refuse(file, 0, T::CannotRead);
    if (size > T::MaxFileBytes) refuse(file, 0, T::TooLarge);
    std::ifstream in(path, std::ios::binary);
    if (!in) refuse(file, 0, T::CannotRead);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad() || text.size() > T::MaxFileBytes) refuse(file, 0, T::CannotRead);
    return text;
}

// Where State.dtd is looked for: the system folder of this thread's start-up, when it has run
// (the folder every meta file of the host's is meant for); then the current directory; then
// the meta file's own folder and the folders above it, so that a meta file that travels with
// its State.dtd (a checkout of examples) loads with no host install.
std::vector<std::filesystem::path> dtdFolders(const std::filesystem::path& metaFile) {
    std::vector<std::filesystem::path> folders;
    if (const std::string started = ContainerInits::StartedSystemDir(); !started.empty())
        folders.emplace_back(started);
    folders.push_back(ThreadEnvironment::currentDirectory());
    for (std::filesystem::path folder = metaFile.parent_path(); !folder.empty(); folder = folder.parent_path()) {
        folders.push_back(folder);
        if (folder == folder.root_path()) break;
    }
    return folders;
}

std::unique_ptr<xercesc::SAX2XMLReader> validatingParser() {
    std::unique_ptr<xercesc::SAX2XMLReader> parser(xercesc::XMLReaderFactory::createXMLReader());
    parser->setFeature(XMLUni::fgSAX2CoreNameSpaces, false);
    parser->setFeature(XMLUni::fgSAX2CoreValidation, true);
    parser->setFeature(XMLUni::fgXercesDynamic, false);
    parser->setFeature(XMLUni::fgXercesSchema, false);
    parser->setFeature(XMLUni::fgXercesLoadExternalDTD, true);
    parser->setFeature(XMLUni::fgXercesValidationErrorAsFatal, true);
    // Whatever the resolver does not serve stays unread.
    parser->setFeature(XMLUni::fgXercesDisableDefaultEntityResolution, true);
    return parser;
}

}  // namespace

StateDefinition read(std::string_view path) {
    XercesRuntime::ensureStarted();
    const std::string file(path);
    const std::filesystem::path where = ThreadEnvironment::resolve(file).lexically_normal();
    const std::string text = contentOf(file, where);

    MetaFileHandler handler;
    MetaFileEntityResolver resolver(dtdFolders(where), handler);
    xercesc::SecurityManager security;
    security.setEntityExpansionLimit(T::EntityExpansionLimit);
    const std::unique_ptr<xercesc::SAX2XMLReader> parser = validatingParser();
    parser->setProperty(XMLUni::fgXercesSecurityManager, &security);
    parser->setContentHandler(&handler);
    parser->setErrorHandler(&handler);
    parser->setDeclarationHandler(&handler);
    parser->setLexicalHandler(&handler);
    parser->setEntityResolver(&resolver);

    XMLCh* id = xercesc::XMLString::transcode(file.c_str());
    xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(text.data()), text.size(), id);
    xercesc::XMLString::release(&id);
    try {
        parser->parse(source);
    } catch (const MetaFileError& e) {
        refuse(file, e.line(), e.what());
    } catch (const xercesc::SAXParseException& e) {
        refuse(file, e.getLineNumber(), XercesRuntime::utf8(e.getMessage()));
    } catch (const xercesc::SAXException& e) {
        refuse(file, 0, XercesRuntime::utf8(e.getMessage()));
    } catch (const xercesc::XMLException& e) {
        refuse(file, 0, XercesRuntime::utf8(e.getMessage()));
    } catch (const xercesc::OutOfMemoryException&) {
        refuse(file, 0, err::TextOutOfMemory);
    }
    return handler.take();
}

}  // namespace tav::StateMetaFile
