#include "automation/values/AutomationError.h"

#include "automation/values/ErrorNumbers.h"
#include "automation/values/ErrorTexts.h"

namespace tav {

AutomationError::AutomationError(int32_t number)
    : number_(number), description_(err::standardText(number)) {}

void throwError(int32_t number) { throw AutomationError(number); }
void throwTypeMismatch() { throw AutomationError(err::TypeMismatch); }
void throwOverflow() { throw AutomationError(err::Overflow); }

namespace err {
std::string_view standardText(int32_t number) {
    switch (number) {
        case InvalidProcedureCall: return TextInvalidProcedureCall;
        case Overflow: return TextOverflow;
        case OutOfMemory: return TextOutOfMemory;
        case SubscriptOutOfRange: return TextSubscriptOutOfRange;
        case DivisionByZero: return TextDivisionByZero;
        case TypeMismatch: return TextTypeMismatch;
        case ObjectNotSet: return TextObjectNotSet;
        case InvalidUseOfNull: return TextInvalidUseOfNull;
        case ObjectRequired: return TextObjectRequired;
        case ObjectDoesNotSupport: return TextObjectDoesNotSupport;
        case KeyAlreadyExists: return TextKeyAlreadyExists;
        case BadVarType: return TextBadVarType;
        case FileNotFound: return TextFileNotFound;
        case PathFileAccess: return TextPathFileAccess;
        case InvalidFileFormat: return TextInvalidFileFormat;
        case DataValueNotFound: return TextDataValueNotFound;
        case CantPersistObject: return TextCantPersistObject;
        case CantCreateObject: return TextCantCreateObject;
        case ArgumentNotOptional: return TextArgumentNotOptional;
        case WrongArgumentCount: return TextWrongArgumentCount;
        case ElementNotFound: return TextElementNotFound;
        default: return {};
    }
}
}  // namespace err

}  // namespace tav
