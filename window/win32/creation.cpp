#include "window/win32/creation.hpp"

namespace tarvel::win32 {
namespace {

std::string messageFor(std::string_view part, DWORD error) {
  return "Tarvel ne peut pas démarrer : Windows n'a pas créé " + std::string(part) + " (erreur " +
         std::to_string(error) + ").";
}

}  // namespace

CreationFailed::CreationFailed(std::string_view part)
    : std::runtime_error(messageFor(part, GetLastError())) {}

}  // namespace tarvel::win32
