// The system's reasons for a failed file operation, in Spanish (Windows-1252),
// whatever language the system itself speaks.
#pragma once

#include <string>
#include <system_error>

namespace tv::tables {

// "no queda espacio en el disco", "no hay permiso"…; the number for the rare rest.
std::string SystemErrorText(const std::error_code& error);
// The same for an errno value (Linux) or a GetLastError value (Windows).
std::string SystemErrorText(int code);

} // namespace tv::tables
