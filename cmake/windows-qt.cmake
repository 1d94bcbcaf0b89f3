# The Windows Qt that tools/build-qt-windows.sh builds once into the cache
# folder: static, made with the same MinGW-w64 compilers, whose moc, rcc and
# uic are the build machine's own Qt tools of the same version.
set(TV_WINDOWS_QT_DEFAULT "$ENV{XDG_CACHE_HOME}")
if(NOT TV_WINDOWS_QT_DEFAULT)
    set(TV_WINDOWS_QT_DEFAULT "$ENV{HOME}/.cache")
endif()
set(TV_WINDOWS_QT "${TV_WINDOWS_QT_DEFAULT}/transveloradae/qt-6.4.2-mingw"
    CACHE PATH "Windows Qt built by tools/build-qt-windows.sh")
if(NOT EXISTS "${TV_WINDOWS_QT}/.transveloradae-completo")
    message(FATAL_ERROR "No está el Qt para Windows en ${TV_WINDOWS_QT}: "
                        "prepárelo una vez con tools/build-qt-windows.sh")
endif()
list(PREPEND CMAKE_PREFIX_PATH "${TV_WINDOWS_QT}")
list(APPEND CMAKE_FIND_ROOT_PATH "${TV_WINDOWS_QT}")
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
