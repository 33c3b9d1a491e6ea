# One version for the whole product, the one project() names: it goes into the programs'
# version resources, into --version and into the package names.
set(PK_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ProductVersion.h.in ${PK_GENERATED_DIR}/ProductVersion.h @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/VersionInfo.rc.in ${PK_GENERATED_DIR}/VersionInfo.rc @ONLY)
add_library(pk_version INTERFACE)
target_include_directories(pk_version INTERFACE ${PK_GENERATED_DIR})
