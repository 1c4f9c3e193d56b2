#pragma once
#include <cstdint>

// Every error number the library raises or recognises, by name. HRESULT-style numbers are
// kept as the negative 32-bit integers VB shows them as.
namespace tav::err {

constexpr int32_t hresult(uint32_t h) { return static_cast<int32_t>(h); }

constexpr int32_t InvalidProcedureCall = 5;
constexpr int32_t Overflow = 6;
constexpr int32_t OutOfMemory = 7;
constexpr int32_t SubscriptOutOfRange = 9;
constexpr int32_t DivisionByZero = 11;
constexpr int32_t TypeMismatch = 13;
constexpr int32_t ObjectNotSet = 91;
constexpr int32_t InvalidUseOfNull = 94;
constexpr int32_t ObjectRequired = 424;
constexpr int32_t ObjectDoesNotSupport = 438;  // member not found by name
constexpr int32_t KeyAlreadyExists = 457;
constexpr int32_t BadVarType = 458;

// Call by name, objects and persistence.
constexpr int32_t FileNotFound = 53;
constexpr int32_t PathFileAccess = 75;
constexpr int32_t InvalidFileFormat = 321;
constexpr int32_t DataValueNotFound = 327;      // ReadProperty without default, key absent
constexpr int32_t CantPersistObject = 330;      // WriteProperty of a non-persistable object
constexpr int32_t CantCreateObject = 429;       // unknown, unavailable or non-creatable class
constexpr int32_t ArgumentNotOptional = 449;    // Missing passed for a required parameter
constexpr int32_t WrongArgumentCount = 450;     // too many or too few arguments
constexpr int32_t ElementNotFound = 32811;      // Dictionary.Remove of an absent key

// The object-error base and the offsets the parts use.
constexpr uint32_t ObjectErrorBase = 0x80040000u;
constexpr int32_t MissingCloseBracket = hresult(ObjectErrorBase + 520);  // 0x80040208
constexpr int32_t ValueExpected = hresult(ObjectErrorBase + 521);        // 0x80040209
constexpr int32_t StopCycle = hresult(ObjectErrorBase + 612);            // 0x80040264
constexpr int32_t EnumPrefixMissing = hresult(ObjectErrorBase + 614);    // 0x80040266
constexpr int32_t ExprMulti723 = hresult(ObjectErrorBase + 723);         // 0x800402D3
constexpr int32_t ExprMulti724 = hresult(ObjectErrorBase + 724);         // 0x800402D4
constexpr int32_t ExprMulti725 = hresult(ObjectErrorBase + 725);         // 0x800402D5

constexpr int32_t InvalidArgument = hresult(0x80070057u);    // E_INVALIDARG
constexpr int32_t UnexpectedState = hresult(0x8000FFFFu);    // E_UNEXPECTED
constexpr int32_t NotImplemented = hresult(0x80004001u);     // E_NOTIMPL
constexpr int32_t NoInterface = hresult(0x80004002u);        // E_NOINTERFACE
constexpr int32_t OutOfMemoryHr = hresult(0x8007000Eu);      // E_OUTOFMEMORY
constexpr int32_t NullPointer = hresult(0x80004003u);        // E_POINTER
constexpr int32_t ClassNotAvailable = hresult(0x80040111u);  // CLASS_E_CLASSNOTAVAILABLE
constexpr int32_t SelfRegClass = hresult(0x80040201u);       // SELFREG_E_CLASS

// Platform HRESULTs and the VB numbers they map to.
constexpr int32_t DispTypeMismatch = hresult(0x80020005u);
constexpr int32_t DispOverflow = hresult(0x8002000Au);
constexpr int32_t DispDivByZero = hresult(0x80020012u);
constexpr int32_t DispBadVarType = hresult(0x80020008u);
// An omitted optional argument travels as an Error Variant with this code ("Missing").
constexpr int32_t ParamNotFound = hresult(0x80020004u);  // DISP_E_PARAMNOTFOUND
constexpr int32_t TypeElementNotFound = hresult(0x8002802Bu);  // TYPE_E_ELEMENTNOTFOUND

// Error values (VT_ERROR) made by CVErr(n) are 0x800A0000 + n.
constexpr uint32_t CVErrBase = 0x800A0000u;

}  // namespace tav::err
