#include "result.h"

const char* describe(ResultStatus status) {
    switch (status) {
    case ResultStatus::Ok: return "done";
    case ResultStatus::NotFound: return "not found";
    case ResultStatus::NoAccess: return "cannot be opened (no access)";
    case ResultStatus::ReadFailed: return "could not be read";
    case ResultStatus::WriteFailed: return "could not be written";
    case ResultStatus::NotRecognized: return "is not a file of the expected kind";
    case ResultStatus::Damaged: return "is damaged";
    case ResultStatus::TooDeep: return "is nested too deeply";
    case ResultStatus::TemplateMistake: return "has a mistake";
    }
    return "failed";
}
