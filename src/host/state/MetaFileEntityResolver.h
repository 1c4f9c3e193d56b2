#pragma once
#include <filesystem>
#include <vector>

#include <xercesc/sax/EntityResolver.hpp>

namespace tav {

class MetaFileHandler;

// The one external entity a state meta file may use is its document type definition, named
// by the bare file name State.dtd and served from the first of the given folders that holds
// one (the system folder comes first, so a stray State.dtd beside a meta file of the host's is
// never read). Every other external entity, a file elsewhere or anything on the network, is
// refused: the load fails with a MetaFileError and nothing is fetched.
class MetaFileEntityResolver : public xercesc::EntityResolver {
public:
    // State.dtd comes from the first of the folders that holds it (the first one is named when
    // none does). The handler of the same read tells where the reader is.
    MetaFileEntityResolver(std::vector<std::filesystem::path> systemFolders, const MetaFileHandler& handler)
        : systemFolders_(std::move(systemFolders)), handler_(handler) {}

    xercesc::InputSource* resolveEntity(const XMLCh* const publicId, const XMLCh* const systemId) override;

private:
    std::vector<std::filesystem::path> systemFolders_;
    const MetaFileHandler& handler_;
};

}  // namespace tav
