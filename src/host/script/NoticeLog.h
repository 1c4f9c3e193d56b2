#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "automation/objects/ConnectionPoint.h"
#include "contracts/Persistable.h"

namespace tav {

class Object;

// The property-changed notices of the persistable objects a script holds, kept per object
// from the moment it is watched until they are taken.
class NoticeLog {
public:
    // Starts recording the object's notices; nothing happens for an object that is not
    // persistable or is watched already.
    void watch(Object* object);
    // The notices since the last take, oldest first, joined by "|".
    std::string take(Object* object);

private:
    struct Recorder : IPropertyChangedSink {
        Connection connection;
        std::vector<std::string> notices;
        void OnPropertyChanged(std::string_view PropertyName) override { notices.emplace_back(PropertyName); }
    };
    // Keyed by identity; a recorder whose object is gone has lost its connection.
    std::map<const Object*, std::unique_ptr<Recorder>> recorders_;
};

}  // namespace tav
