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
    std::filesystem::path dtd;
    for (const std::filesystem::path& folder : systemFolders_) {
        std::error_code ec;
        dtd = folder / T::DtdFileName;
        if (std::filesystem::is_regular_file(dtd, ec)) break;
        dtd.clear();
    }
    if (dtd.empty()) {
        const std::string named = systemFolders_.empty() ? std::string() : systemFolders_.front().string();
        throw MetaFileError(std::string(T::DtdMissing) + named + std::string(T::DtdMissingElsewhere), handler_.line());
    }
    // The parser owns what it is given; the path goes over as UTF-16.
    XMLCh* path = xercesc::XMLString::transcode(dtd.c_str());
    xercesc::InputSource* source = new xercesc::LocalFileInputSource(path);
    xercesc::XMLString::release(&path);
    return source;
}

}  // namespace tav
