#include "project/ProjectFileErrors.h"

#include <utility>

#include "language/Language.h"

namespace vek {

ELoadProjectError::ELoadProjectError(std::string reason)
    : std::runtime_error(Language().PrintL("ErrorLoadProjectData")), FReason(std::move(reason)) {}

EAdminProjectError::EAdminProjectError()
    : std::runtime_error(Language().PrintL("ErrorLoadAdminProjectData")) {}

ESaveProjectError::ESaveProjectError(std::string reason)
    : std::runtime_error(Language().PrintL("ErrorSaveProjectData")), FReason(std::move(reason)) {}

}  // namespace vek
