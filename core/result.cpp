#include "result.h"

const char* describe(ResultStatus status) {
    switch (status) {
    case ResultStatus::Ok: return "done";
    case ResultStatus::NotFound: return "not found";
    case ResultStatus::NoAccess: return "no access";
    case ResultStatus::ReadFailed: return "could not be read";
    case ResultStatus::WriteFailed: return "could not be written";
    case ResultStatus::NotRecognized: return "not a file of the expected kind";
    case ResultStatus::Damaged: return "damaged";
    case ResultStatus::TooDeep: return "nested too deeply";
    case ResultStatus::TemplateMistake: return "mistake in the template";
    }
    return "failed";
}

std::string describe(const Result& result) {
    std::string text = result.path.empty() ? std::string() : result.path + ": ";
    text += describe(result.status);
    switch (result.status) {
    case ResultStatus::ReadFailed:
    case ResultStatus::Damaged:
    case ResultStatus::TooDeep: text += " at byte " + std::to_string(result.offset); break;
    case ResultStatus::TemplateMistake:
        if (result.line > 0) text += " at line " + std::to_string(result.line);
        break;
    default: break;
    }
    return text;
}
