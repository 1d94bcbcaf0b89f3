#include "tables/system_error_text.h"

#include "tables/user_text.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tv::tables {
namespace {

// Reasons as portable conditions: errno values, and the Windows codes that
// std::system_category maps onto them.
std::string ConditionText(std::errc condition, int code) {
    switch (condition) {
    case std::errc::no_space_on_device:
        return TV_TEXT("Sistema", "no queda espacio en el disco");
    case std::errc::file_too_large:
        return TV_TEXT("Sistema", "el archivo es demasiado grande");
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
        return TV_TEXT("Sistema", "no hay permiso");
    case std::errc::read_only_file_system:
        return TV_TEXT("Sistema", "el disco es de solo lectura");
    case std::errc::no_such_file_or_directory:
        return TV_TEXT("Sistema", "no existe el archivo o la carpeta");
    case std::errc::not_a_directory:
        return TV_TEXT("Sistema", "una parte de la ruta no es una carpeta");
    case std::errc::is_a_directory:
        return TV_TEXT("Sistema", "es una carpeta");
    case std::errc::too_many_symbolic_link_levels:
        return TV_TEXT("Sistema", "demasiados enlaces simbólicos encadenados");
    case std::errc::filename_too_long:
        return TV_TEXT("Sistema", "el nombre es demasiado largo");
    case std::errc::file_exists:
        return TV_TEXT("Sistema", "ya existe");
    case std::errc::device_or_resource_busy:
    case std::errc::text_file_busy:
        return TV_TEXT("Sistema", "está en uso por otro programa");
    case std::errc::io_error:
        return TV_TEXT("Sistema", "error de entrada/salida del disco");
    case std::errc::too_many_files_open:
    case std::errc::too_many_files_open_in_system:
        return TV_TEXT("Sistema", "hay demasiados archivos abiertos");
    case std::errc::not_enough_memory:
        return TV_TEXT("Sistema", "no queda memoria");
    case std::errc::cross_device_link:
        return TV_TEXT("Sistema", "no se puede mover a otro disco");
    default:
        return FormatText(TV_TEXT("Sistema", "error del sistema %1"), {std::to_string(code)});
    }
}

} // namespace

std::string SystemErrorText(const std::error_code& error) {
#ifdef _WIN32
    if (error.category() == std::system_category()) {
        switch (error.value()) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return TV_TEXT("Sistema", "está en uso por otro programa");
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return TV_TEXT("Sistema", "no queda espacio en el disco");
        default:
            break;
        }
    }
#endif
    const std::error_condition condition = error.default_error_condition();
    if (condition.category() == std::generic_category())
        return ConditionText(static_cast<std::errc>(condition.value()), error.value());
    return FormatText(TV_TEXT("Sistema", "error del sistema %1"), {std::to_string(error.value())});
}

std::string SystemErrorText(int code) {
#ifdef _WIN32
    return SystemErrorText(std::error_code(code, std::system_category()));
#else
    return SystemErrorText(std::error_code(code, std::generic_category()));
#endif
}

} // namespace tv::tables
