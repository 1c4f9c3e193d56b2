#include "host/model/PropertyAccessor.h"

#include "automation/conversions/Conversions.h"
#include "automation/values/AutomationError.h"
#include "host/model/ModelText.h"
#include "host/model/Scope.h"
#include "host/model/ValueList.h"

namespace tav::hostmodel {

namespace T = ModelText;

ClassDesc PropertyAccessor::describe() {
    using C = PropertyAccessor;
    return ClassDesc(std::string(T::PropertyAccessor), std::string(T::PropertyAccessorHelp))
        .add(property<&C::DataType>(T::DataType))
        .add(property<&C::MultiValued>(T::MultiValued))
        .add(property<&C::Name>(T::Name))
        .add(property<&C::Flags>(T::Flags))
        .add(method<&C::Read>(T::Read, {T::ScopeParam, opt(T::StatusParam)}))
        .add(method<&C::Store>(T::Store, {T::ScopeParam, T::StatusParam, T::ValueParam}))
        .add(method<&C::Validate>(
            T::Validate,
            {T::ReservedParam, T::ScopeParam, T::ValueParam, T::MessageParam, T::Result1Param,
             T::Result2Param, T::Result3Param, T::Result4Param, T::Result5Param}));
}

IRef<iTAVValueList> PropertyAccessor::Read(const IRef<iTAVScope>& scope, int32_t& status) {
    Ref<ValueList> list = makeRef<ValueList>();
    if (d_->readStatus != 0) {
        status = d_->readStatus;
        return list;
    }
    status = 0;
    const Ref<Scope> s = Scope::from(scope);
    if (!s) return list;
    // Plain numbers, or text codes, when every object holds one of the same type; else Variants.
    if (readPlain(*s, list->doubles(), &Model::readDoubles) ||
        readPlain(*s, list->longs(), &Model::readLongs) || readCodes(*s, *list))
        return list;
    std::vector<Variant>& out = list->variants();
    out.reserve(static_cast<size_t>(s->count()));
    for (const ScopeRun& run : s->runs()) {
        if (run.isModelObjects())
            run.model->read(run.cls, *run.rows, d_->name, out);
        else
            out.emplace_back();
    }
    return list;
}

bool PropertyAccessor::readCodes(const Scope& s, ValueList& list) const {
    std::shared_ptr<const TextDictionary> table;
    std::vector<uint32_t>& codes = list.codes({});
    codes.reserve(static_cast<size_t>(s.count()));
    for (const ScopeRun& run : s.runs()) {
        if (!run.isModelObjects() ||
            !run.model->readCodes(run.cls, *run.rows, d_->name, codes, table)) {
            codes.clear();
            return false;
        }
    }
    list.setCodeTable(std::move(table));
    return !s.runs().empty();
}

template <class T, class Reader>
bool PropertyAccessor::readPlain(const Scope& s, std::vector<T>& out, Reader read) const {
    out.reserve(static_cast<size_t>(s.count()));
    for (const ScopeRun& run : s.runs()) {
        if (!run.isModelObjects() || !(run.model.get()->*read)(run.cls, *run.rows, d_->name, out)) {
            out.clear();
            return false;
        }
    }
    return !s.runs().empty();
}

void PropertyAccessor::Store(const IRef<iTAVScope>& scope, int32_t& status, const Variant& value) {
    status = 0;
    const Ref<Scope> s = Scope::from(scope);
    if (!s) return;
    for (const ScopeRun& run : s->runs())
        if (run.isModelObjects()) run.model->store(run.cls, run.rows, d_->name, value);
}

bool PropertyAccessor::inRange(const Variant& value) const {
    if (!IsNumeric(value)) return false;
    const double d = CDbl(value);
    return d >= CDbl(d_->min) && d <= CDbl(d_->max);
}

void PropertyAccessor::Validate(int32_t /*reserved*/, const IRef<iTAVScope>& /*scope*/,
                                const Variant& value, std::string& message, int32_t& result1,
                                int32_t& result2, int32_t& result3, int32_t& result4,
                                int32_t& result5) {
    result1 = result2 = result3 = result4 = result5 = 0;
    if (d_->hasRange && !inRange(value)) {
        message = d_->name + std::string(T::RangeBetween) + CStr(d_->min) + std::string(T::RangeAnd) +
                  CStr(d_->max) + std::string(T::RangeEnd);
        result3 = 1;
        return;
    }
    result1 = 1;
    if (!d_->warning.empty()) message = d_->warning;
}

}  // namespace tav::hostmodel
