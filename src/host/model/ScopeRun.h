#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "automation/values/Object.h"
#include "host/model/Model.h"

namespace tav::hostmodel {

// A stretch of a scope's contents: objects of one class of one model by row (shared between
// the scopes that filtering makes, never copied), or one object of any other kind (a document
// root, say).
struct ScopeRun {
    Ref<Model> model;
    uint32_t cls = 0;
    std::shared_ptr<std::vector<uint32_t>> rows;
    Ref<Object> object;

    bool isModelObjects() const noexcept { return static_cast<bool>(model); }
    size_t size() const noexcept { return model ? rows->size() : 1; }
};

}  // namespace tav::hostmodel
