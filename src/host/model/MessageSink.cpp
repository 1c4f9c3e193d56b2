#include "host/model/MessageSink.h"

#include "host/model/ModelText.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc MessageSink::describe() {
    using C = MessageSink;
    return ClassDesc(std::string(T::MessageSink), std::string(T::MessageSinkHelp))
        .add(method<&C::ShowMessage>(T::ShowMessage, {T::TextParam, T::FlagsParam,
                                                      opt(T::Extra1Param), opt(T::Extra2Param)}))
        .add(property<&C::Messages>(T::Messages));
}

void MessageSink::ShowMessage(std::string_view text, int32_t /*flags*/, const Variant& /*extra1*/,
                              const Variant& /*extra2*/) {
    shown_.record(std::string(text));
}

}  // namespace tav::hostmodel
