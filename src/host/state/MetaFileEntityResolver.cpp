#include "host/state/MetaFileEntityResolver.h"

#include <system_error>

#include <xercesc/framework/LocalFileInputSource.hpp>
#include <xercesc/util/XMLString.hpp>

#include "host/state/MetaFileError.h"
#include "host/state/MetaFileHandler.h"
#include "host/state/StateMetaFileText.h"
#include "host/state/XercesRuntime.h"

namespace tav {

namespace T = StateMetaFileText;

xercesc::InputSource* MetaFileEntityResolver::resolveEntity(const XMLCh* const /*publicId*/,
                                                            const XMLCh* const systemId) {
    const std::string wanted = XercesRuntime::utf8(systemId);
    if (wanted != T::DtdFileName) throw MetaFileError(std::string(T::EntityRefused) + wanted, handler_.line());
    const std::filesystem::path dtd = systemFolder_ / T::DtdFileName;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(dtd, ec))
        throw MetaFileError(std::string(T::DtdMissing) + systemFolder_.string(), handler_.line());
    // The parser owns what it is given; the path goes over as UTF-16.
    XMLCh* path = xercesc::XMLString::transcode(dtd.c_str());
    xercesc::InputSource* source = new xercesc::LocalFileInputSource(path);
    xercesc::XMLString::release(&path);
    return source;
}

}  // namespace tav
