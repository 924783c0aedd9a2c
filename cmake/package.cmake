# The public interface and the installed package: `make install PREFIX=...` puts the shared
# library, the headers under include/ulmaro/, the ulmaro command, a CMake package
# (find_package(Ulmaro): Ulmaro::ulmaro, Ulmaro::command) and ulmaro.pc under the prefix.
#
# The library is installed shared: FreeType, fontconfig, libpng and PCRE2 stay private to
# it, so a program built against it needs none of their development files, and the CMake
# package and ulmaro.pc name no dependencies. Nothing internal is hidden from the dynamic
# symbol table, since the platform headers (ulmaro/platform/*.h) are public as well.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ULMARO_GENERATED_INCLUDE ${CMAKE_BINARY_DIR}/include)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${ULMARO_GENERATED_INCLUDE}/ulmaro/version.h @ONLY)

# The facade over the form and the script runner, as a static library for the tests and
# the objects of the shared library.
file(GLOB ULMARO_API_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/api/*.cpp)
add_library(ulmaro_api STATIC ${ULMARO_API_SRC})
target_include_directories(ulmaro_api PUBLIC ${CMAKE_SOURCE_DIR}/include ${ULMARO_GENERATED_INCLUDE})
target_link_libraries(ulmaro_api PUBLIC ulmaro_script)

if(ULMARO_FUZZ)
  return()
endif()

add_library(ulmaro_shared SHARED
  $<TARGET_OBJECTS:ulmaro_api> $<TARGET_OBJECTS:ulmaro_script> $<TARGET_OBJECTS:ulmaro_controls>
  $<TARGET_OBJECTS:ulmaro_framework> $<TARGET_OBJECTS:ulmaro_platform>)
set_target_properties(ulmaro_shared PROPERTIES
  OUTPUT_NAME ulmaro EXPORT_NAME ulmaro VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
target_link_libraries(ulmaro_shared PRIVATE
  PkgConfig::FREETYPE PkgConfig::FONTCONFIG PkgConfig::PCRE2 PNG::PNG nlohmann_json::nlohmann_json)
target_include_directories(ulmaro_shared INTERFACE
  $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/include> $<BUILD_INTERFACE:${ULMARO_GENERATED_INCLUDE}>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
# The public headers (the platform's among them) are C++20.
target_compile_features(ulmaro_shared INTERFACE cxx_std_20)
add_library(Ulmaro::ulmaro ALIAS ulmaro_shared)
set_target_properties(ulmaro PROPERTIES EXPORT_NAME command)

install(TARGETS ulmaro_shared ulmaro EXPORT UlmaroTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/ulmaro ${ULMARO_GENERATED_INCLUDE}/ulmaro
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

set(ULMARO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Ulmaro)
install(EXPORT UlmaroTargets NAMESPACE Ulmaro:: DESTINATION ${ULMARO_CMAKE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/UlmaroConfig.cmake.in
  ${CMAKE_BINARY_DIR}/UlmaroConfig.cmake INSTALL_DESTINATION ${ULMARO_CMAKE_DIR})
# Before 1.0 a minor version may break the interface.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/UlmaroConfigVersion.cmake COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/UlmaroConfig.cmake ${CMAKE_BINARY_DIR}/UlmaroConfigVersion.cmake
  DESTINATION ${ULMARO_CMAKE_DIR})

# ulmaro.pc finds the prefix from its own place, so it is right wherever the tree is installed.
set(ULMARO_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH ULMARO_PC_TO_PREFIX /${ULMARO_PC_DIR} /)
string(REGEX REPLACE "/$" "" ULMARO_PC_TO_PREFIX "${ULMARO_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/ulmaro.pc.in ${CMAKE_BINARY_DIR}/ulmaro.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/ulmaro.pc DESTINATION ${ULMARO_PC_DIR})
