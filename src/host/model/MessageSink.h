#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "automation/objects/Dispatchable.h"
#include "contracts/iTAVMessageSink.h"
#include "host/model/TextLog.h"

namespace tav::hostmodel {

// The host container's message sink (handed out by Host.Container): it keeps the messages
// shown, for Container.Messages.
class MessageSink : public Dispatchable<MessageSink>, public iTAVMessageSink {
  public:
    static ClassDesc describe();

    void ShowMessage(std::string_view text, int32_t flags, const Variant& extra1,
                     const Variant& extra2) override;
    // The messages since the last read, joined by "|".
    std::string Messages() { return shown_.take(); }

  private:
    TextLog shown_;
};

}  // namespace tav::hostmodel
